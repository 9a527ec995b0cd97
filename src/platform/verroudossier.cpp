#include "platform/verroudossier.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>

#include <cerrno>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::Literals::StringLiterals;

namespace {

// Not matching any pattern a backup copies, nor the temporaries it removes.
const QString NomVerrou = u".carnet.verrou"_s;

}  // namespace

VerrouDossier::VerrouDossier(QString dossier) : dossier_(std::move(dossier)) {}

VerrouDossier::~VerrouDossier()
{
    if (fd_ >= 0)
        ::close(fd_);
}

QString VerrouDossier::nomServeur() const
{
    // The same folder under another path (a link) is the same folder.
    const QString reel = QFileInfo(dossier_).canonicalFilePath();
    const QByteArray empreinte =
        QCryptographicHash::hash(QFile::encodeName(reel.isEmpty() ? dossier_ : reel), QCryptographicHash::Sha256).toHex();
    return u"carnet-%1-%2"_s.arg(::getuid()).arg(QString::fromLatin1(empreinte.left(24)));
}

bool VerrouDossier::prendre()
{
    const QByteArray chemin = QFile::encodeName(QDir(dossier_).filePath(NomVerrou));
    // Never through a link, never blocking on a FIFO: anything but a regular
    // file under that name is removed (it is ours) and made again.
    for (int essai = 0; essai < 2 && fd_ < 0; ++essai) {
        fd_ = ::open(chemin.constData(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0644);
        if (fd_ < 0 && errno == EACCES)  // made by another user: a lock needs no writing
            fd_ = ::open(chemin.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        struct stat etat {};
        if (fd_ >= 0 && (::fstat(fd_, &etat) != 0 || !S_ISREG(etat.st_mode))) {
            ::close(fd_);
            fd_ = -1;
            ::unlink(chemin.constData());
        } else if (fd_ < 0 && errno == ELOOP) {
            ::unlink(chemin.constData());
        } else if (fd_ < 0) {
            return true;
        }
    }
    if (fd_ < 0)
        return true;
    if (::flock(fd_, LOCK_EX | LOCK_NB) != 0) {
        const bool tenuAilleurs = errno == EWOULDBLOCK;
        ::close(fd_);
        fd_ = -1;
        return !tenuAilleurs;  // a file system without locks cannot be guarded
    }
    // Held: a socket of that name was left by a copy that was killed.
    QLocalServer::removeServer(nomServeur());
    serveur_ = new QLocalServer(this);
    serveur_->setSocketOptions(QLocalServer::UserAccessOption);
    connect(serveur_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* s = serveur_->nextPendingConnection()) {
            connect(s, &QLocalSocket::disconnected, s, &QObject::deleteLater);
            s->disconnectFromServer();
            Q_EMIT appele();
        }
    });
    serveur_->listen(nomServeur());
    return true;
}

bool VerrouDossier::appelerPremier()
{
    QLocalSocket s;
    s.connectToServer(nomServeur());
    if (!s.waitForConnected(2000))
        return false;
    s.write("montrer\n");
    s.waitForBytesWritten(2000);
    s.disconnectFromServer();
    return true;
}
