#include "platform/fichiers.h"

#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>
#include <vector>

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
        const QDir dossier(courant.isEmpty() ? u"."_s : courant);
        const QStringList noms = entrees(dossier, QDir::AllEntries);
        const auto trouve = std::find_if(noms.begin(), noms.end(), [&](const QString& nom) {
            return nom.compare(partie, Qt::CaseInsensitive) == 0;
        });
        if (trouve == noms.end())
            return {};
        courant = courant.isEmpty() ? *trouve : QDir(courant).filePath(*trouve);
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
