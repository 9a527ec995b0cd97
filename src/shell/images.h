#pragma once
// Pictures the program draws itself at run time instead of shipping them:
// the maker's logo on the splash and the landscape of the background window.
// Both need a QGuiApplication (text and gradients go through the font and
// paint engines).

#include <QImage>

// The maker's logo, 261 x 251 pixels: a chef's hat over "ORBALE" on the
// light green of the main menu (128, 255, 128).
QImage logoCarnet();

// The background landscape, 800 x 600 pixels: sky, hills, fields and a farm.
QImage paysageFond();
