#pragma once
// The photographs of the demo folder, drawn rather than shipped: a dish on a
// plate, its look chosen from the category and varied by the title so that
// no two recipes look alike. Needs a QGuiApplication.

#include <QImage>
#include <QString>

// 400 x 300: the dish of the recipe `titre` of category `categorie`, the
// title written small across the bottom.
QImage photoRecette(const QString& categorie, const QString& titre);

// 400 x 300: the placeholder shown for a recipe without photograph.
QImage photoAbsente();
