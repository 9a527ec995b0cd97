#pragma once
// MealMaster, the plain-text exchange format of recipe archives: one or many
// recipes per file, each between a header line ("MMMMM----- …" or
// "---------- …") and an end line ("MMMMM" or "-----").

#include "exchange/recette.h"

#include <QByteArray>
#include <QString>

#include <vector>

// Every recipe of the text, in file order. Blocks without a title are
// counted as unreadable and left aside.
Lecture lireMealMaster(const QString& texte);

// The cards as one MealMaster file, Windows-1252 with CR LF: the category's
// display name as the MealMaster category, the times, difficulty and drink as
// the first lines of the directions, each line of the preparation a
// paragraph. lireMealMaster reads it back into the same cards.
QByteArray ecrireMealMaster(const std::vector<Fiche>& fiches);
