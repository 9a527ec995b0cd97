// The printed recipe: the order of the printer calls with the test printer,
// then a real PDF read back with poppler's tools.
#include "print/impression.h"

#include "environnement.h"

#include <QFile>
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

FicheRecette fiche(const QString& titre, const QStringList& ingredients = {}, const QStringList& preparation = {})
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

using Impression = DossierProgramme;

TEST_F(Impression, LesAppelsSuiventLaMiseEnPage)
{
    Programme& p = programme();
    imprimante->resultat.reussi = false;
    imprimante->resultat.erreur = u"panne"_s;
    // The printer's verdict reaches the caller.
    EXPECT_THAT([&] { ImprimeFiche(p.imprimante(), fiche(u"POULET RÔTI"_s, {u"  1 poulet  "_s}, {u"  Cuire.  "_s, QString(97, u'x')}), photoRouge()); },
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

TEST_F(Impression, TitreCentreEtPhotoAbsente)
{
    Programme& p = programme();
    const struct { int longueur, colonne; } cas[] = {{10, 40}, {11, 40}, {13, 38}, {90, 1}, {95, 1}};
    for (const auto& c : cas) {
        imprimante->journal.clear();
        ImprimeFiche(p.imprimante(), fiche(QString(c.longueur, u'T')), QImage());
        EXPECT_EQ(imprimante->lignes().at(2), u"%1:"_s.arg(c.colonne) + QString(c.longueur, u'T'));
        EXPECT_FALSE(imprimante->journal.join(u'\n').contains(u"image"_s)) << c.longueur;
    }
}

TEST_F(Impression, UneNouvellePageToutesLesSoixanteLignesDePreparation)
{
    Programme& p = programme();
    ImprimeFiche(p.imprimante(), fiche(u"LONGUE"_s, numerotees(3), numerotees(130)), QImage());
    const QStringList l = imprimante->lignes();
    const qsizetype debut = 17;  // after the heading and the three ingredients
    ASSERT_EQ(l.indexOf(u"10:Ligne 000"_s, 16), debut);
    EXPECT_EQ(l.count(u"page"_s), 2);
    EXPECT_EQ(l.mid(debut + 59, 3), (QStringList{u"10:Ligne 059"_s, u"page"_s, u"10:Ligne 060"_s}));
    EXPECT_EQ(l.mid(debut + 120, 3), (QStringList{u"10:Ligne 119"_s, u"page"_s, u"10:Ligne 120"_s}));
    EXPECT_EQ(l.at(debut + 131), u"10:Ligne 129"_s);
}

// Through the real Qt printer, writing PDF files in the working folder.
class ImpressionPdf : public DossierProgramme {
protected:
    // What the poppler tool writes, or nothing when it failed.
    static std::optional<QString> lancer(const QString& outil, const QStringList& arguments)
    {
        QProcess p;
        p.start(outil, arguments);
        if (!p.waitForFinished(30000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
            return std::nullopt;
        return QString::fromUtf8(p.readAllStandardOutput());
    }
    static QString texte(const QString& pdf, int page = 0)
    {
        QStringList a{u"-layout"_s};
        if (page > 0)
            a << u"-f"_s << QString::number(page) << u"-l"_s << QString::number(page);
        return lancer(u"pdftotext"_s, a << pdf << u"-"_s).value_or(QString());
    }
    static int pages(const QString& pdf)
    {
        const QRegularExpressionMatch m =
            QRegularExpression(u"Pages:\\s+(\\d+)"_s).match(lancer(u"pdfinfo"_s, {pdf}).value_or(QString()));
        return m.hasMatch() ? m.captured(1).toInt() : 0;
    }
    // Column of `mot` on the first line of `texte` holding it, or -1.
    static qsizetype colonne(const QStringList& lignes, const QString& mot)
    {
        for (const QString& l : lignes) {
            const qsizetype i = l.indexOf(mot);
            if (i >= 0)
                return i;
        }
        return -1;
    }
};

TEST_F(ImpressionPdf, LeTexteEtLaPhotoSontALeurPlace)
{
    Programme& p = programme(true);
    const QString pdf =
        ImprimeFiche(p.imprimante(), fiche(u"POULET RÔTI"_s, {u"1 poulet fermier"_s, u"   gros sel"_s}, {u"Cuire au four."_s}),
                     photoRouge());
    EXPECT_EQ(pdf, chemin(u"POULET RÔTI.pdf"_s));
    ASSERT_EQ(pages(pdf), 1);

    const QString t = texte(pdf);
    QStringList lignes;
    for (const QString& l : t.split(u'\n'))
        if (!l.trimmed().isEmpty())
            lignes.append(l);
    const QStringList attendues{u"POULET RÔTI"_s, u"Temps de Préparation"_s, u"Temps de Cuisson"_s,
                                u"Niveau de Difficulté"_s, u"Boisson Conseiller"_s, u"Ingrediant"_s,
                                u"1 poulet fermier"_s, u"gros sel"_s, u"Preparation"_s,
                                u"Cuire au four."_s, u"Bon Appétit"_s};
    ASSERT_EQ(lignes.size(), attendues.size()) << t.toStdString();
    for (qsizetype i = 0; i < attendues.size(); ++i)
        EXPECT_TRUE(lignes.at(i).contains(attendues.at(i))) << lignes.at(i).toStdString();
    EXPECT_TRUE(lignes.at(1).trimmed().endsWith(u"20 MN"_s)) << lignes.at(1).toStdString();
    EXPECT_TRUE(lignes.at(4).trimmed().endsWith(u"Rosé"_s)) << lignes.at(4).toStdString();

    // Columns 10 < 25 < 40 < the centred title, and the values line up at 40.
    const qsizetype c10 = colonne(lignes, u"Temps de Cuisson"_s);
    const qsizetype c25 = colonne(lignes, u"Ingrediant"_s);
    const qsizetype c40 = colonne(lignes, u"Bon Appétit"_s);
    EXPECT_LT(c10, c25);
    EXPECT_LT(c25, c40);
    EXPECT_EQ(colonne(lignes, u"Preparation"_s), c25);
    EXPECT_EQ(colonne(lignes, u"1 poulet"_s), c10);
    EXPECT_EQ(colonne(lignes, u"Cuire"_s), c10);
    EXPECT_GT(colonne(lignes, u"gros sel"_s), c10);  // ingredient lines keep their blanks
    EXPECT_EQ(colonne(lignes, u"20 MN"_s), colonne(lignes, u"1H30"_s)) << t.toStdString();
    EXPECT_GT(colonne(lignes, u"20 MN"_s), c25);

    // The photograph: a red block of 3000 x 2400 twips (150 x 120 points),
    // found by drawing the page at 72 dots per inch.
    ASSERT_TRUE(lancer(u"pdftoppm"_s, {u"-r"_s, u"72"_s, u"-png"_s, u"-singlefile"_s, pdf,
                                       chemin(u"page"_s)}));
    const QImage page(chemin(u"page.png"_s));
    ASSERT_FALSE(page.isNull());
    QRect rouge;
    int bleus = 0;  // the text is dark blue
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x) {
            const QColor c = page.pixelColor(x, y);
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

TEST_F(ImpressionPdf, UnePageCommenceeParLImprimanteCompteSesPropresLignes)
{
    Programme& p = programme(true);
    const QString pdf = ImprimeFiche(p.imprimante(), fiche(u"LONGUE"_s, {}, numerotees(130)), QImage());
    // The heading and sixty lines at 12 points are more than one A4 page: the
    // printer's own overflow begins page 2, which then holds sixty lines.
    ASSERT_EQ(pages(pdf), 3);
    QStringList page;
    for (int i = 1; i <= 3; ++i)
        page.append(texte(pdf, i).trimmed());
    EXPECT_TRUE(page[0].startsWith(u"LONGUE"_s) && page[0].contains(u"Ligne 000"_s));
    EXPECT_EQ(page[1].count(u"Ligne"_s), 60);
    EXPECT_TRUE(page[2].endsWith(u"Bon Appétit"_s));
    EXPECT_EQ(page.join(u' ').count(u"Ligne"_s), 130);
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

TEST_F(ImpressionPdf, LExportCoupeAvecLaPoliceDeLaDerniereImpression)
{
    Programme& p = programme(true);
    FicheRecette r;
    r.titre = u"MEME"_s;
    QStringList mots;
    for (int i = 0; i < 60; ++i)
        mots.append(u"mot%1"_s.arg(i));
    r.preparation = QStringList{mots.join(u' ')};
    ASSERT_NO_THROW(ExporterTexte(p.imprimante(), r));
    const qsizetype avant = contenu(chemin(u"MEME.txt"_s)).count('\n');

    ASSERT_NO_THROW(ImprimeFiche(p.imprimante(), fiche(u"MEME"_s), QImage()));
    QFile::remove(chemin(u"MEME.txt"_s));
    ASSERT_NO_THROW(ExporterTexte(p.imprimante(), r));
    // Arial 12 bold is wider than the printer's first font: more lines.
    EXPECT_GT(contenu(chemin(u"MEME.txt"_s)).count('\n'), avant);
}

TEST_F(ImpressionPdf, UnPdfImpossibleAEcrireEstSignale)
{
    Programme& p = programme(true);
    ASSERT_TRUE(QDir(dossier.path()).mkdir(u"BLOQUE.pdf"_s));
    EXPECT_THAT([&] { ImprimeFiche(p.imprimante(), fiche(u"BLOQUE"_s), QImage()); },
                testing::ThrowsMessage<Echec>(testing::HasSubstr("BLOQUE.pdf")));
}

}  // namespace
