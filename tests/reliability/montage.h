#pragma once
// Small file systems for the tests, where the machine allows it: the test
// process moves into a private mount namespace (root only) and mounts a
// tmpfs or a read-only view over one of its folders. Unmounted on
// destruction; the rest of the machine never sees them.

#include <QDir>
#include <QFile>
#include <QString>

#include <sched.h>
#include <sys/mount.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>

class Montage {
public:
    // Empty when mounted, else why not (the test then skips).
    static std::string espacePrive()
    {
        static const std::string raison = [] {
            if (::unshare(CLONE_NEWNS) != 0)
                return std::string("no private mount namespace here: ") + std::strerror(errno);
            if (::mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0)
                return std::string("mounts cannot be made private: ") + std::strerror(errno);
            return std::string();
        }();
        return raison;
    }

    // A tmpfs of `octets` over `dossier` (which then looks empty).
    std::string tmpfs(const QString& dossier, qint64 octets)
    {
        if (std::string r = espacePrive(); !r.empty())
            return r;
        const std::string options = "size=" + std::to_string(octets);
        if (::mount("tmpfs", QFile::encodeName(dossier).constData(), "tmpfs", 0, options.c_str()) != 0)
            return std::string("tmpfs refused: ") + std::strerror(errno);
        point_ = dossier;
        return {};
    }

    // `dossier` seen read-only, its content kept.
    std::string lectureSeule(const QString& dossier)
    {
        if (std::string r = espacePrive(); !r.empty())
            return r;
        const QByteArray d = QFile::encodeName(dossier);
        if (::mount(d.constData(), d.constData(), nullptr, MS_BIND, nullptr) != 0)
            return std::string("bind mount refused: ") + std::strerror(errno);
        point_ = dossier;
        if (::mount(nullptr, d.constData(), nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr) != 0)
            return std::string("read-only remount refused: ") + std::strerror(errno);
        return {};
    }

    void demonter()
    {
        if (!point_.isEmpty())
            ::umount2(QFile::encodeName(point_).constData(), MNT_DETACH);
        point_.clear();
    }
    ~Montage() { demonter(); }

private:
    QString point_;
};
