#include "store/baserecettes.h"

#include "platform/fichiers.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <sqlite3.h>

#include <algorithm>
#include <climits>
#include <cstring>
#include <string>

#include <fcntl.h>
#include <unistd.h>

using namespace Qt::Literals::StringLiterals;

ErreurBase::ErreurBase(const QString& message) : std::runtime_error(message.toStdString()), message_(message) {}

namespace {

constexpr std::array<const char*, 9> kChamps = {"Numero", "Categorie", "Titre", "TempPrepa", "TempCuisson",
                                               "Difficulte", "Ingrediant", "Preparation", "Vin"};

// The nine fields, in the order lireFiche expects them.
#define CARNET_CHAMPS "Numero, Categorie, Titre, TempPrepa, TempCuisson, Difficulte, Ingrediant, Preparation, Vin"

// One transaction for the whole schema, so a failure leaves an empty file.
// Durability: the rollback journal (journal_mode=DELETE) with synchronous=FULL
// keeps a base a single self-contained file between two writes. Users copy
// .mdb files around by hand; a -wal file beside the base would hold committed
// recipes and be left behind by such a copy.
const char* const kSchema =
    "PRAGMA journal_mode=DELETE;"
    "BEGIN;"
    "CREATE TABLE Cuisine (Numero INTEGER, Categorie TEXT, Titre TEXT, TempPrepa TEXT, TempCuisson TEXT,"
    " Difficulte TEXT, Ingrediant TEXT, Preparation TEXT, Vin TEXT);"
    "CREATE INDEX Cuisine_Categorie ON Cuisine (Categorie);"
    "CREATE INDEX Cuisine_Titre ON Cuisine (Titre);"
    "CREATE INDEX Cuisine_Numero ON Cuisine (Numero);"
    "PRAGMA application_id = 1129467476;"  // BaseRecettes::kApplicationId
    "PRAGMA user_version = 1;"             // BaseRecettes::kVersionSchema
    "COMMIT;";
static_assert(BaseRecettes::kApplicationId == 1129467476 && BaseRecettes::kVersionSchema == 1);

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
        throw ErreurBase(messageMoteur(e, chemin));
    }
}

int versInt(std::int64_t v)
{
    return static_cast<int>(std::clamp<std::int64_t>(v, INT_MIN, INT_MAX));
}

const char* const Insertion = "INSERT INTO Cuisine (" CARNET_CHAMPS ") VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9)";

// Binds a record to ?1..?9 in the order of CARNET_CHAMPS, under `numero`.
void lierFiche(sqlite::Statement& st, std::int64_t numero, const Fiche& f)
{
    st.lier(1, numero);
    st.lier(2, f.categorie);
    st.lier(3, f.titre);
    st.lier(4, f.tempPrepa);
    st.lier(5, f.tempCuisson);
    st.lier(6, f.difficulte);
    st.lier(7, f.ingrediant);
    st.lier(8, f.preparation);
    st.lier(9, f.vin);
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

// Every check reads; none writes, so a refused file keeps every byte.
void verifierBase(sqlite::Database& db, const QString& chemin)
{
    const QString f = guillemets(nom(chemin));

    if (sqlite3_db_readonly(db.get(), "main") == 1)
        throw ErreurBase(u"La base "_s + f + u" est en lecture seule : les recettes ne peuvent pas y être enregistrées."_s);
    const QString dossier = QFileInfo(chemin).absolutePath();
    // AT_EACCESS: the effective identity, the one the journal will be created with.
    if (::faccessat(AT_FDCWD, QFile::encodeName(dossier).constData(), W_OK, AT_EACCESS) != 0)
        throw ErreurBase(u"La base "_s + f +
                         u" est en lecture seule : son dossier n'accepte pas l'écriture, les recettes ne pourraient pas y être enregistrées."_s);

    {
        sqlite::Statement st(db, "PRAGMA quick_check(1)");
        if (!st.etape() || st.texte(0) != u"ok"_s)
            throw ErreurBase(u"La base "_s + f + u" est endommagée."_s);
    }
    {
        sqlite::Statement st(db, "PRAGMA application_id");
        st.etape();
        const bool notre = st.entier(0) == BaseRecettes::kApplicationId;
        sqlite::Statement version(db, "PRAGMA user_version");
        version.etape();
        if (notre && version.entier(0) > BaseRecettes::kVersionSchema)
            throw ErreurBase(u"La base "_s + f + u" a été créée par une version plus récente du programme."_s);
    }
    {
        sqlite::Statement st(db,
                             "SELECT type, sql FROM sqlite_schema"
                             " WHERE name = 'Cuisine' COLLATE NOCASE AND type IN ('table', 'view')");
        if (!st.etape())
            throw ErreurBase(u"Le fichier "_s + f + u" ne contient pas la table Cuisine : ce n'est pas une base de recettes."_s);
        if (st.texte(0) != u"table"_s || st.texte(1).trimmed().startsWith(u"CREATE VIRTUAL"_s, Qt::CaseInsensitive))
            throw ErreurBase(u"Dans le fichier "_s + f + u", Cuisine n'est pas une table ordinaire : ce n'est pas une base de recettes."_s);
    }
    {
        sqlite::Statement st(db, "SELECT 1 FROM sqlite_schema WHERE type = 'trigger' AND tbl_name = 'Cuisine' COLLATE NOCASE");
        if (st.etape())
            throw ErreurBase(u"La base "_s + f + u" porte un déclencheur sur la table Cuisine : elle est refusée par prudence."_s);
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
                throw ErreurBase(u"Dans la base "_s + f + u", la table Cuisine n'a pas la colonne "_s +
                                 QLatin1StringView(champ) + u"."_s);
        }
        // Table order is numeric: a text Numero would sort 10 before 2.
        if (affiniteTexte(typeNumero))
            throw ErreurBase(u"Dans la base "_s + f + u", la colonne Numero de la table Cuisine n'est pas numérique."_s);
    }
    try {
        sqlite::Statement st(db, "SELECT rowid, " CARNET_CHAMPS " FROM Cuisine LIMIT 0");
    } catch (const sqlite::Erreur&) {
        throw ErreurBase(u"Dans la base "_s + f + u", la table Cuisine n'a pas la forme attendue."_s);
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
}

}  // namespace

BaseRecettes::BaseRecettes(sqlite::Database db, QString chemin) : db_(std::move(db)), chemin_(std::move(chemin)) {}

BaseRecettes::~BaseRecettes() = default;

FormatFichier BaseRecettes::reconnaitre(const QString& chemin)
{
    const QFileInfo info(chemin);
    if (!info.exists())
        return FormatFichier::Absent;
    QFile fichier(chemin);
    if (info.isDir() || !fichier.open(QIODevice::ReadOnly))
        return FormatFichier::Inconnu;
    const QByteArray entete = fichier.read(100);
    if (entete.isEmpty())
        return fichier.size() == 0 ? FormatFichier::Vide : FormatFichier::Inconnu;
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
    if (QFileInfo(chemin).isFile()) {
        QFile lecture(chemin);
        if (!lecture.open(QIODevice::ReadOnly))
            throw ErreurBase(u"Le fichier "_s + f + u" ne peut pas être lu : "_s + lecture.errorString() + u"."_s);
    }
    switch (reconnaitre(chemin)) {
    case FormatFichier::Absent:
        throw ErreurBase(u"Le fichier "_s + f + u" est introuvable."_s);
    case FormatFichier::Vide:
        throw ErreurBase(u"Le fichier "_s + f + u" est vide : ce n'est pas une base de recettes."_s);
    case FormatFichier::Inconnu:
        throw ErreurBase(u"Le fichier "_s + f + u" n'est pas une base de recettes."_s);
    case FormatFichier::Jet:
    case FormatFichier::Ace:
        throw ErreurBase(u"Le fichier "_s + f +
                         u" est une base Microsoft Access : ce programme n'ouvre que ses propres bases de recettes."_s);
    case FormatFichier::Carnet:
    case FormatFichier::Sqlite:
        break;
    }
    return proteger(chemin, [&] {
        sqlite::Database db(chemin, SQLITE_OPEN_READWRITE);
        configurer(db);
        verifierBase(db, chemin);
        return std::unique_ptr<BaseRecettes>(new BaseRecettes(std::move(db), chemin));
    });
}

void BaseRecettes::creer(const QString& chemin)
{
    const QString f = guillemets(nom(chemin));
    if (existe(chemin))
        throw ErreurBase(u"Le fichier "_s + f + u" existe déjà."_s);
    const QFileInfo info(chemin);
    if (!info.absoluteDir().exists())
        throw ErreurBase(u"Le dossier de la base "_s + f + u" n'existe pas."_s);

    // Built under a temporary name and renamed: no half-made base is ever
    // seen under the real name.
    const QString temporaire = info.absoluteDir().filePath(
        u"."_s + info.fileName() + u".creation-"_s + QString::number(QRandomGenerator::global()->generate(), 16) + u".tmp"_s);
    QFile vide(temporaire);
    if (!vide.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        throw ErreurBase(u"La base "_s + f + u" n'a pas pu être créée : "_s + vide.errorString() + u"."_s);
    vide.close();
    try {
        {
            sqlite::Database db(temporaire, SQLITE_OPEN_READWRITE);
            configurer(db);
            db.executer(kSchema);
        }
        if (!synchroniser(temporaire, O_RDONLY))
            throw ErreurBase(u"La base "_s + f + u" n'a pas pu être écrite sur le disque."_s);
        if (existe(chemin))
            throw ErreurBase(u"Le fichier "_s + f + u" existe déjà."_s);
        if (::rename(QFile::encodeName(temporaire).constData(), QFile::encodeName(chemin).constData()) != 0)
            throw ErreurBase(u"La base "_s + f + u" n'a pas pu être créée : "_s + QString::fromLocal8Bit(std::strerror(errno)) + u"."_s);
    } catch (const sqlite::Erreur& e) {
        supprimerTemporaire(temporaire);
        throw ErreurBase(u"La base "_s + f + u" n'a pas pu être créée : "_s + QString::fromUtf8(e.what()) + u"."_s);
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
        throw ErreurBase(u"Un fichier "_s + guillemets(nom(temporaire)) +
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

    int nombre = 0;
    {
        auto base = ouvrir(chemin);
        nombre = base->compter();
        try {
            sqlite::Statement st(base->db_, "VACUUM INTO ?1");
            st.lier(1, travail);
            st.etape();
        } catch (const sqlite::Erreur& e) {
            supprimerTemporaire(travail);
            throw ErreurBase(echec + messageMoteur(e, chemin));
        }
    }
    // A symbolic link to the base stays a link: the real file is replaced.
    const QString cible = QFileInfo(chemin).canonicalFilePath().isEmpty() ? chemin : QFileInfo(chemin).canonicalFilePath();
    try {
        if (ouvrir(travail)->compter() != nombre)
            throw ErreurBase(u"La copie compactée ne contient pas toutes les recettes."_s);
        QFile::setPermissions(travail, QFile::permissions(cible));  // keep the base's modes; not worth failing over
        if (!synchroniser(travail, O_RDONLY))
            throw ErreurBase(u"La copie compactée n'a pas pu être écrite sur le disque."_s);
        if (::rename(QFile::encodeName(travail).constData(), QFile::encodeName(cible).constData()) != 0)
            throw ErreurBase(u"Le remplacement de la base a échoué : "_s + QString::fromLocal8Bit(std::strerror(errno)) + u"."_s);
    } catch (const ErreurBase& e) {
        supprimerTemporaire(travail);
        throw ErreurBase(echec + e.message());
    }
    synchroniserDossier(QFileInfo(cible).absolutePath());
    if (infoTemporaire.absolutePath() != QFileInfo(cible).absolutePath())
        synchroniserDossier(infoTemporaire.absolutePath());
}

int BaseRecettes::compter()
{
    return proteger(chemin_, [&] {
        sqlite::Statement st(db_, "SELECT count(*) FROM Cuisine");
        st.etape();
        return versInt(st.entier(0));
    });
}

int BaseRecettes::compterCategorie(const QString& code)
{
    return proteger(chemin_, [&] {
        sqlite::Statement st(db_, "SELECT count(*) FROM Cuisine WHERE Categorie = ?1");
        st.lier(1, code);
        st.etape();
        return versInt(st.entier(0));
    });
}

std::vector<LigneFiche> BaseRecettes::listerCategorie(const QString& code)
{
    return proteger(chemin_, [&] {
        sqlite::Statement st(db_, "SELECT Numero, Titre FROM Cuisine WHERE Categorie = ?1 ORDER BY Numero, rowid");
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
        // The sort carries the row numbers only, not every field of the category.
        sqlite::Statement st(db_, "SELECT " CARNET_CHAMPS " FROM Cuisine WHERE rowid = (SELECT rowid FROM Cuisine"
                                  " WHERE Categorie = ?1 ORDER BY Numero, rowid LIMIT 1 OFFSET ?2)");
        st.lier(1, code);
        st.lier(2, std::int64_t{position} - 1);
        if (!st.etape())
            return std::nullopt;
        return lireFiche(st);
    });
}

std::optional<Fiche> BaseRecettes::premiereParTitre(const QString& code, const QString& titre, int* position)
{
    return proteger(chemin_, [&]() -> std::optional<Fiche> {
        // Positions are counted over the whole category (or table), then the
        // first row with the title is kept.
        // The window reads only the narrow columns; the long texts are read
        // for the one row kept.
        const char* sql = code.isEmpty()
            ? "SELECT " CARNET_CHAMPS ", rang FROM Cuisine JOIN (SELECT rowid AS ligne, Titre AS t,"
              " ROW_NUMBER() OVER (ORDER BY Numero, rowid) AS rang FROM Cuisine) ON Cuisine.rowid = ligne"
              " WHERE t = ?1 ORDER BY rang LIMIT 1"
            : "SELECT " CARNET_CHAMPS ", rang FROM Cuisine JOIN (SELECT rowid AS ligne, Titre AS t,"
              " ROW_NUMBER() OVER (ORDER BY Numero, rowid) AS rang FROM Cuisine WHERE Categorie = ?2) ON Cuisine.rowid = ligne"
              " WHERE t = ?1 ORDER BY rang LIMIT 1";
        sqlite::Statement st(db_, sql);
        st.lier(1, titre);
        if (!code.isEmpty())
            st.lier(2, code);
        if (!st.etape())
            return std::nullopt;
        if (position)
            *position = versInt(st.entier(9));
        return lireFiche(st);
    });
}

std::optional<Fiche> BaseRecettes::ficheParNumero(int numero)
{
    return proteger(chemin_, [&]() -> std::optional<Fiche> {
        sqlite::Statement st(db_, "SELECT " CARNET_CHAMPS " FROM Cuisine WHERE Numero = ?1 ORDER BY rowid LIMIT 1");
        st.lier(1, std::int64_t{numero});
        if (!st.etape())
            return std::nullopt;
        return lireFiche(st);
    });
}

namespace {

// The body of ajouter, inside the caller's transaction.
std::optional<int> ajouterDans(sqlite::Database& db, const QString& chemin, const Fiche& fiche)
{
    std::int64_t numero = 1;
    {
        sqlite::Statement dernier(db, "SELECT Numero FROM Cuisine ORDER BY Numero DESC, rowid DESC LIMIT 1");
        if (dernier.etape())
            numero = std::max<std::int64_t>(dernier.entier(0), 0) + 1;
    }
    if (numero > INT_MAX)
        throw ErreurBase(u"La base "_s + guillemets(nom(chemin)) + u" ne peut pas recevoir plus de recettes."_s);
    {
        sqlite::Statement doublon(db, "SELECT 1 FROM Cuisine WHERE Titre = ?1 LIMIT 1");
        doublon.lier(1, fiche.titre);
        if (doublon.etape())
            return std::nullopt;
    }
    sqlite::Statement ajout(db, Insertion);
    lierFiche(ajout, numero, fiche);
    ajout.etape();
    return static_cast<int>(numero);
}

}  // namespace

std::optional<int> BaseRecettes::ajouter(const Fiche& fiche)
{
    return proteger(chemin_, [&]() -> std::optional<int> {
        sqlite::Transaction transaction(db_);
        const std::optional<int> numero = ajouterDans(db_, chemin_, fiche);
        if (numero)
            transaction.valider();
        return numero;
    });
}

ResultatLot BaseRecettes::ajouterLot(const std::vector<Fiche>& fiches, const std::function<void(int)>& progression)
{
    return proteger(chemin_, [&] {
        sqlite::Transaction transaction(db_);
        ResultatLot resultat;
        for (std::size_t i = 0; i < fiches.size(); ++i) {
            if (ajouterDans(db_, chemin_, fiches[i]))
                ++resultat.ajoutees;
            else
                resultat.dejaPresentes.append(fiches[i].titre);
            if (progression)
                progression(static_cast<int>(i + 1));
        }
        transaction.valider();
        return resultat;
    });
}

bool BaseRecettes::modifier(int numero, const Fiche& fiche)
{
    return proteger(chemin_, [&] {
        // Bound as for an insertion; the category (?2) is never changed.
        sqlite::Statement st(db_,
                             "UPDATE Cuisine SET Titre = ?3, TempPrepa = ?4, TempCuisson = ?5, Difficulte = ?6,"
                             " Ingrediant = ?7, Preparation = ?8, Vin = ?9"
                             " WHERE rowid = (SELECT rowid FROM Cuisine WHERE Numero = ?1 ORDER BY rowid LIMIT 1)");
        lierFiche(st, numero, fiche);
        st.etape();
        return db_.modifications() > 0;
    });
}

std::optional<QString> BaseRecettes::supprimer(int numero)
{
    return proteger(chemin_, [&]() -> std::optional<QString> {
        sqlite::Transaction transaction(db_);
        std::int64_t ligne = 0;
        QString titre;
        {
            sqlite::Statement st(db_, "SELECT rowid, Titre FROM Cuisine WHERE Numero = ?1 ORDER BY rowid LIMIT 1");
            st.lier(1, std::int64_t{numero});
            if (!st.etape())
                return std::nullopt;
            ligne = st.entier(0);
            titre = st.texte(1);
        }
        {
            sqlite::Statement st(db_, "DELETE FROM Cuisine WHERE rowid = ?1");
            st.lier(1, ligne);
            st.etape();
        }
        // One set-based pass: the new numbers are computed over the whole
        // table before any row changes; rows already in place are left alone.
        db_.executer("UPDATE Cuisine SET Numero = ordre.rang"
                     " FROM (SELECT rowid AS ligne, ROW_NUMBER() OVER (ORDER BY Numero, rowid) AS rang FROM Cuisine) AS ordre"
                     " WHERE Cuisine.rowid = ordre.ligne AND Cuisine.Numero IS NOT ordre.rang");
        transaction.valider();
        return titre;
    });
}

std::vector<LigneTrouvee> BaseRecettes::chercherTitres(const QString& mot)
{
    return proteger(chemin_, [&] {
        // The titles are scanned in the Titre index, a small fraction of the
        // table; only the rows found are read.
        sqlite::Statement st(db_, "SELECT Numero, Categorie, Titre FROM Cuisine WHERE rowid IN"
                                  " (SELECT rowid FROM Cuisine WHERE instr(Titre, ?1) > 0) ORDER BY Numero, rowid");
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
        std::string sql = "WITH ordre(rang, code) AS (VALUES ";
        for (qsizetype i = 0; i < codes.size(); ++i) {
            const std::string n = std::to_string(2 * i + 1);
            sql += (i ? ", (?" : "(?") + n + ", ?" + std::to_string(2 * i + 2) + ")";
        }
        sql += ") SELECT c.Numero, c.Categorie, c.Titre FROM ordre JOIN Cuisine AS c ON c.Categorie = ordre.code"
               " ORDER BY ordre.rang, c.Numero, c.rowid";
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
        sqlite::Statement st(db_, "SELECT " CARNET_CHAMPS " FROM Cuisine ORDER BY Numero, rowid");
        std::vector<Fiche> fiches;
        while (st.etape())
            fiches.push_back(lireFiche(st));
        return fiches;
    });
}

void BaseRecettes::importer(const std::vector<Fiche>& fiches)
{
    proteger(chemin_, [&] {
        sqlite::Transaction transaction(db_);
        sqlite::Statement ajout(db_, Insertion);
        for (const Fiche& f : fiches) {
            lierFiche(ajout, f.numero, f);
            ajout.etape();
            ajout.reinitialiser();
        }
        transaction.valider();
    });
}
