#include "print/question.h"

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

bool repondreQuestionImpression(Imprimante& imprimante, Dialogues& dialogues, QWidget* fenetre,
                                const QString& reponse, const FicheRecette& recette, const QImage& photo)
{
    // Exactly "I" prints; anything else, an empty answer too, is the text file.
    if (reponse != u"I"_s) {
        const std::optional<QString> echec = ExporterTexte(imprimante, recette);
        dialogues.message(fenetre, echec ? *echec : messageExport(recette.titre));
        return false;
    }
    const ResultatImpression r = ImprimeFiche(imprimante, recette, photo);
    if (!r.reussi)
        dialogues.message(fenetre, r.erreur.isEmpty() ? u"L'IMPRESSION DE LA FICHE A ÉCHOUÉ."_s : r.erreur);
    else if (!r.fichierPdf.isEmpty())
        dialogues.message(fenetre, messagePdf(r.fichierPdf));
    return true;
}
