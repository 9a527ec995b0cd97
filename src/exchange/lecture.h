#pragma once
// Reading a recipe file the user chose: only a regular file, opened without
// waiting (a FIFO or a device never blocks the window), within a size cap.

#include "exchange/recette.h"

#include <QByteArray>
#include <QString>

// The bytes of the file; throws Echec with the user's message.
QByteArray lireFichierRecettes(const QString& chemin, qint64 tailleMax);

// Every recipe of the bytes: MealMaster (UTF-8, else Windows-1252, which
// Latin-1 files read right as well), else the first schema.org Recipe of a
// web page or JSON file.
Lecture lireRecettes(const QByteArray& octets);

// The picture a saved web page refers to by `adresse`, when the browser saved
// it beside the page (its "<page>_files" folder, or a relative address): its
// path, or "" when it is not there.
QString imageEnregistree(const QString& page, const QString& adresse);
