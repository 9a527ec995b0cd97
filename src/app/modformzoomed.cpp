#include "app/modformzoomed.h"

#include "app/fenetrekal.h"
#include "platform/twips.h"

#include <QAction>
#include <QFont>
#include <QVariant>
#include <QWidget>

#include <cmath>

int arrondiPair(double x)
{
    return static_cast<int>(std::nearbyint(x));  // the default rounding mode is to nearest even
}

void ModFormZoomed::MesurerEcran(QSize ecranPixels)
{
    HauteurEcran = arrondiPair(ecranPixels.height() * TwipsParPixel);
    LargeurEcran = arrondiPair(ecranPixels.width() * TwipsParPixel);
    const int p = arrondiPair(12000.0 / LargeurEcran * 100.0 + 100.0);
    const int q = arrondiPair(12000.0 / 100.0 * p);
    PourcentZoom = arrondiPair(static_cast<double>(LargeurEcran) / q * 100.0 + 30.0);
    TaillePolice = arrondiPair(9.0 / 100.0 * PourcentZoom);
}

void ModFormZoomed::MemoriserPositions(const FenetreKal& fenetre)
{
    const QList<QObject*>& controles = fenetre.controles();
    const size_t n = static_cast<size_t>(controles.size());
    TabHaut.assign(n, 0);
    TabGauche.assign(n, 0);
    TabHauteur.assign(n, 0);
    TabLargeur.assign(n, 0);
    for (size_t i = 0; i < n; ++i) {
        // Menu entries and other objects without geometry keep 0 and are left alone.
        if (const auto* w = qobject_cast<const QWidget*>(controles.at(static_cast<qsizetype>(i)))) {
            const QRectF g = geometrieTwips(w);
            TabHaut[i] = arrondiPair(g.y());
            TabGauche[i] = arrondiPair(g.x());
            TabHauteur[i] = arrondiPair(g.height());
            TabLargeur[i] = arrondiPair(g.width());
        }
    }
}

void ModFormZoomed::AppliquerZoom(FenetreKal& fenetre)
{
    const QList<QObject*>& controles = fenetre.controles();
    const size_t n = std::min(static_cast<size_t>(controles.size()), TabHaut.size());
    for (size_t i = 0; i < n; ++i) {
        auto* w = qobject_cast<QWidget*>(controles.at(static_cast<qsizetype>(i)));
        if (!w)
            continue;
        const double hauteur = TabHauteur[i] / 9000.0 * HauteurEcran;
        const double largeur = TabLargeur[i] / 12000.0 * LargeurEcran;
        const double haut = TabHaut[i] / 9000.0 * HauteurEcran;
        const double gauche = TabGauche[i] / 12000.0 * LargeurEcran;
        setGeometrieTwips(w, QRectF(gauche, haut, largeur, hauteur));
        if (!w->property("sansPolice").toBool()) {
            QFont f = w->font();
            f.setPointSize(TaillePolice);
            f.setBold(true);
            w->setFont(f);
        }
    }
}
