// Photograph paths and the category catalogue.
#include "store/catalogue.h"
#include "store/photo.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

void toucher(const QString& chemin)
{
    QFile f(chemin);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
}

// Runs the test inside `dossier` as working folder, as the program runs in its own.
class DossierDeTravail {
public:
    explicit DossierDeTravail(const QString& dossier) : ancien_(QDir::currentPath()) { QDir::setCurrent(dossier); }
    ~DossierDeTravail() { QDir::setCurrent(ancien_); }

private:
    QString ancien_;
};

}  // namespace

TEST(Photo, TrouveeSansEgardALaCasse)
{
    QTemporaryDir programme;
    QDir(programme.path()).mkdir(u"Images"_s);
    toucher(programme.filePath(u"Images/Tarte.JPG"_s));

    EXPECT_EQ(cheminPhoto(programme.path(), u"TARTE"_s), programme.filePath(u"Images/Tarte.JPG"_s));
    EXPECT_EQ(cheminPhoto(programme.path(), u"FLAN"_s), programme.filePath(u"Images/FLAN.jpg"_s));
    // Saving under another case replaces the photograph already there.
    EXPECT_EQ(cheminPhotoEcrite(programme.path(), u"tarte"_s), programme.filePath(u"Images/Tarte.JPG"_s));
    EXPECT_EQ(cheminPhotoEcrite(programme.path(), u"Flan"_s), programme.filePath(u"Images/Flan.JPG"_s));
}

TEST(Photo, LeTitreNeSortJamaisDImages)
{
    QTemporaryDir programme;
    for (const QString& titre : {u"../../etc/passwd"_s, u".."_s, u"A/B"_s, u"C:\\X"_s}) {
        const QString chemin = cheminPhoto(programme.path(), titre);
        EXPECT_EQ(QFileInfo(chemin).absolutePath(), programme.filePath(u"Images"_s)) << chemin.toStdString();
        EXPECT_EQ(QFileInfo(cheminPhotoSupprimee(titre)).path(), u"Images"_s);
    }
}

TEST(Photo, CheminsRelatifsAuDossierDeTravail)
{
    QTemporaryDir travail;
    DossierDeTravail ici(travail.path());
    EXPECT_EQ(cheminPhotoAbsente(), u"Images/PAS.jpg"_s);
    QDir().mkdir(u"images"_s);
    toucher(u"images/Pas.JPG"_s);
    toucher(u"images/SOUPE.JPG"_s);
    EXPECT_EQ(cheminPhotoAbsente(), u"images/Pas.JPG"_s);
    EXPECT_EQ(cheminPhotoSupprimee(u"SOUPE"_s), u"images/SOUPE.JPG"_s);
}

TEST(Catalogue, CodesEtNoms)
{
    const auto& c = CatalogueCategories();
    EXPECT_STREQ(c.front().code, "CHA");
    EXPECT_STREQ(c[18].controle, "Viande");
    EXPECT_STREQ(c[18].nom, "TERRINE DE VIANDE");
    EXPECT_STREQ(c[24].controle, "Desser");
    for (std::size_t i = 25; i < c.size(); ++i)
        EXPECT_STREQ(c[i].controle, "");
    EXPECT_EQ(nomCategorie(u"MAG"_s), u"FROMAGE"_s);
    EXPECT_EQ(nomCategorie(u"COQ"_s), u"COQ"_s);
    EXPECT_EQ(nomCategorie(u"HOR"_s), u"HORS D'OEUVRE"_s);
    EXPECT_FALSE(nomCategorie(u"mag"_s));
    EXPECT_FALSE(nomCategorie(u"FROMAGE"_s));
}
