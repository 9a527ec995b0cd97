// The base file: recognition, refusal of what is not a recipe base (leaving
// the file as it was), creation and compaction.
#include "outils.h"

#include <QDir>
#include <QFileInfo>

#include <gmock/gmock.h>

#include <functional>

#include <sys/fsuid.h>
#include <unistd.h>

using testing::HasSubstr;

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

struct CasRefus {
    const char* nom;
    std::function<void(const QString&)> fabriquer;
    const char* motif;  // part of the message
};

void PrintTo(const CasRefus& cas, std::ostream* sortie)
{
    *sortie << cas.nom;
}

std::function<void(const QString&)> octets(const QByteArray& o)
{
    return [=](const QString& c) {
        QFile f(c);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly) && f.write(o) == o.size());
    };
}

std::function<void(const QString&)> parSql(const char* sql, bool base = false)
{
    return [=](const QString& c) {
        if (base)
            BaseRecettes::creer(c);
        executerSql(c, sql);
    };
}

}  // namespace

class Refus : public DossierProgramme, public testing::WithParamInterface<CasRefus> {};

TEST_P(Refus, MessageClairEtFichierIntact)
{
    const CasRefus& cas = GetParam();
    const QString c = chemin(u"Fetes.mdb"_s);
    cas.fabriquer(c);
    const QByteArray avant = contenu(c);
    const std::string message = refus([&] { BaseRecettes::ouvrir(c); });
    EXPECT_THAT(message, HasSubstr("« Fetes.mdb »"));
    EXPECT_THAT(message, HasSubstr(cas.motif));
    EXPECT_EQ(contenu(c), avant);
    EXPECT_FALSE(QFileInfo::exists(c + u"-journal"_s));
}

INSTANTIATE_TEST_SUITE_P(
    Fichiers, Refus,
    testing::Values(
        CasRefus{"vide", octets({}), "est vide"},
        CasRefus{"texte", octets("Bonjour\r\nce n'est pas une base\r\n"), "n'est pas une base de recettes"},
        CasRefus{"jet", octets(QByteArray("\0\1\0\0Standard Jet DB\0", 20) + QByteArray(2028, '\0')), "Microsoft Access"},
        CasRefus{"sans_cuisine", parSql("CREATE TABLE Autre (x)"), "ne contient pas la table Cuisine"},
        CasRefus{"vue_cuisine", parSql("CREATE TABLE t (x); CREATE VIEW Cuisine AS SELECT * FROM t"), "n'est pas une table ordinaire"},
        CasRefus{"sans_vin",
                 parSql("CREATE TABLE Cuisine (Numero INTEGER, Categorie, Titre, TempPrepa, TempCuisson,"
                        " Difficulte, Ingrediant, Preparation)"),
                 "la table Cuisine n'a pas la colonne Vin"},
        CasRefus{"numero_geant_ancien",
                 parSql("CREATE TABLE Cuisine (Numero INTEGER, Categorie, Titre, TempPrepa, TempCuisson, Difficulte,"
                        " Ingrediant, Preparation, Vin); INSERT INTO Cuisine (Numero) VALUES (1), (4294967296)"),
                 "dépasse"},
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
                     BaseRecettes::ouvrir(c)->ajouter(fiche(u"DES"_s, u"NOTEE"_s));  // left sound by the program, then damaged
                     QFile f(c);
                     ASSERT_TRUE(f.open(QIODevice::ReadWrite));
                     f.seek(4096 * 3);
                     f.write(QByteArray(4096, '\xff'));
                 },
                 "est endommagée"},
        CasRefus{"numero_texte",
                 parSql("CREATE TABLE Cuisine (Numero TEXT, Categorie, Titre, TempPrepa, TempCuisson,"
                        " Difficulte, Ingrediant, Preparation, Vin)"),
                 "n'est pas numérique"},
        CasRefus{"declencheur_ajoute",
                 parSql("CREATE TABLE Trace (x);"
                        "CREATE TRIGGER t AFTER UPDATE ON Ordre BEGIN INSERT INTO Trace VALUES (1); END", true),
                 "refusée par prudence"},
        CasRefus{"numero_geant",
                 parSql("INSERT INTO Cuisine (Numero, Titre) VALUES (9223372036854775807, 'X')", true), "dépasse"},
        CasRefus{"version_future", parSql("PRAGMA user_version = 3", true), "version plus récente"}),
    [](const testing::TestParamInfo<CasRefus>& cas) { return std::string(cas.param.nom); });

using Fichier = DossierProgramme;

TEST_F(Fichier, UneBaseEnCoursDEcritureParUnAutreEstRefusee)
{
    const QString c = chemin(u"Fetes.mdb"_s);
    creerBase(u"Fetes.mdb"_s, {fiche(u"DES"_s, u"A"_s), fiche(u"DES"_s, u"B"_s)});
    auto base = BaseRecettes::ouvrir(c);
    for (const char* verrou : {"BEGIN IMMEDIATE", "BEGIN EXCLUSIVE"}) {
        sqlite::Database autre(c, SQLITE_OPEN_READWRITE);
        autre.executer(verrou);
        EXPECT_THAT(refus([&] { BaseRecettes::ouvrir(c); }), HasSubstr("verrouillée par un autre programme"));
        // Nor can a base already open write meanwhile; nothing of it is lost.
        EXPECT_THROW(base->supprimer(1, u"A"_s), Echec) << verrou;
        autre.executer("ROLLBACK");
    }
    EXPECT_NO_THROW(BaseRecettes::ouvrir(c));
    EXPECT_EQ(base->compter(), 2);
    EXPECT_EQ(base->ficheParNumero(1)->titre, u"A"_s);
}

TEST_F(Fichier, SansDroitDEcritureSurLeFichierOuLeDossier)
{
    const QString d = dossier.path();
    const QString c = chemin(u"Fetes.mdb"_s);
    ASSERT_TRUE(QFile::setPermissions(d, QFile::permissions(d) | QFile::ExeOther | QFile::ReadOther));
    BaseRecettes::creer(c);
    const QByteArray avant = contenu(c);
    // With an ordinary user's file accesses, so that modes hold even under root.
    const auto ouvrirCommeUtilisateur = [&] {
        setfsgid(65534), setfsuid(65534);
        const std::string message = refus([&] { BaseRecettes::ouvrir(c); });
        setfsuid(0), setfsgid(0);
        return message;
    };

    ASSERT_TRUE(QFile::setPermissions(c, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
    EXPECT_THAT(ouvrirCommeUtilisateur(), HasSubstr("est en lecture seule"));

    ASSERT_TRUE(QFile::setPermissions(c, QFile::permissions(c) | QFile::WriteOther));
    const auto droitsDossier = QFile::permissions(d);
    ASSERT_TRUE(QFile::setPermissions(d, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther));
    EXPECT_THAT(ouvrirCommeUtilisateur(), HasSubstr("son dossier n'accepte pas l'écriture"));
    QFile::setPermissions(d, droitsDossier);
    EXPECT_EQ(contenu(c), avant);
}

TEST_F(Fichier, UneNouvelleBaseEstVideEtReconnueParSesOctetsSansRienRemplacer)
{
    BaseRecettes::creer(chemin(u"a.txt"_s));  // the name does not count
    EXPECT_EQ(QDir(dossier.path()).entryList(QDir::Files | QDir::Hidden), QStringList{u"a.txt"_s});
    EXPECT_EQ(BaseRecettes::reconnaitre(chemin(u"a.txt"_s)), FormatFichier::Carnet);
    EXPECT_EQ(BaseRecettes::ouvrir(chemin(u"a.txt"_s))->compter(), 0);
    executerSql(chemin(u"b.mdb"_s), "CREATE TABLE x (y)");
    EXPECT_EQ(BaseRecettes::reconnaitre(chemin(u"b.mdb"_s)), FormatFichier::Sqlite);
    EXPECT_EQ(BaseRecettes::reconnaitre(chemin(u"absent.mdb"_s)), FormatFichier::Absent);
    EXPECT_EQ(BaseRecettes::reconnaitre(fixture("cuisine.mdb")), FormatFichier::Jet);
    EXPECT_EQ(BaseRecettes::reconnaitre(fixture("ASampleDatabase.accdb")), FormatFichier::Ace);

    // A file already there, whatever its case, is never replaced.
    ecrire(chemin(u"GARDE.MDB"_s), "garder");
    EXPECT_THROW(BaseRecettes::creer(chemin(u"garde.mdb"_s)), Echec);
    EXPECT_EQ(contenu(chemin(u"GARDE.MDB"_s)), "garder");
    EXPECT_EQ(QDir(dossier.path()).entryList(QDir::Files | QDir::Hidden).size(), 3);
}

TEST_F(Fichier, UneBaseDeVersionUnEstConvertieEnEntierOuLaisseeTelleQuelle)
{
    const QString c = chemin(u"Vieille.mdb"_s);
    executerSql(c, "CREATE TABLE Cuisine (Numero INTEGER, Categorie TEXT, Titre TEXT, TempPrepa TEXT, TempCuisson TEXT,"
                   " Difficulte TEXT, Ingrediant TEXT, Preparation TEXT, Vin TEXT);"
                   "CREATE INDEX Cuisine_Numero ON Cuisine (Numero);"
                   "PRAGMA application_id = 1129467476; PRAGMA user_version = 1;"
                   "INSERT INTO Cuisine VALUES (5, 'DES', 'TARTE', '', '?', 'a', 'x', 'y', '?'),"
                   " (2, 'AGN', 'GIGOT', '1 H', '?', 'b', 'sel', 'rôtir', 'Bordeaux'),"
                   " (5, 'DES', 'JUMEAU', '', '?', 'a', 'x', 'y', '?'), (9, 'DES', NULL, NULL, '?', 'a', 'x', 'y', '?')");
    // The new file cannot be written: the base stays as it was.
    ASSERT_TRUE(QDir().mkdir(chemin(u".Vieille.mdb.conversion"_s)));
    const QByteArray avant = contenu(c);
    EXPECT_THAT(refus([&] { BaseRecettes::ouvrir(c); }), HasSubstr("n'a pas pu être mise au format"));
    EXPECT_EQ(contenu(c), avant);
    ASSERT_TRUE(QDir().rmdir(chemin(u".Vieille.mdb.conversion"_s)));

    QStringList lues;
    for (const Fiche& f : BaseRecettes::ouvrir(c)->toutesLesFiches())
        lues << QString::number(f.numero) + u':' + f.titre + u':' + f.vin;
    EXPECT_EQ(lues, (QStringList{u"2:GIGOT:Bordeaux"_s, u"5:TARTE:?"_s, u"5:JUMEAU:?"_s, u"9::?"_s}));
    EXPECT_EQ(QDir(dossier.path()).entryList(QDir::Files | QDir::Hidden), QStringList{u"Vieille.mdb"_s});
    EXPECT_EQ(BaseRecettes::reconnaitre(c), FormatFichier::Carnet);
}

TEST_F(Fichier, LeCompactageGardeToutesLesRecettesSansTemporaire)
{
    const QString c = chemin(u"Fetes.mdb"_s);
    remplir(c);
    executerSql(c, "DELETE FROM Ordre WHERE Numero <= 150; DELETE FROM Fiche WHERE Id NOT IN (SELECT Id FROM Ordre)");
    BaseRecettes::ouvrir(c)->supprimer(151, u"T151"_s);
    const qint64 taille = QFileInfo(c).size();
    auto ailleurs = BaseRecettes::ouvrir(c);

    BaseRecettes::compacter(c, chemin(u"temp.MDB"_s));

    // Another copy still holding the old file: its save would be lost with it.
    EXPECT_THAT(refus([&] { ailleurs->supprimer(1, u"T152"_s); }), HasSubstr("a été remplacée"));

    EXPECT_LT(QFileInfo(c).size(), taille);
    auto base = BaseRecettes::ouvrir(c);
    EXPECT_EQ(base->compter(), 149);
    EXPECT_EQ(base->ficheParNumero(1)->titre, u"T152"_s);
    EXPECT_EQ(base->ficheParNumero(149)->titre, u"T300"_s);
    EXPECT_EQ(base->ficheParNumero(149)->ingrediant.size(), 500);
    EXPECT_EQ(QDir(dossier.path()).entryList(QDir::Files | QDir::Hidden), QStringList{u"Fetes.mdb"_s});
}
