#include "backup/copie.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <sqlite3.h>

#include <array>

using namespace Qt::Literals::StringLiterals;

namespace {

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

}  // namespace

std::optional<QString> Copieur::copier(const QString& source, const QString& cible)
{
    // The source is copied whole, and the target's old journal must not be
    // played over the new file at its next opening.
    retablirBase(source);
    retablirBase(cible);
    QFile entree(source);
    if (!entree.open(QIODevice::ReadOnly))
        return u"LECTURE IMPOSSIBLE DE %1"_s.arg(QDir::toNativeSeparators(source));
    QSaveFile sortie(cible);
    if (!sortie.open(QIODevice::WriteOnly))
        return u"ECRITURE IMPOSSIBLE DANS %1 (DOSSIER PROTEGE ?)"_s.arg(QDir::toNativeSeparators(cible));

    std::array<char, 1 << 16> tampon{};
    for (;;) {
        const qint64 lus = entree.read(tampon.data(), static_cast<qint64>(tampon.size()));
        if (lus < 0) {
            sortie.cancelWriting();
            return u"LECTURE INTERROMPUE DE %1"_s.arg(QDir::toNativeSeparators(source));
        }
        if (lus == 0)
            break;
        if (!ecrireBloc(sortie, tampon.data(), lus)) {
            sortie.cancelWriting();
            return u"ECRITURE INTERROMPUE DE %1 (DISQUE PLEIN ?)"_s.arg(QDir::toNativeSeparators(cible));
        }
    }
    if (!sortie.commit())
        return u"ECRITURE IMPOSSIBLE DE %1 (DISQUE PLEIN ?)"_s.arg(QDir::toNativeSeparators(cible));
    return std::nullopt;
}

bool Copieur::ecrireBloc(QSaveFile& fichier, const char* octets, qint64 taille)
{
    return fichier.write(octets, taille) == taille;
}
