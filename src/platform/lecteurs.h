#pragma once
// Drive and folder lists for a platform without drive letters. A "drive" is a
// mounted volume, named by its mount point with a trailing separator ("/",
// "/media/cle/"): that is the form the backup marker keeps for the drive, the
// rest of a folder's path being what lies after it.

#include <QComboBox>
#include <QListWidget>
#include <QString>
#include <QStringList>

#include <functional>

// The drive forms of the mounted volumes holding real files, the root first;
// pseudo file systems and system areas (/proc, /sys, /dev, /run) are left out.
QStringList volumesMontes();

// The drive form of a mount point: "/" stays "/", "/media/cle" becomes "/media/cle/".
QString formeLecteur(const QString& pointMontage);

struct CheminDecoupe {
    QString lecteur;  // the drive form of the volume holding the path, "" when none
    QString reste;    // the path after it, without a leading separator; may be empty
};

// Splits an absolute path at the deepest of `lecteurs` that holds it. Paths
// are compared as written (case-sensitive), the path cleaned first.
CheminDecoupe decouperChemin(const QString& chemin, const QStringList& lecteurs);

// The drive list: one entry per volume given. Change is raised whenever the
// current drive changes, by the user or the program.
class ListeLecteurs : public QComboBox {
    Q_OBJECT
public:
    explicit ListeLecteurs(const QStringList& volumes, QWidget* parent = nullptr);
    QStringList lecteurs() const;
    QString Drive() const { return currentText(); }
    // False (nothing changes) when the drive is not in the list.
    bool setDrive(const QString& lecteur);

Q_SIGNALS:
    void Change();
};

// The folder list: ".." (except at the root) and the subfolders of the current
// folder; activating an entry (double click, Enter) enters it. Change is
// raised whenever the current folder changes, by the user or the program.
class ListeDossiers : public QListWidget {
    Q_OBJECT
public:
    explicit ListeDossiers(QWidget* parent = nullptr);
    QString Path() const { return chemin_; }  // native separators
    // False (nothing changes) when the path is not an existing absolute folder.
    bool setPath(const QString& chemin);

Q_SIGNALS:
    void Change();

private:
    void remplir();
    QString chemin_;
};
