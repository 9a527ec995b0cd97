// The help viewer over the committed help document: pages, links, back,
// pictures inside the document, and a clear message when it cannot open.
#include "shell/aidecarnet.h"
#include "shell/kaldepart.h"

#include "environnement.h"

#include <QFile>
#include <QImage>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {

class Aide : public DossierProgramme {
protected:
    KalDepart& menu()
    {
        creerBase(u"Fetes.mdb"_s);
        Programme& p = programme();
        p.charger(p.kalDepart);
        EXPECT_TRUE(p.kalDepart);
        return *p.kalDepart;
    }
};

TEST_F(Aide, MontreLeSommaireSuitLesLiensEtRevientSansRienLireHorsDuDocument)
{
    ASSERT_TRUE(QFile::copy(QStringLiteral(CARNET_SOURCE_DIR "/help/Lisez-Moi.chm"), chemin(u"Lisez-Moi.chm"_s)));
    menu().Lisez->trigger();
    ASSERT_TRUE(prog->aideCarnet);
    AideCarnet& a = *prog->aideCarnet;
    EXPECT_EQ(a.Navigateur->source(), QUrl(u"chm:/index.html"_s));
    EXPECT_TRUE(a.Navigateur->toPlainText().contains(u"Carnet, le livre de recettes"_s));
    EXPECT_FALSE(a.Precedent->isEnabled());

    // The first link of the page, reached with Tab and followed with Enter.
    a.Navigateur->setFocus();
    QTest::keyClick(a.Navigateur, Qt::Key_Tab);
    QTest::keyClick(a.Navigateur, Qt::Key_Return);
    EXPECT_EQ(a.Navigateur->source(), QUrl(u"chm:/menu.html"_s));
    EXPECT_TRUE(a.Navigateur->toPlainText().contains(u"Le démarrage et le menu principal"_s));
    EXPECT_TRUE(a.Precedent->isEnabled());

    a.Precedent->trigger();
    EXPECT_EQ(a.Navigateur->source(), QUrl(u"chm:/index.html"_s));
    EXPECT_TRUE(dialogues->messages.isEmpty());

    // Pictures and missing pages come from the document; nothing is read outside it.
    const QVariant image = a.Navigateur->loadResource(QTextDocument::ImageResource, QUrl(u"images/carnet.png"_s));
    EXPECT_EQ(QImage::fromData(image.toByteArray()).size(), QSize(120, 115));
    EXPECT_FALSE(a.Navigateur->loadResource(QTextDocument::ImageResource, QUrl::fromLocalFile(chemin(u"Fetes.mdb"_s)))
                     .isValid());
    a.Navigateur->setSource(QUrl(u"chm:/absente.html"_s), QTextDocument::HtmlResource);
    EXPECT_TRUE(a.Navigateur->toPlainText().contains(u"absente.html"_s));
}

TEST_F(Aide, UnDocumentAbsentOuIlisibleEstSignale)
{
    KalDepart& m = menu();
    m.Lisez_Click();
    EXPECT_FALSE(prog->aideCarnet);
    ASSERT_EQ(dialogues->messages.size(), 1);
    EXPECT_TRUE(dialogues->dernierMessage().contains(u"Lisez-Moi.chm"_s));
    EXPECT_TRUE(dialogues->dernierMessage().contains(u"introuvable"_s));

    ecrire(chemin(u"Lisez-Moi.chm"_s), "ceci n'est pas une aide compilée");
    m.Lisez_Click();
    EXPECT_FALSE(prog->aideCarnet);
    ASSERT_EQ(dialogues->messages.size(), 2);
    EXPECT_TRUE(dialogues->dernierMessage().contains(u"ne peut pas être lu"_s));
    EXPECT_TRUE(m.isEnabled());
}

}  // namespace
