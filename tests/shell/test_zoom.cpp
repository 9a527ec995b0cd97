#include "app/fenetrekal.h"
#include "app/modformzoomed.h"
#include "platform/boiteimage.h"
#include "platform/twips.h"

#include "environnement.h"

#include <QLabel>

#include <gtest/gtest.h>

namespace {

// The screens themselves are measured through the windows below.
TEST(MesurerEcran, ArrondiAuPair)
{
    for (const auto& [valeur, arrondi] : {std::pair{162.5, 162}, {163.5, 164}, {-0.5, 0}, {38.5, 38}, {39.5, 40}})
        EXPECT_EQ(arrondiPair(valeur), arrondi) << valeur;
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

using Zoom = DossierProgramme;

TEST_F(Zoom, LesControlesSuiventLEcranSansProportion)
{
    // 800 x 600 keeps the design; wider screens stretch each axis on its own.
    const struct { QSize ecran; double x, y, l, h; int police; } cas[] = {
        {{800, 600}, 3983, 2430, 3915, 3450, 7},
        {{1024, 768}, 3983.0 / 12000 * 15360, 2430.0 / 9000 * 11520, 3915 * 1.28, 3450 * 1.28, 9},
        {{1920, 1080}, 3983 * 2.4, 2430 * 1.8, 3915 * 2.4, 3450 * 1.8, 18},
    };
    Programme& p = programme();
    for (const auto& c : cas) {
        p.zoom.MesurerEcran(c.ecran);
        FenetreEssai f(p);
        const QFont avant = f.image->font();
        p.zoom.MemoriserPositions(f);
        p.zoom.AppliquerZoom(f);
        EXPECT_EQ(geometrieTwips(f.etiquette), QRectF(c.x, c.y, c.l, c.h)) << c.ecran.width();
        EXPECT_EQ(f.etiquette->font().pointSize(), c.police);
        EXPECT_TRUE(f.etiquette->font().bold());
        // A picture moves but keeps no font; a menu entry is left alone.
        EXPECT_DOUBLE_EQ(geometrieTwips(f.image).height(), 3000 * c.h / 3450);
        EXPECT_EQ(f.image->font(), avant);
        EXPECT_EQ(f.entree->text(), QStringLiteral("Retour"));
    }
}

}  // namespace
