#include "browser/kalrubrique.h"
#include "platform/boiteimage.h"
#include "platform/grille.h"
#include "platform/textes.h"
#include "app/programme.h"
#include "store/sqlite.h"

#include "environnement.h"

#include <QAction>
#include <QImage>
#include <QLabel>

#include <gtest/gtest.h>
#include <sqlite3.h>

using namespace Qt::Literals::StringLiterals;

namespace {

const QStringList Rubriques = u"AGNEAU,BOEUF,CANARD,FOIS GRAS,ENTREE CHAUDE,COMPOSE,COQ,CRUSTACE,DESSERT,FOND DE SAUCE,"
                              "ENTREE FROIDE,FROMAGE,GIBIER,LAPIN,LEGUME,PAIN,PLAT COMPLET,POISSON,PORC,POULET,SAUCE,"
                              "VEAU,TERRINE DE VIANDE,NOUGAT"_s.split(u',');
Fiche complete(const QString& code, const QString& titre, const QString& prepa)
{
    Fiche f = fiche(code, titre, u"2 oeufs\r\n1 citron"_s, u"Battre.\r\nCuire."_s);
    f.tempPrepa = prepa;
    f.tempCuisson = u"1 H"_s;
    f.difficulte = u"JJ"_s;
    f.vin = u"CHABLIS"_s;
    return f;
}

void image(const QString& chemin, const QColor& couleur, const char* format)
{
    QImage i(40, 30, QImage::Format_RGB32);
    i.fill(couleur);
    ASSERT_TRUE(i.save(chemin, format));
}

class Rubrique : public DossierProgramme {
protected:
    KalRubrique* ouvrir(const QList<Fiche>& fiches = {})
    {
        Programme& p = programme();
        creerBase(u"Essai.mdb"_s, fiches);
        ouvrirBase(u"Essai.mdb"_s);
        return p.charger(p.kalRubrique);
    }

    static int ligneDe(const Grille& g, const QString& titre)
    {
        for (int r = 1; r < g.Rows(); ++r)
            if (g.TextMatrix(r, 1) == titre)
                return r;
        return -1;
    }

    // Every row as "column 0|column 1".
    static QStringList colonnes(const Grille& g)
    {
        QStringList l;
        for (int r = 0; r < g.Rows(); ++r)
            l << g.TextMatrix(r, 0) + u'|' + g.TextMatrix(r, 1);
        return l;
    }

    static bool enListe(const KalRubrique& w)
    {
        return w.MSFlexGrid1->isVisibleTo(&w) && w.Imprimante->isVisible() && !w.Effacer->isVisible()
            && !w.Text1->isVisibleTo(&w) && !w.Label7->isVisibleTo(&w) && !w.Image1->isVisibleTo(&w);
    }

    static bool enApercu(const KalRubrique& w)
    {
        return !w.MSFlexGrid1->isVisibleTo(&w) && !w.Imprimante->isVisible() && w.Effacer->isVisible()
            && w.Text1->isVisibleTo(&w) && w.Text6->isVisibleTo(&w) && w.Label7->isVisibleTo(&w) && w.Image1->isVisibleTo(&w);
    }
};

// --- The list --------------------------------------------------------------

TEST_F(Rubrique, UneBaseVideMontreEtImprimeLesVingtQuatreRubriquesSansRecette)
{
    KalRubrique* w = ouvrir();
    const Grille& g = *w->MSFlexGrid1;
    EXPECT_TRUE(w->isVisible() && enListe(*w));
    QStringList lignes{u"N°|NOM DE LA RECETTE"_s};
    for (const QString& r : Rubriques)
        lignes << u"|"_s + r;
    EXPECT_EQ(lignes, colonnes(g));
    EXPECT_EQ(w->Label1->text(), u"Nombre de recettes  0"_s);
    // 1024 pixels wide: PourcentZoom 102.
    EXPECT_EQ(QList<double>({g.ColWidth(0), g.ColWidth(1), g.FontSize()}), QList<double>({510, 7885, 8.16}));

    // Printed, the headings alone; a printer that fails says so.
    imprimante->resultat = {false, QString(), u"L'imprimante « Cuisine » n'est pas prête."_s};
    w->Imprimante_Click();
    EXPECT_EQ(imprimante->lignes().size(), 2 + Rubriques.size());
    EXPECT_EQ(dialogues->messages.size(), 1);
    EXPECT_EQ(dialogues->dernierMessage(), u"L'imprimante « Cuisine » n'est pas prête."_s);
    EXPECT_TRUE(enListe(*w));
}

// Codes out of the list (in another letter case too) are neither listed nor counted.
TEST_F(Rubrique, LesRecettesSuiventLeurRubriqueDansLOrdreDeLaTable)
{
    KalRubrique* w = ouvrir({fiche(u"VEA"_s, u"ROTI DE VEAU"_s), fiche(u"POU"_s, u"POULET BASQUAISE"_s),
                             fiche(u"POU"_s, u"POULET AU CITRON"_s), fiche(u"VEA"_s, u"BLANQUETTE"_s),
                             fiche(u"POU"_s, u"COQUELET"_s), fiche(u"BEU"_s, u"BEURRE D'ESCARGOT"_s),
                             fiche(u"pou"_s, u"POULE MINUSCULE"_s), fiche(u"XYZ"_s, u"MYSTERE"_s)});
    const QStringList l = colonnes(*w->MSFlexGrid1);
    ASSERT_EQ(l.size(), 30);
    EXPECT_EQ(l.mid(19), (QStringList{u"|PORC"_s, u"|POULET"_s, u"2|POULET BASQUAISE"_s, u"3|POULET AU CITRON"_s,
                                      u"5|COQUELET"_s, u"|SAUCE"_s, u"|VEAU"_s, u"1|ROTI DE VEAU"_s,
                                      u"4|BLANQUETTE"_s, u"|TERRINE DE VIANDE"_s, u"|NOUGAT"_s}));
    EXPECT_EQ(w->Label1->text(), u"Nombre de recettes  5"_s);

    // A record without a number: an empty cell, not "0".
    sqlite::Database(chemin(u"Essai.mdb"_s), SQLITE_OPEN_READWRITE)
        .executer("UPDATE Ordre SET Numero = NULL WHERE Id = (SELECT Id FROM Fiche WHERE Titre = 'COQUELET')");
    w->Effacer->trigger();
    EXPECT_TRUE(colonnes(*w->MSFlexGrid1).contains(u"|COQUELET"_s));
}

// --- The preview -----------------------------------------------------------

// Headings and empty cells open nothing; a click in a recipe's row, in either column, opens it by its title.
TEST_F(Rubrique, UnClicSurUneRecetteMontreSonApercuEtLesEnTetesNeChangentRien)
{
    KalRubrique* w = ouvrir({fiche(u"AGN"_s, QString()), complete(u"VEA"_s, u"BLANQUETTE"_s, u"30 MN"_s)});
    const Grille& g = *w->MSFlexGrid1;
    ASSERT_EQ(g.Rows(), 27);
    for (int r = 0; r < g.Rows(); ++r)
        for (int c = 0; c < 2 && g.TextMatrix(r, 1) != u"BLANQUETTE"_s; ++c) {
            w->MSFlexGrid1->cliquer(r, c);
            ASSERT_TRUE(enListe(*w)) << r << "," << c << " " << g.TextMatrix(r, 1).toStdString();
        }
    EXPECT_EQ(w->Label1->text(), u"Nombre de recettes  2"_s);
    w->MSFlexGrid1->cliquer(ligneDe(g, u"BLANQUETTE"_s), 0);
    EXPECT_TRUE(enApercu(*w));
    EXPECT_EQ(QStringList({w->Label1->text(), w->Text1->texte(), w->Text2->texte(), w->Text3->texte(),
                           w->Text4->texte(), w->Text5->texte(), w->Text6->texte()}),
              QStringList({u"VEAU"_s, u"BLANQUETTE"_s, u"30 MN"_s, u"1 H"_s, u"JJ"_s, u"2 oeufs\r\n1 citron"_s,
                           u"Battre.\r\nCuire."_s}));
    EXPECT_NE(w->Text4->text(), u"JJ"_s);  // shown as pictograms
}

// A click looks the title up: the first record of that title in table order,
// whose category may have no name (the last name stays), or none at all.
TEST_F(Rubrique, UnClicMontreLePremierDuTitreEtUnTitreDisparuLaisseLeResteInchange)
{
    KalRubrique* w = ouvrir({complete(u"XYZ"_s, u"FLAN"_s, u"5 MN"_s), complete(u"AST"_s, u"CREME"_s, u"6 MN"_s),
                             complete(u"DES"_s, u"CREME BRULEE"_s, u"7 MN"_s), complete(u"POU"_s, u"COQUELET"_s, u"8 MN"_s)});
    BaseRecettes& base = *prog->donnees.BaseDonnees;
    const auto cliquer = [&](const QString& titre) {
        w->Effacer_Click();
        w->MSFlexGrid1->cliquer(ligneDe(*w->MSFlexGrid1, titre), 1);
        return w->Label1->text() + u' ' + w->Text1->texte() + u' ' + w->Text2->texte();
    };
    ASSERT_TRUE(base.modifier(3, u"CREME BRULEE"_s, complete(u"DES"_s, u"FLAN"_s, u"7 MN"_s)));
    EXPECT_EQ(cliquer(u"FLAN"_s), u"NOUGAT FLAN 5 MN"_s);
    ASSERT_TRUE(base.modifier(3, u"FLAN"_s, complete(u"DES"_s, u"CREME"_s, u"7 MN"_s)));
    EXPECT_EQ(cliquer(u"CREME"_s), u"ASTUCE CREME 6 MN"_s);
    w->Effacer_Click();
    const int r = ligneDe(*w->MSFlexGrid1, u"COQUELET"_s);
    ASSERT_TRUE(base.supprimer(4, u"COQUELET"_s).has_value());
    w->MSFlexGrid1->cliquer(r, 1);
    EXPECT_TRUE(enApercu(*w));
    EXPECT_EQ(w->Label1->text() + u' ' + w->Text1->texte() + u' ' + w->Text2->texte(), u"NOUGAT COQUELET 6 MN"_s);
    EXPECT_TRUE(w->Image1->estVide());
    EXPECT_TRUE(dialogues->messages.isEmpty());
}

// The photograph, or the placeholder for a missing or damaged one.
TEST_F(Rubrique, LaPhotographieOuLImageDAttenteSAffiche)
{
    ASSERT_TRUE(QDir().mkpath(chemin(u"Images"_s)));
    image(chemin(u"Images/PAS.jpg"_s), Qt::blue, "JPG");
    image(chemin(u"Images/TARTE.jpg"_s), Qt::red, "JPG");
    ecrire(chemin(u"Images/CAKE.jpg"_s), "pas une image");
    KalRubrique* w = ouvrir({fiche(u"DES"_s, u"TARTE"_s), fiche(u"DES"_s, u"CHOU"_s), fiche(u"DES"_s, u"CAKE"_s)});
    for (const auto& [titre, couleur] : {std::pair(u"TARTE"_s, Qt::red), std::pair(u"CHOU"_s, Qt::blue),
                                         std::pair(u"CAKE"_s, Qt::blue)}) {
        w->Effacer_Click();
        w->MSFlexGrid1->cliquer(ligneDe(*w->MSFlexGrid1, titre), 1);
        const QImage i = w->Image1->image();
        const QColor c = i.isNull() ? QColor() : i.pixelColor(i.width() / 2, i.height() / 2);
        EXPECT_TRUE(c.isValid() && std::abs(c.red() - QColor(couleur).red()) < 30
                    && std::abs(c.blue() - QColor(couleur).blue()) < 30) << titre.toStdString();
    }
    // Effacer empties the picture and lists the base again; Retour closes.
    ASSERT_TRUE(prog->donnees.BaseDonnees->ajouter(fiche(u"AGN"_s, u"GIGOT"_s)).has_value());
    w->Effacer_Click();
    EXPECT_TRUE(w->Image1->estVide() && enListe(*w));
    EXPECT_EQ(colonnes(*w->MSFlexGrid1).mid(1, 2), (QStringList{u"|AGNEAU"_s, u"4|GIGOT"_s}));
    const QPointer<KalRubrique> garde(w);
    w->Retour_Click();
    EXPECT_TRUE(prog->kalRubrique.isNull() && !w->isVisible());
    traiterEvenements();
    EXPECT_TRUE(garde.isNull());
}

TEST_F(Rubrique, UneBaseIllisibleLeDitEtLaFenetreResteUtilisable)
{
    KalRubrique* w = ouvrir({fiche(u"POU"_s, u"COQUELET"_s)});
    // Another program breaks the base under the open window.
    sqlite::Database(chemin(u"Essai.mdb"_s), SQLITE_OPEN_READWRITE).executer("ALTER TABLE Fiche RENAME TO Autre");
    w->MSFlexGrid1->cliquer(21, 1);
    EXPECT_EQ(dialogues->messages.size(), 1);
    EXPECT_TRUE(enListe(*w));
    w->Effacer_Click();
    EXPECT_EQ(dialogues->messages.size(), 2);
    EXPECT_EQ(w->Label1->text() + u' ' + QString::number(w->MSFlexGrid1->Rows()), u"Nombre de recettes  0 25"_s);
}

// --- The printout ----------------------------------------------------------

// 107 rows end on a page break: no empty page follows; 120 rows: 53 under the two empty lines, 54, 13.
TEST_F(Rubrique, LesPagesDeLaListeImprimeeSontDe54LignesSansPageVide)
{
    KalRubrique* w = ouvrir();
    BaseRecettes& base = *prog->donnees.BaseDonnees;
    for (const auto& [n, tailles] : {std::pair(83, QList<qsizetype>{55, 54, 0}), std::pair(96, QList<qsizetype>{55, 54, 13})}) {
        for (int i = base.compter(); i < n; ++i)
            ASSERT_TRUE(base.ajouter(fiche(u"AGN"_s, u"RECETTE %1"_s.arg(i + 1, 3, 10, QChar(u'0')))).has_value());
        w->Effacer_Click();
        imprimante->journal.clear();
        w->Imprimante_Click();
        QList<qsizetype> vues{0};  // lines of each page
        QStringList lignes, attendu{QString(), QString()};
        for (const QString& l : imprimante->lignes())
            l == u"page"_s ? vues.append(0) : (++vues.last(), lignes.append(l));
        EXPECT_EQ(vues, tailles) << n;
        for (int r = 1; r < w->MSFlexGrid1->Rows(); ++r)
            attendu << u"10:"_s + w->MSFlexGrid1->TextMatrix(r, 1);
        EXPECT_EQ(lignes, attendu);
        EXPECT_EQ(imprimante->journal.last(), u"fin"_s);
    }
    EXPECT_EQ(imprimante->journal.mid(0, 4),
              (QStringList{u"document Liste des recettes"_s, u"police Arial"_s, u"taille 12"_s, u"gras"_s}));
    EXPECT_TRUE(dialogues->messages.isEmpty());
}

}  // namespace
