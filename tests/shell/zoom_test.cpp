#include "shell/fenetrekal.h"
#include "shell/modformzoomed.h"
#include "platform/boiteimage.h"
#include "platform/twips.h"

#include "environnement.h"

#include <QLabel>

#include <gtest/gtest.h>

namespace {

struct Attendu {
    int largeur, hauteur, largeurEcran, pourcent, police;
};

TEST(MesurerEcran, DonneLesValeursDuTableau)
{
    const Attendu cas[] = {
        {640, 480, 9600, 66, 6},     {800, 600, 12000, 80, 7},    {1024, 768, 15360, 102, 9},
        {1280, 1024, 19200, 129, 12}, {1920, 1080, 28800, 199, 18},
    };
    for (const Attendu& a : cas) {
        ModFormZoomed z;
        z.MesurerEcran(QSize(a.largeur, a.hauteur));
        EXPECT_EQ(z.LargeurEcran, a.largeurEcran) << a.largeur;
        EXPECT_EQ(z.HauteurEcran, a.hauteur * 15) << a.largeur;
        EXPECT_EQ(z.PourcentZoom, a.pourcent) << a.largeur;
        EXPECT_EQ(z.TaillePolice, a.police) << a.largeur;
    }
}

TEST(MesurerEcran, ArrondiAuPairLePlusProche)
{
    EXPECT_EQ(arrondiPair(162.5), 162);
    EXPECT_EQ(arrondiPair(163.5), 164);
    EXPECT_EQ(arrondiPair(-0.5), 0);
    EXPECT_EQ(arrondiPair(38.5), 38);
    EXPECT_EQ(arrondiPair(39.5), 40);
}

class FenetreEssai : public FenetreKal {
public:
    explicit FenetreEssai(Programme& p) : FenetreKal(p)
    {
        etiquette = controle<QLabel>("Label1", 3983, 2430, 3915, 3450);
        image = controle<BoiteImage>("Image1", 0, 3150, 2000, 3000);
        entree = entreeMenu("Retour", QStringLiteral("Retour"));
    }
    QLabel* etiquette;
    BoiteImage* image;
    QAction* entree;
};

class Zoom : public DossierProgramme {};

TEST_F(Zoom, Ecran1024x768DeplaceEtGrossit)
{
    Programme& p = programme();
    FenetreEssai f(p);
    const QFont avant = f.image->font();
    p.zoom.MemoriserPositions(f);
    p.zoom.AppliquerZoom(f);
    const QRectF g = geometrieTwips(f.etiquette);
    EXPECT_DOUBLE_EQ(g.x(), 3983.0 / 12000 * 15360);  // 5098.24
    EXPECT_DOUBLE_EQ(g.y(), 2430.0 / 9000 * 11520);
    EXPECT_EQ(f.etiquette->font().pointSize(), 9);
    EXPECT_TRUE(f.etiquette->font().bold());
    // A picture moves but keeps no font; a menu entry is left alone.
    EXPECT_DOUBLE_EQ(geometrieTwips(f.image).height(), 3000.0 / 9000 * 11520);
    EXPECT_EQ(f.image->font(), avant);
    EXPECT_EQ(f.entree->text(), QStringLiteral("Retour"));
}

TEST_F(Zoom, Ecran800x600GardeLeDessin)
{
    Programme& p = programme();
    p.zoom.MesurerEcran(QSize(800, 600));
    FenetreEssai f(p);
    p.zoom.MemoriserPositions(f);
    p.zoom.AppliquerZoom(f);
    EXPECT_EQ(geometrieTwips(f.etiquette), QRectF(3983, 2430, 3915, 3450));
    EXPECT_EQ(f.etiquette->font().pointSize(), 7);
}

TEST_F(Zoom, EcranLargeEtireSansProportion)
{
    Programme& p = programme();
    p.zoom.MesurerEcran(QSize(1920, 1080));
    FenetreEssai f(p);
    p.zoom.MemoriserPositions(f);
    p.zoom.AppliquerZoom(f);
    const QRectF g = geometrieTwips(f.etiquette);
    EXPECT_DOUBLE_EQ(g.width(), 3915 * 2.4);
    EXPECT_DOUBLE_EQ(g.height(), 3450 * 1.8);
}

}  // namespace
