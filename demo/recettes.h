#pragma once
// The recipes and category texts of the demo folder, written as data. Texts
// are UTF-8 with '\n' line breaks in the source; texteStocke() turns them into
// the CR LF the recipe card stores.

#include <QString>

#include <span>

struct RecetteDemo {
    const char* categorie;
    const char* titre;        // in capitals, as the card stores it
    const char* tempPrepa;
    const char* tempCuisson;  // "?" when there is no cooking
    const char* difficulte;   // letters typed for the Webdings font
    const char* vin;          // "?" when no drink is suggested
    bool photo;               // the demo draws a photograph for it
    const char* ingredients;  // one ingredient a line
    const char* preparation;  // one paragraph a line
};

struct BaseDemo {
    const char* fichier;  // file name in the program folder
    std::span<const RecetteDemo> recettes;
};

// The two demo bases, in the order they are written.
std::span<const BaseDemo> basesDemo();

// Their contents: everyday cooking, and dishes for feasts.
std::span<const RecetteDemo> recettesCuisine();
std::span<const RecetteDemo> recettesFetes();

// Introduction text of the category `code` (UTF-8, '\n'), or null when the
// demo has none.
const char* texteCategorieDemo(const char* code);

// UTF-8 source text with its '\n' made CR LF.
QString texteStocke(const char* texte);
