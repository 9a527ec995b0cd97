#pragma once
// Reading a recipe file the user chose: only a regular file, opened without
// waiting (a FIFO or a device never blocks the window), within a size cap.

#include "exchange/recette.h"

#include <QByteArray>
#include <QString>

#include <optional>

// The bytes of the file, or nothing with `erreur` set to the user's message.
std::optional<QByteArray> lireFichierRecettes(const QString& chemin, qint64 tailleMax, QString& erreur);

// Every recipe of the bytes: MealMaster (UTF-8, else Windows-1252, which
// Latin-1 files read right as well), else the first schema.org Recipe of a
// web page or JSON file.
Lecture lireRecettes(const QByteArray& octets);

// The picture a saved web page refers to by `adresse`, when the browser saved
// it beside the page (its "<page>_files" folder, or a relative address): its
// path, or "" when it is not there.
QString imageEnregistree(const QString& page, const QString& adresse);
