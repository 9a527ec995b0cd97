#include "photos.h"

#include <QFont>
#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int Largeur = 400;
constexpr int Hauteur = 300;
const QPointF Centre(200, 145);

// A small generator seeded from the title, so that a picture is the same on
// every run (QHash is seeded per process and would not be).
class Alea {
public:
    explicit Alea(const QString& texte)
    {
        for (const QChar c : texte) {
            etat_ = (etat_ ^ c.unicode()) * 16777619u;
        }
        if (etat_ == 0) {
            etat_ = 1;
        }
    }
    quint32 suivant()
    {
        etat_ ^= etat_ << 13;
        etat_ ^= etat_ >> 17;
        etat_ ^= etat_ << 5;
        return etat_;
    }
    qreal entre(qreal bas, qreal haut) { return bas + (haut - bas) * (suivant() % 10000) / 10000.0; }
    int entier(int bas, int haut) { return bas + static_cast<int>(suivant() % static_cast<quint32>(haut - bas + 1)); }

private:
    quint32 etat_ = 2166136261u;
};

// `base` with its hue moved by up to `ecart` degrees and its value by up to
// a tenth, for the variety from one dish to the next.
QColor nuance(Alea& a, QColor base, int ecart)
{
    const int teinte = (std::max(base.hsvHue(), 0) + a.entier(-ecart, ecart) + 360) % 360;
    const int valeur = std::clamp(base.value() + a.entier(-25, 25), 30, 255);
    return QColor::fromHsv(teinte, base.hsvSaturation(), valeur);
}

void nappe(QPainter& p, Alea& a)
{
    if (a.suivant() % 2 == 0) {
        // Wooden table: a warm gradient crossed by darker grain.
        const QColor bois = nuance(a, QColor(150, 100, 60), 10);
        QLinearGradient fond(0, 0, Largeur, Hauteur);
        fond.setColorAt(0, bois.lighter(120));
        fond.setColorAt(1, bois.darker(130));
        p.fillRect(QRectF(0, 0, Largeur, Hauteur), fond);
        p.setPen(QPen(bois.darker(160), 1));
        for (int y = 8; y < Hauteur; y += a.entier(10, 22)) {
            QPainterPath veine(QPointF(0, y));
            veine.cubicTo(QPointF(130, y + a.entre(-6, 6)), QPointF(270, y + a.entre(-6, 6)), QPointF(Largeur, y));
            p.drawPath(veine);
        }
        return;
    }
    // Gingham cloth: translucent bands both ways over white.
    const std::array couleurs = {QColor(200, 30, 40), QColor(30, 70, 170), QColor(40, 140, 70), QColor(220, 170, 20)};
    QColor carreau = couleurs.at(a.suivant() % couleurs.size());
    p.fillRect(QRectF(0, 0, Largeur, Hauteur), QColor(250, 248, 240));
    carreau.setAlpha(110);
    const int pas = a.entier(20, 30);
    for (int x = 0; x < Largeur; x += 2 * pas) {
        p.fillRect(QRectF(x, 0, pas, Hauteur), carreau);
    }
    for (int y = 0; y < Hauteur; y += 2 * pas) {
        p.fillRect(QRectF(0, y, Largeur, pas), carreau);
    }
}

void assiette(QPainter& p, Alea& a)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 70));
    p.drawEllipse(Centre + QPointF(8, 10), 158, 112);

    QRadialGradient bord(Centre - QPointF(40, 40), 200);
    bord.setColorAt(0, Qt::white);
    bord.setColorAt(1, QColor(200, 200, 205));
    p.setBrush(bord);
    p.setPen(QPen(QColor(170, 170, 175), 1));
    p.drawEllipse(Centre, 155, 108);

    // The coloured filet on the rim differs from plate to plate.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(nuance(a, QColor(40, 60, 150), 180), 2.5));
    p.drawEllipse(Centre, 142, 98);

    QRadialGradient creux(Centre + QPointF(25, 20), 130);
    creux.setColorAt(0, QColor(250, 250, 250));
    creux.setColorAt(1, QColor(215, 215, 222));
    p.setBrush(creux);
    p.setPen(QPen(QColor(190, 190, 198), 1.5));
    p.drawEllipse(Centre, 112, 76);
}

void morceau(QPainter& p, QPointF centre, qreal rx, qreal ry, QColor couleur)
{
    QRadialGradient g(centre - QPointF(rx * 0.3, ry * 0.4), std::max(rx, ry) * 1.3);
    g.setColorAt(0, couleur.lighter(150));
    g.setColorAt(1, couleur.darker(140));
    p.setBrush(g);
    p.setPen(QPen(couleur.darker(180), 1));
    p.drawEllipse(centre, rx, ry);
}

// A point within the plate's well, further in by `marge`.
QPointF dansLeCreux(Alea& a, qreal marge)
{
    const qreal angle = a.entre(0, 2 * std::numbers::pi);
    const qreal r = std::sqrt(a.entre(0, 1));
    return Centre + QPointF(std::cos(angle) * (112 - marge) * r, std::sin(angle) * (76 - marge * 0.7) * r);
}

void herbes(QPainter& p, Alea& a, int nombre)
{
    p.setPen(Qt::NoPen);
    for (int i = 0; i < nombre; ++i) {
        p.setBrush(QColor(40, a.entier(110, 160), 40));
        p.drawEllipse(dansLeCreux(a, 20), 2.5, 2);
    }
}

void mijote(QPainter& p, Alea& a, QColor sauce, QColor viande)
{
    p.setPen(Qt::NoPen);
    QRadialGradient g(Centre, 95);
    g.setColorAt(0, sauce.lighter(115));
    g.setColorAt(1, sauce.darker(115));
    p.setBrush(g);
    QPainterPath flaque;
    flaque.addEllipse(Centre + QPointF(a.entre(-8, 8), a.entre(-5, 5)), 92, 60);
    p.drawPath(flaque);
    for (int i = a.entier(6, 9); i > 0; --i) {
        morceau(p, dansLeCreux(a, 40), a.entre(14, 22), a.entre(10, 15), nuance(a, viande, 6));
    }
    for (int i = a.entier(3, 6); i > 0; --i) {
        morceau(p, dansLeCreux(a, 30), 7, 6, QColor(235, 120, 30));  // carrots or peppers
    }
    herbes(p, a, 25);
}

void volaille(QPainter& p, Alea& a, QColor peau)
{
    for (int i = 0; i < 7; ++i) {  // potatoes around
        const qreal angle = 2 * std::numbers::pi * i / 7 + a.entre(-0.2, 0.2);
        morceau(p, Centre + QPointF(std::cos(angle) * 85, std::sin(angle) * 55), 14, 11, QColor(225, 185, 80));
    }
    for (const qreal cote : {-1.0, 1.0}) {  // drumsticks
        p.save();
        p.translate(Centre + QPointF(cote * 40, 22));
        p.rotate(cote * 35);
        morceau(p, QPointF(0, 0), 16, 26, peau);
        p.setBrush(QColor(245, 240, 225));
        p.setPen(QPen(QColor(180, 170, 150), 1));
        p.drawEllipse(QPointF(0, 30), 5, 5);
        p.restore();
    }
    morceau(p, Centre - QPointF(0, 8), 60, 42, peau);
    p.setPen(QPen(QColor(255, 255, 230, 140), 3));
    p.drawArc(QRectF(Centre - QPointF(40, 38), QSizeF(50, 30)), 30 * 16, 100 * 16);
    herbes(p, a, 15);
}

void poisson(QPainter& p, Alea& a, QColor ecailles)
{
    QPainterPath corps(Centre + QPointF(-85, 0));
    corps.cubicTo(Centre + QPointF(-50, -48), Centre + QPointF(40, -42), Centre + QPointF(60, 0));
    corps.cubicTo(Centre + QPointF(40, 42), Centre + QPointF(-50, 48), Centre + QPointF(-85, 0));
    QPainterPath queue(Centre + QPointF(55, 0));
    queue.lineTo(Centre + QPointF(95, -30));
    queue.quadTo(Centre + QPointF(85, 0), Centre + QPointF(95, 30));
    queue.closeSubpath();

    QLinearGradient g(Centre.x(), Centre.y() - 45, Centre.x(), Centre.y() + 45);
    g.setColorAt(0, ecailles.darker(130));
    g.setColorAt(0.5, ecailles.lighter(140));
    g.setColorAt(1, ecailles);
    p.setPen(QPen(ecailles.darker(170), 1.5));
    p.setBrush(g);
    p.drawPath(queue);
    p.drawPath(corps);
    p.setBrush(Qt::white);
    p.drawEllipse(Centre + QPointF(-60, -8), 6, 6);
    p.setBrush(Qt::black);
    p.drawEllipse(Centre + QPointF(-60, -8), 3, 3);

    for (const QPointF decalage : {QPointF(-30, 52), QPointF(15, 56)}) {  // lemon slices
        p.setBrush(QColor(250, 230, 60));
        p.setPen(QPen(QColor(220, 190, 30), 2));
        p.drawEllipse(Centre + decalage, 17, 11);
        p.setPen(QPen(QColor(255, 250, 200), 1));
        for (int i = 0; i < 3; ++i) {
            const qreal angle = std::numbers::pi * i / 3;
            const QPointF rayon(std::cos(angle) * 14, std::sin(angle) * 9);
            p.drawLine(Centre + decalage - rayon, Centre + decalage + rayon);
        }
    }
    herbes(p, a, 12);
}

void coquillages(QPainter& p, Alea& a, QColor coquille)
{
    for (int i = a.entier(12, 16); i > 0; --i) {
        p.save();
        p.translate(dansLeCreux(a, 28));
        p.rotate(a.entre(0, 360));
        morceau(p, QPointF(0, 0), 24, 11, coquille);
        p.setBrush(QColor(240, 150, 70));
        p.setPen(Qt::NoPen);
        p.drawEllipse(QPointF(2, 0), 15, 6);
        p.restore();
    }
    herbes(p, a, 20);
}

void gateau(QPainter& p, Alea& a, QColor pate)
{
    morceau(p, Centre, 90, 60, pate);
    p.setPen(QPen(pate.darker(160), 1.5));
    for (int i = 0; i < 8; ++i) {
        const qreal angle = std::numbers::pi * i / 4;
        p.drawLine(Centre, Centre + QPointF(std::cos(angle) * 88, std::sin(angle) * 58));
    }
    p.setPen(Qt::NoPen);
    for (int i = a.entier(5, 9); i > 0; --i) {  // red fruit and mint leaves
        p.setBrush(QColor(a.entier(170, 220), 20, 40));
        p.drawEllipse(dansLeCreux(a, 20), 5, 5);
    }
    p.setBrush(QColor(60, 150, 70));
    p.drawEllipse(Centre + QPointF(-6, -4), 9, 4);
}

void barres(QPainter& p, Alea& a, QColor pate)
{
    for (int i = 0; i < 3; ++i) {
        const QRectF barre(Centre.x() - 80, Centre.y() - 48 + i * 33, 160, 26);
        p.setPen(QPen(pate.darker(140), 1));
        p.setBrush(pate);
        p.drawRoundedRect(barre, 4, 4);
        p.setPen(Qt::NoPen);
        for (int j = 0; j < 10; ++j) {
            p.setBrush(j % 3 == 0 ? QColor(120, 170, 60) : QColor(215, 180, 120));
            p.drawEllipse(QPointF(barre.left() + a.entre(8, 152), barre.top() + a.entre(6, 20)), 4, 3);
        }
    }
}

void legumes(QPainter& p, Alea& a)
{
    const std::array couleurs = {QColor(210, 30, 30), QColor(60, 150, 40), QColor(240, 200, 30),
                                 QColor(110, 40, 110), QColor(240, 130, 30), QColor(230, 230, 200)};
    for (int i = a.entier(30, 40); i > 0; --i) {
        morceau(p, dansLeCreux(a, 18), a.entre(6, 12), a.entre(5, 9), nuance(a, couleurs.at(a.suivant() % couleurs.size()), 8));
    }
    herbes(p, a, 20);
}

void ramequin(QPainter& p, Alea& a, QColor sauce, bool persil)
{
    p.setBrush(QColor(235, 235, 240));
    p.setPen(QPen(QColor(170, 170, 180), 2));
    p.drawEllipse(Centre, 80, 55);
    QRadialGradient g(Centre - QPointF(15, 10), 80);
    g.setColorAt(0, sauce.lighter(125));
    g.setColorAt(1, sauce.darker(110));
    p.setBrush(g);
    p.setPen(Qt::NoPen);
    p.drawEllipse(Centre + QPointF(0, 3), 68, 45);
    p.setBrush(QColor(255, 255, 255, 120));
    p.drawEllipse(Centre - QPointF(25, 15), 18, 6);
    p.setPen(Qt::NoPen);
    for (int i = persil ? 14 : 0; i > 0; --i) {
        p.setBrush(QColor(40, a.entier(100, 150), 40));
        p.drawEllipse(Centre + QPointF(a.entre(-50, 50), a.entre(-30, 32)), 2, 1.5);
    }
}

void pain(QPainter& p, Alea& a, QColor croute)
{
    // Bread lies on a board, not on a plate.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 70));
    p.drawRoundedRect(QRectF(48, 62, 316, 186), 30, 30);
    QLinearGradient planche(0, 55, 0, 240);
    planche.setColorAt(0, QColor(205, 160, 105));
    planche.setColorAt(1, QColor(160, 115, 70));
    p.setBrush(planche);
    p.drawRoundedRect(QRectF(40, 55, 316, 186), 30, 30);

    morceau(p, Centre, 120, 68, croute);
    p.setPen(QPen(croute.lighter(160), 5, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 4; ++i) {
        const qreal x = Centre.x() - 66 + i * 44 + a.entre(-4, 4);
        p.drawLine(QPointF(x - 14, Centre.y() - 36), QPointF(x + 14, Centre.y() + 36));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 90));
    for (int i = 0; i < 40; ++i) {  // flour
        p.drawEllipse(Centre + QPointF(a.entre(-100, 100), a.entre(-55, 55)), 1.5, 1.5);
    }
}

void fromages(QPainter& p, Alea& a, QColor pate)
{
    for (int i = 0; i < 3; ++i) {
        const qreal angle = 2 * std::numbers::pi * i / 3 + a.entre(0, 0.5);
        const QPointF c = Centre + QPointF(std::cos(angle) * 48, std::sin(angle) * 30);
        QPolygonF part({c + QPointF(-32, 20), c + QPointF(34, 22), c + QPointF(4, -28)});
        p.setPen(QPen(pate.darker(150), 1.5));
        p.setBrush(pate);
        p.drawPolygon(part);
        p.setPen(Qt::NoPen);
        p.setBrush(pate.darker(125));
        p.drawEllipse(c + QPointF(a.entre(-10, 10), a.entre(0, 12)), 4, 3);
    }
    for (int i = 0; i < 9; ++i) {  // grapes
        morceau(p, Centre + QPointF(70 + (i % 3) * 9, -42 + (i / 3) * 9), 5, 5, QColor(120, 40, 110));
    }
}

void tranches(QPainter& p, Alea& a, QColor farce)
{
    for (int i = 0; i < 3; ++i) {
        const QRectF tranche(Centre.x() - 85 + i * 52, Centre.y() - 38 + i * 6, 48, 70);
        p.setPen(QPen(farce.darker(150), 2));
        p.setBrush(farce);
        p.drawRoundedRect(tranche, 6, 6);
        p.setPen(Qt::NoPen);
        for (int j = 0; j < 12; ++j) {
            p.setBrush(j % 2 == 0 ? farce.darker(130) : farce.lighter(125));
            p.drawEllipse(QPointF(tranche.left() + a.entre(6, 42), tranche.top() + a.entre(6, 64)), 3, 2.5);
        }
    }
    for (int i = 0; i < 4; ++i) {  // gherkins
        morceau(p, Centre + QPointF(-50 + i * 30, 52), 12, 5, QColor(80, 120, 40));
    }
}

void legende(QPainter& p, const QString& titre)
{
    QFont police(u"Arial"_s);
    police.setPixelSize(12);
    police.setBold(true);
    p.setFont(police);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 140));
    p.drawRect(QRectF(0, Hauteur - 24, Largeur, 24));
    p.setPen(Qt::white);
    const QString texte = QFontMetrics(police).elidedText(titre, Qt::ElideRight, Largeur - 16);
    p.drawText(QRectF(8, Hauteur - 24, Largeur - 16, 24), Qt::AlignVCenter | Qt::AlignLeft, texte);
}

}  // namespace

QImage photoRecette(const QString& categorie, const QString& titre)
{
    QImage image(Largeur, Hauteur, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    Alea a(categorie + titre);
    nappe(p, a);
    const bool chocolat = titre.contains(u"CHOCOLAT"_s);
    // Dishes served in their ramekin rather than on the plate.
    const bool enRamequin = titre.contains(u"SOUFFL"_s) || titre.contains(u"CRÈME"_s) || titre.contains(u"MOUSSE"_s);

    if (categorie == u"PAI"_s) {
        pain(p, a, nuance(a, QColor(170, 105, 45), 8));
    } else {
        assiette(p, a);
        const QStringList viandes = {u"AGN"_s, u"BOE"_s, u"VEA"_s, u"POR"_s, u"GIB"_s, u"LAP"_s, u"COQ"_s, u"PLA"_s};
        if (enRamequin) {
            ramequin(p, a, chocolat ? nuance(a, QColor(90, 50, 30), 5) : nuance(a, QColor(200, 130, 40), 10),
                     categorie != u"DES"_s);
        } else if (viandes.contains(categorie)) {
            // Dark wine sauces for beef and game, lighter ones for white meat.
            const bool blanche = categorie == u"VEA"_s || categorie == u"LAP"_s;
            mijote(p, a, nuance(a, blanche ? QColor(235, 220, 180) : QColor(110, 45, 30), 12),
                   nuance(a, blanche ? QColor(225, 205, 170) : QColor(120, 60, 35), 8));
        } else if (categorie == u"POU"_s || categorie == u"CAN"_s) {
            volaille(p, a, nuance(a, QColor(200, 130, 50), 10));
        } else if (categorie == u"POI"_s) {
            poisson(p, a, nuance(a, QColor(190, 170, 120), 20));
        } else if (categorie == u"CRU"_s) {
            // Mussels are blue-black; scallops and the like pale.
            coquillages(p, a, titre.contains(u"MOULES"_s) ? nuance(a, QColor(40, 40, 80), 30)
                                                          : nuance(a, QColor(235, 215, 190), 10));
        } else if (categorie == u"DES"_s) {
            gateau(p, a, chocolat ? nuance(a, QColor(90, 50, 30), 5) : nuance(a, QColor(210, 140, 50), 12));
        } else if (categorie == u"NOU"_s) {
            barres(p, a, nuance(a, QColor(245, 235, 210), 6));
        } else if (categorie == u"SAU"_s || categorie == u"FON"_s || categorie == u"BEU"_s) {
            ramequin(p, a, nuance(a, QColor(240, 200, 90), 8), true);
        } else if (categorie == u"MAG"_s) {
            fromages(p, a, nuance(a, QColor(245, 210, 100), 8));
        } else if (categorie == u"VIT"_s || categorie == u"FOI"_s) {
            tranches(p, a, nuance(a, categorie == u"FOI"_s ? QColor(235, 190, 150) : QColor(190, 110, 100), 8));
        } else {
            legumes(p, a);
        }
    }
    legende(p, titre);
    return image;
}

QImage photoAbsente()
{
    QImage image(Largeur, Hauteur, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient fond(0, 0, 0, Hauteur);
    fond.setColorAt(0, QColor(225, 225, 225));
    fond.setColorAt(1, QColor(175, 175, 180));
    p.fillRect(image.rect(), fond);

    // An empty plate drawn in dashes, crossed out.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(120, 120, 125), 3, Qt::DashLine));
    p.drawEllipse(QPointF(200, 125), 120, 80);
    p.drawEllipse(QPointF(200, 125), 80, 52);
    p.setPen(QPen(QColor(200, 40, 40), 6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(120, 60), QPointF(280, 190));

    QFont police(u"Arial"_s);
    police.setPixelSize(30);
    police.setBold(true);
    p.setFont(police);
    p.setPen(QColor(70, 70, 75));
    p.drawText(QRectF(0, 220, Largeur, 50), Qt::AlignCenter, u"PAS DE PHOTO"_s);
    return image;
}
