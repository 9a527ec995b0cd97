// Creating a base from the template and deleting one, and how both give the
// main menu back.
#include "platform/fichiers.h"
#include "platform/listefichiers.h"
#include "platform/textes.h"
#include "shell/kalcreer.h"
#include "shell/kaldepart.h"
#include "shell/kalsupprime.h"

#include "environnement.h"

#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QDir>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace Qt::Literals::StringLiterals;

namespace {

class Creation : public DossierProgramme {
protected:
    void SetUp() override
    {
        DossierProgramme::SetUp();
        creerBase(u"Base.kal"_s);
    }
    KalCreer& creation()
    {
        EXPECT_TRUE(programme().charger(prog->kalCreer));
        return *prog->kalCreer;
    }
    void taper(KalCreer& c, const QString& nom)
    {
        c.Text1->setTexte(nom);
        QTest::mouseClick(c.Command1, Qt::LeftButton);
    }
    QStringList fichiers() const { return QDir(dossier.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name); }
};

// Names that are no file of the folder, or a base's in any letter case, are
// refused, the cursor back in the box; Enter is OK.
TEST_F(Creation, UnNomVideExistantOuQuiSortiraitDuDossierEstRefuseEtUnBonNomEstNettoyeEtCree)
{
    QDir(dossier.path()).mkdir(u"sous"_s);
    creerBase(u"Tartes.mdb"_s);
    KalCreer& c = creation();
    for (const QString& nom :
         {QString(), u"   "_s, u".cache"_s, u"sous/piege"_s, u"dos\\sier"_s, u"a:b"_s, u"quoi?"_s, u"tartes"_s}) {
        SCOPED_TRACE(nom.toStdString());
        dialogues->messages.clear();
        taper(c, nom);
        ASSERT_EQ(dialogues->messages.size(), 1);
        const bool vide = nom.trimmed().isEmpty() || nom.startsWith(u'.');
        const bool existe = nom == u"tartes"_s;
        EXPECT_TRUE(dialogues->dernierMessage().contains(existe ? u"CETTE BASE EXISTE CHOISIR UN AUTRE NOM"_s
                                                         : vide ? u"DONNEZ UN NOM"_s : u"NOM DE FICHIER"_s));
        EXPECT_EQ(c.focusWidget(), c.Text1);
        EXPECT_TRUE(prog->kalCreer && !prog->kalDepart);
    }
    EXPECT_EQ(c.Text1->texte(), QString());  // an existing name is cleared
    EXPECT_EQ(fichiers(), QStringList({u"Base.kal"_s, u"Tartes.mdb"_s}));
    EXPECT_TRUE(QDir(chemin(u"sous"_s)).isEmpty());

    // The name is trimmed and put in capitals, the base copied from the template.
    c.Text1->setTexte(u"  Gâteaux.anciens "_s);
    QTest::keyClick(c.Text1, Qt::Key_Return);
    EXPECT_EQ(fichiers(), QStringList({u"Base.kal"_s, u"GÂTEAUX.MDB"_s, u"Tartes.mdb"_s}));
    EXPECT_EQ(contenu(chemin(u"GÂTEAUX.MDB"_s)), contenu(chemin(u"Base.kal"_s)));
    // Back to the main menu, which lists the new base.
    ASSERT_TRUE(prog->kalDepart && !prog->kalCreer);
    EXPECT_EQ(prog->kalDepart->File1->List(0), u"GÂTEAUX.MDB"_s);
}

TEST_F(Creation, SansModeleLaFenetreResteEtRienNApparait)
{
    QFile::remove(chemin(u"Base.kal"_s));
    KalCreer& c = creation();
    taper(c, u"neuve"_s);
    EXPECT_TRUE(dialogues->dernierMessage().contains(u"Base.kal"_s));
    EXPECT_TRUE(c.isVisible() && c.Text1->texte() == u"NEUVE"_s);
    EXPECT_TRUE(fichiers().isEmpty());  // no temporary copy left either

    // Retour with no base at all ends the program.
    c.Retour->trigger();
    EXPECT_FALSE(prog->kalDepart || prog->kalCreer);
    EXPECT_EQ(systeme->quitte, 1);
}

TEST_F(Creation, LaCopieDuModeleNEcrasePasUnFichierExistant)
{
    ecrire(chemin(u"X.MDB"_s), "precieux");
    EXPECT_THROW(copierModele(chemin(u"Base.kal"_s), chemin(u"X.MDB"_s)), Echec);
    EXPECT_EQ(contenu(chemin(u"X.MDB"_s)), QByteArray("precieux"));
    EXPECT_EQ(fichiers(), QStringList({u"Base.kal"_s, u"X.MDB"_s}));
}

using Suppression = DossierProgramme;

TEST_F(Suppression, DemandeConfirmationEtNonNeSupprimeRien)
{
    creerBase(u"Fetes.mdb"_s);
    creerBase(u"Tartes.MDB"_s);
    KalSupprime& s = *programme().charger(prog->kalSupprime);
    ASSERT_EQ(s.File1->ListCount(), 2);

    // "Non", then a click on the same base asks again.
    dialogues->reponses = {false, false};
    for (int i = 0; i < 2; ++i)
        QTest::mouseClick(s.File1->viewport(), Qt::LeftButton, {},
                          s.File1->visualItemRect(s.File1->item(0)).center());
    ASSERT_EQ(dialogues->questions.size(), 2);
    EXPECT_EQ(dialogues->questions.first().texte, u"VOULEZ-VOUS SUPPRIMER Fetes.mdb"_s);
    EXPECT_TRUE(dialogues->questions.first().prudente);
    EXPECT_TRUE(QFile::exists(chemin(u"Fetes.mdb"_s)));
    EXPECT_EQ(s.File1->ListCount(), 2);

    dialogues->reponses = {true};
    s.File1->setCurrentRow(1);
    EXPECT_EQ(dialogues->questions.last().texte, u"VOULEZ-VOUS SUPPRIMER Tartes.MDB"_s);
    EXPECT_FALSE(QFile::exists(chemin(u"Tartes.MDB"_s)));
    ASSERT_EQ(s.File1->ListCount(), 1);
    EXPECT_EQ(s.File1->List(0), u"Fetes.mdb"_s);

    // Without a base left, Retour leads to the creation of one.
    s.File1->setCurrentRow(0);
    EXPECT_EQ(s.File1->ListCount(), 0);
    s.Retour->trigger();
    EXPECT_FALSE(prog->kalSupprime || prog->kalDepart);
    ASSERT_TRUE(prog->kalCreer);
    EXPECT_EQ(systeme->quitte, 0);
}

// The real question: "Non" by default, clear of the pointer that opened it.
TEST_F(Suppression, NiEntreeNiLeSecondClicNeRepondentOui)
{
    QWidget fenetre;
    fenetre.setGeometry(100, 100, 500, 400);
    fenetre.show();
    QCursor::setPos(fenetre.geometry().center());
    bool dansLaBoite = true;
    QTimer::singleShot(100, [&] {
        auto* boite = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_TRUE(boite);
        dansLaBoite = boite->frameGeometry().contains(QCursor::pos());
        QTest::keyClick(boite, Qt::Key_Return);
    });
    DialoguesQt vraies;
    EXPECT_FALSE(vraies.questionPrudente(&fenetre, u"VOULEZ-VOUS SUPPRIMER Fetes.mdb"_s, u"DANGER"_s));
    EXPECT_FALSE(dansLaBoite);
}

}  // namespace
