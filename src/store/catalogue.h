#pragma once
// The categories: three-letter code stored in Cuisine.Categorie, display name
// shown in the windows (and, followed by ".txt", the introduction text).

#include <QString>

#include <array>
#include <optional>

struct Categorie {
    const char* controle;  // menu entry handling it ("" when none)
    const char* code;
    const char* nom;
};

// The 28 rows, in the order of the main menu; the last three have no entry.
const std::array<Categorie, 28>& CatalogueCategories();

// Exact, case-sensitive comparison of the code.
std::optional<QString> nomCategorie(const QString& code);
