#pragma once
// Stretches each window's controls from the 12000 x 9000 twips design grid to
// the screen, and gives every control with a font one bold size that grows
// with the screen width.

#include <QList>
#include <QSize>

#include <vector>

class QObject;

// Round half to even, as the window formulas expect (162.5 gives 162).
int arrondiPair(double x);

class FenetreKal;

class ModFormZoomed {
public:
    int HauteurEcran = 9000;  // twips
    int LargeurEcran = 12000;
    int PourcentZoom = 80;
    int TaillePolice = 7;

    void MesurerEcran(QSize ecranPixels);
    void MemoriserPositions(const FenetreKal& fenetre);
    void AppliquerZoom(FenetreKal& fenetre);

    // A design width or font size scaled by PourcentZoom (v / 100 x PourcentZoom).
    double zoom(double v) const { return v / 100.0 * PourcentZoom; }

private:
    std::vector<int> TabHaut, TabGauche, TabHauteur, TabLargeur;
};
