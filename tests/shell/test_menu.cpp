// The main menu: listing and opening bases, compaction, the category
// entries with their introduction page, and the entries that leave it.
#include "card/kalgeneral.h"
#include "platform/boiteimage.h"
#include "platform/encodage.h"
#include "platform/grille.h"
#include "platform/listefichiers.h"
#include "platform/textes.h"
#include "shell/kalcreer.h"
#include "shell/kaldepart.h"
#include "shell/kalsupprime.h"
#include "shell/kaltexte.h"

#include "environnement.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {

class Menu : public DossierProgramme {
protected:
    KalDepart& menu()
    {
        EXPECT_TRUE(programme().charger(prog->kalDepart));
        return *prog->kalDepart;
    }
    // Creates `nom` with `fiches`, loads the menu and opens the base.
    KalDepart& menuOuvert(const QString& nom, const QList<Fiche>& fiches = {})
    {
        creerBase(nom, fiches);
        KalDepart& m = menu();
        choisir(m, nom);
        return m;
    }
    static QStringList liste(const ListeFichiers* l)
    {
        QStringList noms;
        for (int i = 0; i < l->ListCount(); ++i)
            noms.append(l->List(i));
        return noms;
    }
    static void choisir(KalDepart& m, const QString& nom)
    {
        const int i = static_cast<int>(liste(m.File1).indexOf(nom));
        ASSERT_GE(i, 0) << nom.toStdString();
        m.File1->setCurrentRow(i);
    }
    // The entries that need an open base: "all" visible, "none" visible.
    static bool entreesBase(KalDepart& m, bool visibles)
    {
        const QList<QAction*> a{m.Entree->menuAction(), m.Legumes, m.Culinaire->menuAction(),
                                m.Poissons->menuAction(), m.Viandes->menuAction(), m.Vollaille->menuAction(),
                                m.Viande, m.Verrine, m.Pain, m.Plat, m.Froma, m.nougat, m.Desser, m.vide3,
                                m.Cherche, m.Sup, m.Vide1, m.Sauve, m.Base, m.Importer, m.Exporter, m.Change};
        return std::all_of(a.begin(), a.end(), [&](QAction* x) { return x->isVisible() == visibles; });
    }
};

// The close box of every window does what its way out does in the state shown.
TEST_F(Menu, LaCaseDeFermetureFaitCeQueFaitRetour)
{
    menuOuvert(u"a.mdb"_s, {fiche(u"AGN"_s, u"GIGOT"_s)}).Agneau->trigger();
    // Closes `w`; the windows then shown, "+liste" when their grid is.
    const auto fermer = [](QWidget* w) {
        w->close();
        traiterEvenements();
        QStringList v;
        for (QWidget* f : QApplication::topLevelWidgets())
            if (f->isVisible() && f->inherits("FenetreKal"))
                v << QString::fromLatin1(f->metaObject()->className()) + (f->isEnabled() ? u""_s : u"-"_s)
                         + (f->findChild<Grille*>() && f->findChild<Grille*>()->isVisibleTo(f) ? u"+liste"_s
                                                                                                  : u""_s);
        v.sort();
        return v.join(u' ');
    };
    EXPECT_EQ(fermer(prog->kalTexte), u"KalDepart- KalGeneral+liste"_s);  // "Suite"
    prog->kalGeneral->MSFlexGrid1->cliquer(1, 1);
    prog->kalGeneral->Imprim->trigger();
    EXPECT_EQ(fermer(prog->kalGeneral), u"KalDepart- KalGeneral+liste"_s);  // the card's "Retour"
    EXPECT_EQ(fermer(prog->kalGeneral), u"KalDepart"_s);
    for (QAction* KalDepart::*entree : {&KalDepart::Cherche, &KalDepart::Sup, &KalDepart::Sauve,
                                        &KalDepart::Creer, &KalDepart::Supprimer}) {
        if (!prog->kalDepart->File1->isHidden())
            choisir(*prog->kalDepart, u"a.mdb"_s);
        (prog->kalDepart->*entree)->trigger();
        QWidget* ouverte = nullptr;
        for (QWidget* f : QApplication::topLevelWidgets())
            if (f->isVisible() && f->inherits("FenetreKal") && !f->inherits("KalDepart"))
                ouverte = f;
        ASSERT_TRUE(ouverte);
        EXPECT_TRUE(!prog->kalDepart || !prog->kalDepart->isEnabled());  // the menu waits
        EXPECT_EQ(fermer(ouverte), u"KalDepart"_s) << ouverte->metaObject()->className();
    }
    EXPECT_EQ(systeme->quitte, 0);
}

// The list, the keyboard choosing as a click would, the base shown, and back.
TEST_F(Menu, ListeLesBasesSansRegarderLaCasseEtOuvreCelleQueLeClavierChoisit)
{
    creerBase(u"b.MDB"_s, {fiche(u"AGN"_s, u"GIGOT"_s), fiche(u"DES"_s, u"BAVAROIS"_s)});
    creerBase(u"a.mdb"_s);
    creerBase(u".mdb"_s);
    ecrire(chemin(u"notes.txt"_s), "x");
    KalDepart& m = menu();
    EXPECT_EQ(liste(m.File1), QStringList({u".mdb"_s, u"a.mdb"_s, u"b.MDB"_s}));
    EXPECT_TRUE(m.Label1->isHidden() && m.Image1->isHidden());
    EXPECT_TRUE(entreesBase(m, false));
    EXPECT_TRUE(m.Creer->isVisible() && m.Supprimer->isVisible() && m.Quitter->isVisible());

    // Taking the focus opens nothing; the arrow keys choose.
    m.activateWindow();
    m.File1->setFocus(Qt::TabFocusReason);
    QCoreApplication::processEvents();
    EXPECT_FALSE(prog->donnees.BaseDonnees);
    QTest::keyClick(m.File1, Qt::Key_Down);
    EXPECT_EQ(prog->donnees.NomBase, u".mdb"_s);
    EXPECT_EQ(m.Label1->text(), QString());
    EXPECT_TRUE(m.File1->isHidden());

    m.Change->trigger();
    EXPECT_TRUE(entreesBase(m, false) && m.Label2->isHidden());
    choisir(m, u"b.MDB"_s);
    EXPECT_EQ(m.Label1->text(), u"b"_s);
    EXPECT_EQ(m.Label2->text(), u"Nombre de Recettes  2"_s);
    EXPECT_FALSE(m.Label1->isHidden() || m.Label2->isHidden() || m.Image1->isHidden());
    EXPECT_TRUE(entreesBase(m, true));

    // A name too long for its label is cut at its end.
    creerBase(QString(80, u'N') + u".mdb"_s);
    m.Change->trigger();
    choisir(m, QString(80, u'N') + u".mdb"_s);
    EXPECT_TRUE(m.Label1->text().startsWith(u"NNN"_s) && m.Label1->text().endsWith(u'…'));
    EXPECT_EQ(m.Label2->text(), u"Nombre de Recettes  0"_s);
}

TEST_F(Menu, LeCompactageGardeToutOuDitSonEchecEtRouvreLaBase)
{
    ecrire(chemin(u"TEMP.mdb"_s), "reste d'une panne");
    KalDepart& m = menuOuvert(u"Fetes.mdb"_s, {fiche(u"AGN"_s, u"GIGOT"_s), fiche(u"DES"_s, u"BAVAROIS"_s),
                                                fiche(u"DES"_s, u"TARTE"_s)});
    prog->donnees.BaseDonnees->supprimer(2, u"BAVAROIS"_s);
    const QByteArray avant = contenu(chemin(u"Fetes.mdb"_s));

    // A "temp.MDB" left over, in any letter case: a message, both files untouched, the base open again.
    m.Base->trigger();
    EXPECT_TRUE(dialogues->dernierMessage().contains(u"temp.MDB"_s));
    EXPECT_EQ(contenu(chemin(u"Fetes.mdb"_s)), avant);
    EXPECT_EQ(contenu(chemin(u"TEMP.mdb"_s)), QByteArray("reste d'une panne"));
    EXPECT_EQ(prog->donnees.BaseDonnees ? prog->donnees.BaseDonnees->compter() : -1, 2);

    ASSERT_TRUE(QFile::remove(chemin(u"TEMP.mdb"_s)));
    m.Base->trigger();
    EXPECT_EQ(dialogues->dernierMessage(), u"Compactage de la Base de Données et Terminée"_s);
    EXPECT_FALSE(QFile::exists(chemin(u"temp.MDB"_s)));
    EXPECT_EQ(prog->donnees.BaseDonnees ? prog->donnees.BaseDonnees->compter() : -1, 2);
    EXPECT_TRUE(m.Base->isVisible());
}

TEST_F(Menu, TerrineLitSonTexteEtCacheLesFichesJusquASuite)
{
    ecrire(chemin(u"TERRINE DE VIANDE.txt"_s), encoder1252(u"Pâté en croûte\r\nà la française"_s));
    KalDepart& m = menuOuvert(u"Fetes.mdb"_s, {fiche(u"VIT"_s, u"TERRINE DE CAMPAGNE"_s), fiche(u"COQ"_s, u"COQ AU VIN"_s)});
    m.Viande->trigger();
    EXPECT_EQ(prog->donnees.NomCategorie, u"TERRINE DE VIANDE"_s);
    ASSERT_TRUE(prog->kalTexte && prog->kalGeneral);
    EXPECT_EQ(prog->kalTexte->Text1->texte(), u"Pâté en croûte\r\nà la française"_s);
    EXPECT_TRUE(prog->kalTexte->isVisible() && !prog->kalGeneral->isVisible() && !m.isEnabled());
    // Centred at its design size on 1024 x 768: 1680, 1260 twips; font TaillePolice.
    EXPECT_EQ(prog->kalTexte->pos(), QPoint(112, 84));
    EXPECT_EQ(prog->kalTexte->Text1->font().pointSize(), 9);

    prog->kalTexte->Suite->trigger();
    EXPECT_TRUE(!prog->kalTexte && prog->kalGeneral->isVisible() && !m.isEnabled());  // the menu waits for the cards
    prog->kalGeneral->Gene->trigger();
    EXPECT_TRUE(m.isEnabled() && !prog->kalGeneral);

    // A category without its text shows an empty page.
    m.Coq->trigger();
    EXPECT_EQ(prog->donnees.NomCategorie, u"COQ"_s);
    ASSERT_TRUE(prog->kalTexte);
    EXPECT_EQ(prog->kalTexte->Text1->texte(), QString());
}

TEST(TexteCategorie, UnTresGrosFichierEstCoupeSurUneLigneEntiere)
{
    QTemporaryDir d;
    QFile f(d.filePath(u"GROS.txt"_s));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    const QByteArray ligne = QByteArray("Une ligne de texte accentu\xe9 assez longue.\r\n");
    for (qint64 n = 0; n < 2 * KalTexte::TailleMaximale; n += ligne.size())
        f.write(ligne);
    f.close();
    const QString texte = lireTexteCategorie(f.fileName());
    EXPECT_LE(texte.size(), KalTexte::TailleMaximale);
    EXPECT_TRUE(texte.endsWith(u"accentué assez longue.\r\n"_s));
    EXPECT_EQ(lireTexteCategorie(d.filePath(u"ABSENT.txt"_s)), QString());
}

TEST_F(Menu, LeSiteEtQuitterPassentParLeSysteme)
{
    creerBase(u"Fetes.mdb"_s);
    KalDepart& m = menu();
    m.Site->trigger();
    ASSERT_EQ(systeme->adresses.size(), 1);
    systeme->ouvertureReussie = false;
    m.Site->trigger();
    ASSERT_EQ(dialogues->messages.size(), 1);
    EXPECT_TRUE(dialogues->dernierMessage().contains(u"Orbale"_s));

    choisir(m, u"Fetes.mdb"_s);
    m.Quitter->trigger();
    EXPECT_FALSE(prog->donnees.BaseDonnees);
    EXPECT_EQ(systeme->quitte, 1);
}

TEST_F(Menu, UneBaseAccessEstConvertieAvecLAccordDeLUtilisateur)
{
    ASSERT_TRUE(QFile::copy(QStringLiteral(CARNET_SHARED_DIR "/fixtures/legacy/cuisine.mdb"), chemin(u"VIEILLE.mdb"_s)));
    QFile(chemin(u"VIEILLE.mdb"_s)).setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    const QByteArray avant = contenu(chemin(u"VIEILLE.mdb"_s));
    KalDepart& m = menu();

    // No: nothing changes and the list stays.
    dialogues->reponses = {false};
    choisir(m, u"VIEILLE.mdb"_s);
    ASSERT_EQ(dialogues->questions.size(), 1);
    EXPECT_EQ(contenu(chemin(u"VIEILLE.mdb"_s)), avant);
    EXPECT_TRUE(!m.File1->isHidden() && !prog->donnees.BaseDonnees);

    // Yes: converted, the original kept beside it, the base open.
    dialogues->reponses = {true};
    m.File1->setCurrentRow(-1);
    choisir(m, u"VIEILLE.mdb"_s);
    EXPECT_EQ(contenu(chemin(u"VIEILLE.mdb.jet"_s)), avant);
    ASSERT_TRUE(prog->donnees.BaseDonnees);
    EXPECT_EQ(m.Label2->text(), u"Nombre de Recettes  3"_s);
}

}  // namespace
