// The demo folder is what every other test and a first run stand on: its
// bases must open, its records respect the card's limits, and a second run
// must never touch what the user changed.
#include "generateur.h"

#include "environnement.h"

#include "store/baserecettes.h"
#include "store/catalogue.h"
#include "store/photo.h"

#include <QDirIterator>
#include <QImageReader>
#include <QSet>

#include <gmock/gmock.h>

using namespace Qt::Literals::StringLiterals;

namespace {

using DossierDemo = DossierProgramme;

QSet<QString> fichiersDe(const QString& dossier)
{
    QSet<QString> noms;
    QDirIterator it(dossier, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        noms.insert(QDir(dossier).relativeFilePath(it.next()));
    return noms;
}

TEST_F(DossierDemo, EcritCeQuIlAnnonceEtChaqueFicheOuvreSaPhotoOuLaPhotoAbsente)
{
    const QStringList ecrits = genererDossierDemo(dossier.path());
    // Nothing left behind (a half base, a temporary file) and nothing unlisted.
    EXPECT_EQ(fichiersDe(dossier.path()), QSet<QString>(ecrits.begin(), ecrits.end()));
    EXPECT_TRUE(ecrits.contains(u"TERRINE DE VIANDE.txt"_s) && ecrits.contains(u"Images/PAS.jpg"_s));
    EXPECT_EQ(BaseRecettes::ouvrir(chemin(u"Base.kal"_s))->compter(), 0);

    QSet<QString> titres;
    int photos = 0;
    for (const QString& nom : {u"Cuisine.mdb"_s, u"FETES.MDB"_s}) {
        const auto base = BaseRecettes::ouvrir(chemin(nom));
        EXPECT_GT(base->compter(), 10);
        for (int n = 1; n <= base->compter(); ++n) {
            const Fiche f = base->ficheParNumero(n).value_or(Fiche{});
            const std::string t = f.titre.toStdString();
            // Photographs are named by title: a title in both bases would share one.
            EXPECT_FALSE(titres.contains(f.titre)) << t;
            titres.insert(f.titre);
            EXPECT_TRUE(nomCategorie(f.categorie).has_value()) << t;
            EXPECT_EQ(f.titre, f.titre.toUpper()) << t;  // as the card types it
            // Decoded from the content, as the card window will.
            if (QImageReader photo(cheminPhoto(dossier.path(), f.titre)); photo.canRead())
                photos += !photo.read().isNull();
        }
    }
    // Every file of Images/ is the photograph of a recipe or the placeholder, which some cards show.
    EXPECT_EQ(QDir(chemin(u"Images"_s)).entryList(QDir::Files).size(), photos + 1);
    EXPECT_TRUE(photos > 0 && photos < titres.size());
}

TEST_F(DossierDemo, UneSecondePasseNEcraseRienEtCompleteCeQuiManque)
{
    // What an interrupted run leaves: the base under construction, never the base itself.
    ecrire(chemin(u"Cuisine.mdb.partiel"_s), "moitié de base");
    genererDossierDemo(dossier.path());
    EXPECT_FALSE(QFile::exists(chemin(u"Cuisine.mdb.partiel"_s)));
    const QString photo = cheminPhoto(dossier.path(), u"BOEUF BOURGUIGNON"_s);
    ecrire(chemin(u"AGNEAU.txt"_s), "texte de l'utilisateur\r\n");
    ecrire(photo, "photo de l'utilisateur");
    int restantes = 0;
    {
        const auto base = BaseRecettes::ouvrir(chemin(u"Cuisine.mdb"_s));
        ASSERT_TRUE(base->supprimer(1, base->ficheParNumero(1)->titre).has_value());
        restantes = base->compter();
    }
    // Found again whatever the letter case, as the program finds its bases.
    ASSERT_TRUE(QFile::rename(chemin(u"FETES.MDB"_s), chemin(u"fetes.mdb"_s)));
    ASSERT_TRUE(QFile::remove(chemin(u"BOEUF.txt"_s)));
    ASSERT_TRUE(QFile::remove(chemin(u"Images/PAS.jpg"_s)));

    const QStringList ecrits = genererDossierDemo(dossier.path());

    EXPECT_EQ(QSet<QString>(ecrits.begin(), ecrits.end()), (QSet<QString>{u"BOEUF.txt"_s, u"Images/PAS.jpg"_s}));
    EXPECT_EQ(contenu(chemin(u"AGNEAU.txt"_s)), "texte de l'utilisateur\r\n");
    EXPECT_EQ(contenu(photo), "photo de l'utilisateur");
    EXPECT_EQ(BaseRecettes::ouvrir(chemin(u"Cuisine.mdb"_s))->compter(), restantes);
    EXPECT_FALSE(QFile::exists(chemin(u"FETES.MDB"_s)));
    EXPECT_TRUE(genererDossierDemo(dossier.path()).isEmpty());
}

TEST_F(DossierDemo, UnDossierImpossibleACreerEstSignaleEnFrancais)
{
    ecrire(chemin(u"Images"_s), "un fichier à la place du dossier");
    EXPECT_THAT([&] { genererDossierDemo(dossier.path()); },
                testing::ThrowsMessage<Echec>(testing::AllOf(testing::StartsWith("Impossible"), testing::HasSubstr("Images"))));
}

}  // namespace
