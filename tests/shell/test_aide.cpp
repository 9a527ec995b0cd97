// The help viewer over the committed help document (the real-window journeys
// follow its links): back, pictures inside the document, nothing read outside
// it, and a clear message when it cannot open.
#include "shell/aidecarnet.h"
#include "shell/kaldepart.h"

#include "environnement.h"

#include <QFile>
#include <QImage>

using namespace Qt::Literals::StringLiterals;

namespace {

using Aide = DossierProgramme;

TEST_F(Aide, UnDocumentAbsentOuIlisibleEstSignaleUnBonSeLitSansRienLireAuDehors)
{
    creerBase(u"Fetes.mdb"_s);
    ASSERT_TRUE(programme().charger(prog->kalDepart));
    KalDepart& m = *prog->kalDepart;
    m.Lisez->trigger();
    EXPECT_TRUE(dialogues->dernierMessage().contains(u"« Lisez-Moi.chm » est introuvable"_s));
    ecrire(chemin(u"Lisez-Moi.chm"_s), "ceci n'est pas une aide compilée");
    m.Lisez->trigger();
    EXPECT_TRUE(dialogues->dernierMessage().contains(u"ne peut pas être lu"_s));
    EXPECT_TRUE(!prog->aideCarnet && m.isEnabled());

    dialogues->messages.clear();
    ASSERT_TRUE(QFile::remove(chemin(u"Lisez-Moi.chm"_s)));
    ASSERT_TRUE(QFile::copy(QStringLiteral(CARNET_SOURCE_DIR "/help/Lisez-Moi.chm"), chemin(u"Lisez-Moi.chm"_s)));
    m.Lisez->trigger();
    ASSERT_TRUE(prog->aideCarnet);
    AideCarnet& a = *prog->aideCarnet;
    EXPECT_EQ(a.Navigateur->source(), QUrl(u"chm:/index.html"_s));
    EXPECT_TRUE(a.Navigateur->toPlainText().contains(u"Carnet, le livre de recettes"_s));

    // Pictures and missing pages come from the document; nothing is read outside it.
    const QVariant image = a.Navigateur->loadResource(QTextDocument::ImageResource, QUrl(u"images/carnet.png"_s));
    EXPECT_EQ(QImage::fromData(image.toByteArray()).size(), QSize(120, 115));
    EXPECT_FALSE(a.Navigateur->loadResource(QTextDocument::ImageResource, QUrl::fromLocalFile(chemin(u"Fetes.mdb"_s)))
                     .isValid());
    a.Navigateur->setSource(QUrl(u"chm:/absente.html"_s), QTextDocument::HtmlResource);
    EXPECT_TRUE(a.Navigateur->toPlainText().contains(u"absente.html"_s));
    ASSERT_TRUE(a.Precedent->isEnabled());
    a.Precedent->trigger();
    EXPECT_EQ(a.Navigateur->source(), QUrl(u"chm:/index.html"_s));
    EXPECT_TRUE(dialogues->messages.isEmpty());
}

}  // namespace
