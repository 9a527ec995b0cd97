#pragma once
// The recipe base: an SQLite file holding the table Cuisine. Every operation
// the windows need is one statement or one transaction; results come back in
// table order (ascending Numero, ties by rowid).

#include "store/sqlite.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>
#include <vector>

// One row of Cuisine. Every field is text but Numero; absent values read as "".
struct Fiche {
    int numero = 0;
    QString categorie;
    QString titre;
    QString tempPrepa;
    QString tempCuisson;
    QString difficulte;
    QString ingrediant;
    QString preparation;
    QString vin;
};

struct ResultatLot {
    int ajoutees = 0;
    QStringList dejaPresentes;
};

struct LigneFiche {  // a grid row: number and title
    int numero = 0;
    QString titre;
};

struct LigneTrouvee {  // a search hit or a listing row
    int numero = 0;
    QString categorie;
    QString titre;
};

// A failure the user must be told about, in French, ready for a message box.
class ErreurBase : public std::runtime_error {
public:
    explicit ErreurBase(const QString& message);
    QString message() const { return message_; }

private:
    QString message_;
};

enum class FormatFichier {
    Carnet,   // SQLite with our application_id
    Sqlite,   // another SQLite file (opened when it holds a proper Cuisine)
    Jet,      // Microsoft Access 97..2003
    Ace,      // Microsoft Access 2007 and later
    Vide,     // zero bytes
    Inconnu,  // anything else
    Absent,   // no such file
};

class BaseRecettes {
public:
    ~BaseRecettes();
    BaseRecettes(const BaseRecettes&) = delete;
    BaseRecettes& operator=(const BaseRecettes&) = delete;

    // From the first bytes of the file, never from its name.
    static FormatFichier reconnaitre(const QString& chemin);

    // Opens an existing base read-write; never creates one. Throws ErreurBase
    // naming the file and the reason (not a base, no Cuisine, wrong columns,
    // locked, read-only, corrupt, legacy Access file).
    static std::unique_ptr<BaseRecettes> ouvrir(const QString& chemin);

    // Writes a new empty base (schema, indexes, application_id, user_version).
    // Fails if the file exists.
    static void creer(const QString& chemin);

    // Compacts the base file (VACUUM INTO a hidden file beside `temporaire`,
    // never listed as a base), checks the copy, then renames it over `chemin`.
    // A `temporaire` already present makes it fail before the base is
    // touched. The base must not be open elsewhere.
    static void compacter(const QString& chemin, const QString& temporaire);

    QString chemin() const { return chemin_; }

    int compter();                              // whole table
    int compterCategorie(const QString& code);  // one category
    std::vector<LigneFiche> listerCategorie(const QString& code);

    // The card at 1-based `position` within the category, or nothing.
    std::optional<Fiche> ficheAPosition(const QString& code, int position);

    // First record (table order) whose Titre equals `titre` exactly. With
    // `code` empty the whole table is searched. `position` receives the
    // 1-based position of the record within `code` (or within the table).
    std::optional<Fiche> premiereParTitre(const QString& code, const QString& titre,
                                          int* position = nullptr);

    std::optional<Fiche> ficheParNumero(int numero);

    // New Numero = last Numero + 1 (1 on an empty table), in one transaction
    // with the duplicate-title test (exact comparison against every Titre).
    // Returns the new number, or nothing when the title exists already.
    // The caller has made the field conversions (upper case, "?").
    std::optional<int> ajouter(const Fiche& fiche);

    // Appends each card at the end of table order under the duplicate-title rule of ajouter, all in one transaction (all or nothing); `progression` is called with the number of cards done so far.
    ResultatLot ajouterLot(const std::vector<Fiche>& fiches, const std::function<void(int)>& progression = {});

    // Changes every field but Numero and Categorie of the record `numero`.
    // False when no record has that number.
    bool modifier(int numero, const Fiche& fiche);

    // Deletes the record `numero` and renumbers the whole table 1..N in table
    // order, in one transaction. Returns the deleted title, or nothing.
    std::optional<QString> supprimer(int numero);

    // Records whose Titre contains `mot` (case-sensitive; an empty word
    // matches every non-null title), in table order.
    std::vector<LigneTrouvee> chercherTitres(const QString& mot);

    // Every record whose Categorie is one of `codes`, grouped in the order of
    // `codes`, table order inside each group; one query.
    std::vector<LigneTrouvee> listerParCategories(const QStringList& codes);

    // Every record, every field, in table order.
    std::vector<Fiche> toutesLesFiches();

    // Appends records as they are, numbers included (a converted base keeps
    // its numbering), in one transaction.
    void importer(const std::vector<Fiche>& fiches);

    // The 32-bit tag of our bases (PRAGMA application_id) and the schema version.
    static constexpr int kApplicationId = 0x43524E54;  // "CRNT"
    static constexpr int kVersionSchema = 1;

private:
    BaseRecettes(sqlite::Database db, QString chemin);
    sqlite::Database db_;
    QString chemin_;
};
