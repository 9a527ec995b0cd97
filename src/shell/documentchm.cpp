#include "shell/documentchm.h"

#include "platform/fichiers.h"

#include <QFile>
#include <QStringList>

#include <chm_lib.h>

using namespace Qt::Literals::StringLiterals;

namespace {

// Default topic from the "#SYSTEM" object: a version word, then records of
// code (16 bits), length (16 bits) and data; code 2 holds the topic.
QString sujetParDefaut(const QByteArray& systeme)
{
    auto mot = [&](qsizetype i) {
        return static_cast<int>(static_cast<unsigned char>(systeme[i]))
            | (static_cast<int>(static_cast<unsigned char>(systeme[i + 1])) << 8);
    };
    qsizetype i = 4;
    while (i + 4 <= systeme.size()) {
        const int code = mot(i);
        const qsizetype longueur = mot(i + 2);
        i += 4;
        if (i + longueur > systeme.size())
            break;
        if (code == 2) {
            QByteArray sujet = systeme.mid(i, longueur);
            const qsizetype nul = sujet.indexOf('\0');
            if (nul >= 0)
                sujet.truncate(nul);
            return QString::fromUtf8(sujet);
        }
        i += longueur;
    }
    return {};
}

int premierePage(chmFile*, chmUnitInfo* ui, void* contexte)
{
    const QString chemin = QString::fromUtf8(ui->path);
    if (chemin.endsWith(u".html"_s, Qt::CaseInsensitive) || chemin.endsWith(u".htm"_s, Qt::CaseInsensitive)) {
        *static_cast<QString*>(contexte) = chemin;
        return CHM_ENUMERATOR_SUCCESS;
    }
    return CHM_ENUMERATOR_CONTINUE;
}

}  // namespace

DocumentChm::~DocumentChm()
{
    chm_close(fichier_);
}

std::unique_ptr<DocumentChm> DocumentChm::ouvrir(const QString& chemin)
{
    // chmlib opens by name and would wait on a FIFO.
    verifierFichierRegulier(chemin);
    chmFile* f = chm_open(QFile::encodeName(chemin).constData());
    if (!f)
        return nullptr;
    return std::unique_ptr<DocumentChm>(new DocumentChm(f));
}

std::optional<QByteArray> DocumentChm::lire(const QString& chemin) const
{
    const QByteArray nom = chemin.toUtf8();
    if (nom.size() > CHM_MAX_PATHLEN)
        return std::nullopt;
    chmUnitInfo ui{};
    if (chm_resolve_object(fichier_, nom.constData(), &ui) != CHM_RESOLVE_SUCCESS)
        return std::nullopt;
    if (ui.length > static_cast<LONGUINT64>(TailleMaximale))
        return std::nullopt;
    QByteArray octets(static_cast<qsizetype>(ui.length), Qt::Uninitialized);
    const LONGINT64 lus = chm_retrieve_object(fichier_, &ui, reinterpret_cast<unsigned char*>(octets.data()), 0,
                                              static_cast<LONGINT64>(ui.length));
    if (lus != static_cast<LONGINT64>(ui.length))
        return std::nullopt;
    return octets;
}

QString DocumentChm::pageAccueil() const
{
    if (const std::optional<QByteArray> systeme = lire(u"/#SYSTEM"_s)) {
        QString sujet = sujetParDefaut(*systeme);
        if (!sujet.isEmpty()) {
            if (!sujet.startsWith(u'/'))
                sujet.prepend(u'/');
            if (lire(sujet))
                return sujet;
        }
    }
    for (const QString& essai : {u"/index.html"_s, u"/index.htm"_s}) {
        if (lire(essai))
            return essai;
    }
    QString premiere;
    chm_enumerate(fichier_, CHM_ENUMERATE_NORMAL | CHM_ENUMERATE_FILES, premierePage, &premiere);
    return premiere;
}
