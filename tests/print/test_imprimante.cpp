// The Qt printer's text widths: summed from cached advances for speed, they
// must stay those of the printer's own metrics for the current font.
#include "platform/imprimante.h"

#include <QFontMetricsF>
#include <QPrinter>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

double largeurAttendue(const QFont& police, const QString& texte)
{
    QPrinter reference(QPrinter::HighResolution);
    reference.setOutputFormat(QPrinter::PdfFormat);
    return QFontMetricsF(police, &reference).horizontalAdvance(texte) * 1440.0 / reference.resolution();
}

TEST(ImprimanteQt, LesLargeursSontCellesDesMetriquesDeLImprimante)
{
    ImprimanteQt imprimante(ImprimanteQt::Sortie::Pdf);
    imprimante.setNomPolice(u"Arial"_s);
    imprimante.setTaillePolice(12);
    imprimante.setGras(true);
    // Kerned pairs, accents, typographic punctuation, then a combining accent
    // and a character beyond the BMP, measured as a line grows.
    const QString texte = u"AVATAR L’été, Œuvre… « fjord » Wave To Yves e\u0301 \U0001F37D fin"_s;
    QString ligne;
    for (const QChar c : texte) {
        ligne.append(c);
        EXPECT_NEAR(imprimante.largeurTexte(ligne), largeurAttendue(imprimante.police(), ligne), 0.01)
            << ligne.toStdString();
    }
    EXPECT_NEAR(imprimante.largeurTexte(u"Wave"_s), largeurAttendue(imprimante.police(), u"Wave"_s), 0.01);

    // A new font is measured afresh.
    const double avant = imprimante.largeurTexte(u"AVATAR"_s);
    imprimante.setTaillePolice(24);
    EXPECT_NEAR(imprimante.largeurTexte(u"AVATAR"_s), largeurAttendue(imprimante.police(), u"AVATAR"_s), 0.01);
    EXPECT_GT(imprimante.largeurTexte(u"AVATAR"_s), 1.8 * avant);
}

}  // namespace
