#include "backup/copie.h"

#include "platform/fichiers.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <sqlite3.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cerrno>
#include <cstdio>
#include <thread>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::Literals::StringLiterals;

namespace {

// Large blocks: the kernel copies them without going through user space.
constexpr qint64 TailleBloc = 8 << 20;

// A base whose last write was cut short (power cut, crash) is only whole
// together with its "-journal", which a copy of the file alone leaves
// behind. Any read by the engine plays the journal back and removes it.
void retablirBase(const QString& chemin)
{
    // Never through a link: the journal would be played into its target.
    struct stat etat {};
    if (::lstat(QFile::encodeName(chemin).constData(), &etat) != 0 || !S_ISREG(etat.st_mode)
        || !QFileInfo::exists(chemin + u"-journal"_s))
        return;
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(QFile::encodeName(chemin).constData(), &db, SQLITE_OPEN_READWRITE, nullptr) == SQLITE_OK) {
        sqlite3_db_config(db, SQLITE_DBCONFIG_DEFENSIVE, 1, nullptr);
        sqlite3_exec(db, "PRAGMA schema_version", nullptr, nullptr, nullptr);
    }
    sqlite3_close(db);
}

QString natif(const QString& chemin)
{
    return QDir::toNativeSeparators(chemin);
}

QByteArray octets(const QString& chemin)
{
    return QFile::encodeName(chemin);
}

// Closes on every path out.
class Descripteur {
public:
    explicit Descripteur(int fd) : fd_(fd) {}
    Descripteur(const Descripteur&) = delete;
    Descripteur& operator=(const Descripteur&) = delete;
    ~Descripteur()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    int get() const { return fd_; }
    // Closes now: a write the file system only reports at close is a failure.
    bool fermer()
    {
        const int fd = std::exchange(fd_, -1);
        return ::close(fd) == 0;
    }

private:
    int fd_;
};

// A regular file opened for reading; a FIFO or a device is never opened
// in a way that blocks. -1 for anything else.
int ouvrirOrdinaire(const QString& chemin, bool suivreLien)
{
    const int fd = ::open(octets(chemin).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | (suivreLien ? 0 : O_NOFOLLOW));
    struct stat etat {};
    if (fd >= 0 && (::fstat(fd, &etat) != 0 || !S_ISREG(etat.st_mode))) {
        ::close(fd);
        return -1;
    }
    return fd;
}

bool estBase(int fd)
{
    std::array<char, 16> entete{};
    return ::pread(fd, entete.data(), entete.size(), 0) == static_cast<ssize_t>(entete.size())
        && std::equal(entete.begin(), entete.end(), "SQLite format 3");
}

// A read transaction on a base: while it is held no writer can change the
// file, so a copy of its bytes is one consistent state. Opening it also plays
// back the journal of a write that was cut short.
class LectureBase {
public:
    explicit LectureBase(const QString& chemin)
    {
        const QByteArray nom = octets(chemin);
        for (const int mode : {SQLITE_OPEN_READWRITE, SQLITE_OPEN_READONLY}) {
            if (sqlite3_open_v2(nom.constData(), &db_, mode, nullptr) == SQLITE_OK)
                break;
            sqlite3_close(db_);
            db_ = nullptr;
        }
        if (!db_)
            return;
        sqlite3_db_config(db_, SQLITE_DBCONFIG_DEFENSIVE, 1, nullptr);
        // A writer that commits again and again leaves only short gaps: look
        // every millisecond (the engine's own waits grow to 100 ms and miss
        // them), for up to 15 s.
        sqlite3_busy_handler(
            db_,
            [](void*, int essais) {
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
                return essais < 15000 ? 1 : 0;
            },
            nullptr);
        sqlite3_exec(db_, "PRAGMA wal_checkpoint(TRUNCATE)", nullptr, nullptr, nullptr);
        tenue_ = sqlite3_exec(db_, "BEGIN; SELECT count(*) FROM sqlite_master", nullptr, nullptr, nullptr) == SQLITE_OK;
    }
    LectureBase(const LectureBase&) = delete;
    LectureBase& operator=(const LectureBase&) = delete;
    ~LectureBase() { sqlite3_close_v2(db_); }  // ends the transaction
    bool tenue() const { return tenue_; }

private:
    sqlite3* db_ = nullptr;
    bool tenue_ = false;
};

// What the engine's quick check says of a copied base: nothing when whole.
std::optional<QString> defautBase(const QString& chemin)
{
    sqlite3* db = nullptr;
    QString defaut = u"ILLISIBLE"_s;
    if (sqlite3_open_v2(octets(chemin).constData(), &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK) {
        // The base may come from anyone: nothing of its schema runs here.
        sqlite3_db_config(db, SQLITE_DBCONFIG_DEFENSIVE, 1, nullptr);
        sqlite3_exec(db, "PRAGMA trusted_schema=OFF; PRAGMA ignore_check_constraints=ON", nullptr, nullptr, nullptr);
        sqlite3_stmt* st = nullptr;
        if (sqlite3_prepare_v2(db, "PRAGMA quick_check(1)", -1, &st, nullptr) == SQLITE_OK && sqlite3_step(st) == SQLITE_ROW)
            defaut = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, 0)));
        else
            defaut = QString::fromUtf8(sqlite3_errmsg(db));
        sqlite3_finalize(st);
    }
    sqlite3_close(db);
    if (defaut == u"ok"_s)
        return std::nullopt;
    return defaut;
}

}  // namespace

bool Copieur::estTemporaire(const QString& nom)
{
    static const QRegularExpression motif(u"\\.carnet-[0-9a-z]+$"_s);
    return motif.match(nom).hasMatch();
}

void Copieur::nettoyerTemporaires(const QString& dossier)
{
    const QDir d(dossier);
    for (const QString& nom : d.entryList(QDir::Files | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot)) {
        struct stat etat {};
        const QByteArray chemin = octets(d.filePath(nom));
        if (estTemporaire(nom) && ::lstat(chemin.constData(), &etat) == 0 && (S_ISREG(etat.st_mode) || S_ISLNK(etat.st_mode)))
            ::unlink(chemin.constData());
    }
}

std::optional<QByteArray> Copieur::lireFichier(const QString& chemin, qint64 tailleMax)
{
    Descripteur fd(ouvrirOrdinaire(chemin, true));
    struct stat etat {};
    if (fd.get() < 0 || ::fstat(fd.get(), &etat) != 0 || etat.st_size > tailleMax)
        return std::nullopt;
    QByteArray lu(static_cast<qsizetype>(etat.st_size), '\0');
    qsizetype total = 0;
    while (total < lu.size()) {
        const ssize_t n = ::read(fd.get(), lu.data() + total, static_cast<std::size_t>(lu.size() - total));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return std::nullopt;
        if (n == 0)
            break;
        total += n;
    }
    lu.truncate(total);
    return lu;
}

Copieur::~Copieur()
{
    abandonner();
}

void Copieur::descripteurDossier(const QString& dossier)
{
    const auto connu = std::find_if(dossiers_.begin(), dossiers_.end(), [&](const auto& d) { return d.first == dossier; });
    if (connu != dossiers_.end())
        return;
    const int fd = ::open(octets(dossier).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        abandonner();
        throw Echec(u"ECRITURE IMPOSSIBLE DANS %1 (DOSSIER PROTEGE ?)"_s.arg(natif(dossier)));
    }
    dossiers_.emplace_back(dossier, fd);
}

void Copieur::preparer(const QString& source, const QString& cible, bool suivreLien)
{
    const auto echec = [this](const QString& raison) {
        abandonner();
        throw Echec(raison);
    };
    // The target's old journal must not be played over the new file at its
    // next opening.
    retablirBase(cible);
    Descripteur entree(ouvrirOrdinaire(source, suivreLien));
    if (entree.get() < 0)
        throw EchecSource(u"LECTURE IMPOSSIBLE DE %1 (ABSENT, ILLISIBLE, LIEN OU FICHIER SPECIAL)"_s.arg(natif(source)));
    std::optional<LectureBase> lecture;
    if (estBase(entree.get())) {
        lecture.emplace(source);
        if (!lecture->tenue())
            throw EchecSource(u"LA BASE %1 N'A PAS PU ETRE LUE (OCCUPEE PAR UN AUTRE PROGRAMME OU ENDOMMAGEE)"_s.arg(natif(source)));
    }
    // Measured once the base can no longer change.
    struct stat etat {};
    if (::fstat(entree.get(), &etat) != 0)
        throw EchecSource(u"LECTURE IMPOSSIBLE DE %1"_s.arg(natif(source)));
    descripteurDossier(QFileInfo(cible).absolutePath());
    QString temporaire;
    Descripteur sortie(ouvrirTemporaire(cible, temporaire));
    if (sortie.get() < 0)
        echec(u"ECRITURE IMPOSSIBLE DANS %1 (DOSSIER PROTEGE ?)"_s.arg(natif(cible)));
    // Listed at once, so that a failure below removes it with the others.
    attentes_.push_back({temporaire, cible});

    for (qint64 reste = etat.st_size; reste > 0;) {
        const qint64 copies = copierBloc(entree.get(), sortie.get(), std::min(reste, TailleBloc));
        if (copies < 0)
            echec(u"ECRITURE INTERROMPUE DE %1 (DISQUE PLEIN ?)"_s.arg(natif(cible)));
        if (copies == 0)  // the source got shorter since
            break;
        reste -= copies;
    }
    if (!sortie.fermer())
        echec(u"ECRITURE IMPOSSIBLE DE %1 (DISQUE PLEIN ?)"_s.arg(natif(cible)));
    if (lecture) {
        lecture.reset();
        if (const std::optional<QString> defaut = defautBase(temporaire)) {
            ::unlink(octets(temporaire).constData());
            attentes_.pop_back();
            throw EchecSource(u"LA BASE %1 EST ENDOMMAGEE (%2)"_s.arg(natif(source), *defaut));
        }
    }
}

void Copieur::valider()
{
    // One flush per file system holds every file of the batch on the disk
    // before any target is replaced.
    std::vector<dev_t> vus;
    for (const auto& [dossier, fd] : dossiers_) {
        struct stat etat {};
        if (::fstat(fd, &etat) == 0 && std::find(vus.begin(), vus.end(), etat.st_dev) != vus.end())
            continue;
        vus.push_back(etat.st_dev);
        if (::syncfs(fd) != 0) {
            const QString raison = u"ECRITURE IMPOSSIBLE SUR LE DISQUE DE %1 (DISQUE PLEIN ?)"_s.arg(natif(dossier));
            abandonner();
            throw Echec(raison);
        }
    }
    for (std::size_t i = 0; i < attentes_.size(); ++i) {
        if (::rename(octets(attentes_[i].temporaire).constData(), octets(attentes_[i].cible).constData()) != 0) {
            const QString raison = u"ECRITURE IMPOSSIBLE DE %1"_s.arg(natif(attentes_[i].cible));
            // Those renamed stay new, the others old.
            attentes_.erase(attentes_.begin(), attentes_.begin() + static_cast<std::ptrdiff_t>(i));
            abandonner();
            throw Echec(raison);
        }
    }
    attentes_.clear();
    // The renames themselves on the disk.
    QString raison;
    for (const auto& [dossier, fd] : dossiers_) {
        if (raison.isEmpty() && ::fsync(fd) != 0)
            raison = u"ECRITURE IMPOSSIBLE DANS %1 (DISQUE PLEIN ?)"_s.arg(natif(dossier));
    }
    abandonner();  // closes the folders
    if (!raison.isEmpty())
        throw Echec(raison);
}

void Copieur::abandonner()
{
    for (const Attente& a : attentes_)
        ::unlink(octets(a.temporaire).constData());
    attentes_.clear();
    for (const auto& d : dossiers_)
        ::close(d.second);
    dossiers_.clear();
}

void Copieur::copier(const QString& source, const QString& cible)
{
    try {
        preparer(source, cible);
    } catch (const Echec&) {
        abandonner();
        throw;
    }
    valider();
}

qint64 Copieur::copierBloc(int entree, int sortie, qint64 taille)
{
    for (;;) {
        const ssize_t copies = ::copy_file_range(entree, nullptr, sortie, nullptr, static_cast<size_t>(taille), 0);
        if (copies >= 0)
            return copies;
        if (errno == EINTR)
            continue;
        // Between two file systems (a USB key) or where the kernel cannot:
        // through a buffer.
        if (errno != EXDEV && errno != EINVAL && errno != ENOSYS && errno != EOPNOTSUPP)
            return -1;
        break;
    }
    std::array<char, 1 << 16> tampon{};
    ssize_t lus = 0;
    do
        lus = ::read(entree, tampon.data(), std::min(static_cast<std::size_t>(taille), tampon.size()));
    while (lus < 0 && errno == EINTR);
    if (lus <= 0)
        return lus;
    for (ssize_t ecrits = 0; ecrits < lus;) {
        const ssize_t n = ::write(sortie, tampon.data() + ecrits, static_cast<std::size_t>(lus - ecrits));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return -1;
        ecrits += n;
    }
    return lus;
}
