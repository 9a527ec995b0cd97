#include "shell/images.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

using namespace Qt::Literals::StringLiterals;

namespace {

void toque(QPainter& p, QRectF zone)
{
    // The puffed crown: overlapping circles over a pleated band.
    const qreal l = zone.width();
    const qreal h = zone.height();
    const auto boule = [](QPointF centre, qreal rx, qreal ry) {
        QPainterPath forme;
        forme.addEllipse(centre, rx, ry);
        return forme;
    };
    const QRectF bande(zone.left() + l * 0.16, zone.top() + h * 0.52, l * 0.68, h * 0.46);
    QPainterPath socle;
    socle.addRoundedRect(bande, 6, 6);
    // One outline for the whole hat: the puffs and the band merged.
    const QPainterPath couronne = boule(QPointF(zone.left() + l * 0.25, zone.top() + h * 0.42), l * 0.25, h * 0.28)
                                      .united(boule(QPointF(zone.left() + l * 0.50, zone.top() + h * 0.30), l * 0.30, h * 0.30))
                                      .united(boule(QPointF(zone.left() + l * 0.75, zone.top() + h * 0.42), l * 0.25, h * 0.28))
                                      .united(socle);

    QRadialGradient blanc(zone.left() + l * 0.40, zone.top() + h * 0.25, l * 0.8);
    blanc.setColorAt(0, Qt::white);
    blanc.setColorAt(1, QColor(205, 210, 220));
    p.setPen(QPen(QColor(70, 80, 100), 2.5));
    p.setBrush(blanc);
    p.drawPath(couronne);

    p.setPen(QPen(QColor(150, 155, 170), 1.5));
    for (int i = 1; i < 6; ++i) {
        const qreal x = bande.left() + bande.width() * i / 6.0;
        p.drawLine(QPointF(x, bande.top() + 8), QPointF(x, bande.bottom() - 4));
    }
    p.setPen(QPen(QColor(70, 80, 100), 2));
    p.drawLine(QPointF(bande.left() + 2, bande.top() + 4), QPointF(bande.right() - 2, bande.top() + 4));
}

QPainterPath colline(qreal largeur, qreal hauteurImage, qreal base, qreal amplitude, qreal phase)
{
    QPainterPath chemin(QPointF(0, hauteurImage));
    chemin.lineTo(0, base);
    const int pas = 4;
    for (int i = 0; i < pas; ++i) {
        const qreal x0 = largeur * i / pas;
        const qreal x1 = largeur * (i + 1) / pas;
        const qreal bosse = ((i + static_cast<int>(phase)) % 2 == 0) ? -amplitude : amplitude * 0.4;
        chemin.cubicTo(QPointF(x0 + (x1 - x0) * 0.3, base + bosse), QPointF(x0 + (x1 - x0) * 0.7, base + bosse),
                       QPointF(x1, base));
    }
    chemin.lineTo(largeur, hauteurImage);
    chemin.closeSubpath();
    return chemin;
}

void arbre(QPainter& p, QPointF pied, qreal taille)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(95, 65, 40));
    p.drawRect(QRectF(pied.x() - taille * 0.07, pied.y() - taille * 0.45, taille * 0.14, taille * 0.45));
    QRadialGradient feuillage(pied.x() - taille * 0.12, pied.y() - taille * 0.85, taille * 0.55);
    feuillage.setColorAt(0, QColor(90, 160, 70));
    feuillage.setColorAt(1, QColor(30, 90, 35));
    p.setBrush(feuillage);
    p.drawEllipse(QPointF(pied.x(), pied.y() - taille * 0.75), taille * 0.38, taille * 0.42);
}

void ferme(QPainter& p, QPointF pied)
{
    const qreal x = pied.x();
    const qreal y = pied.y();
    p.setPen(QPen(QColor(120, 100, 80), 1));
    // Walls, the barn first so the house overlaps it.
    p.setBrush(QColor(200, 170, 130));
    p.drawRect(QRectF(x + 95, y - 45, 80, 45));
    QLinearGradient mur(x, y - 70, x + 100, y);
    mur.setColorAt(0, QColor(245, 232, 205));
    mur.setColorAt(1, QColor(215, 195, 160));
    p.setBrush(mur);
    p.drawRect(QRectF(x, y - 62, 110, 62));

    // Terracotta roofs and the chimney.
    p.setBrush(QColor(150, 150, 150));
    p.drawRect(QRectF(x + 75, y - 112, 12, 30));
    p.setBrush(QColor(185, 80, 50));
    p.drawPolygon(QPolygonF({QPointF(x - 10, y - 60), QPointF(x + 55, y - 100), QPointF(x + 120, y - 60)}));
    p.setBrush(QColor(165, 70, 45));
    p.drawPolygon(QPolygonF({QPointF(x + 108, y - 43), QPointF(x + 140, y - 72), QPointF(x + 182, y - 43)}));

    // Door, shutters and windows.
    p.setBrush(QColor(110, 70, 40));
    p.drawRect(QRectF(x + 45, y - 32, 20, 32));
    p.drawRect(QRectF(x + 120, y - 30, 32, 30));
    p.setBrush(QColor(150, 190, 220));
    for (const qreal fx : {x + 14.0, x + 80.0}) {
        p.drawRect(QRectF(fx, y - 48, 16, 16));
        p.setBrush(QColor(60, 110, 70));
        p.drawRect(QRectF(fx - 6, y - 48, 6, 16));
        p.drawRect(QRectF(fx + 16, y - 48, 6, 16));
        p.setBrush(QColor(150, 190, 220));
    }
}

}  // namespace

QImage logoCarnet()
{
    QImage image(261, 251, QImage::Format_RGB32);
    image.fill(QColor(128, 255, 128));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    p.setPen(QPen(QColor(0, 0, 255), 4));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(6, 6, 249, 239), 18, 18);

    toque(p, QRectF(60, 18, 141, 142));

    QFont police(u"Arial"_s);
    police.setPixelSize(44);
    police.setBold(true);
    police.setItalic(true);
    p.setFont(police);
    p.setPen(QColor(0, 0, 255));
    p.drawText(QRectF(0, 168, 261, 56), Qt::AlignCenter, u"ORBALE"_s);
    police.setPixelSize(13);
    police.setItalic(false);
    p.setFont(police);
    p.setPen(QColor(0, 90, 0));
    p.drawText(QRectF(0, 218, 261, 20), Qt::AlignCenter, u"le carnet de cuisine"_s);
    return image;
}

QImage paysageFond()
{
    const qreal l = 800;
    const qreal h = 600;
    QImage image(800, 600, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    QLinearGradient ciel(0, 0, 0, h * 0.55);
    ciel.setColorAt(0, QColor(40, 100, 190));
    ciel.setColorAt(0.7, QColor(140, 190, 235));
    ciel.setColorAt(1, QColor(235, 225, 200));
    p.fillRect(image.rect(), ciel);

    QRadialGradient soleil(620, 110, 70);
    soleil.setColorAt(0, QColor(255, 250, 210));
    soleil.setColorAt(0.35, QColor(255, 230, 120));
    soleil.setColorAt(1, QColor(255, 230, 120, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(soleil);
    p.drawEllipse(QPointF(620, 110), 70, 70);

    p.setBrush(QColor(255, 255, 255, 200));
    for (const QPointF& nuage : {QPointF(150, 90), QPointF(400, 60), QPointF(300, 160)}) {
        p.drawEllipse(nuage, 60, 18);
        p.drawEllipse(nuage + QPointF(-30, -10), 32, 20);
        p.drawEllipse(nuage + QPointF(22, -14), 36, 22);
    }

    // Hills from the farthest (bluish) to the nearest (deep green).
    p.setBrush(QColor(120, 150, 160));
    p.drawPath(colline(l, h, h * 0.45, 40, 0));
    p.setBrush(QColor(110, 160, 90));
    p.drawPath(colline(l, h, h * 0.52, 35, 1));
    QLinearGradient pre(0, h * 0.55, 0, h);
    pre.setColorAt(0, QColor(90, 150, 60));
    pre.setColorAt(1, QColor(50, 110, 40));
    p.setBrush(pre);
    p.drawPath(colline(l, h, h * 0.6, 20, 0));

    // A ripe wheat field in perspective, its furrows running to the horizon.
    QPolygonF champ({QPointF(330, h * 0.66), QPointF(l, h * 0.62), QPointF(l, h), QPointF(120, h)});
    QLinearGradient ble(0, h * 0.62, 0, h);
    ble.setColorAt(0, QColor(230, 200, 100));
    ble.setColorAt(1, QColor(200, 150, 50));
    p.setBrush(ble);
    p.drawPolygon(champ);
    p.setPen(QPen(QColor(170, 125, 40), 2));
    for (int i = 0; i <= 10; ++i) {
        const qreal bas = 120 + (l - 120) * i / 10.0;
        const qreal haut = 330 + (l - 330) * i / 10.0;
        p.drawLine(QPointF(haut, h * 0.66 - (h * 0.04) * i / 10.0), QPointF(bas, h));
    }

    // The path to the farm.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(190, 170, 130));
    QPainterPath chemin(QPointF(60, h));
    chemin.cubicTo(QPointF(120, h * 0.85), QPointF(180, h * 0.75), QPointF(230, h * 0.64));
    chemin.lineTo(QPointF(245, h * 0.64));
    chemin.cubicTo(QPointF(210, h * 0.75), QPointF(180, h * 0.88), QPointF(110, h));
    chemin.closeSubpath();
    p.drawPath(chemin);

    ferme(p, QPointF(170, h * 0.64));
    arbre(p, QPointF(90, h * 0.66), 110);
    arbre(p, QPointF(390, h * 0.63), 80);
    arbre(p, QPointF(720, h * 0.60), 60);
    return image;
}
