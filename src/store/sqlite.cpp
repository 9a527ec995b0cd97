#include "store/sqlite.h"

#include <sqlite3.h>

#include <cstring>
#include <utility>

using namespace Qt::Literals::StringLiterals;

namespace sqlite {

Erreur::Erreur(int code, const std::string& message) : std::runtime_error(message), code_(code) {}

Database::Database(const QString& chemin, int drapeaux)
{
    const QByteArray nom = chemin.toUtf8();
    const int rc = sqlite3_open_v2(nom.constData(), &db_, drapeaux | SQLITE_OPEN_EXRESCODE, nullptr);
    if (rc != SQLITE_OK) {
        // A handle is returned even on failure; it only carries the message.
        const std::string message = db_ ? sqlite3_errmsg(db_) : sqlite3_errstr(rc);
        sqlite3_close_v2(db_);
        db_ = nullptr;
        throw Erreur(rc, message);
    }
    sqlite3_extended_result_codes(db_, 1);
}

Database::~Database()
{
    sqlite3_close_v2(db_);
}

Database::Database(Database&& autre) noexcept : db_(std::exchange(autre.db_, nullptr)) {}

Database& Database::operator=(Database&& autre) noexcept
{
    if (this != &autre) {
        sqlite3_close_v2(db_);
        db_ = std::exchange(autre.db_, nullptr);
    }
    return *this;
}

void Database::verifier(int code) const
{
    if (code != SQLITE_OK)
        throw Erreur(sqlite3_extended_errcode(db_), sqlite3_errmsg(db_));
}

void Database::executer(const char* sql)
{
    verifier(sqlite3_exec(db_, sql, nullptr, nullptr, nullptr));
}

std::int64_t Database::dernierRowid() const
{
    return sqlite3_last_insert_rowid(db_);
}

int Database::modifications() const
{
    return sqlite3_changes(db_);
}

Statement::Statement(Database& db, const char* sql) : db_(db)
{
    db_.verifier(sqlite3_prepare_v3(db_.get(), sql, -1, 0, &st_, nullptr));
}

Statement::~Statement()
{
    sqlite3_finalize(st_);
}

void Statement::lier(int index, const QString& texte)
{
    const QByteArray octets = texte.toUtf8();
    // An empty text is bound as '' (never NULL): a non-null pointer is required.
    const char* donnees = octets.isEmpty() ? "" : octets.constData();
    db_.verifier(sqlite3_bind_text(st_, index, donnees, static_cast<int>(octets.size()), SQLITE_TRANSIENT));
}

void Statement::lier(int index, std::int64_t valeur)
{
    db_.verifier(sqlite3_bind_int64(st_, index, valeur));
}

void Statement::lierValeur(int index, const Statement& source, int colonne)
{
    db_.verifier(sqlite3_bind_value(st_, index, sqlite3_column_value(source.st_, colonne)));
}

bool Statement::memeValeur(int colonne, const Statement& autre) const
{
    const int type = sqlite3_column_type(st_, colonne);
    if (type != sqlite3_column_type(autre.st_, colonne))
        return false;
    switch (type) {
    case SQLITE_NULL:
        return true;
    case SQLITE_INTEGER:
        return sqlite3_column_int64(st_, colonne) == sqlite3_column_int64(autre.st_, colonne);
    case SQLITE_FLOAT: {
        const double a = sqlite3_column_double(st_, colonne);
        const double b = sqlite3_column_double(autre.st_, colonne);
        return std::memcmp(&a, &b, sizeof a) == 0;
    }
    default: {
        const void* a = sqlite3_column_blob(st_, colonne);
        const void* b = sqlite3_column_blob(autre.st_, colonne);
        const int n = sqlite3_column_bytes(st_, colonne);
        return n == sqlite3_column_bytes(autre.st_, colonne) && (n == 0 || std::memcmp(a, b, static_cast<size_t>(n)) == 0);
    }
    }
}

bool Statement::etape()
{
    const int rc = sqlite3_step(st_);
    if (rc == SQLITE_ROW)
        return true;
    if (rc == SQLITE_DONE)
        return false;
    throw Erreur(sqlite3_extended_errcode(db_.get()), sqlite3_errmsg(db_.get()));
}

void Statement::reinitialiser()
{
    sqlite3_reset(st_);
    sqlite3_clear_bindings(st_);
}

std::int64_t Statement::entier(int colonne) const
{
    return sqlite3_column_int64(st_, colonne);
}

QString Statement::texte(int colonne) const
{
    const auto* octets = reinterpret_cast<const char*>(sqlite3_column_text(st_, colonne));
    if (!octets)
        return u""_s;
    return QString::fromUtf8(octets, sqlite3_column_bytes(st_, colonne));
}

Transaction::Transaction(Database& db, Mode mode) : db_(db)
{
    db_.executer(mode == Mode::Immediate ? "BEGIN IMMEDIATE" : "BEGIN");
}

Transaction::~Transaction()
{
    if (!finie_)
        sqlite3_exec(db_.get(), "ROLLBACK", nullptr, nullptr, nullptr);  // nothing to report from a destructor
}

void Transaction::valider()
{
    db_.executer("COMMIT");
    finie_ = true;
}

}  // namespace sqlite
