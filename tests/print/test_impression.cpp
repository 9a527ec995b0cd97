// The printed recipe and its text file: the layout through the test printer,
// the text file byte for byte, then real PDF files read back with poppler's tools.
#include "print/impression.h"
#include "print/kalimprime.h"

#include "environnement.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>

using namespace Qt::Literals::StringLiterals;

namespace {

FicheRecette recette(const QString& titre, const QStringList& ingredients = {}, const QStringList& preparation = {})
{
    return {titre, u"20 MN"_s, u"1H30"_s, u"aa"_s, u"Rosé"_s, ingredients, preparation};
}

QImage photoRouge()
{
    QImage image(300, 240, QImage::Format_RGB32);
    image.fill(Qt::red);
    return image;
}

QStringList numerotees(int n)
{
    QStringList l;
    for (int i = 0; i < n; ++i)
        l.append(u"Ligne %1"_s.arg(i, 3, 10, QChar(u'0')));
    return l;
}

QByteArray blancs(int n)
{
    return QByteArray(n, ' ');
}

using Impression = DossierProgramme;

TEST_F(Impression, LesAppelsSuiventLaMiseEnPage)
{
    Programme& p = programme();
    imprimante->resultat.reussi = false;
    imprimante->resultat.erreur = u"panne"_s;
    // The printer's verdict reaches the caller.
    EXPECT_THAT([&] { ImprimeFiche(p.imprimante(), recette(u"POULET RÔTI"_s, {u"  1 poulet  "_s}, {u"  Cuire.  "_s, QString(97, u'x')}), photoRouge()); },
                testing::ThrowsMessage<Echec>(testing::StrEq("panne")));
    EXPECT_EQ(imprimante->journal,
              (QStringList{u"police Arial"_s, u"taille 12"_s, u"gras"_s, u"couleur #000080"_s,
                           u"document POULET RÔTI"_s,
                           u"ligne "_s, u"ligne "_s, u"ligne 40:POULET RÔTI"_s, u"ligne "_s,
                           u"ligne 10:Temps de Préparation|40:20 MN"_s,
                           u"ligne 10:Temps de Cuisson|40:1H30"_s,
                           u"ligne 10:Niveau de Difficulté|40:aa"_s,
                           u"ligne 10:Boisson Conseiller|40:Rosé"_s, u"ligne "_s,
                           u"ligne 25:Ingrediant"_s, u"ligne "_s,
                           u"image 8000,900,3000,2400"_s,
                           u"ligne 10:  1 poulet  "_s, u"ligne "_s, u"ligne 25:Preparation"_s, u"ligne "_s,
                           u"ligne 10:Cuire."_s, u"ligne 10:"_s + QString(96, u'x'), u"ligne 10:x"_s,
                           u"ligne "_s, u"ligne 40:Bon Appétit"_s, u"fin"_s}));
}

TEST_F(Impression, UneNouvellePageToutesLesSoixanteLignesDePreparation)
{
    Programme& p = programme();
    ImprimeFiche(p.imprimante(), recette(u"LONGUE"_s, numerotees(3), numerotees(130)), QImage());
    const QStringList l = imprimante->lignes();
    const qsizetype debut = 17;  // after the heading and the three ingredients
    ASSERT_EQ(l.indexOf(u"10:Ligne 000"_s, 16), debut);
    EXPECT_EQ(l.count(u"page"_s), 2);
    EXPECT_EQ(l.mid(debut + 59, 3), (QStringList{u"10:Ligne 059"_s, u"page"_s, u"10:Ligne 060"_s}));
    EXPECT_EQ(l.mid(debut + 120, 3), (QStringList{u"10:Ligne 119"_s, u"page"_s, u"10:Ligne 120"_s}));
    EXPECT_EQ(l.at(debut + 131), u"10:Ligne 129"_s);
    EXPECT_FALSE(imprimante->journal.join(u'\n').contains(u"image"_s));  // no photograph, no picture
}

// Wrapping with the test printer: every character is a fixed number of twips
// wide, the limit is 12000 - (300 + 2200) = 9500 twips.
TEST_F(Impression, ChaqueLigneSeCoupeOuIlFaut)
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
        {"85 le sont", {x(85, u'a')}, 1000, QStringList(8, x(10, u'a')) << x(5, u'a')},
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
        k.List2 = QStringList{u"avant"_s};  // appended to
        k.List1 = c.lignes;
        k.Couper();
        EXPECT_EQ(k.List2, QStringList{u"avant"_s} + c.attendu) << c.cas;
    }
}

// The text file: byte for byte, appended, in Windows-1252.
using Export = DossierProgramme;

TEST_F(Export, ChaqueLigneALaColonneVoulue)
{
    Imprimante& imp = programme().imprimante();
    FicheRecette r = recette(u"POULET RÔTI"_s, {u"1 poulet"_s, u"  sel"_s}, {u"  Cuire.  "_s, u""_s});
    r.tempCuisson = u" 1 H "_s;  // values as they stand in the window
    ASSERT_NO_THROW(ExporterTexte(imp, r));
    const QByteArray attendu = QByteArrayList{
        blancs(39) + "POULET R\xd4TI", "", blancs(9) + "Temps de Pr\xe9paration" + blancs(10) + "20 MN",
        blancs(9) + "Temps de Cuisson" + blancs(14) + " 1 H ", blancs(9) + "Niveau de Difficult\xe9" + blancs(10) + "aa",
        blancs(9) + "Boisson Conseiller" + blancs(12) + "Ros\xe9", "", blancs(24) + "Ingrediant", "", blancs(9) + "1 poulet",
        blancs(9) + "  sel", "", blancs(24) + "Preparation", "", blancs(9) + "Cuire.", blancs(9), "",
        blancs(39) + "Bon App\xe9tit", ""}.join("\r\n");
    EXPECT_EQ(contenu(chemin(u"POULET RÔTI.txt"_s)), attendu);
    // Exporting again appends.
    ASSERT_NO_THROW(ExporterTexte(imp, r));
    EXPECT_EQ(contenu(chemin(u"POULET RÔTI.txt"_s)), attendu + attendu);
}

TEST_F(Export, LeTitreSeCentreSurSaLongueurEtRienSansIngredient)
{
    Imprimante& imp = programme().imprimante();
    // 45 - L/2, a half to the even neighbour, never left of column 1.
    const struct { int longueur, blancsDevant; } cas[] = {{10, 39}, {11, 39}, {13, 37}, {90, 0}, {97, 0}};
    for (const auto& c : cas) {
        const QString titre = QString(c.longueur, u'T');
        ASSERT_NO_THROW(ExporterTexte(imp, recette(titre)));
        const QList<QByteArray> l = contenu(chemin(titre + u".txt"_s)).split('\n');
        ASSERT_GE(l.size(), 11) << c.longueur;
        EXPECT_EQ(l.at(0), blancs(c.blancsDevant) + titre.toLatin1() + '\r') << c.longueur;
        EXPECT_EQ(l.mid(7, 4), (QList<QByteArray>{blancs(24) + "Ingrediant\r", "\r", "\r", blancs(24) + "Preparation\r"}));
    }
}

// What the poppler tool writes, or nothing when it failed.
std::optional<QString> lancer(const QString& outil, const QStringList& arguments)
{
    QProcess p;
    p.start(outil, arguments);
    if (!p.waitForFinished(30000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        return std::nullopt;
    return QString::fromUtf8(p.readAllStandardOutput());
}

// Through the real Qt printer, writing PDF files in the working folder.
using ImpressionPdf = DossierProgramme;

TEST_F(ImpressionPdf, LeTexteEtLaPhotoSontALeurPlace)
{
    Programme& p = programme(true);
    const QString pdf =
        ImprimeFiche(p.imprimante(), recette(u"POULET RÔTI"_s, {u"1 poulet fermier"_s, u"   gros sel"_s}, {u"Cuire au four."_s}),
                     photoRouge());
    EXPECT_EQ(pdf, chemin(u"POULET RÔTI.pdf"_s));
    // One page, ended by a form feed.
    const QStringList page = lancer(u"pdftotext"_s, {u"-layout"_s, pdf, u"-"_s}).value_or(QString()).split(u'\f');
    ASSERT_EQ(page.size(), 2);

    // Columns 10 < 25 < 40: the values line up at 40, ingredient lines keep their blanks.
    const QString& t = page.first();
    const auto colonne = [&](const QString& mot) {
        for (const QString& l : t.split(u'\n'))
            if (l.contains(mot))
                return l.indexOf(mot);
        return qsizetype(-1);
    };
    const qsizetype c10 = colonne(u"Temps de Cuisson"_s), c25 = colonne(u"Ingrediant"_s);
    EXPECT_TRUE(0 <= c10 && c10 < c25 && c25 < colonne(u"Bon Appétit"_s)) << t.toStdString();
    EXPECT_EQ(QList<qsizetype>({colonne(u"Preparation"_s), colonne(u"1 poulet"_s), colonne(u"Cuire"_s), colonne(u"1H30"_s)}),
              QList<qsizetype>({c25, c10, c10, colonne(u"20 MN"_s)}));
    EXPECT_GT(colonne(u"gros sel"_s), c10);
    EXPECT_GT(colonne(u"20 MN"_s), c25);

    // The photograph: a red block of 3000 x 2400 twips (150 x 120 points),
    // found by drawing the page at 72 dots per inch.
    ASSERT_TRUE(lancer(u"pdftoppm"_s, {u"-r"_s, u"72"_s, u"-png"_s, u"-singlefile"_s, pdf,
                                       chemin(u"page"_s)}));
    const QImage image(chemin(u"page.png"_s));
    ASSERT_FALSE(image.isNull());
    QRect rouge;
    int bleus = 0;  // the text is dark blue
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.red() > 200 && c.green() < 60 && c.blue() < 60)
                rouge |= QRect(x, y, 1, 1);
            if (c.blue() > c.red() + 60 && c.blue() > c.green() + 60)
                ++bleus;
        }
    EXPECT_GT(bleus, 100);
    EXPECT_NEAR(rouge.width(), 150, 2);
    EXPECT_NEAR(rouge.height(), 120, 2);
    EXPECT_GE(rouge.left(), 400);
    EXPECT_GE(rouge.top(), 45);
    EXPECT_LT(rouge.top(), 45 + 60);  // the printable area's margin, not the text position
}

// The line that would cross the bottom of the printable area begins the next page.
TEST_F(ImpressionPdf, AucuneLigneNeDescendSousLaZoneImprimable)
{
    Imprimante& imp = programme(true).imprimante();
    imp.nommerDocument(u"LIGNES"_s);
    imp.setTaillePolice(12);
    for (int i = 0; i < 200; ++i)
        imp.imprimerLigne({{10, u"Ligne"_s}});
    const QString pdf = imp.finDocument();
    QPrinter a4(QPrinter::HighResolution);
    a4.setOutputFormat(QPrinter::PdfFormat);
    a4.setPageSize(QPageSize(QPageSize::A4));
    const double bas = a4.pageLayout().paintRect(QPageLayout::Point).bottom();
    // Word boxes in points from the top of the page.
    const QString boites = lancer(u"pdftotext"_s, {u"-bbox"_s, pdf, u"-"_s}).value_or(QString());
    double plusBas = 0;
    int mots = 0;
    for (const auto& m : QRegularExpression(u"yMax=\"([0-9.]+)\""_s).globalMatch(boites)) {
        plusBas = std::max(plusBas, m.captured(1).toDouble());
        ++mots;
    }
    EXPECT_EQ(mots, 200);
    EXPECT_LE(plusBas, bas + 0.5);
}

TEST_F(ImpressionPdf, UnFichierImpossibleAEcrireEstSignale)
{
    Programme& p = programme(true);
    ASSERT_TRUE(QDir(dossier.path()).mkdir(u"BLOQUE.pdf"_s) && QDir(dossier.path()).mkdir(u"BLOQUE.txt"_s));
    EXPECT_THAT([&] { ImprimeFiche(p.imprimante(), recette(u"BLOQUE"_s), QImage()); },
                testing::ThrowsMessage<Echec>(testing::HasSubstr("BLOQUE.pdf")));
    EXPECT_THAT([&] { ExporterTexte(p.imprimante(), recette(u"BLOQUE"_s)); },
                testing::ThrowsMessage<Echec>(testing::HasSubstr("BLOQUE.txt")));
    EXPECT_TRUE(QFileInfo(chemin(u"BLOQUE.txt"_s)).isDir());
}

// Text widths, summed from cached advances for speed, stay those of the
// printer's own metrics for the current font.
TEST(ImprimanteQt, LesLargeursSontCellesDesMetriquesDeLImprimante)
{
    ImprimanteQt imprimante(ImprimanteQt::Sortie::Pdf);
    imprimante.setNomPolice(u"Arial"_s);
    imprimante.setTaillePolice(12);
    imprimante.setGras(true);
    QPrinter reference(QPrinter::HighResolution);
    reference.setOutputFormat(QPrinter::PdfFormat);
    const auto attendue = [&](const QString& texte) {
        return QFontMetricsF(imprimante.police(), &reference).horizontalAdvance(texte) * 1440.0 / reference.resolution();
    };
    // Kerned pairs, accents, typographic punctuation, then a combining accent
    // and a character beyond the BMP, measured as a line grows.
    const QString texte = u"AVATAR L’été, Œuvre… « fjord » Wave To Yves e\u0301 \U0001F37D fin"_s;
    for (qsizetype n = 1; n <= texte.size(); ++n)
        EXPECT_NEAR(imprimante.largeurTexte(texte.left(n)), attendue(texte.left(n)), 0.01) << n;
    EXPECT_NEAR(imprimante.largeurTexte(u"Wave"_s), attendue(u"Wave"_s), 0.01);
    // A new font is measured afresh.
    const double avant = imprimante.largeurTexte(u"AVATAR"_s);
    imprimante.setTaillePolice(24);
    EXPECT_NEAR(imprimante.largeurTexte(u"AVATAR"_s), attendue(u"AVATAR"_s), 0.01);
    EXPECT_GT(imprimante.largeurTexte(u"AVATAR"_s), 1.8 * avant);
}

}  // namespace
