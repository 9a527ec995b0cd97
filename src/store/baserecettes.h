#pragma once
// The recipe base: an SQLite file. Version 2 keeps each record in three
// tables sharing an Id (Ordre: the Numero alone, so that a renumbering
// rewrites only small rows; Fiche: the short fields; Texte: the two long
// ones) and shows them as the nine fields of the view Cuisine. Every
// operation the windows need is one statement or one transaction; results
// come back in table order (ascending Numero, ties by Id, which keeps the
// order rows were written in).

#include "platform/echec.h"
#include "store/sqlite.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>
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
    std::vector<std::size_t> ajoutees;  // indexes of the fiches added, in order
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

    // Opens an existing base read-write; never creates one. Throws Echec
    // naming the file and the reason (not a base, no Cuisine, wrong columns,
    // locked, read-only, corrupt, a Numero beyond 32 bits, legacy Access
    // file). A version-1 base (or another program's SQLite file with a proper
    // Cuisine) is first converted: a new file is written beside it, checked
    // field by field, then renamed over it; on any failure it is left as it was.
    // The whole-file check is skipped when the file is exactly as this
    // program last left it checked.
    static std::unique_ptr<BaseRecettes> ouvrir(const QString& chemin);

    // Writes a new empty base (schema, indexes, application_id, user_version).
    // Fails if the file exists.
    static void creer(const QString& chemin);

    // Compacts the base file (VACUUM INTO a hidden file beside `temporaire`,
    // never listed as a base), checks the copy, then renames it over `chemin`.
    // A `temporaire` already present makes it fail before the base is
    // touched. Writers are kept out from the copy to the rename.
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

    // The card the user saw is the first record (table order) with both
    // `numero` and the title `titre`; when none is, nothing is written.

    // Changes every field but Numero and Categorie of that card. Returns
    // what it held before, or nothing.
    std::optional<Fiche> modifier(int numero, const QString& titre, const Fiche& fiche);

    // Deletes that card and renumbers the whole table 1..N in table order,
    // in one transaction. Returns the deleted title, or nothing.
    std::optional<QString> supprimer(int numero, const QString& titre);

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
    static constexpr int kVersionSchema = 2;

private:
public:
    // What tells that a file is unchanged: identity, modification time and
    // the header's change counter.
    struct Empreinte {
        std::int64_t appareil = 0, inode = 0, modification = 0, compteur = 0;
        bool operator==(const Empreinte&) const = default;
    };

private:
    explicit BaseRecettes(sqlite::Database db, QString chemin);
    sqlite::Database db_;
    QString chemin_;
    std::optional<Empreinte> connue_;  // the file as this connection checked it or last wrote it
    // data_version at which Ordre was last known numbered 1..N in Id order:
    // still so until another connection writes (this one's own writes keep it).
    std::optional<std::int64_t> denseDepuis_;
};
