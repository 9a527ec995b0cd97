#include "platform/lecteurs.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <QStorageInfo>

using namespace Qt::Literals::StringLiterals;

namespace {

bool estPseudo(const QStorageInfo& v)
{
    static const QSet<QByteArray> pseudos = {
        "proc",    "sysfs",     "devtmpfs",   "devpts",     "cgroup",   "cgroup2", "securityfs",
        "debugfs", "tracefs",   "pstore",     "bpf",        "configfs", "fusectl", "mqueue",
        "hugetlbfs", "autofs",  "binfmt_misc", "efivarfs",  "rpc_pipefs", "nsfs",  "selinuxfs",
    };
    if (pseudos.contains(v.fileSystemType()))
        return true;
    const QString p = v.rootPath();
    for (const QString& systeme : {u"/proc"_s, u"/sys"_s, u"/dev"_s, u"/run"_s}) {
        if (p == systeme || p.startsWith(systeme + u'/'))
            return true;
    }
    return !QFileInfo(p).isDir();  // a file bound over another file
}

}  // namespace

QString formeLecteur(const QString& pointMontage)
{
    const QString p = QDir::cleanPath(QDir::fromNativeSeparators(pointMontage));
    return p.endsWith(u'/') ? p : p + u'/';
}

QStringList volumesMontes()
{
    QStringList formes{u"/"_s};
    for (const QStorageInfo& v : QStorageInfo::mountedVolumes()) {
        if (!v.isValid() || !v.isReady() || estPseudo(v))
            continue;
        const QString f = formeLecteur(v.rootPath());
        if (!formes.contains(f))
            formes.append(f);
    }
    return formes;
}

CheminDecoupe decouperChemin(const QString& chemin, const QStringList& lecteurs)
{
    const QString p = QDir::cleanPath(QDir::fromNativeSeparators(chemin.trimmed()));
    CheminDecoupe d;
    if (!p.startsWith(u'/'))
        return d;
    for (const QString& l : lecteurs) {
        const bool tient = (p + u'/').startsWith(l);
        if (tient && l.size() > d.lecteur.size())
            d.lecteur = l;
    }
    if (!d.lecteur.isEmpty())
        d.reste = QDir::toNativeSeparators(p.mid(d.lecteur.size()));
    return d;
}

ListeLecteurs::ListeLecteurs(const QStringList& volumes, QWidget* parent) : QComboBox(parent)
{
    addItems(volumes);
    connect(this, &QComboBox::currentIndexChanged, this, [this] { Q_EMIT Change(); });
}

QStringList ListeLecteurs::lecteurs() const
{
    QStringList l;
    for (int i = 0; i < count(); ++i)
        l.append(itemText(i));
    return l;
}

bool ListeLecteurs::setDrive(const QString& lecteur)
{
    const int i = findText(lecteur, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (i < 0)
        return false;
    setCurrentIndex(i);
    return true;
}

ListeDossiers::ListeDossiers(QWidget* parent) : QListWidget(parent)
{
    connect(this, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
        const QString nom = item->text();
        // Deferred: the list is refilled, which deletes the item being activated.
        QMetaObject::invokeMethod(this, [this, nom] { setPath(QDir(chemin_).filePath(nom)); },
                                  Qt::QueuedConnection);
    });
}

bool ListeDossiers::setPath(const QString& chemin)
{
    const QString p = QDir::fromNativeSeparators(chemin.trimmed());
    if (!QDir::isAbsolutePath(p) || !QFileInfo(p).isDir())
        return false;
    chemin_ = QDir::toNativeSeparators(QDir::cleanPath(p));
    remplir();
    Q_EMIT Change();
    return true;
}

void ListeDossiers::remplir()
{
    clear();
    const QDir d(chemin_);
    if (!d.isRoot())
        addItem(u".."_s);
    addItems(d.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase));
}
