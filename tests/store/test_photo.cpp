// Photograph paths.
#include "store/photo.h"

#include "environnement.h"

#include <QDir>

using namespace Qt::Literals::StringLiterals;

namespace {

// The temporary folder is the program folder and the working folder.
using Photo = DossierProgramme;

TEST_F(Photo, TrouveeSansEgardALaCasseEtRelativeAuDossierDeTravail)
{
    QDir(dossier.path()).mkdir(u"Images"_s);
    ecrire(chemin(u"Images/Tarte.JPG"_s), {});
    EXPECT_EQ(cheminPhoto(dossier.path(), u"TARTE"_s), chemin(u"Images/Tarte.JPG"_s));
    EXPECT_EQ(cheminPhoto(dossier.path(), u"FLAN"_s), chemin(u"Images/FLAN.jpg"_s));
    // Saving under another case replaces the photograph already there.
    EXPECT_EQ(cheminPhotoEcrite(dossier.path(), u"tarte"_s), chemin(u"Images/Tarte.JPG"_s));
    EXPECT_EQ(cheminPhotoEcrite(dossier.path(), u"Flan"_s), chemin(u"Images/Flan.JPG"_s));

    // Paths relative to the working folder, also found whatever their case.
    ASSERT_TRUE(QFile::remove(chemin(u"Images/Tarte.JPG"_s)) && QDir(dossier.path()).rmdir(u"Images"_s));
    EXPECT_EQ(cheminPhotoAbsente(), u"Images/PAS.jpg"_s);
    QDir().mkdir(u"images"_s);
    ecrire(u"images/Pas.JPG"_s, {});
    ecrire(u"images/SOUPE.JPG"_s, {});
    EXPECT_EQ(cheminPhotoAbsente(), u"images/Pas.JPG"_s);
    EXPECT_EQ(cheminPhotoSupprimee(u"SOUPE"_s), u"images/SOUPE.JPG"_s);
}

}  // namespace
