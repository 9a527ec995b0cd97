#include "shell/kalcreer.h"

#include "app/programme.h"
#include "platform/fichiers.h"
#include "platform/textes.h"
#include "shell/kaldepart.h"

#include <QAction>
#include <QDir>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

using namespace Qt::Literals::StringLiterals;

namespace {

const QColor VertClair(128, 255, 128);
const QColor VertPale(192, 255, 192);
const QColor BleuFonce(0, 0, 192);

QString guillemets(const QString& nom)
{
    return u"« "_s + nom + u" »"_s;
}

}  // namespace

void copierModele(const QString& modele, const QString& nom)
{
    const QString echec = u"La base "_s + guillemets(nom) + u" n'a pas été créée : "_s;
    const LectureFichier source = lireFichierRegulier(modele, TailleModeleMaximale);
    if (source.absent)
        throw Echec(echec + u"le modèle "_s + guillemets(modele) + u" est introuvable dans le dossier de travail."_s);
    if (!source.lu)
        throw Echec(echec + u"le modèle "_s + guillemets(modele) + u" ne peut pas être lu : "_s + source.erreur + u"."_s);
    // Never replaces an existing file: a base that appeared meanwhile stays.
    preciser([&] { ecrireFichierDurable(nom, source.octets, false); },
             [&](const QString& r) { return echec + u"la copie n'a pas pu être écrite : "_s + r + u"."_s; });
}

KalCreer::KalCreer(Programme& programme) : FenetreKal(programme)
{
    setFont(QFont(u"MS Sans Serif"_s, 10, QFont::Bold));
    setFond(VertClair);

    Label2 = controle<QLabel>("Label2", 4868, 300, 2145, 285);
    Label2->setText(u"CREER UNE BASE"_s);
    Label2->setAlignment(Qt::AlignCenter);
    couleurs(Label2, VertClair, BleuFonce);

    Frame1 = controle<QFrame>("Frame1", 1560, 2258, 8805, 4035);
    Frame1->setFrameShape(QFrame::Box);
    couleurs(Frame1, VertPale, BleuFonce);
    Label1 = controle<QLabel>("Label1", 2040, 1328, 1905, 345, Frame1);
    Label1->setText(u"Nom de La BASE"_s);
    Label1->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Label1->setIndent(8);  // its caption would touch the box it names
    couleurs(Label1, VertPale, BleuFonce);
    Text1 = controle<Texte>("Text1", 3945, 1320, 3015, 360, Frame1);
    couleurs(Text1, VertPale, BleuFonce);
    Command1 = controle<QPushButton>("Command1", 4170, 2640, 675, 525, Frame1);
    Command1->setText(u"OK"_s);
    couleurs(Command1, VertClair, BleuFonce);
    QPalette p = Command1->palette();
    p.setColor(QPalette::Button, VertClair);
    Command1->setPalette(p);

    Retour = entreeMenu("Retour", u"Retour"_s);

    connect(Command1, &QPushButton::clicked, this, &KalCreer::Command1_Click);
    // Enter in the name box is "OK".
    Text1->KeyPress = [this](int& code) {
        if (code == 13) {
            code = 0;
            Command1_Click();
        }
    };
    connect(Retour, &QAction::triggered, this, &KalCreer::Retour_Click);
}

void KalCreer::Form_Load()
{
    dimensionner();
    show();
    Text1->setFocus();
}

void KalCreer::Command1_Click()
{
    Text1->setTexte(Text1->texte().trimmed().toUpper());
    QString nom = Text1->texte();
    const qsizetype point = nom.indexOf(u'.');
    if (point >= 0)
        nom.truncate(point);
    // Without a name the base would be the hidden file ".MDB".
    if (nom.trimmed().isEmpty()) {
        prog.dialogues().message(this, u"DONNEZ UN NOM À LA BASE."_s);
        Text1->setFocus();
        return;
    }
    // The name becomes a file of the working folder: nothing that would put it
    // elsewhere or that the file system cannot hold.
    if (!nom.isEmpty() && nomFichierSur(nom) != nom) {
        prog.dialogues().message(this, u"CE NOM NE PEUT PAS SERVIR DE NOM DE FICHIER : "
                                       u"IL NE DOIT CONTENIR AUCUN DES CARACTÈRES / \\ : * ? \" < > |"_s);
        Text1->setFocus();
        return;
    }
    nom += u".MDB"_s;
    if (!trouverFichier(nom).isEmpty()) {
        prog.dialogues().message(this, u"CETTE BASE EXISTE CHOISIR UN AUTRE NOM"_s);
        Text1->clear();
        Text1->setFocus();
        return;
    }
    if (!essayer([&] { copierModele(u"Base.kal"_s, nom); })) {
        Text1->setFocus();
        return;
    }
    Retour_Click();
}

bool KalCreer::sortir()
{
    Retour_Click();
    return true;
}

void KalCreer::Retour_Click()
{
    prog.charger(prog.kalDepart);
    prog.decharger(prog.kalCreer);
    // With no base at all the main menu did not stay: no window is left.
    if (!prog.kalDepart && !prog.kalCreer)
        prog.systeme().quitter();
}
