#include "platform/fichiers.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <utility>
#include <vector>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::Literals::StringLiterals;

namespace {

bool avantSansCasse(const QString& a, const QString& b)
{
    const int c = a.compare(b, Qt::CaseInsensitive);
    return c != 0 ? c < 0 : a < b;  // ties in a stable, case-sensitive order
}

// Every entry of the folder, hidden ones included (".mdb" is a name too).
QStringList entrees(const QDir& dossier, QDir::Filters genre)
{
    QStringList noms = dossier.entryList(genre | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::NoSort);
    std::sort(noms.begin(), noms.end(), avantSansCasse);
    return noms;
}

// The entry of `dossier` named `nom` in another letter case, the first by
// name when there are several. Read straight from the folder, without sorting
// or examining every entry: the photographs' folder holds thousands.
QString entreeSansCasse(const QString& dossier, const QString& nom)
{
    DIR* d = ::opendir(QFile::encodeName(dossier).constData());
    if (!d)
        return {};
    QString trouve;
    while (const dirent* e = ::readdir(d)) {
        if (std::strcmp(e->d_name, ".") == 0 || std::strcmp(e->d_name, "..") == 0)
            continue;
        const QString n = QFile::decodeName(e->d_name);
        if (n.size() == nom.size() && n.compare(nom, Qt::CaseInsensitive) == 0
            && (trouve.isEmpty() || avantSansCasse(n, trouve)))
            trouve = n;
    }
    ::closedir(d);
    return trouve;
}

QString raison(int erreur)
{
    switch (erreur) {
    case ENOENT:
    case ENOTDIR:
        return u"il est introuvable"_s;
    case EACCES:
    case EPERM:
        return u"l'accès est refusé"_s;
    case EROFS:
        return u"le disque est en lecture seule"_s;
    case ENOSPC:
    case EDQUOT:
        return u"le disque est plein"_s;
    case ELOOP:
        return u"c'est un lien symbolique"_s;
    case EISDIR:
        return u"c'est un dossier"_s;
    case EEXIST:
        return u"il existe déjà"_s;
    case ENXIO:
    case ENODEV:
        return u"ce n'est pas un fichier ordinaire"_s;
    default:
        return QString::fromLocal8Bit(std::strerror(erreur));
    }
}

[[noreturn]] void echouer(int erreur)
{
    throw Echec(raison(erreur));
}

class Descripteur {
public:
    explicit Descripteur(int fd) : fd_(fd) {}
    ~Descripteur()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Descripteur(const Descripteur&) = delete;
    Descripteur& operator=(const Descripteur&) = delete;
    int get() const { return fd_; }
    // A write the file system only reports at close is a failure too.
    bool fermer() { return ::close(std::exchange(fd_, -1)) == 0; }

private:
    int fd_;
};

bool toutEcrire(int fd, const QByteArray& octets)
{
    const char* p = octets.constData();
    qint64 reste = octets.size();
    while (reste > 0) {
        const ssize_t n = ::write(fd, p, static_cast<size_t>(reste));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            if (n == 0)
                errno = EIO;
            return false;
        }
        p += n;
        reste -= n;
    }
    return true;
}

// Opens for reading without blocking (a FIFO would wait for a writer) and
// keeps the descriptor only for a regular file.
int ouvrirRegulier(const QByteArray& nom, struct stat& etat, QString& erreur, bool& absent)
{
    const int fd = ::open(nom.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        absent = errno == ENOENT;
        erreur = raison(errno);
        return -1;
    }
    if (::fstat(fd, &etat) != 0 || !S_ISREG(etat.st_mode)) {
        erreur = S_ISDIR(etat.st_mode) ? raison(EISDIR) : raison(ENXIO);
        ::close(fd);
        return -1;
    }
    return fd;
}

void synchroniserDossier(const QString& dossier)
{
    // Some file systems refuse to sync a folder; the rename is done by then.
    const Descripteur d(::open(QFile::encodeName(dossier).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (d.get() >= 0)
        ::fsync(d.get());
}

}  // namespace

int ouvrirTemporaire(const QString& chemin, QString& nom)
{
    const QByteArray cible = QFile::encodeName(chemin);
    for (int essai = 0; essai < 16; ++essai) {
        const QByteArray essaye = cible + ".carnet-" + QByteArray::number(QRandomGenerator::global()->generate(), 36);
        const int fd = ::open(essaye.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) {
            const int erreur = errno;
            nom = QFile::decodeName(essaye);
            errno = erreur;
            return fd;
        }
    }
    return -1;
}

void remplacerParTemporaire(const QString& temporaire, const QString& chemin)
{
    // rename replaces a link itself, never its target.
    if (::rename(QFile::encodeName(temporaire).constData(), QFile::encodeName(chemin).constData()) != 0) {
        const int erreur = errno;
        ::unlink(QFile::encodeName(temporaire).constData());
        echouer(erreur);
    }
    synchroniserDossier(QFileInfo(chemin).absolutePath());
}

LectureFichier lireFichierRegulier(const QString& chemin, qint64 tailleMaximale, bool tronquer)
{
    LectureFichier l;
    struct stat etat {};
    const Descripteur fd(ouvrirRegulier(QFile::encodeName(chemin), etat, l.erreur, l.absent));
    if (fd.get() < 0)
        return l;
    if (etat.st_size > tailleMaximale && !tronquer) {
        l.erreur = u"il est trop volumineux"_s;
        return l;
    }
    // One byte more than the cap tells a cut file from one of exactly that
    // size; the stated size is only a first guess (it grows, or reads 0).
    const qint64 voulu = tailleMaximale + 1;
    l.octets.resize(std::min<qint64>(etat.st_size + 1, voulu));
    qint64 lus = 0;
    while (lus < voulu) {
        if (lus == l.octets.size())
            l.octets.resize(std::min<qint64>(std::max<qint64>(lus * 2, 4096), voulu));
        const ssize_t n = ::read(fd.get(), l.octets.data() + lus, static_cast<size_t>(l.octets.size() - lus));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            l.erreur = raison(errno);
            l.octets.clear();
            return l;
        }
        if (n == 0)
            break;
        lus += n;
    }
    l.tronque = lus > tailleMaximale;
    if (l.tronque && !tronquer) {
        // Grew while being read.
        l.erreur = u"il est trop volumineux"_s;
        l.octets.clear();
        return l;
    }
    l.octets.truncate(std::min(lus, tailleMaximale));
    l.lu = true;
    return l;
}

void verifierFichierRegulier(const QString& chemin)
{
    struct stat etat {};
    QString erreur;
    bool absent = false;
    const Descripteur fd(ouvrirRegulier(QFile::encodeName(chemin), etat, erreur, absent));
    if (fd.get() < 0)
        throw Echec(erreur);
}

void ecrireFichierDurable(const QString& chemin, const QByteArray& octets, bool remplacer)
{
    const QByteArray cible = QFile::encodeName(chemin);
    struct stat ancien {};
    const bool existe = ::lstat(cible.constData(), &ancien) == 0;
    if (existe && S_ISDIR(ancien.st_mode))
        echouer(EISDIR);
    if (existe && !remplacer)
        echouer(EEXIST);

    QString nom;
    Descripteur sortie(ouvrirTemporaire(chemin, nom));
    const int fd = sortie.get();
    if (fd < 0)
        echouer(errno);
    const QByteArray temporaire = QFile::encodeName(nom);
    const auto echec = [&](int erreur) {
        ::unlink(temporaire.constData());
        echouer(erreur);
    };
    // A file replaced keeps its permissions (not those of a link's target).
    if (existe && S_ISREG(ancien.st_mode))
        ::fchmod(fd, ancien.st_mode & 07777);
    if (!toutEcrire(fd, octets) || ::fsync(fd) != 0 || !sortie.fermer())
        echec(errno);
    if (remplacer)
        return remplacerParTemporaire(nom, chemin);
    if (::renameat2(AT_FDCWD, temporaire.constData(), AT_FDCWD, cible.constData(), RENAME_NOREPLACE) != 0) {
        // A file system without that flag: a hard link never replaces either.
        if (errno != EINVAL || ::link(temporaire.constData(), cible.constData()) != 0)
            echec(errno);
        ::unlink(temporaire.constData());
    }
    synchroniserDossier(QFileInfo(chemin).absolutePath());
}

QString creerTemporaire(const QString& chemin)
{
    QString nom;
    const Descripteur fd(ouvrirTemporaire(chemin, nom));
    return fd.get() < 0 ? QString() : nom;
}

void ajouterFichierRegulier(const QString& chemin, const QByteArray& octets)
{
    // O_NONBLOCK: a FIFO without a reader fails at once instead of waiting.
    Descripteur fd(::open(QFile::encodeName(chemin).constData(),
                          O_WRONLY | O_APPEND | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0666));
    if (fd.get() < 0)
        echouer(errno);
    struct stat etat {};
    if (::fstat(fd.get(), &etat) != 0 || !S_ISREG(etat.st_mode))
        echouer(ENXIO);
    if (!toutEcrire(fd.get(), octets) || ::fsync(fd.get()) != 0) {
        const int erreur = errno;
        // A half-written recipe would be mistaken for a whole one; should the
        // cut fail too, the write's own failure is what the user is told.
        [[maybe_unused]] const int coupe = ::ftruncate(fd.get(), etat.st_size);
        echouer(erreur);
    }
    if (!fd.fermer())
        echouer(errno);
}

QStringList listerFichiers(const QDir& dossier, const QStringList& motifs)
{
    std::vector<QRegularExpression> filtres;
    for (const QString& motif : motifs)
        filtres.emplace_back(QRegularExpression::wildcardToRegularExpression(motif),
                             QRegularExpression::CaseInsensitiveOption);
    QStringList trouves;
    for (const QString& nom : entrees(dossier, QDir::Files)) {
        if (std::any_of(filtres.begin(), filtres.end(),
                        [&](const QRegularExpression& f) { return f.match(nom).hasMatch(); }))
            trouves.append(nom);
    }
    return trouves;
}

bool contientFichier(const QDir& dossier, const QStringList& motifs)
{
    return !listerFichiers(dossier, motifs).isEmpty();
}

QString trouverFichier(const QString& chemin)
{
    if (chemin.isEmpty())
        return {};
    if (QFileInfo::exists(chemin))
        return chemin;

    // Rebuild the path component by component, keeping the form it was given
    // in (relative stays relative).
    const QString propre = QDir::fromNativeSeparators(chemin);
    const QStringList parties = propre.split(u'/');
    QString courant = propre.startsWith(u'/') ? u"/"_s : QString();
    for (qsizetype i = 0; i < parties.size(); ++i) {
        const QString& partie = parties.at(i);
        if (partie.isEmpty())
            continue;
        const QString essai = courant.isEmpty() ? partie : QDir(courant).filePath(partie);
        if (partie == u"."_s || partie == u".."_s || QFileInfo::exists(essai)) {
            courant = essai;
            continue;
        }
        const QString trouve = entreeSansCasse(courant.isEmpty() ? u"."_s : courant, partie);
        if (trouve.isEmpty())
            return {};
        courant = courant.isEmpty() ? trouve : QDir(courant).filePath(trouve);
    }
    return courant;
}

QString nomFichierSur(const QString& nom)
{
    if (nom.isEmpty() || nom == u"."_s || nom == u".."_s)
        return u"_"_s;
    QString sur = nom;
    for (QChar& c : sur) {
        const char16_t u = c.unicode();
        if (u < 0x20 || u == 0x7F || QStringView(u"/\\:*?\"<>|").contains(c))
            c = u'_';
    }
    return sur;
}
