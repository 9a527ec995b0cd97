#include "platform/fichiers.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>
#include <cstring>
#include <vector>

#include <dirent.h>

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

}  // namespace

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
