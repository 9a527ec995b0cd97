// The text file: byte for byte, appended, inside the working folder, and a
// clear message when it cannot be written.
#include "print/impression.h"

#include "environnement.h"

#include <QDir>
#include <QFile>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

QByteArray blancs(int n)
{
    return QByteArray(n, ' ');
}

FicheRecette recette(const QString& titre)
{
    FicheRecette r;
    r.titre = titre;
    r.tempPrepa = u"20 mn"_s;
    r.tempCuisson = u"1 H"_s;
    r.difficulte = u"aa"_s;
    r.vin = u"Rosé"_s;
    return r;
}

class Export : public DossierProgramme {
protected:
    void SetUp() override
    {
        DossierProgramme::SetUp();
        programme();
    }
    void exporter(const FicheRecette& r) { ExporterTexte(prog->imprimante(), r); }
    QList<QByteArray> lignesDe(const QString& nom) { return contenu(chemin(nom)).split('\n'); }
};

TEST_F(Export, ChaqueLigneALaColonneVoulue)
{
    FicheRecette r = recette(u"POULET RÔTI"_s);
    r.tempCuisson = u" 1 H "_s;  // values as they stand in the window
    r.ingredients = QStringList{u"1 poulet"_s, u"  sel"_s};
    r.preparation = QStringList{u"  Cuire.  "_s, u""_s};
    ASSERT_NO_THROW(exporter(r));
    const QByteArray attendu =
        blancs(39) + "POULET R\xd4TI\r\n"
        "\r\n" +
        blancs(9) + "Temps de Pr\xe9paration" + blancs(10) + "20 mn\r\n" +
        blancs(9) + "Temps de Cuisson" + blancs(14) + " 1 H \r\n" +
        blancs(9) + "Niveau de Difficult\xe9" + blancs(10) + "aa\r\n" +
        blancs(9) + "Boisson Conseiller" + blancs(12) + "Ros\xe9\r\n"
        "\r\n" +
        blancs(24) + "Ingrediant\r\n"
        "\r\n" +
        blancs(9) + "1 poulet\r\n" +
        blancs(9) + "  sel\r\n"
        "\r\n" +
        blancs(24) + "Preparation\r\n"
        "\r\n" +
        blancs(9) + "Cuire.\r\n" +
        blancs(9) + "\r\n"
        "\r\n" +
        blancs(39) + "Bon App\xe9tit\r\n";
    EXPECT_EQ(contenu(chemin(u"POULET RÔTI.txt"_s)), attendu);
    // Exporting again appends.
    ASSERT_NO_THROW(exporter(r));
    EXPECT_EQ(contenu(chemin(u"POULET RÔTI.txt"_s)), attendu + attendu);
}

TEST_F(Export, LeTitreSeCentreSurSaLongueurEtRienSansIngredient)
{
    // 45 - L/2, a half to the even neighbour, never left of column 1.
    const struct { int longueur, blancsDevant; } cas[] = {{10, 39}, {11, 39}, {13, 37}, {90, 0}, {97, 0}};
    for (const auto& c : cas) {
        const QString titre = QString(c.longueur, u'T');
        ASSERT_NO_THROW(exporter(recette(titre)));
        const QList<QByteArray> l = lignesDe(titre + u".txt"_s);
        ASSERT_GE(l.size(), 11) << c.longueur;
        EXPECT_EQ(l.at(0), blancs(c.blancsDevant) + titre.toLatin1() + '\r') << c.longueur;
        EXPECT_EQ(l.mid(7, 4), (QList<QByteArray>{blancs(24) + "Ingrediant\r", "\r", "\r", blancs(24) + "Preparation\r"}));
    }
}

TEST_F(Export, LaPreparationEstCoupeeEtCeQui1252NeTientPasDevientPointDInterrogation)
{
    FicheRecette r = recette(u"LONGUE"_s);
    r.ingredients = QStringList{u"½ œuf ☃ 𝄞"_s};
    r.preparation = QStringList{u"   "_s + QString(100, u'p') + u" fin"_s};
    ASSERT_NO_THROW(exporter(r));
    const QList<QByteArray> l = lignesDe(u"LONGUE.txt"_s);
    ASSERT_GE(l.size(), 16);
    EXPECT_EQ(l.at(9), blancs(9) + "\xbd \x9c" "uf ? ?\r");
    // At 9600 twips the only blanks are the leading ones: the cut leaves them
    // alone on a line, which trimming empties; the run is then cut at 96.
    EXPECT_EQ(l.at(13), blancs(9) + '\r');
    EXPECT_EQ(l.at(14), blancs(9) + QByteArray(96, 'p') + '\r');
    EXPECT_EQ(l.at(15), blancs(9) + "pppp fin\r");
}

TEST_F(Export, UnFichierImpossibleAEcrireDonneUnMessage)
{
    ASSERT_TRUE(QDir(dossier.path()).mkdir(u"BLOQUE.txt"_s));
    EXPECT_THAT([&] { exporter(recette(u"BLOQUE"_s)); }, testing::ThrowsMessage<Echec>(testing::HasSubstr("BLOQUE.txt")));
    EXPECT_TRUE(QFileInfo(chemin(u"BLOQUE.txt"_s)).isDir());
}

}  // namespace
