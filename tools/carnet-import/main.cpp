// carnet-import FILE: reads the table Cuisine of a Microsoft Access (Jet 3 or
// Jet 4) file and writes its rows on standard output, in table order:
//
//   CARNET-IMPORT 1\n
//   then per row: R\n and nine fields, Numero Categorie Titre TempPrepa
//   TempCuisson Difficulte Ingrediant Preparation Vin, each either
//     N\n                 a NULL
//     T <n>\n<n bytes>\n  a value, n bytes of UTF-8 (numbers in decimal)
//   then F <number of rows>\n
//
// On failure it writes one line of French on standard error and exits with
// 2 (not readable as an Access file), 3 (no table Cuisine), 4 (a field is
// missing), 5 (a memo longer than the limit) or 6 (a damaged row).
#include <glib.h>
#include <mdbtools.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

const char* const Champs[] = {"Numero", "Categorie", "Titre", "TempPrepa", "TempCuisson",
                              "Difficulte", "Ingrediant", "Preparation", "Vin"};
constexpr int NombreChamps = 9;
// Longest value read; a longer memo is refused rather than silently cut.
constexpr size_t TailleLien = 4 * 1024 * 1024;

[[noreturn]] void echec(int code, const std::string& message)
{
    std::fprintf(stderr, "%s\n", message.c_str());
    std::exit(code);
}

void ecrireValeur(const char* valeur, size_t longueur)
{
    std::printf("T %zu\n", longueur);
    std::fwrite(valeur, 1, longueur, stdout);
    std::fputc('\n', stdout);
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2)
        echec(2, "usage: carnet-import FICHIER");
    // Text comes out as UTF-8; Jet 3 files are read in the Western code page.
    setenv("MDBICONV", "UTF-8", 1);
    setenv("MDB_JET3_CHARSET", "CP1252", 0);

    MdbHandle* mdb = mdb_open(argv[1], MDB_NOFLAGS);
    if (!mdb)
        echec(2, "Le fichier ne peut pas être lu comme une base Microsoft Access.");
    mdb_set_bind_size(mdb, TailleLien);
    if (!mdb_read_catalog(mdb, MDB_TABLE))
        echec(2, "Le catalogue de la base Microsoft Access est illisible.");
    MdbCatalogEntry* entree = mdb_get_catalogentry_by_name(mdb, "Cuisine");
    if (!entree || entree->object_type != MDB_TABLE)
        echec(3, "La base ne contient pas la table Cuisine.");
    MdbTableDef* table = mdb_read_table(entree);
    if (!table)
        echec(6, "La table Cuisine est illisible.");
    if (!mdb_read_columns(table))
        echec(6, "Les colonnes de la table Cuisine sont illisibles.");

    // Column index of each field, and a buffer bound to it.
    int colonne[NombreChamps];
    std::vector<std::vector<char>> tampons(NombreChamps, std::vector<char>(TailleLien + 16));
    std::vector<int> longueurs(NombreChamps, 0);
    for (int i = 0; i < NombreChamps; ++i) {
        colonne[i] = -1;
        for (unsigned int c = 0; c < table->num_cols; ++c) {
            auto* col = static_cast<MdbColumn*>(g_ptr_array_index(table->columns, c));
            if (g_ascii_strcasecmp(col->name, Champs[i]) == 0)
                colonne[i] = static_cast<int>(c);
        }
        if (colonne[i] < 0)
            echec(4, std::string("La table Cuisine n'a pas le champ ") + Champs[i] + ".");
        if (mdb_bind_column(table, colonne[i] + 1, tampons[static_cast<size_t>(i)].data(),
                            &longueurs[static_cast<size_t>(i)])
            == -1)
            echec(6, "La table Cuisine est illisible.");
    }

    std::printf("CARNET-IMPORT 1\n");
    mdb_rewind_table(table);
    long lignes = 0;
    std::vector<MdbField> champs(table->num_cols + 1);
    while (mdb_fetch_row(table)) {
        // The bound values cannot tell NULL from "": read the row's null flags.
        int debut = 0;
        size_t taille = 0;
        if (mdb_find_row(mdb, static_cast<int>(table->cur_row) - 1, &debut, &taille) != 0)
            echec(6, "Une ligne de la table Cuisine est endommagée.");
        const int n = mdb_crack_row(table, debut, taille, champs.data());
        std::printf("R\n");
        for (int i = 0; i < NombreChamps; ++i) {
            bool nul = false;
            for (int k = 0; k < n; ++k) {
                if (champs[static_cast<size_t>(k)].colnum == colonne[i])
                    nul = champs[static_cast<size_t>(k)].is_null != 0;
            }
            const size_t longueur = static_cast<size_t>(longueurs[static_cast<size_t>(i)]);
            if (longueur >= TailleLien - 1)
                echec(5, std::string("Le champ ") + Champs[i] + " d'une recette est trop long.");
            if (nul)
                std::printf("N\n");
            else
                ecrireValeur(tampons[static_cast<size_t>(i)].data(), longueur);
        }
        ++lignes;
    }
    std::printf("F %ld\n", lignes);
    mdb_free_tabledef(table);
    mdb_close(mdb);
    return std::fflush(stdout) == 0 ? 0 : 6;
}
