// The base file: recognition, refusal of what is not a recipe base (leaving
// the file as it was), creation and compaction.
#include "outils.h"

#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>

#include <functional>

#include <sys/fsuid.h>
#include <unistd.h>

namespace {

QString fixture(const char* nom)
{
    return QString::fromUtf8(CARNET_SHARED_DIR "/fixtures/legacy/") + QString::fromUtf8(nom);
}

// Base of a few pages, so that damage lands inside the data.
void remplir(const QString& chemin)
{
    BaseRecettes::creer(chemin);
    executerSql(chemin,
                "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 300)"
                " INSERT INTO Cuisine SELECT i, 'DES', 'T' || i, '', '?', 'A', printf('%.500c', 'x'), 'y', '?' FROM n");
}

// Makes file accesses of this thread those of an ordinary user, so that file
// modes hold even when the tests run as root.
class CommeUtilisateur {
public:
    CommeUtilisateur()
    {
        setfsgid(65534);
        setfsuid(65534);
    }
    ~CommeUtilisateur()
    {
        setfsuid(0);
        setfsgid(0);
    }
};

struct CasRefus {
    const char* nom;
    std::function<void(const QString&)> fabriquer;
    const char* motif;  // part of the message
};

void PrintTo(const CasRefus& cas, std::ostream* sortie)
{
    *sortie << cas.nom;
}

}  // namespace

class Refus : public testing::TestWithParam<CasRefus> {};

TEST_P(Refus, MessageClairEtFichierIntact)
{
    QTemporaryDir dossier;
    const QString chemin = dossier.filePath(u"Fetes.mdb"_s);
    GetParam().fabriquer(chemin);
    const QByteArray avant = empreinte(chemin);
    try {
        BaseRecettes::ouvrir(chemin);
        ADD_FAILURE() << "ouverte";
    } catch (const ErreurBase& e) {
        EXPECT_TRUE(e.message().contains(u"« Fetes.mdb »"_s)) << e.what();
        EXPECT_TRUE(e.message().contains(QString::fromUtf8(GetParam().motif))) << e.what();
    }
    EXPECT_EQ(empreinte(chemin), avant);
    EXPECT_FALSE(QFileInfo::exists(chemin + u"-journal"_s));
}

INSTANTIATE_TEST_SUITE_P(
    Fichiers, Refus,
    testing::Values(
        CasRefus{"vide", [](const QString& c) { ecrire(c, {}); }, "est vide"},
        CasRefus{"texte", [](const QString& c) { ecrire(c, "Bonjour\r\nce n'est pas une base\r\n"); }, "n'est pas une base de recettes"},
        CasRefus{"hasard",
                 [](const QString& c) {
                     QByteArray octets(8192, '\0');
                     QRandomGenerator hasard(42);
                     for (char& o : octets)
                         o = static_cast<char>(hasard.bounded(256));
                     ecrire(c, octets);
                 },
                 "n'est pas une base de recettes"},
        CasRefus{"entete_sqlite_seule",
                 [](const QString& c) { ecrire(c, QByteArray("SQLite format 3\0", 16) + QByteArray(4080, '\x5a')); },
                 "n'est pas une base de recettes"},
        CasRefus{"tronquee",
                 [](const QString& c) {
                     remplir(c);
                     QFile f(c);
                     ASSERT_TRUE(f.resize(f.size() / 2));
                 },
                 "est endommagée"},
        CasRefus{"abimee",
                 [](const QString& c) {
                     remplir(c);
                     QFile f(c);
                     ASSERT_TRUE(f.open(QIODevice::ReadWrite));
                     f.seek(4096 * 3);
                     f.write(QByteArray(4096, '\xff'));
                 },
                 "est endommagée"},
        CasRefus{"sans_cuisine", [](const QString& c) { executerSql(c, "CREATE TABLE Autre (x)"); }, "ne contient pas la table Cuisine"},
        CasRefus{"vue_cuisine",
                 [](const QString& c) { executerSql(c, "CREATE TABLE t (x); CREATE VIEW Cuisine AS SELECT * FROM t"); },
                 "n'est pas une table ordinaire"},
        CasRefus{"sans_vin",
                 [](const QString& c) {
                     executerSql(c, "CREATE TABLE Cuisine (Numero INTEGER, Categorie, Titre, TempPrepa, TempCuisson,"
                                    " Difficulte, Ingrediant, Preparation)");
                 },
                 "la table Cuisine n'a pas la colonne Vin"},
        CasRefus{"numero_texte",
                 [](const QString& c) {
                     executerSql(c, "CREATE TABLE Cuisine (Numero TEXT, Categorie, Titre, TempPrepa, TempCuisson,"
                                    " Difficulte, Ingrediant, Preparation, Vin)");
                 },
                 "n'est pas numérique"},
        CasRefus{"declencheur",
                 [](const QString& c) {
                     BaseRecettes::creer(c);
                     executerSql(c, "CREATE TABLE Trace (x);"
                                    "CREATE TRIGGER t AFTER UPDATE ON Cuisine BEGIN INSERT INTO Trace VALUES (1); END");
                 },
                 "déclencheur"},
        CasRefus{"jet",
                 [](const QString& c) { ecrire(c, QByteArray("\0\1\0\0Standard Jet DB\0", 20) + QByteArray(2028, '\0')); },
                 "Microsoft Access"},
        CasRefus{"version_future",
                 [](const QString& c) {
                     BaseRecettes::creer(c);
                     executerSql(c, "PRAGMA user_version = 2");
                 },
                 "version plus récente"}),
    [](const testing::TestParamInfo<CasRefus>& cas) { return std::string(cas.param.nom); });

TEST(Reconnaissance, PremiersOctets)
{
    QTemporaryDir dossier;
    const QString base = dossier.filePath(u"a.txt"_s);  // the name does not count
    BaseRecettes::creer(base);
    EXPECT_EQ(BaseRecettes::reconnaitre(base), FormatFichier::Carnet);
    const QString autre = dossier.filePath(u"b.mdb"_s);
    executerSql(autre, "CREATE TABLE x (y)");
    EXPECT_EQ(BaseRecettes::reconnaitre(autre), FormatFichier::Sqlite);
    EXPECT_EQ(BaseRecettes::reconnaitre(dossier.filePath(u"absent.mdb"_s)), FormatFichier::Absent);
    const QString vide = dossier.filePath(u"vide.mdb"_s);
    ecrire(vide, {});
    EXPECT_EQ(BaseRecettes::reconnaitre(vide), FormatFichier::Vide);

    if (!QFileInfo::exists(fixture("cuisine.mdb")))
        GTEST_SKIP() << "pas de fichiers Access d'essai dans " CARNET_SHARED_DIR;
    EXPECT_EQ(BaseRecettes::reconnaitre(fixture("cuisine.mdb")), FormatFichier::Jet);
    EXPECT_EQ(BaseRecettes::reconnaitre(fixture("cuisine97.mdb")), FormatFichier::Jet);
    EXPECT_EQ(BaseRecettes::reconnaitre(fixture("ASampleDatabase.accdb")), FormatFichier::Ace);
    const QByteArray avant = empreinte(fixture("ASampleDatabase.accdb"));
    EXPECT_THROW(BaseRecettes::ouvrir(fixture("ASampleDatabase.accdb")), ErreurBase);
    EXPECT_EQ(empreinte(fixture("ASampleDatabase.accdb")), avant);
}

TEST(Verrous, BaseEnCoursDEcritureParUnAutre)
{
    QTemporaryDir dossier;
    const QString chemin = dossier.filePath(u"Fetes.mdb"_s);
    BaseRecettes::creer(chemin);
    for (const char* verrou : {"BEGIN IMMEDIATE", "BEGIN EXCLUSIVE"}) {
        sqlite::Database autre(chemin, SQLITE_OPEN_READWRITE);
        autre.executer(verrou);
        try {
            BaseRecettes::ouvrir(chemin);
            ADD_FAILURE() << verrou;
        } catch (const ErreurBase& e) {
            EXPECT_TRUE(e.message().contains(u"verrouillée par un autre programme"_s)) << e.what();
        }
        autre.executer("ROLLBACK");
    }
    EXPECT_NO_THROW(BaseRecettes::ouvrir(chemin));
}

TEST(Verrous, EcritureRefuseeQuandUnAutreEcrit)
{
    QTemporaryDir dossier;
    const QString chemin = dossier.filePath(u"Fetes.mdb"_s);
    BaseRecettes::creer(chemin);
    auto base = BaseRecettes::ouvrir(chemin);
    base->ajouter(fiche(u"DES"_s, u"A"_s));
    base->ajouter(fiche(u"DES"_s, u"B"_s));
    sqlite::Database autre(chemin, SQLITE_OPEN_READWRITE);
    autre.executer("BEGIN IMMEDIATE");
    EXPECT_THROW(base->supprimer(1), ErreurBase);
    autre.executer("ROLLBACK");
    EXPECT_EQ(base->compter(), 2);
    EXPECT_EQ(base->ficheParNumero(1)->titre, u"A"_s);
}

TEST(LectureSeule, FichierOuDossierSansDroitDEcriture)
{
    QTemporaryDir dossier;
    ASSERT_TRUE(QFile::setPermissions(dossier.path(), QFile::permissions(dossier.path()) | QFile::ExeOther | QFile::ReadOther));
    const QString chemin = dossier.filePath(u"Fetes.mdb"_s);
    BaseRecettes::creer(chemin);
    const QByteArray avant = empreinte(chemin);

    ASSERT_TRUE(QFile::setPermissions(chemin, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
    {
        CommeUtilisateur utilisateur;
        try {
            BaseRecettes::ouvrir(chemin);
            ADD_FAILURE() << "fichier en lecture seule ouvert";
        } catch (const ErreurBase& e) {
            EXPECT_TRUE(e.message().contains(u"est en lecture seule"_s)) << e.what();
        }
    }

    ASSERT_TRUE(QFile::setPermissions(chemin, QFile::permissions(chemin) | QFile::WriteOther));
    const auto droitsDossier = QFile::permissions(dossier.path());
    ASSERT_TRUE(QFile::setPermissions(dossier.path(), QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther));
    {
        CommeUtilisateur utilisateur;
        try {
            BaseRecettes::ouvrir(chemin);
            ADD_FAILURE() << "base d'un dossier en lecture seule ouverte";
        } catch (const ErreurBase& e) {
            EXPECT_TRUE(e.message().contains(u"son dossier n'accepte pas l'écriture"_s)) << e.what();
        }
    }
    QFile::setPermissions(dossier.path(), droitsDossier);
    EXPECT_EQ(empreinte(chemin), avant);
}

TEST(Creation, NouvelleBaseVideEtComplete)
{
    QTemporaryDir dossier;
    const QString chemin = dossier.filePath(u"Neuve.mdb"_s);
    BaseRecettes::creer(chemin);
    EXPECT_EQ(QDir(dossier.path()).entryList(QDir::Files | QDir::Hidden), QStringList{u"Neuve.mdb"_s});
    EXPECT_EQ(BaseRecettes::reconnaitre(chemin), FormatFichier::Carnet);
    EXPECT_EQ(BaseRecettes::ouvrir(chemin)->compter(), 0);

    sqlite::Database db(chemin, SQLITE_OPEN_READONLY);
    sqlite::Statement st(db, "SELECT (SELECT user_version FROM pragma_user_version),"
                             " (SELECT count(*) FROM sqlite_schema WHERE type = 'index' AND tbl_name = 'Cuisine')");
    ASSERT_TRUE(st.etape());
    EXPECT_EQ(st.entier(0), 1);
    EXPECT_EQ(st.entier(1), 3);
}

TEST(Creation, RefuseUnFichierExistant)
{
    QTemporaryDir dossier;
    const QString chemin = dossier.filePath(u"NEUVE.MDB"_s);
    ecrire(chemin, "garder");
    EXPECT_THROW(BaseRecettes::creer(chemin), ErreurBase);
    EXPECT_THROW(BaseRecettes::creer(dossier.filePath(u"neuve.mdb"_s)), ErreurBase);
    QFile f(chemin);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), "garder");
    EXPECT_EQ(QDir(dossier.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
}

TEST(Compactage, GardeToutesLesRecettesSansTemporaire)
{
    QTemporaryDir dossier;
    const QString chemin = dossier.filePath(u"Fetes.mdb"_s);
    const QString temporaire = dossier.filePath(u"temp.MDB"_s);
    remplir(chemin);
    executerSql(chemin, "DELETE FROM Cuisine WHERE Numero <= 150");
    BaseRecettes::ouvrir(chemin)->supprimer(151);
    const qint64 taille = QFileInfo(chemin).size();

    BaseRecettes::compacter(chemin, temporaire);

    EXPECT_FALSE(QFileInfo::exists(temporaire));
    EXPECT_LT(QFileInfo(chemin).size(), taille);
    EXPECT_EQ(BaseRecettes::reconnaitre(chemin), FormatFichier::Carnet);
    auto base = BaseRecettes::ouvrir(chemin);
    EXPECT_EQ(base->compter(), 149);
    EXPECT_EQ(base->ficheParNumero(1)->titre, u"T152"_s);
    EXPECT_EQ(base->ficheParNumero(149)->titre, u"T300"_s);
    EXPECT_EQ(base->ficheParNumero(149)->ingrediant.size(), 500);
    EXPECT_EQ(QDir(dossier.path()).entryList(QDir::Files | QDir::Hidden), QStringList{u"Fetes.mdb"_s});
}

TEST(Compactage, RefuseQuandUnTemporaireReste)
{
    QTemporaryDir dossier;
    const QString chemin = dossier.filePath(u"Fetes.mdb"_s);
    remplir(chemin);
    ecrire(dossier.filePath(u"TEMP.mdb"_s), "reste");
    const QByteArray avant = empreinte(chemin);
    try {
        BaseRecettes::compacter(chemin, dossier.filePath(u"temp.MDB"_s));
        ADD_FAILURE() << "compactée";
    } catch (const ErreurBase& e) {
        EXPECT_TRUE(e.message().contains(u"reste d'une opération précédente"_s)) << e.what();
    }
    EXPECT_EQ(empreinte(chemin), avant);
    EXPECT_EQ(empreinte(dossier.filePath(u"TEMP.mdb"_s)), QCryptographicHash::hash("reste", QCryptographicHash::Sha256));
}

TEST(Compactage, RefuseCeQuiNEstPasUneBase)
{
    QTemporaryDir dossier;
    const QString chemin = dossier.filePath(u"Fetes.mdb"_s);
    ecrire(chemin, "du texte");
    EXPECT_THROW(BaseRecettes::compacter(chemin, dossier.filePath(u"temp.MDB"_s)), ErreurBase);
    EXPECT_EQ(QDir(dossier.path()).entryList(QDir::Files | QDir::Hidden), QStringList{u"Fetes.mdb"_s});
}
