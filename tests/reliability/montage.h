#pragma once
// Small file systems for the tests: the test process moves into a private
// mount namespace (root only) and mounts a tmpfs or a read-only view over
// one of its folders, unmounted on destruction. Each call returns why it
// could not (the test then skips), or nothing.

#include <QFile>
#include <QString>

#include <sched.h>
#include <sys/mount.h>

#include <cerrno>
#include <cstring>
#include <string>

class Montage {
public:
    // A tmpfs of `octets` over `dossier` (which then looks empty).
    std::string tmpfs(const QString& dossier, qint64 octets)
    {
        const std::string options = "size=" + std::to_string(octets);
        return monter(dossier, [&](const char* d) { return ::mount("tmpfs", d, "tmpfs", 0, options.c_str()); });
    }

    // `dossier` seen read-only, its content kept.
    std::string lectureSeule(const QString& dossier)
    {
        return monter(dossier, [](const char* d) {
            return ::mount(d, d, nullptr, MS_BIND, nullptr) != 0 ? -1 : ::mount(nullptr, d, nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr);
        });
    }

    void demonter()
    {
        if (!point_.isEmpty())
            ::umount2(QFile::encodeName(point_).constData(), MNT_DETACH);
        point_.clear();
    }
    ~Montage() { demonter(); }

private:
    template <typename F>
    std::string monter(const QString& dossier, F&& monte)
    {
        static const std::string prive = [] {
            if (::unshare(CLONE_NEWNS) != 0 || ::mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0)
                return std::string("no private mount namespace here: ") + std::strerror(errno);
            return std::string();
        }();
        if (!prive.empty())
            return prive;
        if (monte(QFile::encodeName(dossier).constData()) != 0)
            return std::string("mount refused: ") + std::strerror(errno);
        point_ = dossier;
        return {};
    }

    QString point_;
};
