// The demo folder is what every other test and a first run stand on: its
// bases must open, its records respect the card's limits, and a second run
// must never touch what the user changed.
#include "generateur.h"

#include "environnement.h"

#include "store/baserecettes.h"
#include "store/catalogue.h"
#include "store/photo.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QImageReader>
#include <QSet>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <map>
#include <memory>

using namespace Qt::Literals::StringLiterals;

namespace {

const QStringList Bases = {u"Cuisine.mdb"_s, u"FETES.MDB"_s};

// Every file under `dossier`, relative, '/' separated.
QSet<QString> fichiersDe(const QString& dossier)
{
    QSet<QString> noms;
    QDirIterator it(dossier, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        noms.insert(QDir(dossier).relativeFilePath(it.next()));
    return noms;
}

// Every line break is CR LF: no LF alone, no CR alone.
bool lignesCrLf(const QString& texte)
{
    return texte.count(u"\r\n"_s) == texte.count(u'\n') && texte.count(u'\r') == texte.count(u'\n');
}

// One demo folder for the suite: generating it takes a while.
class DossierDemo : public DossierProgramme {
protected:
    static void SetUpTestSuite()
    {
        dossier_ = std::make_unique<QTemporaryDir>();
        ecrits_ = genererDossierDemo(dossier_->path());
    }
    static void TearDownTestSuite() { dossier_.reset(); }

    static QString demo(const QString& nom) { return QDir(dossier_->path()).filePath(nom); }

    // Holes in the numbering are the numbering test's business.
    static std::vector<Fiche> fiches(const QString& base)
    {
        const auto b = BaseRecettes::ouvrir(demo(base));
        std::vector<Fiche> toutes;
        for (int n = 1; n <= b->compter(); ++n)
            toutes.push_back(b->ficheParNumero(n).value_or(Fiche{}));
        return toutes;
    }

    static std::unique_ptr<QTemporaryDir> dossier_;
    static QStringList ecrits_;
};

std::unique_ptr<QTemporaryDir> DossierDemo::dossier_;
QStringList DossierDemo::ecrits_;

TEST_F(DossierDemo, EcritLesFichiersAttendusEtLesAnnonce)
{
    const QSet<QString> presents = fichiersDe(dossier_->path());
    // Nothing left behind (a half base, a temporary file) and nothing unlisted.
    EXPECT_EQ(presents, QSet<QString>(ecrits_.begin(), ecrits_.end()));
    for (const QString& nom : QStringList{u"Base.kal"_s, u"Cuisine.mdb"_s, u"FETES.MDB"_s, u"Images/PAS.jpg"_s})
        EXPECT_TRUE(presents.contains(nom)) << nom.toStdString();
    for (const Categorie& c : CatalogueCategories())
        EXPECT_TRUE(presents.contains(QString::fromLatin1(c.nom) + u".txt"_s)) << c.nom;

    EXPECT_EQ(BaseRecettes::reconnaitre(demo(u"Base.kal"_s)), FormatFichier::Carnet);
    EXPECT_EQ(BaseRecettes::ouvrir(demo(u"Base.kal"_s))->compter(), 0);
}

TEST_F(DossierDemo, LesBasesSontNumeroteesSansTrouEtCouvrentLeCatalogue)
{
    int total = 0;
    QSet<QString> categories;
    QSet<QString> titres;
    std::map<QString, int> parCode;
    for (const QString& base : Bases) {
        const auto b = BaseRecettes::ouvrir(demo(base));
        const std::vector<LigneTrouvee> lignes = b->chercherTitres(QString());
        ASSERT_EQ(static_cast<int>(lignes.size()), b->compter()) << base.toStdString();
        for (size_t i = 0; i < lignes.size(); ++i) {
            EXPECT_EQ(lignes[i].numero, static_cast<int>(i) + 1) << base.toStdString();
            EXPECT_TRUE(nomCategorie(lignes[i].categorie).has_value()) << lignes[i].categorie.toStdString();
            categories.insert(lignes[i].categorie);
            // Photographs are named by title: a title in both bases would share one.
            EXPECT_FALSE(titres.contains(lignes[i].titre)) << lignes[i].titre.toStdString();
            titres.insert(lignes[i].titre);
            if (base == Bases.first())
                ++parCode[lignes[i].categorie];
        }
        total += b->compter();
    }
    EXPECT_GE(total, 40);
    EXPECT_GE(categories.size(), 15);
    EXPECT_GE(parCode[u"AGN"_s], 3);
    EXPECT_GE(parCode[u"POU"_s], 3);
}

TEST_F(DossierDemo, ChaqueFicheRespecteLesLimitesDeLaCarte)
{
    for (const QString& base : Bases) {
        for (const Fiche& f : fiches(base)) {
            const std::string t = f.titre.toStdString();
            // The card's field lengths; titles and times are typed in capitals.
            for (const auto& [champ, longueur, majuscules] :
                 {std::tuple{f.titre, 100, true}, {f.tempPrepa, 25, true}, {f.tempCuisson, 25, true},
                  {f.difficulte, 25, false}, {f.vin, 35, false}}) {
                EXPECT_LE(champ.size(), longueur) << t;
                EXPECT_TRUE(!majuscules || champ == champ.toUpper()) << t;
            }
            for (const QString& champ : {f.tempCuisson, f.difficulte, f.vin, f.ingrediant, f.preparation})
                EXPECT_FALSE(champ.trimmed().isEmpty()) << t;
            for (const QString& texte : {f.ingrediant, f.preparation})
                EXPECT_TRUE(texte.contains(u"\r\n"_s) && lignesCrLf(texte)) << t;
        }
    }
}

TEST_F(DossierDemo, LesPhotosSontDesJpegAuNomDeLeurRecette)
{
    QImageReader absente(demo(u"Images/PAS.jpg"_s));
    EXPECT_EQ(absente.format(), "jpeg");
    EXPECT_FALSE(absente.read().isNull());

    int recettes = 0;
    int avecPhoto = 0;
    for (const QString& base : Bases) {
        for (const Fiche& f : fiches(base)) {
            ++recettes;
            QFile photo(cheminPhoto(dossier_->path(), f.titre));
            if (!photo.exists())
                continue;
            ++avecPhoto;
            // Decoded from the content, as the card window will.
            ASSERT_TRUE(photo.open(QIODevice::ReadOnly));
            QImageReader lecteur(&photo);
            EXPECT_EQ(lecteur.format(), "jpeg") << f.titre.toStdString();
            const QImage image = lecteur.read();
            EXPECT_EQ(image.size(), QSize(400, 300)) << f.titre.toStdString();
        }
    }
    // Every file of Images/ is the photograph of a recipe or the placeholder.
    EXPECT_EQ(QDir(demo(u"Images"_s)).entryList(QDir::Files).size(), avecPhoto + 1);
    EXPECT_GE(avecPhoto * 3, recettes);
    EXPECT_LT(avecPhoto, recettes);  // some cards show the placeholder
}

using DossierModifie = DossierProgramme;

TEST_F(DossierModifie, UneSecondePasseNEcraseRienEtCompleteCeQuiManque)
{
    genererDossierDemo(dossier.path());
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

TEST_F(DossierModifie, UneBaseInterrompueEstRefaiteEntiere)
{
    // What an interrupted run leaves: the base under construction, never the
    // base itself.
    ecrire(chemin(u"Cuisine.mdb.partiel"_s), "moitié de base");
    genererDossierDemo(dossier.path(), OptionsDemo{.photos = false});
    EXPECT_FALSE(QFile::exists(chemin(u"Cuisine.mdb.partiel"_s)));
    EXPECT_GT(BaseRecettes::ouvrir(chemin(u"Cuisine.mdb"_s))->compter(), 0);
    EXPECT_EQ(QDir(chemin(u"Images"_s)).entryList(QDir::Files), QStringList{u"PAS.jpg"_s});
}

TEST_F(DossierModifie, UnDossierImpossibleACreerEstSignaleEnFrancais)
{
    ecrire(chemin(u"Images"_s), "un fichier à la place du dossier");
    try {
        genererDossierDemo(dossier.path());
        ADD_FAILURE() << "aucune erreur signalée";
    } catch (const Echec& e) {
        EXPECT_TRUE(e.message().startsWith(u"Impossible"_s) && e.message().contains(u"Images"_s))
            << e.message().toStdString();
    }
}

}  // namespace
