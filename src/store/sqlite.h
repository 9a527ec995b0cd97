#pragma once
// A thin RAII layer over the SQLite C API: a connection, a prepared statement,
// a transaction that rolls back unless committed. Failures throw
// sqlite::Erreur with the extended result code; the store turns them into
// messages for the user.

#include <QString>

#include <cstdint>
#include <stdexcept>
#include <string>

struct sqlite3;
struct sqlite3_stmt;

namespace sqlite {

class Erreur : public std::runtime_error {
public:
    Erreur(int code, const std::string& message);
    int code() const { return code_; }          // extended result code
    int codePrimaire() const { return code_ & 0xff; }

private:
    int code_;
};

class Database {
public:
    // sqlite3_open_v2 with exactly these flags (extended result codes on).
    Database(const QString& chemin, int drapeaux);
    ~Database();
    Database(Database&& autre) noexcept;
    Database& operator=(Database&& autre) noexcept;
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    sqlite3* get() const { return db_; }

    // Runs one or more statements that take no parameter (schema, pragmas).
    void executer(const char* sql);

    // Throws Erreur when `code` is not SQLITE_OK, with the connection's message.
    void verifier(int code) const;

    std::int64_t dernierRowid() const;
    int modifications() const;  // rows changed by the last statement

private:
    sqlite3* db_ = nullptr;
};

class Statement {
public:
    Statement(Database& db, const char* sql);
    ~Statement();
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    // Parameters are 1-based, as in SQL.
    void lier(int index, const QString& texte);
    void lier(int index, std::int64_t valeur);
    // The value of `colonne` in the current row of `source`, type and bytes kept.
    void lierValeur(int index, const Statement& source, int colonne);

    // True when a row is available, false when the statement is done.
    bool etape();
    // Ready to run again with new parameters.
    void reinitialiser();

    std::int64_t entier(int colonne) const;
    QString texte(int colonne) const;  // NULL reads as ""
    // Same storage class and same bytes as `autre` in the same column.
    bool memeValeur(int colonne, const Statement& autre) const;

private:
    Database& db_;
    sqlite3_stmt* st_ = nullptr;
};

class Transaction {
public:
    enum class Mode { Differee, Immediate };
    explicit Transaction(Database& db, Mode mode = Mode::Immediate);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

    void valider();

private:
    Database& db_;
    bool finie_ = false;
};

}  // namespace sqlite
