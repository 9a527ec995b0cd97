#pragma once
// Helpers of the reliability tests: fingerprints, the engine's own integrity
// check, the bases the main menu would list.

#include "platform/fichiers.h"
#include "store/baserecettes.h"

#include <QByteArray>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QString>

#include <sqlite3.h>

#include <ostream>

// Readable QString and QStringList in gtest's messages.
inline void PrintTo(const QString& texte, std::ostream* os)
{
    *os << '"' << texte.toStdString() << '"';
}
inline void PrintTo(const QStringList& liste, std::ostream* os)
{
    *os << '{' << liste.join(QStringLiteral(", ")).toStdString() << '}';
}

namespace fiabilite {

inline QByteArray empreinte(const QString& chemin)
{
    QFile f(chemin);
    if (!f.open(QIODevice::ReadOnly))
        return "absent";
    QCryptographicHash h(QCryptographicHash::Sha256);
    h.addData(&f);
    return h.result().toHex();
}

// "ok", or what PRAGMA integrity_check says, on a read-only connection.
inline QString integrite(const QString& chemin)
{
    sqlite3* db = nullptr;
    QString resultat = QStringLiteral("ouverture impossible");
    if (sqlite3_open_v2(QFile::encodeName(chemin).constData(), &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK) {
        sqlite3_stmt* st = nullptr;
        if (sqlite3_prepare_v2(db, "PRAGMA integrity_check", -1, &st, nullptr) == SQLITE_OK && sqlite3_step(st) == SQLITE_ROW)
            resultat = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, 0)));
        else
            resultat = QString::fromUtf8(sqlite3_errmsg(db));
        sqlite3_finalize(st);
    }
    sqlite3_close(db);
    return resultat;
}

inline QStringList basesListees(const QString& dossier)
{
    return listerFichiers(QDir(dossier), {QStringLiteral("*.mdb")});
}

}  // namespace fiabilite
