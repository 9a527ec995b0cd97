#include "print/question.h"

#include "app/fenetrekal.h"
#include "app/programme.h"
#include "platform/dialogues.h"
#include "platform/textes.h"

#include <QLabel>

using namespace Qt::Literals::StringLiterals;

void poserQuestionImpression(QLabel* legende, Texte* reponse)
{
    legende->setText(u"I=IMPRIMANTE OU T=TEXTE"_s);
    reponse->show();
    reponse->setTexte(u"I"_s);
    reponse->setFocus();
}

bool entreeQuestionImpression(int& KeyAscii)
{
    KeyAscii = majusculeTouche(KeyAscii);
    if (KeyAscii != 13)
        return false;
    KeyAscii = 0;
    return true;
}

bool repondreQuestionImpression(FenetreKal& fenetre, const QString& reponse, const FicheRecette& recette,
                                const QImage& photo)
{
    Imprimante& imprimante = fenetre.prog.imprimante();
    // Exactly "I" prints; anything else, an empty answer too, is the text file.
    if (reponse != u"I"_s) {
        if (fenetre.essayer([&] { ExporterTexte(imprimante, recette); }))
            fenetre.prog.dialogues().message(&fenetre, messageExport(recette.titre));
        return false;
    }
    if (const auto pdf = fenetre.essayer([&] { return ImprimeFiche(imprimante, recette, photo); }); pdf && !pdf->isEmpty())
        fenetre.prog.dialogues().message(&fenetre, messagePdf(*pdf));
    return true;
}
