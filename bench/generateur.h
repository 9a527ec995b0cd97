#pragma once
// The benchmark's program folder: a base of many realistic recipes over the
// 28 categories, one category far larger than the others, a second one of a
// fifth of its size, 10 000 photographs and the category texts. Generated
// once per size and kept under /tmp, keyed by kVersionDossier.

#include <QString>

struct DossierBench {
    QString dossier;      // the pristine folder (never changed by a case)
    QString base;         // file name of the base in it
    int recettes = 0;
    QString grande;       // code of the largest category
    int tailleGrande = 0;
    QString moyenne;      // code of the category a fifth of it
    int tailleMoyenne = 0;
    QString motFrequent;  // found in most titles
    QString motRare;      // found in exactly three titles
    QString titreLong;    // the recipe whose preparation has 300 lines
};

// Bump when the generated content changes: older folders are then ignored.
inline constexpr int kVersionDossier = 4;

// The folder for `recettes` recipes under `racine`, generated when missing.
DossierBench preparerDossier(const QString& racine, int recettes);
