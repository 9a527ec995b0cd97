#pragma once
// Recipe web pages: the schema.org Recipe description that recipe sites
// embed as JSON-LD, read from a saved page or from a JSON file.

#include "exchange/recette.h"

#include <QString>

// The first Recipe of the text (also inside "@graph", a list or
// "mainEntity"): none when there is no readable description; an
// unreadable JSON-LD block is counted in `illisibles`.
Lecture lireJsonLd(const QString& texte);

// An ISO 8601 duration the way the cards write times: "PT20M" gives "20 MN",
// "PT1H30M" "1 H 30", "PT2H" "2 H"; "" for a zero or malformed duration.
QString dureeIso(const QString& duree);
