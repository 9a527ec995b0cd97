#include "platform/twips.h"

#include <QVariant>
#include <QWidget>

#include <cmath>

namespace {
const char* const ProprieteTwips = "geometrieTwips";

int enPixels(double twips)
{
    return static_cast<int>(std::lround(twips / TwipsParPixel));
}
}  // namespace

void setGeometrieTwips(QWidget* w, const QRectF& twips)
{
    w->setProperty(ProprieteTwips, twips);
    w->setGeometry(enPixels(twips.x()), enPixels(twips.y()), std::max(0, enPixels(twips.width())),
                   std::max(0, enPixels(twips.height())));
}

QRectF geometrieTwips(const QWidget* w)
{
    const QVariant v = w->property(ProprieteTwips);
    if (v.isValid())
        return v.toRectF();
    const QRect g = w->geometry();
    return QRectF(g.x() * TwipsParPixel, g.y() * TwipsParPixel, g.width() * TwipsParPixel,
                  g.height() * TwipsParPixel);
}

void setTailleFenetreTwips(QWidget* fenetre, double hauteur, double largeur)
{
    fenetre->resize(std::max(1, enPixels(largeur)), std::max(1, enPixels(hauteur)));
}

void setPositionFenetreTwips(QWidget* fenetre, double gauche, double haut)
{
    fenetre->move(enPixels(gauche), enPixels(haut));
}
