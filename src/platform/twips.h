#pragma once
// Windows are designed in twips (15 per pixel at 96 dots per inch). A control
// keeps its twips geometry unrounded, so that rescaling works from the design
// values, and takes the nearest pixels on screen.

#include <QRectF>

class QWidget;

constexpr double TwipsParPixel = 15.0;

void setGeometrieTwips(QWidget* w, const QRectF& twips);
// The geometry last set in twips, or the pixel geometry converted.
QRectF geometrieTwips(const QWidget* w);

// Top-level windows: size and position in twips.
void setTailleFenetreTwips(QWidget* fenetre, double hauteur, double largeur);
void setPositionFenetreTwips(QWidget* fenetre, double gauche, double haut);
