// Wrapping with the test printer: every character is a fixed number of twips
// wide, the limit is 12000 - (300 + 2200) = 9500 twips.
#include "print/kalimprime.h"

#include "environnement.h"

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

class Coupure : public DossierProgramme {
protected:
    QStringList couper(const QStringList& lignes, double twipsParCaractere = 100)
    {
        Programme& p = programme();
        imprimante->twipsParCaractere = twipsParCaractere;
        KalImprime k(p);
        k.List1 = lignes;
        k.Couper();
        return k.List2;
    }
};

TEST_F(Coupure, LesLignesCourtesPassentTellesQuelles)
{
    // 84 characters stay whole however wide the font; 85 are measured.
    const QString l84 = QString(84, u'a');
    const QString l85 = QString(85, u'a');
    EXPECT_EQ(couper({l84}, 1000), QStringList{l84});
    EXPECT_EQ(couper({l85}, 1000).size(), 9);
    EXPECT_EQ(couper({l85}, 100), QStringList{l85});
}

TEST_F(Coupure, BlancsFinauxOtesBlancsInitiauxGardes)
{
    EXPECT_EQ(couper({u"   trois blancs devant   "_s}), QStringList{u"   trois blancs devant"_s});
    // 84 characters once the trailing blanks are gone: no longer measured.
    EXPECT_EQ(couper({QString(84, u'b') + u"     "_s}, 1000), QStringList{QString(84, u'b')});
    EXPECT_EQ(couper({u""_s, u"   "_s, u"fin"_s}), (QStringList{u""_s, u""_s, u"fin"_s}));
}

TEST_F(Coupure, UnParagrapheSeCoupeApresSonDernierBlanc)
{
    // Words of 9 letters and a blank: the tenth word would end at 99 characters
    // (9900 twips), so each line keeps nine words and its final blank.
    QStringList mots;
    for (int i = 0; i < 25; ++i)
        mots.append(u"mot%1xxxx"_s.arg(i, 2, 10, QChar(u'0')));
    const QStringList lignes = couper({mots.join(u' ')});
    ASSERT_EQ(lignes.size(), 3);
    EXPECT_EQ(lignes.at(0), mots.mid(0, 9).join(u' ') + u' ');
    EXPECT_EQ(lignes.at(1), mots.mid(9, 9).join(u' ') + u' ');
    EXPECT_EQ(lignes.at(2), mots.mid(18).join(u' '));
}

TEST_F(Coupure, UneSuiteSansBlancSeCoupeOuElleDeborde)
{
    // The 96th character makes the line 9600 twips wide and ends it.
    EXPECT_EQ(couper({QString(200, u'x')}),
              (QStringList{QString(96, u'x'), QString(96, u'x'), QString(8, u'x')}));
    // A blank at the very start is the only place to cut: it stands alone.
    EXPECT_EQ(couper({u' ' + QString(150, u'y')}),
              (QStringList{u" "_s, QString(96, u'y'), QString(54, u'y')}));
}

TEST_F(Coupure, LaLargeurEstArrondieAuPairLePlusProche)
{
    // 128 characters of 74.22265625 twips are 9500.5 twips, which rounds to
    // 9500 and still fits: the line ends at the 129th character.
    const QStringList lignes = couper({QString(200, u'z')}, 74.22265625);
    ASSERT_EQ(lignes.size(), 2);
    EXPECT_EQ(lignes.at(0).size(), 129);
}

TEST_F(Coupure, CouperAjouteALaSuiteDeList2)
{
    Programme& p = programme();
    KalImprime k(p);
    k.List2 = QStringList{u"avant"_s};
    k.List1 = QStringList{u"un"_s, u"deux"_s};
    k.Couper();
    EXPECT_EQ(k.List2, (QStringList{u"avant"_s, u"un"_s, u"deux"_s}));
}

}  // namespace
