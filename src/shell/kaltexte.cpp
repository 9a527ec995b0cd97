#include "shell/kaltexte.h"

#include "platform/encodage.h"
#include "platform/fichiers.h"
#include "platform/textes.h"
#include "platform/twips.h"
#include "shell/programme.h"

#include <QAction>
#include <QDir>

using namespace Qt::Literals::StringLiterals;

QString lireTexteCategorie(const QString& nom, QString* erreur)
{
    const QString chemin = trouverFichier(nom);
    if (chemin.isEmpty())
        return {};
    LectureFichier lecture = lireFichierRegulier(chemin, KalTexte::TailleMaximale, true);
    if (!lecture.lu) {
        if (erreur)
            *erreur = u"La page « %1 » n'a pas pu être lue : %2."_s.arg(QDir::toNativeSeparators(chemin), lecture.erreur);
        return {};
    }
    QByteArray& octets = lecture.octets;
    // A cut file ends on a whole line, so no character is split in two.
    if (lecture.tronque) {
        const qsizetype fin = octets.lastIndexOf('\n');
        if (fin >= 0)
            octets.truncate(fin + 1);
    }
    return decoderTexte(octets);
}

KalTexte::KalTexte(Programme& programme) : FenetreKal(programme)
{
    Text1 = controle<TexteMulti>("Text1", 0, 0, 11800, 8280);
    Text1->setFont(QFont(u"Arial"_s));
    couleurs(Text1, QColor(255, 255, 128), QColor(0, 0, 255));
    Suite = entreeMenu("Suite", u"Suite"_s);
    connect(Suite, &QAction::triggered, this, &KalTexte::Suite_Click);
}

void KalTexte::Form_Load()
{
    // Not rescaled: centred at its design size, only its text follows the screen.
    setTailleFenetreTwips(this, 9000, 12000);
    setPositionFenetreTwips(this, (prog.zoom.LargeurEcran - 12000.0) / 2, (prog.zoom.HauteurEcran - 9000.0) / 2);
    setGeometrieTwips(Text1, QRectF(0, 0, 11800, 8280));
    if (QWidget* fiches = prog.vivante("KalGeneral"))
        fiches->hide();
    // Font and size first: a change of either lays the whole text out again.
    QFont police = Text1->font();
    police.setPointSize(prog.zoom.TaillePolice);
    Text1->setFont(police);
    show();
    QString erreur;
    Text1->setTexte(lireTexteCategorie(prog.donnees.NomCategorie + u".txt"_s, &erreur));
    if (!erreur.isEmpty())
        prog.dialogues().message(this, erreur);
}

bool KalTexte::sortir()
{
    Suite_Click();
    return true;
}

void KalTexte::Suite_Click()
{
    prog.decharger(prog.kalTexte);
    if (QWidget* fiches = prog.vivante("KalGeneral")) {
        fiches->setVisible(true);
        fiches->raise();
        fiches->activateWindow();
    }
}
