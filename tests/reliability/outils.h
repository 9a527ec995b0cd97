#pragma once
// Helpers of the reliability tests: fingerprints and the engine's own
// integrity check.

#include <QByteArray>
#include <QCryptographicHash>
#include <QFile>
#include <QString>
#include <QStringList>

#include <sqlite3.h>

namespace fiabilite {

inline QByteArray empreinte(const QString& chemin)
{
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256).toHex() : "absent";
}

// "ok", or what PRAGMA integrity_check says, on a read-only connection.
inline QString integrite(const QString& chemin)
{
    sqlite3* db = nullptr;
    sqlite3_stmt* st = nullptr;
    sqlite3_open_v2(QFile::encodeName(chemin).constData(), &db, SQLITE_OPEN_READONLY, nullptr);
    const bool lu = sqlite3_prepare_v2(db, "PRAGMA integrity_check", -1, &st, nullptr) == SQLITE_OK && sqlite3_step(st) == SQLITE_ROW;
    const QString resultat = QString::fromUtf8(lu ? reinterpret_cast<const char*>(sqlite3_column_text(st, 0)) : sqlite3_errmsg(db));
    sqlite3_finalize(st);
    sqlite3_close(db);
    return resultat;
}

}  // namespace fiabilite
