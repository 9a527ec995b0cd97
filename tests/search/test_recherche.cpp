#include "search/kalrecherche.h"

#include "platform/boiteimage.h"
#include "platform/grille.h"
#include "platform/textes.h"
#include "print/impression.h"

#include "environnement.h"

#include <QAction>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QTest>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

// The menu entries shown, then the visible controls.
QString etat(const KalRecherche& w)
{
    QStringList v;
    for (QAction* a : {w.Imprime, w.Autre, w.Retour})
        if (a->isVisible())
            v << a->objectName();
    v << u"|"_s;
    for (QWidget* c : std::initializer_list<QWidget*>{w.Label1, w.Label8, w.Text7, w.Text8, w.MSFlexGrid1, w.Label2,
                                                      w.Text1, w.Label3, w.Text2, w.Label4, w.Text3, w.Label5,
                                                      w.Text4, w.Label6, w.Text5, w.Label7, w.Text6})
        if (c->isVisible())
            v << c->objectName();
    return v.join(u' ');
}

const QString Entree = u"Retour | Label1 Label8 Text7"_s;
const QString Resultats = u"Autre Retour | Label1 MSFlexGrid1 Label2 Text1"_s;

class Recherche : public DossierProgramme {
protected:
    // The window loaded over a base holding `fiches`, as the main menu opens it.
    KalRecherche& ouvrir(const QList<Fiche>& fiches)
    {
        programme();
        creerBase(u"Recettes.mdb"_s, fiches);
        ouvrirBase(u"Recettes.mdb"_s);
        return *prog->charger(prog->kalRecherche);
    }

    static void chercher(KalRecherche& w, const QString& mot)
    {
        for (const QChar c : mot) {  // QTest types ASCII only
            if (c.unicode() < 128)
                QTest::keyClicks(w.Text7, QString(c));
            else
                w.Text7->insert(QString(c));
        }
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

    void enEntree(const KalRecherche& w)
    {
        EXPECT_EQ(etat(w), Entree);
        EXPECT_EQ(w.Label8->text() + u' ' + w.Label1->text(), u"MOT RECHERCHÉ RECHERCHE UN MOT"_s);
        EXPECT_TRUE(w.Text7->texte().isEmpty() && w.List1.isEmpty() && w.List2.isEmpty());
    }
};

const QList<Fiche> Base = {
    fiche(u"VOL"_s, u"POULET AU CURRY"_s),  fiche(u"SOU"_s, u"SOUPE A L'OIGNON"_s),
    fiche(u"DES"_s, u"TARTE AUX POMMES"_s), fiche(u"VOL"_s, u"POULET BASQUAISE"_s),
    fiche(u"VOL"_s, u"Poulet fermier"_s),   fiche(u"VOL"_s, u"POULET RÔTI"_s),
};

TEST_F(Recherche, LeMotCoupeEtMisEnCapitalesSeChercheDansLeTitreEtVideListeTout)
{
    KalRecherche& w = ouvrir(Base);
    enEntree(w);
    const QStringList tous{u"POULET AU CURRY"_s, u"SOUPE A L'OIGNON"_s, u"TARTE AUX POMMES"_s,
                           u"POULET BASQUAISE"_s, u"Poulet fermier"_s, u"POULET RÔTI"_s};
    const QStringList poulets{u"POULET AU CURRY"_s, u"POULET BASQUAISE"_s, u"POULET RÔTI"_s};
    const QList<std::pair<QString, QStringList>> cas = {
        {QString(), tous},
        {u"   "_s, tous},
        {u"  pou  "_s, poulets},                       // the lower-case title answers no capital word
        {u"poulet"_s, poulets},
        {u"au curry"_s, {u"POULET AU CURRY"_s}},       // blanks inside the word count
        {u"l'oignon"_s, {u"SOUPE A L'OIGNON"_s}},
        {u"rôti"_s, {u"POULET RÔTI"_s}},
        {u"Pintade"_s, {}},
        {u"AUCURRY"_s, {}},
    };
    for (const auto& [mot, titres] : cas) {
        chercher(w, mot);
        if (titres.isEmpty()) {  // said, and back to the entry
            EXPECT_EQ(dialogues->dernierMessage(), u"Pas de "_s + mot.toUpper());
            enEntree(w);
            continue;
        }
        EXPECT_EQ(colonne(w, 2), titres) << mot.toStdString();
        EXPECT_EQ(etat(w), Resultats);
        EXPECT_EQ(w.Label2->text() + u' ' + w.Text1->texte(), u"MOT RECHERCHER "_s + mot.trimmed().toUpper());
        w.Autre_Click();
    }
    EXPECT_EQ(dialogues->messages.size(), 2);
    EXPECT_EQ(dialogues->messages.first().titre, titreProgramme());
}

TEST_F(Recherche, LaGrilleDonneNumeroCategorieEtTitreDansLOrdreDeLaTable)
{
    KalRecherche& w = ouvrir({fiche(u"HOR"_s, u"CAROTTES RAPEES"_s), fiche(u"AST"_s, u"CAROTTES GLACEES"_s),
                              fiche(u"XYZ"_s, u"CAROTTES VICHY"_s), fiche(u"AGN"_s, u"GIGOT"_s)});
    chercher(w, u"CAROTTES"_s);
    const Grille& g = *w.MSFlexGrid1;
    QStringList lignes;
    for (int r = 0; r < g.Rows(); ++r)
        lignes << g.TextMatrix(r, 0) + u'|' + g.TextMatrix(r, 1) + u'|' + g.TextMatrix(r, 2);
    // The codes without a menu entry are decoded; an unknown one is shown itself.
    EXPECT_EQ(lignes, (QStringList{u"N°|CATEGORIE|NOM DE LA RECETTE"_s, u"1|HORS D'OEUVRE|CAROTTES RAPEES"_s,
                                   u"2|ASTUCE|CAROTTES GLACEES"_s, u"3|XYZ|CAROTTES VICHY"_s}));
    // 1024 x 768 gives a zoom of 102 %.
    EXPECT_EQ(QList<double>({g.ColWidth(0), g.ColWidth(1), g.ColWidth(2), g.FontSize()}),
              QList<double>({816, 2040, 6120, 8.16}));
    w.MSFlexGrid1->cliquer(0, 2);  // the heading row opens nothing
    EXPECT_EQ(etat(w), Resultats);
}

// ---- the preview

// The photograph is found in any letter case, the placeholder stands for a missing one.
TEST_F(Recherche, UnClicMontreLaFicheSesListesEtSaPhotoCacheeApresAutre)
{
    photo(u"poulet au curry.JPG"_s, QSize(40, 30));
    photo(u"PAS.jpg"_s, QSize(20, 10));
    Fiche f = fiche(u"VOL"_s, u"POULET AU CURRY"_s, u"1 poulet\r\n\r\n2 oignons\r\n"_s, u"Couper.\r\nCuire"_s);
    f.tempPrepa = u"20 MN"_s;
    f.tempCuisson = u"1 H"_s;
    f.difficulte = u"abc"_s;
    f.vin = u"Un Bourgogne"_s;
    KalRecherche& w = ouvrir({fiche(u"DES"_s, u"TARTE"_s), f});
    chercher(w, u"POULET"_s);
    w.MSFlexGrid1->cliquer(1, 0);

    EXPECT_EQ(QStringList({w.Text1->texte(), w.Text2->texte(), w.Text3->texte(), w.Text4->texte(), w.Text5->texte(),
                           w.Text6->texte(), w.Vin}),
              QStringList({f.titre, f.tempPrepa, f.tempCuisson, f.difficulte, f.ingrediant, f.preparation, f.vin}));
    EXPECT_NE(w.Text4->text(), u"abc"_s);  // drawn as pictograms
    // A final break adds no item; two breaks in a row give an empty one.
    EXPECT_EQ(w.List1 + w.List2, QStringList({u"1 poulet"_s, QString(), u"2 oignons"_s, u"Couper."_s, u"Cuire"_s}));
    EXPECT_EQ(w.Label2->text(), u"Nom de La recette"_s);
    // Label8 lies under Text5: counted visible, seen only when Text5 is hidden.
    EXPECT_EQ(etat(w), u"Imprime Autre Retour | Label1 Label8 Label2 Text1 Label3 Text2 Label4 Text3 Label5 Text4 "
                       u"Label6 Text5 Label7 Text6"_s);
    EXPECT_EQ(w.Image1->image().size(), QSize(40, 30));
    EXPECT_EQ(QFileInfo(prog->donnees.CheminPhoto).fileName(), u"poulet au curry.JPG"_s);

    w.Autre_Click();
    enEntree(w);
    EXPECT_FALSE(w.Image1->isVisible());
    chercher(w, u"TARTE"_s);
    w.MSFlexGrid1->cliquer(1, 2);
    EXPECT_EQ(w.Image1->image().size(), QSize(20, 10));
    w.Retour_Click();
    EXPECT_TRUE(prog->kalRecherche.isNull() && !w.isVisible());
    traiterEvenements();
}

// ---- the print question

// "I" is proposed: Enter prints, a small i arrives as the capital, and the
// printer's PDF file or its failure is said; any other answer appends the
// recipe to its text file.
TEST_F(Recherche, LaQuestionImprimeSurIEtEcritLeFichierTexteSurToutAutreReponse)
{
    photo(u"PAS.jpg"_s, QSize(20, 10));
    Fiche f = fiche(u"VOL"_s, u"POULET AU CURRY "_s, u"1 poulet\r\n2 oignons"_s, u"Cuire."_s);
    f.tempPrepa = u" 20 MN"_s;
    f.vin = u"Un Bourgogne "_s;
    KalRecherche& w = ouvrir({f});
    const auto demander = [&] {
        chercher(w, QString());
        w.MSFlexGrid1->cliquer(1, 2);
        w.Imprime_Click();
        imprimante->journal.clear();
    };
    demander();
    EXPECT_EQ(etat(w), u"Imprime Autre Retour | Label1 Label8 Text8 Label2 Text1"_s);
    EXPECT_EQ(w.Label8->text() + u' ' + w.Text8->texte(), u"I=IMPRIMANTE OU T=TEXTE I"_s);
    ASSERT_FALSE(w.Image1->estVide());
    QTest::keyClick(w.Text8, Qt::Key_Return);
    EXPECT_TRUE(imprimante->journal.contains(u"document POULET AU CURRY"_s));
    EXPECT_TRUE(imprimante->lignes().contains(u"10:Boisson Conseiller|40:Un Bourgogne"_s));  // trimmed
    EXPECT_EQ(imprimante->journal.last(), u"fin"_s);
    EXPECT_TRUE(w.Image1->estVide());
    EXPECT_TRUE(dialogues->messages.isEmpty());
    enEntree(w);

    for (const ResultatImpression& r : {ResultatImpression{true, chemin(u"POULET AU CURRY.pdf"_s), {}},
                                        ResultatImpression{false, {}, u"L'imprimante ne répond pas."_s}}) {
        demander();
        imprimante->resultat = r;
        w.Text8->clear();
        QTest::keyClicks(w.Text8, u"i"_s);
        EXPECT_EQ(w.Text8->texte(), u"I"_s);
        QTest::keyClick(w.Text8, Qt::Key_Return);
        EXPECT_EQ(imprimante->journal.last(), u"fin"_s);
        EXPECT_EQ(dialogues->dernierMessage(), r.reussi ? messagePdf(r.fichierPdf) : r.erreur);
        enEntree(w);
    }
    EXPECT_FALSE(QFileInfo::exists(chemin(u"POULET AU CURRY .txt"_s)));

    for (const QString& reponse : {u"t"_s, QString(), u"it"_s, u" i"_s}) {
        demander();
        const qsizetype avant = contenu(chemin(u"POULET AU CURRY .txt"_s)).size();
        w.Text8->clear();
        QTest::keyClicks(w.Text8, reponse);
        QTest::keyClick(w.Text8, Qt::Key_Return);
        EXPECT_GT(contenu(chemin(u"POULET AU CURRY .txt"_s)).size(), avant) << reponse.toStdString();
        EXPECT_TRUE(imprimante->journal.isEmpty() && !w.Image1->estVide());
        EXPECT_TRUE(dialogues->dernierMessage().contains(u"POULET AU CURRY .txt"_s));
        enEntree(w);
    }
}

}  // namespace
