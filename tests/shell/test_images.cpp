// The splash and the background draw their pictures at run time; a blank or
// wrongly sized picture would go unnoticed until someone looks.
#include "shell/images.h"

#include <gtest/gtest.h>

#include <QSet>

namespace {

int couleursDistinctes(const QImage& image)
{
    QSet<QRgb> vues;
    for (int y = 0; y < image.height(); y += 7)
        for (int x = 0; x < image.width(); x += 7)
            vues.insert(image.pixel(x, y));
    return static_cast<int>(vues.size());
}

TEST(Images, LeLogoSurLeVertDuMenuEtLePaysage)
{
    const QImage logo = logoCarnet();
    ASSERT_EQ(logo.size(), QSize(261, 251));
    EXPECT_EQ(logo.pixelColor(2, 2), QColor(128, 255, 128));
    EXPECT_GT(couleursDistinctes(logo), 20);

    // The landscape goes from the sky to the fields.
    const QImage paysage = paysageFond();
    ASSERT_EQ(paysage.size(), QSize(800, 600));
    EXPECT_GT(paysage.pixelColor(100, 10).blue(), paysage.pixelColor(100, 10).red());
    EXPECT_GT(paysage.pixelColor(600, 590).red(), paysage.pixelColor(600, 590).blue());
    EXPECT_GT(couleursDistinctes(paysage), 200);
}

}  // namespace
