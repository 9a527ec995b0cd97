#pragma once
// A recipe as an exchange file gives it, before the record rules make it a
// card: what the file names, nothing converted yet.

#include "store/baserecettes.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

struct RecetteLue {
    QString titre;
    QStringList categories;  // as the file names them
    QString rendement;       // "8 servings", "4 personnes"
    QString tempPrepa;       // empty when the file gives none
    QString tempCuisson;
    QString difficulte;
    QString vin;
    QStringList ingredients;  // one line of the card each
    QStringList preparation;  // one line of the card each
    QString image;            // the picture's address (web pages)
};

// What a parser got out of a file: the recipes read and the blocks it had to
// leave aside (no title, cut short), so that a partial result can be said.
struct Lecture {
    std::vector<RecetteLue> recettes;
    int illisibles = 0;
    int enTrop = 0;  // recipes beyond kRecettesMaxImport, counted only
};

// Files larger than this are refused before they are read: a recipe file
// holding a few thousand recipes is a few megabytes.
constexpr qint64 kTailleMaxImport = 32 * 1024 * 1024;
// More recipes than this in one file (tiny recipes packed into the size cap)
// are counted, not kept: the file is refused rather than held in memory.
constexpr std::size_t kRecettesMaxImport = 100000;

// The line a yield becomes at the head of the ingredients, and back.
inline constexpr char16_t kPrefixeRendement[] = u"Pour : ";

// The catalogue code a category names by an obvious keyword (the display
// name, or a common word such as "Lamb" or "Desserts"), or nothing.
std::optional<QString> codePourCategorie(const QString& categorie);

// The card the recipe becomes, under the rules of a card typed by hand:
// title in capitals cut to 100, times in capitals cut to 25, "?" for a
// missing cooking time, drink, ingredient list or preparation, the default
// difficulty "l", lines joined by CR LF. The first category naming a
// catalogue category picks it; else `codeParDefaut`.
Fiche versFiche(const RecetteLue& recette, const QString& codeParDefaut);
