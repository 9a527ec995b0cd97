#include "search/kalrecherche.h"

#include "platform/boiteimage.h"
#include "platform/grille.h"
#include "platform/textes.h"

#include "environnement.h"

#include <QAction>
#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QLabel>
#include <QTest>

#include <gtest/gtest.h>
#include <sqlite3.h>

using namespace Qt::Literals::StringLiterals;

namespace {

class Recherche : public DossierProgramme {
protected:
    // The window loaded over a base holding `fiches`, as the main menu opens it.
    KalRecherche& ouvrir(const QList<Fiche>& fiches)
    {
        programme();
        creerBase(u"Recettes.mdb"_s, fiches);
        ouvrirBase(u"Recettes.mdb"_s);
        KalRecherche* w = prog->charger(prog->kalRecherche);
        EXPECT_NE(w, nullptr);
        return *w;
    }

    static void chercher(KalRecherche& w, const QString& frappe)
    {
        QTest::keyClicks(w.Text7, frappe);
        QTest::keyClick(w.Text7, Qt::Key_Return);
    }

    static QStringList colonne(const KalRecherche& w, int c)
    {
        QStringList r;
        for (int l = 1; l < w.MSFlexGrid1->Rows(); ++l)
            r.append(w.MSFlexGrid1->TextMatrix(l, c));
        return r;
    }

    // Pictures told apart by their size.
    void photo(const QString& nom, QSize taille)
    {
        QDir(dossier.path()).mkpath(u"Images"_s);
        QImage i(taille, QImage::Format_RGB32);
        i.fill(Qt::red);
        ASSERT_TRUE(i.save(chemin(u"Images/"_s + nom), "BMP"));
    }

    static void enEntree(const KalRecherche& w)
    {
        EXPECT_TRUE(w.isVisible());
        EXPECT_TRUE(w.Text7->isVisible());
        EXPECT_TRUE(w.Text7->texte().isEmpty());
        EXPECT_TRUE(w.Label8->isVisible());
        EXPECT_EQ(w.Label8->text(), u"MOT RECHERCHÉ"_s);
        EXPECT_EQ(w.Label1->text(), u"RECHERCHE UN MOT"_s);
        EXPECT_FALSE(w.MSFlexGrid1->isVisible());
        EXPECT_FALSE(w.Text1->isVisible());
        EXPECT_FALSE(w.Text8->isVisible());
        EXPECT_FALSE(w.Label2->isVisible());
        EXPECT_TRUE(w.Retour->isVisible());
        EXPECT_FALSE(w.Autre->isVisible());
        EXPECT_FALSE(w.Imprime->isVisible());
        EXPECT_TRUE(w.List1.isEmpty());
        EXPECT_TRUE(w.List2.isEmpty());
    }
};

const QList<Fiche> Base = {
    fiche(u"VOL"_s, u"POULET AU CURRY"_s),
    fiche(u"SOU"_s, u"SOUPE A L'OIGNON"_s),
    fiche(u"DES"_s, u"TARTE AUX POMMES"_s),
    fiche(u"VOL"_s, u"POULET BASQUAISE"_s),
};

TEST_F(Recherche, UnMotVideOuBlancListeToutLaBase)
{
    KalRecherche& w = ouvrir(Base);
    enEntree(w);
    chercher(w, QString());
    EXPECT_EQ(colonne(w, 2), QStringList({u"POULET AU CURRY"_s, u"SOUPE A L'OIGNON"_s,
                                          u"TARTE AUX POMMES"_s, u"POULET BASQUAISE"_s}));
    w.Autre_Click();
    chercher(w, u"   "_s);
    EXPECT_EQ(w.MSFlexGrid1->Rows(), 5);
    EXPECT_TRUE(w.Text1->texte().isEmpty());
}

TEST_F(Recherche, LeMotEstCoupeDeSesBlancsEtMisEnCapitales)
{
    KalRecherche& w = ouvrir(Base);
    chercher(w, u"  pou  "_s);
    EXPECT_EQ(colonne(w, 2), QStringList({u"POULET AU CURRY"_s, u"POULET BASQUAISE"_s}));
    EXPECT_EQ(w.Text1->texte(), u"POU"_s);
    EXPECT_TRUE(w.Text1->isVisible());
    EXPECT_EQ(w.Label2->text(), u"MOT RECHERCHER"_s);
    EXPECT_TRUE(w.MSFlexGrid1->isVisible());
    EXPECT_TRUE(w.Autre->isVisible());
    EXPECT_FALSE(w.Imprime->isVisible());
    EXPECT_FALSE(w.Text7->isVisible());

    // Blanks inside the word are part of it.
    w.Autre_Click();
    chercher(w, u"au curry"_s);
    EXPECT_EQ(colonne(w, 2), QStringList({u"POULET AU CURRY"_s}));
    w.Autre_Click();
    chercher(w, u"AUCURRY"_s);
    ASSERT_EQ(dialogues->messages.size(), 1);
    EXPECT_EQ(dialogues->dernierMessage(), u"Pas de AUCURRY"_s);
}

TEST_F(Recherche, UnTitreEnMinusculesNeRepondQuAuxMinuscules)
{
    KalRecherche& w = ouvrir({fiche(u"VOL"_s, u"Poulet fermier"_s), fiche(u"VOL"_s, u"POULET RÔTI"_s)});
    chercher(w, u"poulet"_s);
    EXPECT_EQ(colonne(w, 2), QStringList({u"POULET RÔTI"_s}));
    w.Autre_Click();
    w.Text7->setTexte(u"rôti"_s);  // QTest types ASCII only
    QTest::keyClick(w.Text7, Qt::Key_Return);
    EXPECT_EQ(colonne(w, 2), QStringList({u"POULET RÔTI"_s}));
}

TEST_F(Recherche, LaGrilleDonneNumeroCategorieEtTitre)
{
    KalRecherche& w = ouvrir({fiche(u"HOR"_s, u"CAROTTES RAPEES"_s), fiche(u"AST"_s, u"CAROTTES GLACEES"_s),
                              fiche(u"XYZ"_s, u"CAROTTES VICHY"_s), fiche(u"AGN"_s, u"GIGOT"_s)});
    chercher(w, u"CAROTTES"_s);
    const Grille& g = *w.MSFlexGrid1;
    ASSERT_EQ(g.Cols(), 3);
    EXPECT_EQ(g.TextMatrix(0, 0), u"N°"_s);
    EXPECT_EQ(g.TextMatrix(0, 1), u"CATEGORIE"_s);
    EXPECT_EQ(g.TextMatrix(0, 2), u"NOM DE LA RECETTE"_s);
    for (int c = 0; c < 3; ++c)
        EXPECT_EQ(g.alignementCellule(0, c), Qt::AlignCenter);
    EXPECT_EQ(colonne(w, 0), QStringList({u"1"_s, u"2"_s, u"3"_s}));
    // The codes without a menu entry are decoded; an unknown one is shown itself.
    EXPECT_EQ(colonne(w, 1), QStringList({u"HORS D'OEUVRE"_s, u"ASTUCE"_s, u"XYZ"_s}));
    EXPECT_EQ(g.alignementCellule(1, 0), Qt::AlignLeft | Qt::AlignVCenter);
    EXPECT_EQ(g.alignementCellule(1, 1), Qt::AlignCenter);
    EXPECT_EQ(g.alignementCellule(1, 2), Qt::AlignLeft | Qt::AlignVCenter);
    // 1024 x 768 gives a zoom of 102 %.
    ASSERT_EQ(prog->zoom.PourcentZoom, 102);
    EXPECT_EQ(g.ColWidth(0), 816);
    EXPECT_EQ(g.ColWidth(1), 2040);
    EXPECT_EQ(g.ColWidth(2), 6120);
    EXPECT_DOUBLE_EQ(g.FontSize(), 8.16);
}

TEST_F(Recherche, LesLignesSuiventLOrdreDeLaTable)
{
    KalRecherche& w = ouvrir({fiche(u"DES"_s, u"ZESTE DE CITRON"_s), fiche(u"DES"_s, u"CITRON GIVRE"_s),
                              fiche(u"POI"_s, u"MERLU AU CITRON"_s)});
    chercher(w, u"CITRON"_s);
    EXPECT_EQ(colonne(w, 2),
              QStringList({u"ZESTE DE CITRON"_s, u"CITRON GIVRE"_s, u"MERLU AU CITRON"_s}));
}

TEST_F(Recherche, UneNouvelleRechercheRepartDeLaLigneDeTitres)
{
    KalRecherche& w = ouvrir(Base);
    chercher(w, u"POULET"_s);
    ASSERT_EQ(w.MSFlexGrid1->Rows(), 3);
    w.Autre_Click();
    enEntree(w);
    chercher(w, u"TARTE"_s);
    EXPECT_EQ(colonne(w, 2), QStringList({u"TARTE AUX POMMES"_s}));
    EXPECT_EQ(w.MSFlexGrid1->TextMatrix(0, 2), u"NOM DE LA RECETTE"_s);
}

TEST_F(Recherche, UneApostropheSeChercheCommeLeReste)
{
    KalRecherche& w = ouvrir(Base);
    chercher(w, u"l'oignon"_s);
    EXPECT_EQ(colonne(w, 2), QStringList({u"SOUPE A L'OIGNON"_s}));
    EXPECT_TRUE(dialogues->messages.isEmpty());
}

TEST_F(Recherche, SansReponseLeMessagePuisLEntree)
{
    KalRecherche& w = ouvrir(Base);
    chercher(w, u"Pintade"_s);
    ASSERT_EQ(dialogues->messages.size(), 1);
    EXPECT_EQ(dialogues->messages.first().texte, u"Pas de PINTADE"_s);
    EXPECT_EQ(dialogues->messages.first().titre, titreProgramme());
    enEntree(w);
}

TEST_F(Recherche, UneBaseVideNeTrouveRien)
{
    KalRecherche& w = ouvrir({});
    chercher(w, QString());
    EXPECT_EQ(dialogues->dernierMessage(), u"Pas de "_s);
    enEntree(w);
}

TEST_F(Recherche, TrenteMilleReponsesRemplissentLaGrille)
{
    programme();
    creerBase(u"Grande.mdb"_s);
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(chemin(u"Grande.mdb"_s).toUtf8().constData(), &db), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(db,
                           "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 30000)"
                           " INSERT INTO Cuisine SELECT i, 'DES', 'GATEAU ' || i, '', '?', 'a', 'x', 'y', '?'"
                           " FROM n",
                           nullptr, nullptr, nullptr),
              SQLITE_OK);
    sqlite3_close(db);
    ouvrirBase(u"Grande.mdb"_s);
    KalRecherche& w = *prog->charger(prog->kalRecherche);

    QElapsedTimer t;
    t.start();
    chercher(w, u"GATEAU"_s);
    EXPECT_LT(t.elapsed(), 3000);
    ASSERT_EQ(w.MSFlexGrid1->Rows(), 30001);
    EXPECT_EQ(w.MSFlexGrid1->TextMatrix(30000, 0), u"30000"_s);
    EXPECT_EQ(w.MSFlexGrid1->TextMatrix(30000, 1), u"DESSERT"_s);
    EXPECT_EQ(w.MSFlexGrid1->TextMatrix(30000, 2), u"GATEAU 30000"_s);
}

class Apercu : public Recherche {};

TEST_F(Apercu, UnClicMontreLaFicheEtSesListes)
{
    Fiche f = fiche(u"VOL"_s, u"POULET AU CURRY"_s, u"1 poulet\r\n\r\n2 oignons\r\n"_s,
                    u"Couper.\r\nCuire"_s);
    f.tempPrepa = u"20 MN"_s;
    f.tempCuisson = u"1 H"_s;
    f.difficulte = u"abc"_s;
    f.vin = u"Un Bourgogne"_s;
    KalRecherche& w = ouvrir({fiche(u"DES"_s, u"TARTE"_s), f});
    chercher(w, u"POULET"_s);
    w.MSFlexGrid1->cliquer(1, 0);

    EXPECT_EQ(w.Text1->texte(), u"POULET AU CURRY"_s);
    EXPECT_EQ(w.Text2->texte(), u"20 MN"_s);
    EXPECT_EQ(w.Text3->texte(), u"1 H"_s);
    EXPECT_EQ(w.Text4->texte(), u"abc"_s);
    EXPECT_NE(w.Text4->text(), u"abc"_s);  // drawn as pictograms
    EXPECT_EQ(w.Text5->texte(), f.ingrediant);
    EXPECT_EQ(w.Text6->texte(), f.preparation);
    EXPECT_EQ(w.Vin, u"Un Bourgogne"_s);
    // A final break adds no item; two breaks in a row give an empty one.
    EXPECT_EQ(w.List1, QStringList({u"1 poulet"_s, QString(), u"2 oignons"_s}));
    EXPECT_EQ(w.List2, QStringList({u"Couper."_s, u"Cuire"_s}));

    EXPECT_EQ(w.Label2->text(), u"Nom de La recette"_s);
    for (QWidget* c : std::initializer_list<QWidget*>{w.Label2, w.Label7, w.Text1, w.Text4, w.Text6})
        EXPECT_TRUE(c->isVisible()) << c->objectName().toStdString();
    EXPECT_FALSE(w.MSFlexGrid1->isVisible());
    EXPECT_FALSE(w.Text7->isVisible());
    EXPECT_TRUE(w.Imprime->isVisible());
    EXPECT_TRUE(w.Autre->isVisible());
}

TEST_F(Apercu, LaLigneDeTitresNOuvreRien)
{
    KalRecherche& w = ouvrir(Base);
    chercher(w, u"POULET"_s);
    w.MSFlexGrid1->cliquer(0, 2);
    EXPECT_TRUE(w.MSFlexGrid1->isVisible());
    EXPECT_FALSE(w.Imprime->isVisible());
    EXPECT_EQ(w.Text1->texte(), u"POULET"_s);
}

TEST_F(Apercu, DeuxFichesDuMemeTitreMontrentLaPremiere)
{
    KalRecherche& w = ouvrir({fiche(u"VOL"_s, u"CANARD"_s, u"premier"_s),
                              fiche(u"VOL"_s, u"CANETTE"_s, u"second"_s)});
    // Only a change can give two records the same title.
    ASSERT_TRUE(prog->donnees.BaseDonnees->modifier(2, fiche(u"VOL"_s, u"CANARD"_s, u"second"_s)));
    chercher(w, u"CANARD"_s);
    ASSERT_EQ(w.MSFlexGrid1->Rows(), 3);
    w.MSFlexGrid1->cliquer(2, 1);
    EXPECT_EQ(w.Text5->texte(), u"premier"_s);
    EXPECT_EQ(w.List1, QStringList({u"premier"_s}));
}

TEST_F(Apercu, LaPhotoOuLImageAbsenteResteApresAutre)
{
    photo(u"poulet au curry.JPG"_s, QSize(40, 30));
    photo(u"PAS.jpg"_s, QSize(20, 10));
    KalRecherche& w = ouvrir(Base);
    chercher(w, u"CURRY"_s);
    w.MSFlexGrid1->cliquer(1, 2);
    EXPECT_EQ(w.Image1->image().size(), QSize(40, 30));
    EXPECT_EQ(QFileInfo(prog->donnees.CheminPhoto).fileName(), u"poulet au curry.JPG"_s);

    w.Autre_Click();
    enEntree(w);
    EXPECT_EQ(w.Image1->image().size(), QSize(40, 30));
    EXPECT_TRUE(w.Image1->isVisible());

    chercher(w, u"TARTE"_s);
    w.MSFlexGrid1->cliquer(1, 2);
    EXPECT_EQ(w.Image1->image().size(), QSize(20, 10));
}

TEST_F(Apercu, RetourRendLeMenuEtFermeLaFenetre)
{
    KalRecherche& w = ouvrir(Base);
    w.Retour_Click();
    EXPECT_TRUE(prog->kalRecherche.isNull());
    EXPECT_FALSE(w.isVisible());
    traiterEvenements();
}

class Question : public Recherche {
protected:
    // Search, preview the first hit and ask the question.
    KalRecherche& demander(const Fiche& f)
    {
        KalRecherche& w = ouvrir({f});
        chercher(w, QString());
        w.MSFlexGrid1->cliquer(1, 2);
        w.Imprime_Click();
        return w;
    }

    static void repondre(KalRecherche& w, const QString& frappe)
    {
        w.Text8->clear();
        QTest::keyClicks(w.Text8, frappe);
        QTest::keyClick(w.Text8, Qt::Key_Return);
    }

    int fichiersTexte() const
    {
        return static_cast<int>(QDir(dossier.path()).entryList({u"*.txt"_s}, QDir::Files).size());
    }
};

Fiche ficheComplete()
{
    Fiche f = fiche(u"VOL"_s, u"POULET AU CURRY "_s, u"1 poulet\r\n2 oignons"_s, u"Cuire."_s);
    f.tempPrepa = u" 20 MN"_s;
    f.vin = u"Un Bourgogne "_s;
    return f;
}

TEST_F(Question, ImprimerPoseLaQuestion)
{
    KalRecherche& w = demander(ficheComplete());
    EXPECT_EQ(w.Label8->text(), u"I=IMPRIMANTE OU T=TEXTE"_s);
    EXPECT_TRUE(w.Label8->isVisible());
    EXPECT_TRUE(w.Text8->isVisible());
    EXPECT_EQ(w.Text8->texte(), u"I"_s);
    EXPECT_TRUE(w.Text1->isVisible());
    EXPECT_TRUE(w.Label2->isVisible());
    for (QWidget* c : std::initializer_list<QWidget*>{w.Text2, w.Text3, w.Text4, w.Text5, w.Text6,
                                                      w.Text7, w.Label3, w.Label7})
        EXPECT_FALSE(c->isVisible()) << c->objectName().toStdString();
}

TEST_F(Question, EntreeSurLeIProposeImprime)
{
    photo(u"PAS.jpg"_s, QSize(20, 10));
    KalRecherche& w = demander(ficheComplete());
    ASSERT_FALSE(w.Image1->estVide());
    QTest::keyClick(w.Text8, Qt::Key_Return);
    EXPECT_TRUE(imprimante->journal.contains(u"fin"_s));
    EXPECT_EQ(prog->donnees.ImpTitre, u"POULET AU CURRY"_s);
    EXPECT_EQ(prog->donnees.ImpTempPrepa, u"20 MN"_s);
    EXPECT_EQ(prog->donnees.ImpDifficulte, u"a"_s);
    EXPECT_EQ(prog->donnees.ImpVin, u"Un Bourgogne"_s);
    EXPECT_EQ(prog->donnees.ImpOrigine, 1);
    EXPECT_TRUE(w.Image1->estVide());
    EXPECT_EQ(fichiersTexte(), 0);
    EXPECT_TRUE(dialogues->messages.isEmpty());
    enEntree(w);

    // A small i typed arrives as the capital.
    chercher(w, QString());
    w.MSFlexGrid1->cliquer(1, 2);
    w.Imprime_Click();
    imprimante->journal.clear();
    w.Text8->clear();
    QTest::keyClicks(w.Text8, u"i"_s);
    EXPECT_EQ(w.Text8->texte(), u"I"_s);
    QTest::keyClick(w.Text8, Qt::Key_Return);
    EXPECT_TRUE(imprimante->journal.contains(u"fin"_s));
    EXPECT_EQ(fichiersTexte(), 0);
}

TEST_F(Question, LImpressionDitOuEstLeFichierPdfOuPourquoiElleEchoue)
{
    KalRecherche& w = demander(ficheComplete());
    imprimante->resultat.fichierPdf = chemin(u"POULET AU CURRY.pdf"_s);
    repondre(w, u"I"_s);
    ASSERT_EQ(dialogues->messages.size(), 1);
    EXPECT_TRUE(dialogues->dernierMessage().contains(QDir::toNativeSeparators(chemin(u"POULET AU CURRY.pdf"_s))));

    chercher(w, QString());
    w.MSFlexGrid1->cliquer(1, 2);
    w.Imprime_Click();
    imprimante->resultat = {false, QString(), u"L'imprimante ne répond pas."_s};
    repondre(w, u"I"_s);
    ASSERT_EQ(dialogues->messages.size(), 2);
    EXPECT_EQ(dialogues->dernierMessage(), u"L'imprimante ne répond pas."_s);
    enEntree(w);
}

TEST_F(Question, TouteAutreReponseEcritLeFichierTexte)
{
    for (const QString& reponse : {u"t"_s, QString(), u"it"_s, u" i"_s}) {
        SCOPED_TRACE(reponse.toStdString());
        photo(u"PAS.jpg"_s, QSize(20, 10));
        KalRecherche& w = demander(ficheComplete());
        ASSERT_FALSE(w.Image1->estVide());
        repondre(w, reponse);
        EXPECT_EQ(fichiersTexte(), 1);
        EXPECT_FALSE(imprimante->journal.contains(u"fin"_s));
        EXPECT_FALSE(w.Image1->estVide());
        EXPECT_TRUE(dialogues->messages.isEmpty());
        enEntree(w);
        prog.reset();
        for (const QString& f : QDir(dossier.path()).entryList({u"*.txt"_s, u"*.mdb"_s}, QDir::Files))
            QFile::remove(chemin(f));
    }
}

}  // namespace
