#include "shell/kalsupprime.h"

#include "platform/listefichiers.h"
#include "shell/kaldepart.h"
#include "shell/programme.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFrame>
#include <QLabel>

using namespace Qt::Literals::StringLiterals;

namespace {

const QColor RougeClair(255, 128, 128);
const QColor Rose(255, 192, 192);
const QColor Rouge(255, 0, 0);
const QColor Marine(0, 0, 128);

}  // namespace

KalSupprime::KalSupprime(Programme& programme) : FenetreKal(programme)
{
    setFont(QFont(u"MS Sans Serif"_s, 10, QFont::Bold));
    setFond(RougeClair);

    Label1 = controle<QLabel>("Label1", 4095, 300, 4005, 345);
    Label1->setText(u"SUPPRIMER BASE DANGER"_s);
    Label1->setAlignment(Qt::AlignCenter);
    couleurs(Label1, Rose, Rouge);

    Frame1 = controle<QFrame>("Frame1", 3488, 2678, 4905, 3195);
    Frame1->setFrameShape(QFrame::Box);
    couleurs(Frame1, Rouge, Rouge);
    File1 = controle<ListeFichiers>("File1", 960, 390, 3105, 2250, Frame1);
    couleurs(File1, RougeClair, Marine);
    File1->setDossier(QDir(QDir::currentPath()));
    File1->setMotifs({u"*.MDB"_s});

    Retour = entreeMenu("Retour", u"Retour"_s);

    connect(File1, &ListeFichiers::Click, this, &KalSupprime::File1_Click);
    connect(Retour, &QAction::triggered, this, &KalSupprime::Retour_Click);
}

void KalSupprime::Form_Load()
{
    File1->Refresh();
    dimensionner();
    show();
}

void KalSupprime::File1_Click()
{
    const QString nom = File1->FileName();
    if (nom.isEmpty())
        return;
    if (!prog.dialogues().questionPrudente(this, u"VOULEZ-VOUS SUPPRIMER "_s + nom, u"DANGER"_s)) {
        File1->oublierChoix();
        return;
    }
    QFile base(File1->dossier().filePath(nom));
    if (!base.remove())
        prog.dialogues().message(this, u"La base « "_s + nom + u" » n'a pas pu être supprimée : le fichier "
                                       u"ou le dossier est protégé en écriture, ou le fichier a disparu."_s);
    File1->Refresh();
}

bool KalSupprime::sortir()
{
    Retour_Click();
    return true;
}

void KalSupprime::Retour_Click()
{
    prog.charger(prog.kalDepart);
    prog.decharger(prog.kalSupprime);
}
