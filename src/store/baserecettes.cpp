#include "store/baserecettes.h"

#include "platform/fichiers.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <sqlite3.h>

#include <algorithm>
#include <array>
#include <climits>
#include <cstring>
#include <string>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr std::array<const char*, 9> kChamps = {"Numero", "Categorie", "Titre", "TempPrepa", "TempCuisson",
                                               "Difficulte", "Ingrediant", "Preparation", "Vin"};

// The nine fields of a card read from the three tables (aliases o, f, t),
// in the order lireFiche expects them.
#define CARNET_CHAMPS "o.Numero, f.Categorie, f.Titre, f.TempPrepa, f.TempCuisson, f.Difficulte, t.Ingrediant, t.Preparation, f.Vin"
#define CARNET_TABLES "Fiche AS f JOIN Ordre AS o ON o.Id = f.Id JOIN Texte AS t ON t.Id = f.Id"
#define CARNET_NEUF "Numero, Categorie, Titre, TempPrepa, TempCuisson, Difficulte, Ingrediant, Preparation, Vin"

// The tables of a base, checked statement by statement on every open: a
// file holding anything else is not ours.
// The view keeps the nine fields readable by any SQLite tool; its trigger
// lets such a tool add a recipe (the program writes the tables itself).
const char* const kTables =
    "CREATE TABLE Ordre (Id INTEGER PRIMARY KEY, Numero INTEGER);"
    "CREATE TABLE Fiche (Id INTEGER PRIMARY KEY, Categorie TEXT, Titre TEXT, TempPrepa TEXT, TempCuisson TEXT,"
    " Difficulte TEXT, Vin TEXT);"
    "CREATE INDEX Fiche_Categorie ON Fiche (Categorie);"
    "CREATE INDEX Fiche_Titre ON Fiche (Titre);"
    "CREATE TABLE Texte (Id INTEGER PRIMARY KEY, Ingrediant TEXT, Preparation TEXT);"
    // The file as the program last left it, checked whole: see Ecrire.
    "CREATE TABLE Verification (Id INTEGER PRIMARY KEY, Appareil INTEGER, Inode INTEGER, Modification INTEGER,"
    " Compteur INTEGER);"
    "CREATE VIEW Cuisine (" CARNET_NEUF ") AS SELECT " CARNET_CHAMPS
    " FROM Ordre AS o JOIN Fiche AS f ON f.Id = o.Id JOIN Texte AS t ON t.Id = o.Id ORDER BY o.Numero, o.Id;"
    "CREATE TRIGGER Cuisine_Ajout INSTEAD OF INSERT ON Cuisine BEGIN"
    " INSERT INTO Fiche (Categorie, Titre, TempPrepa, TempCuisson, Difficulte, Vin)"
    " VALUES (NEW.Categorie, NEW.Titre, NEW.TempPrepa, NEW.TempCuisson, NEW.Difficulte, NEW.Vin);"
    " INSERT INTO Texte (Id, Ingrediant, Preparation) VALUES ((SELECT max(Id) FROM Fiche), NEW.Ingrediant, NEW.Preparation);"
    " INSERT INTO Ordre (Id, Numero) VALUES ((SELECT max(Id) FROM Fiche), NEW.Numero);"
    " END;";

// One transaction for the whole schema, so a failure leaves an empty file.
// Durability: the rollback journal (journal_mode=DELETE) with synchronous=FULL
// keeps a base a single self-contained file between two writes. Users copy
// .mdb files around by hand; a -wal file beside the base would hold committed
// recipes and be left behind by such a copy.
const std::string kSchema = std::string("PRAGMA journal_mode=DELETE; BEGIN;") + kTables +
    "PRAGMA application_id = 1129467476;"  // BaseRecettes::kApplicationId
    "PRAGMA user_version = 2;"             // BaseRecettes::kVersionSchema
    "COMMIT;";
static_assert(BaseRecettes::kApplicationId == 1129467476 && BaseRecettes::kVersionSchema == 2);

// Reads the columns of the rows of Cuisine as a version-1 base holds them.
const char* const kLectureVersion1 = "SELECT " CARNET_NEUF " FROM Cuisine ORDER BY Numero, rowid";

QString nom(const QString& chemin)
{
    return QFileInfo(chemin).fileName();
}

QString guillemets(const QString& texte)
{
    return u"« "_s + texte + u" »"_s;
}

QString messageMoteur(const sqlite::Erreur& e, const QString& chemin)
{
    const QString f = guillemets(nom(chemin));
    switch (e.codePrimaire()) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return u"La base "_s + f + u" est verrouillée par un autre programme. Fermez-le, puis recommencez."_s;
    case SQLITE_READONLY:
    case SQLITE_PERM:
        return u"La base "_s + f + u" est en lecture seule : les recettes ne peuvent pas y être enregistrées."_s;
    case SQLITE_CORRUPT:
        return u"La base "_s + f + u" est endommagée."_s;
    case SQLITE_NOTADB:
        return u"Le fichier "_s + f + u" n'est pas une base de recettes."_s;
    case SQLITE_FULL:
        return u"Le disque est plein : la base "_s + f + u" n'a pas été modifiée."_s;
    case SQLITE_CANTOPEN:
        return u"Le fichier "_s + f + u" ne peut pas être ouvert."_s;
    case SQLITE_IOERR:
        return u"Erreur de lecture ou d'écriture sur la base "_s + f + u"."_s;
    default:
        return u"Erreur sur la base "_s + f + u" : "_s + QString::fromUtf8(e.what()) + u"."_s;
    }
}

// Runs an operation of an open base; an engine failure becomes the user's message.
template <typename F>
auto proteger(const QString& chemin, F&& operation) -> decltype(operation())
{
    try {
        return operation();
    } catch (const sqlite::Erreur& e) {
        throw Echec(messageMoteur(e, chemin));
    }
}

int versInt(std::int64_t v)
{
    return static_cast<int>(std::clamp<std::int64_t>(v, INT_MIN, INT_MAX));
}

// One card written into the three tables under `id`; `ordre` binds ?1 (Id)
// and ?2 (Numero), `fiche` ?1..?7 and `texte` ?1..?3.
struct Ecriture {
    explicit Ecriture(sqlite::Database& db)
        : ordre(db, "INSERT INTO Ordre (Id, Numero) VALUES (?1, ?2)"),
          fiche(db, "INSERT INTO Fiche (Id, Categorie, Titre, TempPrepa, TempCuisson, Difficulte, Vin)"
                    " VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7)"),
          texte(db, "INSERT INTO Texte (Id, Ingrediant, Preparation) VALUES (?1, ?2, ?3)")
    {
    }
    void ecrire(std::int64_t id, std::int64_t numero, const Fiche& f)
    {
        ordre.lier(1, id);
        ordre.lier(2, numero);
        ordre.etape();
        ordre.reinitialiser();
        lierCourts(fiche, f);
        fiche.lier(1, id);
        fiche.etape();
        fiche.reinitialiser();
        texte.lier(1, id);
        texte.lier(2, f.ingrediant);
        texte.lier(3, f.preparation);
        texte.etape();
        texte.reinitialiser();
    }
    // ?2..?7: the short fields, as the insertion and the change bind them.
    static void lierCourts(sqlite::Statement& st, const Fiche& f)
    {
        st.lier(2, f.categorie);
        st.lier(3, f.titre);
        st.lier(4, f.tempPrepa);
        st.lier(5, f.tempCuisson);
        st.lier(6, f.difficulte);
        st.lier(7, f.vin);
    }
    sqlite::Statement ordre, fiche, texte;
};

std::int64_t prochainId(sqlite::Database& db)
{
    sqlite::Statement st(db, "SELECT ifnull(max(Id), 0) + 1 FROM Fiche");
    st.etape();
    return st.entier(0);
}

// Last Numero + 1 (1 on an empty table); the numbers of an open base are
// 32-bit, so this cannot overflow.
std::int64_t prochainNumero(sqlite::Database& db)
{
    sqlite::Statement dernier(db, "SELECT Numero FROM Ordre ORDER BY Numero DESC, Id DESC LIMIT 1");
    return dernier.etape() ? std::max<std::int64_t>(dernier.entier(0), 0) + 1 : 1;
}

Fiche lireFiche(const sqlite::Statement& st)
{
    Fiche f;
    f.numero = versInt(st.entier(0));
    f.categorie = st.texte(1);
    f.titre = st.texte(2);
    f.tempPrepa = st.texte(3);
    f.tempCuisson = st.texte(4);
    f.difficulte = st.texte(5);
    f.ingrediant = st.texte(6);
    f.preparation = st.texte(7);
    f.vin = st.texte(8);
    return f;
}

// Settings of every connection: nothing stored in a file (triggers, views
// calling functions, extensions) runs code, and writes wait a little for a
// short lock held by another program.
void configurer(sqlite::Database& db)
{
    sqlite3* c = db.get();
    db.verifier(sqlite3_db_config(c, SQLITE_DBCONFIG_DEFENSIVE, 1, nullptr));
    db.verifier(sqlite3_db_config(c, SQLITE_DBCONFIG_ENABLE_LOAD_EXTENSION, 0, nullptr));
    db.verifier(sqlite3_db_config(c, SQLITE_DBCONFIG_TRUSTED_SCHEMA, 0, nullptr));
    db.verifier(sqlite3_db_config(c, SQLITE_DBCONFIG_ENABLE_TRIGGER, 0, nullptr));
    db.verifier(sqlite3_busy_timeout(c, 2000));
    // A damaged page is found when a write reaches it, not written over.
    db.executer("PRAGMA cell_size_check=ON");
    // trusted_schema does not cover CHECK constraints calling functions the
    // engine holds for non-deterministic: they would run on every check and
    // every save. Our schema has none, so a received base's are not enforced.
    db.executer("PRAGMA trusted_schema=OFF; PRAGMA ignore_check_constraints=ON");
}

bool synchroniser(const QString& chemin, int drapeaux)
{
    const int fd = ::open(QFile::encodeName(chemin).constData(), drapeaux | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool ok = ::fsync(fd) == 0;
    ::close(fd);
    return ok;
}

// After a rename the folder entry must reach the disk too. Some file systems
// refuse to sync a folder; the rename is done by then, so this is best effort.
void synchroniserDossier(const QString& dossier)
{
    synchroniser(dossier, O_RDONLY | O_DIRECTORY);
}

void supprimerTemporaire(const QString& chemin)
{
    QFile::remove(chemin);
    QFile::remove(chemin + u"-journal"_s);
}

// Puts a finished copy (`copie` names it in the message) over the base: the
// base's modes, the copy on disk, then the rename and the folder synced.
void mettreEnPlace(const QString& travail, const QString& chemin, const QString& copie)
{
    QFile::setPermissions(travail, QFile::permissions(chemin));  // keep the base's modes; not worth failing over
    if (!synchroniser(travail, O_RDONLY))
        throw Echec(copie + u" n'a pas pu être écrite sur le disque."_s);
    preciser([&] { remplacerParTemporaire(travail, chemin); },
             [](const QString& raison) { return u"Le remplacement de la base a échoué : "_s + raison + u"."_s; });
}

bool existe(const QString& chemin)
{
    const QFileInfo info(chemin);
    return info.exists() || info.isSymLink() || !trouverFichier(chemin).isEmpty();
}

bool affiniteTexte(const QString& type)
{
    const QString t = type.toUpper();
    if (t.contains(u"INT"_s))
        return false;
    return t.contains(u"CHAR"_s) || t.contains(u"CLOB"_s) || t.contains(u"TEXT"_s);
}

// The base's own file, read through the engine's descriptor: opening and
// closing another descriptor on it would drop the locks of this process.
sqlite3_file* fichierDe(sqlite::Database& db)
{
    sqlite3_file* f = nullptr;
    if (sqlite3_file_control(db.get(), "main", SQLITE_FCNTL_FILE_POINTER, &f) != SQLITE_OK || !f || !f->pMethods)
        return nullptr;
    return f;
}

std::optional<BaseRecettes::Empreinte> empreinte(sqlite::Database& db, const QString& chemin)
{
    struct stat etat {};
    sqlite3_file* f = fichierDe(db);
    unsigned char compteur[4] = {};
    if (!f || ::stat(QFile::encodeName(chemin).constData(), &etat) != 0 || f->pMethods->xRead(f, compteur, 4, 24) != SQLITE_OK)
        return std::nullopt;
    BaseRecettes::Empreinte e;
    e.appareil = static_cast<std::int64_t>(etat.st_dev);
    e.inode = static_cast<std::int64_t>(etat.st_ino);
    e.modification = std::int64_t{etat.st_mtim.tv_sec} * 1000000000 + etat.st_mtim.tv_nsec;
    e.compteur = std::int64_t{compteur[0]} << 24 | compteur[1] << 16 | compteur[2] << 8 | compteur[3];
    return e;
}

bool dejaVerifiee(sqlite::Database& db, const BaseRecettes::Empreinte& e)
{
    sqlite::Statement st(db, "SELECT Appareil, Inode, Modification, Compteur FROM Verification WHERE Id = 1");
    return st.etape() && st.entier(0) == e.appareil && st.entier(1) == e.inode && st.entier(2) == e.modification &&
           st.entier(3) == e.compteur;
}

// Notes in the base the state it will have once this write is committed
// (the change counter one higher, the modification time `date`, given to the
// file afterwards); the caller holds the write lock.
void noter(sqlite::Database& db, const BaseRecettes::Empreinte& avant, std::int64_t date)
{
    sqlite::Statement st(db, "INSERT OR REPLACE INTO Verification (Id, Appareil, Inode, Modification, Compteur)"
                             " VALUES (1, ?1, ?2, ?3, ?4)");
    st.lier(1, avant.appareil);
    st.lier(2, avant.inode);
    st.lier(3, date);
    st.lier(4, (avant.compteur + 1) & 0xffffffff);
    st.etape();
}

std::int64_t maintenant()
{
    timespec t {};
    ::clock_gettime(CLOCK_REALTIME, &t);
    return std::int64_t{t.tv_sec} * 1000000000 + t.tv_nsec;
}

// Gives the file the modification time noted, when the commit left it as
// foreseen; otherwise the note no longer matches and the next opening
// checks the whole file.
void dater(sqlite::Database& db, const QString& chemin, const BaseRecettes::Empreinte& avant, std::int64_t date)
{
    const auto apres = empreinte(db, chemin);
    if (!apres || apres->inode != avant.inode || apres->compteur != ((avant.compteur + 1) & 0xffffffff))
        return;
    const timespec temps[2] = {{0, UTIME_OMIT}, {static_cast<time_t>(date / 1000000000), static_cast<long>(date % 1000000000)}};
    ::utimensat(AT_FDCWD, QFile::encodeName(chemin).constData(), temps, 0);
}

// A write of the program: a base checked whole and then changed only by
// the program's own writes is as sound as when it was checked, so each
// commit carries the note that lets the next opening skip the check. `connu`
// is the file as this connection checked it or last wrote it; a file changed
// by anyone else meanwhile gets no note (its next opening checks it whole).
// It also refuses to write into a file no longer under its name (replaced by
// a compaction, a conversion or a restore meanwhile): what it wrote would be
// lost with the old file.
class Ecrire {
public:
    Ecrire(sqlite::Database& db, const QString& chemin, std::optional<BaseRecettes::Empreinte>& connu)
        : db_(db), chemin_(chemin), connu_(connu), transaction_(db)
    {
        avant_ = empreinte(db_, chemin_);
        if (connu_ && (!avant_ || avant_->inode != connu_->inode || avant_->appareil != connu_->appareil))
            throw Echec(u"La base "_s + guillemets(nom(chemin_)) +
                        u" a été remplacée sur le disque depuis son ouverture (compactage ou restauration par un autre"
                        u" programme) : rien n'a été enregistré. Choisissez-la de nouveau dans le menu principal."_s);
    }
    void valider()
    {
        const bool note = avant_ && avant_ == connu_;
        const std::int64_t date = maintenant();
        if (note)
            noter(db_, *avant_, date);
        transaction_.valider();
        if (note) {
            dater(db_, chemin_, *avant_, date);
            connu_ = empreinte(db_, chemin_);
        } else if (connu_) {
            connu_->compteur = -1;  // no longer a checked state; the file stays the one opened
        }
    }

private:
    sqlite::Database& db_;
    const QString& chemin_;
    std::optional<BaseRecettes::Empreinte>& connu_;
    sqlite::Transaction transaction_;
    std::optional<BaseRecettes::Empreinte> avant_;
};

// Cold, the whole-file check reads the pages in the b-tree's order, one seek
// each; read in file order first, it runs from the page cache.
void lireSequentiellement(sqlite::Database& db)
{
    sqlite3_file* f = fichierDe(db);
    sqlite3_int64 taille = 0;
    if (!f || f->pMethods->xFileSize(f, &taille) != SQLITE_OK)
        return;
    std::vector<char> tampon(1 << 20);
    for (sqlite3_int64 lu = 0; lu < taille; lu += static_cast<sqlite3_int64>(tampon.size()))
        if (f->pMethods->xRead(f, tampon.data(), static_cast<int>(std::min<sqlite3_int64>(taille - lu, tampon.size())), lu) != SQLITE_OK)
            return;
}

bool integre(sqlite::Database& db)
{
    sqlite::Statement st(db, "PRAGMA quick_check(1)");
    return st.etape() && st.texte(0) == u"ok"_s;
}

// The statements of our schema, as the engine stores them.
QStringList schema(sqlite::Database& db)
{
    sqlite::Statement st(db, "SELECT type, name, tbl_name, ifnull(sql, '') FROM sqlite_schema"
                             " WHERE name NOT LIKE 'sqlite\\_stat%' ESCAPE '\\' ORDER BY name");
    QStringList lignes;
    while (st.etape())
        lignes << st.texte(0) + u'|' + st.texte(1) + u'|' + st.texte(2) + u'|' + st.texte(3);
    return lignes;
}

// Anything but our own tables, indexes, view and trigger (the statistics
// an ANALYZE leaves aside) is refused: nothing of another author runs.
void verifierSchema(sqlite::Database& db, const QString& chemin)
{
    static const QStringList attendu = [] {
        sqlite::Database modele(u":memory:"_s, SQLITE_OPEN_READWRITE | SQLITE_OPEN_MEMORY);
        modele.executer(kTables);
        return schema(modele);
    }();
    if (schema(db) != attendu)
        throw Echec(u"La base "_s + guillemets(nom(chemin)) +
                    u" ne contient pas exactement les tables de ce programme : elle est refusée par prudence."_s);
}

// Numbers are 32-bit: the next number of a larger one would overflow.
void verifierNumeros(sqlite::Database& db, const QString& chemin, const char* table)
{
    const std::string sql = std::string("SELECT Numero FROM ") + table +
                            " WHERE typeof(Numero) IN ('integer', 'real')"
                            " AND (Numero > 2147483647 OR Numero < -2147483648) LIMIT 1";
    sqlite::Statement st(db, sql.c_str());
    if (st.etape())
        throw Echec(u"La base "_s + guillemets(nom(chemin)) + u" contient une recette numérotée "_s + st.texte(0) +
                    u" : ce numéro dépasse ceux que le programme sait compter (jusqu'à 2147483647). Elle n'est pas ouverte."_s);
}

enum class Forme { Actuelle, AConvertir };

// Every check reads; none writes, so a refused file keeps every byte.
Forme verifierBase(sqlite::Database& db, const QString& chemin)
{
    const QString f = guillemets(nom(chemin));

    if (sqlite3_db_readonly(db.get(), "main") == 1)
        throw Echec(u"La base "_s + f + u" est en lecture seule : les recettes ne peuvent pas y être enregistrées."_s);
    const QString dossier = QFileInfo(chemin).absolutePath();
    // AT_EACCESS: the effective identity, the one the journal will be created with.
    if (::faccessat(AT_FDCWD, QFile::encodeName(dossier).constData(), W_OK, AT_EACCESS) != 0)
        throw Echec(u"La base "_s + f +
                    u" est en lecture seule : son dossier n'accepte pas l'écriture, les recettes ne pourraient pas y être enregistrées."_s);

    std::int64_t version = 0;
    bool notre = false;
    {
        sqlite::Statement st(db, "PRAGMA application_id");
        st.etape();
        notre = st.entier(0) == BaseRecettes::kApplicationId;
        sqlite::Statement v(db, "PRAGMA user_version");
        v.etape();
        version = v.entier(0);
        if (notre && version > BaseRecettes::kVersionSchema)
            throw Echec(u"La base "_s + f + u" a été créée par une version plus récente du programme."_s);
    }
    const Forme forme = notre && version == BaseRecettes::kVersionSchema ? Forme::Actuelle : Forme::AConvertir;
    bool dejaNotee = false;
    if (forme == Forme::Actuelle) {
        verifierSchema(db, chemin);
        const auto e = empreinte(db, chemin);
        dejaNotee = e && dejaVerifiee(db, *e);
    }
    // Skipped only for a file exactly as the program's last write left it
    // (see Ecrire); cell_size_check then stops a write at any page found damaged.
    if (!dejaNotee) {
        lireSequentiellement(db);
        if (!integre(db))
            throw Echec(u"La base "_s + f + u" est endommagée."_s);
    }
    if (forme == Forme::Actuelle) {
        verifierNumeros(db, chemin, "Ordre");
    } else {
        {
            sqlite::Statement st(db,
                                 "SELECT type, sql FROM sqlite_schema"
                                 " WHERE name = 'Cuisine' COLLATE NOCASE AND type IN ('table', 'view')");
            if (!st.etape())
                throw Echec(u"Le fichier "_s + f + u" ne contient pas la table Cuisine : ce n'est pas une base de recettes."_s);
            if (st.texte(0) != u"table"_s || st.texte(1).trimmed().startsWith(u"CREATE VIRTUAL"_s, Qt::CaseInsensitive))
                throw Echec(u"Dans le fichier "_s + f + u", Cuisine n'est pas une table ordinaire : ce n'est pas une base de recettes."_s);
        }
        {
            sqlite::Statement st(db, "SELECT 1 FROM sqlite_schema WHERE type = 'trigger' AND tbl_name = 'Cuisine' COLLATE NOCASE");
            if (st.etape())
                throw Echec(u"La base "_s + f + u" porte un déclencheur sur la table Cuisine : elle est refusée par prudence."_s);
        }
        {
            sqlite::Statement st(db, "SELECT name, type FROM pragma_table_info('Cuisine')");
            QStringList noms;
            QString typeNumero;
            while (st.etape()) {
                noms.append(st.texte(0));
                if (st.texte(0).compare(u"Numero"_s, Qt::CaseInsensitive) == 0)
                    typeNumero = st.texte(1);
            }
            for (const char* champ : kChamps) {
                if (!noms.contains(QLatin1StringView(champ), Qt::CaseInsensitive))
                    throw Echec(u"Dans la base "_s + f + u", la table Cuisine n'a pas la colonne "_s +
                                QLatin1StringView(champ) + u"."_s);
            }
            // Table order is numeric: a text Numero would sort 10 before 2.
            if (affiniteTexte(typeNumero))
                throw Echec(u"Dans la base "_s + f + u", la colonne Numero de la table Cuisine n'est pas numérique."_s);
        }
        try {
            sqlite::Statement st(db, "SELECT rowid, " CARNET_NEUF " FROM Cuisine LIMIT 0");
        } catch (const sqlite::Erreur&) {
            throw Echec(u"Dans la base "_s + f + u", la table Cuisine n'a pas la forme attendue."_s);
        }
        verifierNumeros(db, chemin, "Cuisine");
    }
    // Another program writing (or about to) holds a lock that reads do not
    // see; taking the write lock once, without writing, finds it.
    {
        sqlite::Transaction essai(db, sqlite::Transaction::Mode::Immediate);
    }
    // journal_mode also turns a base left in WAL mode back into one file.
    // A larger page cache than the 2 MiB default: a renumbering rewrites every
    // row after the deleted one.
    db.executer("PRAGMA journal_mode=DELETE; PRAGMA synchronous=FULL; PRAGMA cache_size=-32768");
    return forme;
}

// The card the user saw: the first record (table order) with that number
// and that title, as its Id.
std::optional<std::int64_t> carteVue(sqlite::Database& db, int numero, const QString& titre)
{
    sqlite::Statement st(db, "SELECT f.Id FROM Fiche AS f JOIN Ordre AS o ON o.Id = f.Id"
                             " WHERE f.Titre = ?2 AND o.Numero = ?1 ORDER BY o.Id LIMIT 1");
    st.lier(1, std::int64_t{numero});
    st.lier(2, titre);
    if (!st.etape())
        return std::nullopt;
    return st.entier(0);
}

std::optional<Fiche> ficheParId(sqlite::Database& db, std::int64_t id)
{
    sqlite::Statement st(db, "SELECT " CARNET_CHAMPS " FROM " CARNET_TABLES " WHERE f.Id = ?1");
    st.lier(1, id);
    if (!st.etape())
        return std::nullopt;
    return lireFiche(st);
}

// Writes the records of the version-1 `source` (locked by the caller) into
// `travail` as a version-2 base, then reads both back field by field.
void ecrireConversion(sqlite::Database& source, const QString& travail)
{
    {
        QFile vide(travail);
        if (!vide.open(QIODevice::WriteOnly | QIODevice::NewOnly))
            throw Echec(vide.errorString() + u"."_s);
    }
    {
        sqlite::Database copie(travail, SQLITE_OPEN_READWRITE);
        configurer(copie);
        copie.executer(kSchema.c_str());
        copie.executer("PRAGMA synchronous=OFF");  // the file is synced once, before the rename
        sqlite::Transaction transaction(copie);
        sqlite::Statement lecture(source, kLectureVersion1);
        // Every value is copied as it is stored (type and bytes), numbers included.
        sqlite::Statement ordre(copie, "INSERT INTO Ordre (Id, Numero) VALUES (?1, ?2)");
        sqlite::Statement fiche(copie, "INSERT INTO Fiche (Id, Categorie, Titre, TempPrepa, TempCuisson, Difficulte, Vin)"
                                       " VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7)");
        sqlite::Statement texte(copie, "INSERT INTO Texte (Id, Ingrediant, Preparation) VALUES (?1, ?2, ?3)");
        for (std::int64_t id = 1; lecture.etape(); ++id) {
            ordre.lier(1, id);
            ordre.lierValeur(2, lecture, 0);
            fiche.lier(1, id);
            for (int c = 1; c <= 5; ++c)
                fiche.lierValeur(c + 1, lecture, c);
            fiche.lierValeur(7, lecture, 8);
            texte.lier(1, id);
            texte.lierValeur(2, lecture, 6);
            texte.lierValeur(3, lecture, 7);
            for (sqlite::Statement* st : {&ordre, &fiche, &texte}) {
                st->etape();
                st->reinitialiser();
            }
        }
        transaction.valider();
    }
    sqlite::Database copie(travail, SQLITE_OPEN_READWRITE);
    configurer(copie);
    verifierSchema(copie, travail);
    if (!integre(copie))
        throw Echec(u"La base convertie est endommagée."_s);
    sqlite::Statement avant(source, kLectureVersion1);
    sqlite::Statement apres(copie, "SELECT " CARNET_NEUF " FROM Cuisine");
    for (;;) {
        const bool a = avant.etape();
        if (a != apres.etape())
            throw Echec(u"La base convertie ne contient pas toutes les recettes."_s);
        if (!a)
            break;
        for (int c = 0; c < 9; ++c)
            if (!avant.memeValeur(c, apres))
                throw Echec(u"La base convertie ne correspond pas à l'originale."_s);
    }
}

// The new file is put in place by a rename, so the base is at every moment
// either the old one or the whole new one. The write lock held on `source`
// keeps out writers, whose records would go into the file being replaced.
void convertir(sqlite::Database& source, const QString& chemin)
{
    const QFileInfo info(chemin);
    const QString travail = info.absoluteDir().filePath(u"."_s + info.fileName() + u".conversion"_s);
    supprimerTemporaire(travail);
    try {
        sqlite::Transaction verrou(source, sqlite::Transaction::Mode::Immediate);
        ecrireConversion(source, travail);
        mettreEnPlace(travail, chemin, u"La base convertie"_s);
    } catch (const std::exception& e) {
        supprimerTemporaire(travail);
        const auto* base = dynamic_cast<const Echec*>(&e);
        const auto* moteur = dynamic_cast<const sqlite::Erreur*>(&e);
        throw Echec(u"La base "_s + guillemets(nom(chemin)) +
                    u" n'a pas pu être mise au format de cette version du programme ; elle n'a pas été modifiée.\n"_s +
                    (base ? base->message() : moteur ? messageMoteur(*moteur, travail) : QString::fromUtf8(e.what())));
    }
}

// Numbered 1..N in Id order, as the program leaves every base it renumbers
// or adds to (a received base may not be); read in one pass without a sort.
// ajouter keeps it so: the new record has the largest Id and number N + 1.
bool numerotationDense(sqlite::Database& db)
{
    sqlite::Statement st(db, "SELECT Numero, typeof(Numero) = 'integer' FROM Ordre ORDER BY Id");
    for (std::int64_t attendu = 1; st.etape(); ++attendu)
        if (!st.entier(1) || st.entier(0) != attendu)
            return false;
    return true;
}

std::int64_t versionDonnees(sqlite::Database& db)
{
    sqlite::Statement st(db, "PRAGMA data_version");
    st.etape();
    return st.entier(0);
}

// ajouter and ajouterLot; `dernier` receives the last number given.
// Whether Ordre is numbered 1..N in Id order; `depuis` keeps the answer
// while no other connection writes. Called inside the write transaction.
bool dense(sqlite::Database& db, std::optional<std::int64_t>& depuis)
{
    const std::int64_t version = versionDonnees(db);
    if (depuis && *depuis == version)
        return true;
    depuis.reset();
    if (!numerotationDense(db))
        return false;
    depuis = version;
    return true;
}

ResultatLot ajouterFiches(sqlite::Database& db, const QString& chemin, std::optional<BaseRecettes::Empreinte>& connue,
                          std::optional<std::int64_t>& denseDepuis, const std::vector<Fiche>& fiches,
                          const std::function<void(int)>& progression, std::int64_t* dernier)
{
    return proteger(chemin, [&] {
        ResultatLot resultat;
        Ecrire transaction(db, chemin, connue);
        // Numbered 1..N, the last number is the count (read without a scan).
        std::int64_t numero = 1;
        if (dense(db, denseDepuis)) {
            sqlite::Statement compte(db, "SELECT count(*) FROM Ordre");
            compte.etape();
            numero = compte.entier(0) + 1;
        } else {
            numero = prochainNumero(db);
        }
        std::int64_t id = prochainId(db);
        sqlite::Statement doublon(db, "SELECT 1 FROM Fiche WHERE Titre = ?1 LIMIT 1");
        Ecriture ecriture(db);
        for (size_t i = 0; i < fiches.size(); ++i) {
            const Fiche& f = fiches[i];
            doublon.lier(1, f.titre);
            const bool present = doublon.etape();
            doublon.reinitialiser();
            if (present) {
                resultat.dejaPresentes << f.titre;
            } else {
                if (numero > INT_MAX)
                    throw Echec(u"La base "_s + guillemets(nom(chemin)) + u" ne peut pas recevoir plus de recettes."_s);
                if (dernier)
                    *dernier = numero;
                ecriture.ecrire(id++, numero++, f);
                resultat.ajoutees.push_back(i);
            }
            if (progression)
                progression(static_cast<int>(i + 1));
        }
        transaction.valider();
        return resultat;
    });
}

}  // namespace

BaseRecettes::BaseRecettes(sqlite::Database db, QString chemin) : db_(std::move(db)), chemin_(std::move(chemin))
{
    connue_ = empreinte(db_, chemin_);
}

BaseRecettes::~BaseRecettes() = default;

FormatFichier BaseRecettes::reconnaitre(const QString& chemin)
{
    const LectureFichier lecture = lireFichierRegulier(chemin, 100, true);
    if (lecture.absent)
        return FormatFichier::Absent;
    if (!lecture.lu)
        return FormatFichier::Inconnu;
    const QByteArray& entete = lecture.octets;
    if (entete.isEmpty())
        return FormatFichier::Vide;
    if (entete.startsWith(QByteArrayView("SQLite format 3\0", 16))) {
        if (entete.size() < 72)
            return FormatFichier::Sqlite;
        const auto octet = [&](int i) { return static_cast<std::uint32_t>(static_cast<unsigned char>(entete.at(i))); };
        const std::uint32_t id = octet(68) << 24 | octet(69) << 16 | octet(70) << 8 | octet(71);
        return id == static_cast<std::uint32_t>(kApplicationId) ? FormatFichier::Carnet : FormatFichier::Sqlite;
    }
    const QByteArray signature = entete.mid(4, 15);
    if (signature == "Standard Jet DB")
        return FormatFichier::Jet;
    if (signature == "Standard ACE DB")
        return FormatFichier::Ace;
    return FormatFichier::Inconnu;
}

std::unique_ptr<BaseRecettes> BaseRecettes::ouvrir(const QString& chemin)
{
    const QString f = guillemets(nom(chemin));
    // The engine writes through a link (its journal beside the target), out
    // of the folder the program lists, backs up and compacts: refused.
    if (QFileInfo(chemin).isSymLink())
        throw Echec(u"Le fichier "_s + f +
                    u" est un lien symbolique : il n'est pas ouvert, car les recettes seraient écrites ailleurs."
                    u" Placez la base elle-même dans le dossier du programme."_s);
    // Checked without blocking before the engine opens it by name: a FIFO
    // would hold the program forever.
    if (QFileInfo::exists(chemin))
        preciser([&] { verifierFichierRegulier(chemin); },
                 [&](const QString& raison) { return u"Le fichier "_s + f + u" ne peut pas être lu : "_s + raison + u"."_s; });
    // The engine reads a journal left beside the base the same way.
    for (const QString& suffixe : {u"-journal"_s, u"-wal"_s}) {
        const QFileInfo journal(chemin + suffixe);
        if (journal.isSymLink() || (journal.exists() && !journal.isFile()))
            throw Echec(u"Le fichier "_s + guillemets(journal.fileName()) +
                        u", à côté de la base, n'est pas un fichier ordinaire : la base n'est pas ouverte."_s);
    }
    switch (reconnaitre(chemin)) {
    case FormatFichier::Absent:
        throw Echec(u"Le fichier "_s + f + u" est introuvable."_s);
    case FormatFichier::Vide:
        throw Echec(u"Le fichier "_s + f + u" est vide : ce n'est pas une base de recettes."_s);
    case FormatFichier::Inconnu:
        throw Echec(u"Le fichier "_s + f + u" n'est pas une base de recettes."_s);
    case FormatFichier::Jet:
    case FormatFichier::Ace:
        throw Echec(u"Le fichier "_s + f +
                    u" est une base Microsoft Access : ce programme n'ouvre que ses propres bases de recettes."_s);
    case FormatFichier::Carnet:
    case FormatFichier::Sqlite:
        break;
    }
    return proteger(chemin, [&] {
        {
            sqlite::Database db(chemin, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOFOLLOW);
            configurer(db);
            if (verifierBase(db, chemin) == Forme::Actuelle)
                return std::unique_ptr<BaseRecettes>(new BaseRecettes(std::move(db), chemin));
            convertir(db, chemin);
        }
        sqlite::Database db(chemin, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOFOLLOW);
        configurer(db);
        if (verifierBase(db, chemin) != Forme::Actuelle)
            throw Echec(u"La base "_s + f + u" n'a pas pu être mise au format de cette version du programme."_s);
        return std::unique_ptr<BaseRecettes>(new BaseRecettes(std::move(db), chemin));
    });
}

void BaseRecettes::creer(const QString& chemin)
{
    const QString f = guillemets(nom(chemin));
    if (existe(chemin))
        throw Echec(u"Le fichier "_s + f + u" existe déjà."_s);
    const QFileInfo info(chemin);
    if (!info.absoluteDir().exists())
        throw Echec(u"Le dossier de la base "_s + f + u" n'existe pas."_s);

    // Built under a temporary name and renamed: no half-made base is ever
    // seen under the real name.
    const QString temporaire = info.absoluteDir().filePath(
        u"."_s + info.fileName() + u".creation-"_s + QString::number(QRandomGenerator::global()->generate(), 16) + u".tmp"_s);
    QFile vide(temporaire);
    if (!vide.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        throw Echec(u"La base "_s + f + u" n'a pas pu être créée : "_s + vide.errorString() + u"."_s);
    vide.close();
    try {
        {
            sqlite::Database db(temporaire, SQLITE_OPEN_READWRITE);
            configurer(db);
            db.executer(kSchema.c_str());
        }
        if (!synchroniser(temporaire, O_RDONLY))
            throw Echec(u"La base "_s + f + u" n'a pas pu être écrite sur le disque."_s);
        if (existe(chemin))
            throw Echec(u"Le fichier "_s + f + u" existe déjà."_s);
        if (::rename(QFile::encodeName(temporaire).constData(), QFile::encodeName(chemin).constData()) != 0)
            throw Echec(u"La base "_s + f + u" n'a pas pu être créée : "_s + QString::fromLocal8Bit(std::strerror(errno)) + u"."_s);
    } catch (const sqlite::Erreur& e) {
        supprimerTemporaire(temporaire);
        throw Echec(u"La base "_s + f + u" n'a pas pu être créée : "_s + QString::fromUtf8(e.what()) + u"."_s);
    } catch (...) {
        supprimerTemporaire(temporaire);
        throw;
    }
    synchroniserDossier(info.absolutePath());
}

void BaseRecettes::compacter(const QString& chemin, const QString& temporaire)
{
    const QString f = guillemets(nom(chemin));
    if (existe(temporaire))
        throw Echec(u"Un fichier "_s + guillemets(nom(temporaire)) +
                    u" reste d'une opération précédente : supprimez-le, puis recommencez le compactage. La base "_s + f +
                    u" n'a pas été modifiée."_s);
    const QString echec = u"Le compactage de la base "_s + f + u" a échoué ; elle n'a pas été modifiée.\n"_s;

    // The copy is written under a hidden name beside `temporaire`: a
    // compaction cut short (power cut, killed) must not leave a half copy
    // under a .mdb name, which the main menu would offer as a base and which
    // would block every later compaction. A copy left by such a run is ours
    // and worthless: it is removed first.
    const QFileInfo infoTemporaire(temporaire);
    const QString travail = infoTemporaire.absoluteDir().filePath(u"."_s + infoTemporaire.fileName() + u".compactage"_s);
    supprimerTemporaire(travail);

    auto base = ouvrir(chemin);
    try {
        const int nombre = base->compter();
        // A second connection holds the write lock from the copy to the
        // rename: a save by another program waits, then fails with a message,
        // rather than going into the file about to be replaced.
        sqlite::Database garde(chemin, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOFOLLOW);
        configurer(garde);
        sqlite::Transaction verrou(garde, sqlite::Transaction::Mode::Immediate);
        {
            sqlite::Statement st(base->db_, "VACUUM INTO ?1");
            st.lier(1, travail);
            st.etape();
        }
        if (ouvrir(travail)->compter() != nombre)
            throw Echec(u"La copie compactée ne contient pas toutes les recettes."_s);
        mettreEnPlace(travail, chemin, u"La copie compactée"_s);
    } catch (const sqlite::Erreur& e) {
        supprimerTemporaire(travail);
        throw Echec(echec + messageMoteur(e, chemin));
    } catch (const Echec& e) {
        supprimerTemporaire(travail);
        throw Echec(echec + e.message());
    }
    // remplacerParTemporaire synced the base's folder; the copy's, when another, is synced here.
    if (infoTemporaire.absolutePath() != QFileInfo(chemin).absolutePath())
        synchroniserDossier(infoTemporaire.absolutePath());
}

int BaseRecettes::compter()
{
    return proteger(chemin_, [&] {
        sqlite::Statement st(db_, "SELECT count(*) FROM Ordre");
        st.etape();
        return versInt(st.entier(0));
    });
}

int BaseRecettes::compterCategorie(const QString& code)
{
    return proteger(chemin_, [&] {
        sqlite::Statement st(db_, "SELECT count(*) FROM Fiche WHERE Categorie = ?1");
        st.lier(1, code);
        st.etape();
        return versInt(st.entier(0));
    });
}

std::vector<LigneFiche> BaseRecettes::listerCategorie(const QString& code)
{
    return proteger(chemin_, [&] {
        sqlite::Statement st(db_, "SELECT o.Numero, f.Titre FROM Fiche AS f JOIN Ordre AS o ON o.Id = f.Id"
                                  " WHERE f.Categorie = ?1 ORDER BY o.Numero, o.Id");
        st.lier(1, code);
        std::vector<LigneFiche> lignes;
        while (st.etape())
            lignes.push_back({versInt(st.entier(0)), st.texte(1)});
        return lignes;
    });
}

std::optional<Fiche> BaseRecettes::ficheAPosition(const QString& code, int position)
{
    if (position < 1)
        return std::nullopt;
    return proteger(chemin_, [&]() -> std::optional<Fiche> {
        sqlite::Statement st(db_, "SELECT f.Id FROM Fiche AS f JOIN Ordre AS o ON o.Id = f.Id"
                                  " WHERE f.Categorie = ?1 ORDER BY o.Numero, o.Id LIMIT 1 OFFSET ?2");
        st.lier(1, code);
        st.lier(2, std::int64_t{position} - 1);
        if (!st.etape())
            return std::nullopt;
        return ficheParId(db_, st.entier(0));
    });
}

std::optional<Fiche> BaseRecettes::premiereParTitre(const QString& code, const QString& titre, int* position)
{
    return proteger(chemin_, [&]() -> std::optional<Fiche> {
        // Positions are counted over the whole category (or table), then the
        // first row with the title is kept; without a position wanted, the
        // Titre index finds it.
        const char* sql = !code.isEmpty()
            ? "SELECT ligne, rang FROM (SELECT f.Id AS ligne, f.Titre AS t, ROW_NUMBER() OVER (ORDER BY o.Numero, o.Id) AS rang"
              " FROM Fiche AS f JOIN Ordre AS o ON o.Id = f.Id WHERE f.Categorie = ?2) WHERE t = ?1 ORDER BY rang LIMIT 1"
            : position
            ? "SELECT ligne, rang FROM (SELECT Id AS ligne, ROW_NUMBER() OVER (ORDER BY Numero, Id) AS rang FROM Ordre)"
              " JOIN Fiche AS f ON f.Id = ligne WHERE f.Titre = ?1 ORDER BY rang LIMIT 1"
            : "SELECT f.Id, 0 FROM Fiche AS f JOIN Ordre AS o ON o.Id = f.Id WHERE f.Titre = ?1 ORDER BY o.Numero, o.Id LIMIT 1";
        sqlite::Statement st(db_, sql);
        st.lier(1, titre);
        if (!code.isEmpty())
            st.lier(2, code);
        if (!st.etape())
            return std::nullopt;
        if (position)
            *position = versInt(st.entier(1));
        return ficheParId(db_, st.entier(0));
    });
}

std::optional<Fiche> BaseRecettes::ficheParNumero(int numero)
{
    return proteger(chemin_, [&]() -> std::optional<Fiche> {
        sqlite::Statement st(db_, "SELECT Id FROM Ordre WHERE Numero = ?1 ORDER BY Id LIMIT 1");
        st.lier(1, std::int64_t{numero});
        if (!st.etape())
            return std::nullopt;
        return ficheParId(db_, st.entier(0));
    });
}

std::optional<int> BaseRecettes::ajouter(const Fiche& fiche)
{
    std::int64_t numero = 0;
    if (ajouterFiches(db_, chemin_, connue_, denseDepuis_, {fiche}, {}, &numero).ajoutees.empty())
        return std::nullopt;
    return static_cast<int>(numero);
}

ResultatLot BaseRecettes::ajouterLot(const std::vector<Fiche>& fiches, const std::function<void(int)>& progression)
{
    return ajouterFiches(db_, chemin_, connue_, denseDepuis_, fiches, progression, nullptr);
}

std::optional<Fiche> BaseRecettes::modifier(int numero, const QString& titre, const Fiche& fiche)
{
    return proteger(chemin_, [&]() -> std::optional<Fiche> {
        Ecrire transaction(db_, chemin_, connue_);
        const auto id = carteVue(db_, numero, titre);
        if (!id)
            return std::nullopt;
        std::optional<Fiche> avant = ficheParId(db_, *id);
        // Bound as for an insertion; the category (?2) is never changed.
        sqlite::Statement courts(db_, "UPDATE Fiche SET Titre = ?3, TempPrepa = ?4, TempCuisson = ?5, Difficulte = ?6,"
                                      " Vin = ?7 WHERE Id = ?1");
        Ecriture::lierCourts(courts, fiche);
        courts.lier(1, *id);
        courts.etape();
        sqlite::Statement longs(db_, "UPDATE Texte SET Ingrediant = ?2, Preparation = ?3 WHERE Id = ?1");
        longs.lier(1, *id);
        longs.lier(2, fiche.ingrediant);
        longs.lier(3, fiche.preparation);
        longs.etape();
        transaction.valider();
        return avant;
    });
}

std::optional<QString> BaseRecettes::supprimer(int numero, const QString& titre)
{
    return proteger(chemin_, [&]() -> std::optional<QString> {
        Ecrire transaction(db_, chemin_, connue_);
        const auto id = carteVue(db_, numero, titre);
        if (!id)
            return std::nullopt;
        const bool numerotee = dense(db_, denseDepuis_);
        for (const char* sql : {"DELETE FROM Ordre WHERE Id = ?1", "DELETE FROM Fiche WHERE Id = ?1",
                                "DELETE FROM Texte WHERE Id = ?1"}) {
            sqlite::Statement st(db_, sql);
            st.lier(1, *id);
            st.etape();
        }
        if (numerotee) {
            // Table order is Id order: the rows after the deleted one move down by one.
            sqlite::Statement st(db_, "UPDATE Ordre SET Numero = Numero - 1 WHERE Id > ?1");
            st.lier(1, *id);
            st.etape();
        } else {
            // One set-based pass: the new numbers are computed before any row
            // changes; rows already in place are left alone.
            db_.executer("UPDATE Ordre SET Numero = r.rang"
                         " FROM (SELECT Id AS ligne, ROW_NUMBER() OVER (ORDER BY Numero, Id) AS rang FROM Ordre) AS r"
                         " WHERE Ordre.Id = r.ligne AND Ordre.Numero IS NOT r.rang");
        }
        transaction.valider();
        denseDepuis_ = versionDonnees(db_);
        return titre;
    });
}

std::vector<LigneTrouvee> BaseRecettes::chercherTitres(const QString& mot)
{
    return proteger(chemin_, [&] {
        // A word found in most titles would make the Titre index fetch each
        // row one by one; the short-field table is small enough to be read
        // straight through.
        sqlite::Statement st(db_, "SELECT o.Numero, f.Categorie, f.Titre FROM Fiche AS f NOT INDEXED"
                                  " JOIN Ordre AS o ON o.Id = f.Id WHERE instr(f.Titre, ?1) > 0 ORDER BY o.Numero, o.Id");
        st.lier(1, mot);
        std::vector<LigneTrouvee> lignes;
        while (st.etape())
            lignes.push_back({versInt(st.entier(0)), st.texte(1), st.texte(2)});
        return lignes;
    });
}

std::vector<LigneTrouvee> BaseRecettes::listerParCategories(const QStringList& codes)
{
    if (codes.isEmpty())
        return {};
    return proteger(chemin_, [&] {
        // The wanted order as a small table of (rank, code), every value bound.
        std::string sql = "WITH voulu(rang, code) AS (VALUES ";
        for (qsizetype i = 0; i < codes.size(); ++i) {
            const std::string n = std::to_string(2 * i + 1);
            sql += (i ? ", (?" : "(?") + n + ", ?" + std::to_string(2 * i + 2) + ")";
        }
        sql += ") SELECT o.Numero, f.Categorie, f.Titre FROM voulu JOIN Fiche AS f ON f.Categorie = voulu.code"
               " JOIN Ordre AS o ON o.Id = f.Id ORDER BY voulu.rang, o.Numero, o.Id";
        sqlite::Statement st(db_, sql.c_str());
        for (qsizetype i = 0; i < codes.size(); ++i) {
            st.lier(static_cast<int>(2 * i + 1), std::int64_t{i});
            st.lier(static_cast<int>(2 * i + 2), codes.at(i));
        }
        std::vector<LigneTrouvee> lignes;
        while (st.etape())
            lignes.push_back({versInt(st.entier(0)), st.texte(1), st.texte(2)});
        return lignes;
    });
}

std::vector<Fiche> BaseRecettes::toutesLesFiches()
{
    return proteger(chemin_, [&] {
        sqlite::Statement st(db_, "SELECT " CARNET_CHAMPS " FROM " CARNET_TABLES " ORDER BY o.Numero, o.Id");
        std::vector<Fiche> fiches;
        while (st.etape())
            fiches.push_back(lireFiche(st));
        return fiches;
    });
}

void BaseRecettes::importer(const std::vector<Fiche>& fiches)
{
    proteger(chemin_, [&] {
        Ecrire transaction(db_, chemin_, connue_);
        std::int64_t id = prochainId(db_);
        Ecriture ecriture(db_);
        for (const Fiche& f : fiches)
            ecriture.ecrire(id++, f.numero, f);
        transaction.valider();
        denseDepuis_.reset();
    });
}
