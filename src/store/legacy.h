#pragma once
// Recipe bases in Microsoft Access's own format (Jet 3 and Jet 4). They are
// read by the helper program carnet-import, in a process of its own with a
// time limit and an output cap, because its reading library can crash or
// loop on a damaged file.

#include "store/baserecettes.h"

#include <QByteArray>
#include <QString>

#include <array>
#include <optional>
#include <vector>

// One row of Cuisine as the helper gives it: the nine fields in the order of
// Fiche, a NULL told apart from "".
using LigneAccess = std::array<std::optional<QString>, 9>;

struct LimitesImport {
    int delaiMs = 30000;
    qint64 plafondOctets = 512LL * 1024 * 1024;
};

// Parses the helper's output; throws Echec on a malformed stream.
std::vector<LigneAccess> analyserFluxImport(const QByteArray& flux);

// Runs the helper on `fichier` and returns its rows, in table order.
std::vector<LigneAccess> lireBaseAccess(const QString& importeur, const QString& fichier,
                                        const LimitesImport& limites = {});

// A NULL reads as "", as everywhere in the program; Numero as its number.
Fiche versFiche(const LigneAccess& ligne);

// Converts the Access base `chemin` into a base of the program's own format
// under the same name. The original is kept beside it (NAME.mdb.jet, or
// NAME.mdb.jet.2 … when that exists). The new base is written to a temporary
// file, checked field by field, then renamed over `chemin`. Returns the name
// of the kept original. Throws Echec (nothing changed) on failure.
QString convertirBaseAccess(const QString& importeur, const QString& chemin,
                            const LimitesImport& limites = {});
