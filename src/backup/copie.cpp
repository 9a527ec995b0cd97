#include "backup/copie.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>

#include <sqlite3.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdio>

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
    if (!QFileInfo::exists(chemin + u"-journal"_s))
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

// A new file beside `cible`, named after it so a temporary left by a killed
// copy is recognised, and not matching any pattern the backup copies.
int creerTemporaire(const QString& cible, QString& nom)
{
    for (int essai = 0; essai < 16; ++essai) {
        nom = u"%1.carnet-%2"_s.arg(cible, QString::number(QRandomGenerator::global()->generate(), 36));
        const int fd = ::open(octets(nom).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

}  // namespace

bool Copieur::estTemporaire(const QString& nom)
{
    static const QRegularExpression motif(u"\\.carnet-[0-9a-z]+$"_s);
    return motif.match(nom).hasMatch();
}

Copieur::~Copieur()
{
    abandonner();
}

std::optional<QString> Copieur::descripteurDossier(const QString& dossier)
{
    const auto connu = std::find_if(dossiers_.begin(), dossiers_.end(), [&](const auto& d) { return d.first == dossier; });
    if (connu != dossiers_.end())
        return std::nullopt;
    const int fd = ::open(octets(dossier).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return u"ECRITURE IMPOSSIBLE DANS %1 (DOSSIER PROTEGE ?)"_s.arg(natif(dossier));
    dossiers_.emplace_back(dossier, fd);
    return std::nullopt;
}

std::optional<QString> Copieur::preparer(const QString& source, const QString& cible)
{
    const auto echec = [this](const QString& raison) {
        abandonner();
        return std::optional<QString>(raison);
    };
    // The source is copied whole, and the target's old journal must not be
    // played over the new file at its next opening.
    retablirBase(source);
    retablirBase(cible);
    Descripteur entree(::open(octets(source).constData(), O_RDONLY | O_CLOEXEC));
    struct stat etat {};
    if (entree.get() < 0 || ::fstat(entree.get(), &etat) != 0 || !S_ISREG(etat.st_mode))
        return echec(u"LECTURE IMPOSSIBLE DE %1"_s.arg(natif(source)));
    if (const auto erreur = descripteurDossier(QFileInfo(cible).absolutePath()))
        return echec(*erreur);
    QString temporaire;
    Descripteur sortie(creerTemporaire(cible, temporaire));
    if (sortie.get() < 0)
        return echec(u"ECRITURE IMPOSSIBLE DANS %1 (DOSSIER PROTEGE ?)"_s.arg(natif(cible)));
    // Listed at once, so that a failure below removes it with the others.
    attentes_.push_back({temporaire, cible});

    for (qint64 reste = etat.st_size; reste > 0;) {
        const qint64 copies = copierBloc(entree.get(), sortie.get(), std::min(reste, TailleBloc));
        if (copies < 0)
            return echec(u"ECRITURE INTERROMPUE DE %1 (DISQUE PLEIN ?)"_s.arg(natif(cible)));
        if (copies == 0)  // the source got shorter since
            break;
        reste -= copies;
    }
    if (!sortie.fermer())
        return echec(u"ECRITURE IMPOSSIBLE DE %1 (DISQUE PLEIN ?)"_s.arg(natif(cible)));
    return std::nullopt;
}

std::optional<QString> Copieur::valider()
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
            return raison;
        }
    }
    for (std::size_t i = 0; i < attentes_.size(); ++i) {
        if (::rename(octets(attentes_[i].temporaire).constData(), octets(attentes_[i].cible).constData()) != 0) {
            const QString raison = u"ECRITURE IMPOSSIBLE DE %1"_s.arg(natif(attentes_[i].cible));
            // Those renamed stay new, the others old.
            attentes_.erase(attentes_.begin(), attentes_.begin() + static_cast<std::ptrdiff_t>(i));
            abandonner();
            return raison;
        }
    }
    attentes_.clear();
    // The renames themselves on the disk.
    std::optional<QString> raison;
    for (const auto& [dossier, fd] : dossiers_) {
        if (!raison && ::fsync(fd) != 0)
            raison = u"ECRITURE IMPOSSIBLE DANS %1 (DISQUE PLEIN ?)"_s.arg(natif(dossier));
    }
    abandonner();  // closes the folders
    return raison;
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

std::optional<QString> Copieur::copier(const QString& source, const QString& cible)
{
    if (auto erreur = preparer(source, cible))
        return erreur;
    return valider();
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
