// Wrapping with the test printer: every character is a fixed number of twips
// wide, the limit is 12000 - (300 + 2200) = 9500 twips.
#include "print/kalimprime.h"

#include "environnement.h"

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

QStringList repete(int fois, const QString& ligne)
{
    QStringList l;
    for (int i = 0; i < fois; ++i)
        l.append(ligne);
    return l;
}

using Coupure = DossierProgramme;

TEST_F(Coupure, ChaqueLigneSeCoupeOuIlFaut)
{
    // Words of 9 letters and a blank: the tenth word would end at 99 characters
    // (9900 twips), so each line keeps nine words and its final blank.
    QStringList mots;
    for (int i = 0; i < 25; ++i)
        mots.append(u"mot%1xxxx"_s.arg(i, 2, 10, QChar(u'0')));
    const auto x = [](int n, char16_t c) { return QString(n, QChar(c)); };
    const struct {
        const char* cas;
        QStringList lignes;
        double twips;
        QStringList attendu;
    } cas[] = {
        {"84 caractères ne sont pas mesurés", {x(84, u'a')}, 1000, {x(84, u'a')}},
        // The character that passes the limit ends the line.
        {"85 le sont", {x(85, u'a')}, 1000, repete(8, x(10, u'a')) << x(5, u'a')},
        {"85 qui tiennent", {x(85, u'a')}, 100, {x(85, u'a')}},
        {"blancs finaux ôtés, initiaux gardés", {u"   trois blancs devant   "_s}, 100, {u"   trois blancs devant"_s}},
        {"84 sans les blancs finaux", {x(84, u'b') + u"     "_s}, 1000, {x(84, u'b')}},
        {"lignes vides", {u""_s, u"   "_s, u"fin"_s}, 100, {u""_s, u""_s, u"fin"_s}},
        {"après le dernier blanc", {mots.join(u' ')}, 100,
         {mots.mid(0, 9).join(u' ') + u' ', mots.mid(9, 9).join(u' ') + u' ', mots.mid(18).join(u' ')}},
        {"sans blanc, où elle déborde", {x(200, u'x')}, 100, {x(96, u'x'), x(96, u'x'), x(8, u'x')}},
        // A blank at the very start is the only place to cut: it stands alone.
        {"un blanc initial seul", {u' ' + x(150, u'y')}, 100, {u" "_s, x(96, u'y'), x(54, u'y')}},
        // 128 characters are 9500.5 twips, rounded to 9500 (to the even): they still fit.
        {"largeur arrondie au pair", {x(200, u'z')}, 74.22265625, {x(129, u'z'), x(71, u'z')}},
    };
    Programme& p = programme();
    for (const auto& c : cas) {
        imprimante->twipsParCaractere = c.twips;
        KalImprime k(p.imprimante());
        k.List1 = c.lignes;
        k.Couper();
        EXPECT_EQ(k.List2, c.attendu) << c.cas;
    }
}

TEST_F(Coupure, CouperAjouteALaSuiteDeList2)
{
    KalImprime k(programme().imprimante());
    k.List2 = QStringList{u"avant"_s};
    k.List1 = QStringList{u"un"_s, u"deux"_s};
    k.Couper();
    EXPECT_EQ(k.List2, (QStringList{u"avant"_s, u"un"_s, u"deux"_s}));
}

}  // namespace
