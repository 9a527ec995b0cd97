// Disk full, on small tmpfs mounts (a private mount namespace; skipped where
// the machine does not allow it): compaction, saving a card, its photograph,
// the export and the backup each fail with a French message and leave the
// base and the files as they were.

#include "environnement.h"
#include "montage.h"
#include "outils.h"

#include "backup/kalsauvegarde.h"
#include "card/kalgeneral.h"
#include "platform/boiteimage.h"
#include "platform/listefichiers.h"
#include "platform/textes.h"
#include "print/impression.h"
#include "shell/kaldepart.h"

#include <QAction>
#include <QImage>

#include <gmock/gmock.h>

using namespace Qt::Literals::StringLiterals;
using fiabilite::empreinte;

namespace {

// Fills the file system of `dossier` but for about `libres` bytes.
void remplir(const QString& dossier, qint64 libres)
{
    QFile f(QDir(dossier).filePath(u"remplissage.bin"_s));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    const QByteArray bloc(64 * 1024, 'r');
    while (f.write(bloc) == bloc.size() && f.flush()) {
    }
    f.close();
    f.resize(std::max<qint64>(0, f.size() - libres));
}

using DisquePlein = DossierProgramme;

TEST_F(DisquePlein, ChaqueEcritureEchoueSansRienToucher)
{
    Montage programmeMonte, cleMontee;
    QTemporaryDir cle;
    if (const std::string r = programmeMonte.tmpfs(dossier.path(), 4 << 20); !r.empty())
        GTEST_SKIP() << r;
    ASSERT_EQ(cleMontee.tmpfs(cle.path(), 3 << 20), "");
    QDir::setCurrent(dossier.path());
    const QString base = chemin(u"Recettes.mdb"_s);
    creerBase(u"Recettes.mdb"_s);
    {
        auto b = BaseRecettes::ouvrir(base);
        for (int i = 0; i < 40; ++i)
            b->ajouter(fiche(u"DES"_s, u"R"_s + QString::number(i), QString(15000, u'i'), QString(15000, u'p')));
        for (int i = 0; i < 5; ++i)
            b->supprimer(1, b->ficheParNumero(1)->titre);
    }
    ecrire(chemin(u"NAVARIN.txt"_s), QByteArray("Une première recette.\r\n").repeated(300));
    const QByteArray texteAvant = empreinte(chemin(u"NAVARIN.txt"_s));
    // The previous backup on the key: small old files.
    const QString destination = cle.filePath(u"CARNET"_s);
    QDir().mkpath(destination);
    ecrire(destination + u"/Recettes.mdb"_s, "ancienne base");
    remplir(dossier.path(), 64 * 1024);
    remplir(cle.path(), 64 * 1024);
    Programme& p = programme();
    KalDepart* d = p.charger(p.kalDepart);
    d->File1->setCurrentRow(0);
    const QByteArray baseAvant = empreinte(base);
    const auto message = [&](const QString& attendu) {
        ASSERT_EQ(dialogues->messages.size(), 1);
        EXPECT_TRUE(dialogues->dernierMessage().contains(attendu)) << dialogues->dernierMessage().toStdString();
        dialogues->messages.clear();
        ASSERT_TRUE(p.donnees.BaseDonnees);  // open again, the program usable
        EXPECT_EQ(p.donnees.BaseDonnees->compter(), 35);
        EXPECT_EQ(fiabilite::integrite(base), u"ok"_s);
    };

    // The compacted copy does not fit.
    d->Base->trigger();
    EXPECT_EQ(empreinte(base), baseAvant);
    message(u"n'a pas été modifiée"_s);
    EXPECT_EQ(QDir(dossier.path()).entryList(QDir::Files | QDir::Hidden),
              (QStringList{u"NAVARIN.txt"_s, u"Recettes.mdb"_s, u"remplissage.bin"_s}));

    // A text larger than the room left: what was typed stays.
    p.donnees.CodeCategorie = u"DES"_s;
    KalGeneral* g = p.charger(p.kalGeneral);
    g->Creer_Click();
    g->Text1->setTexte(u"GATEAU"_s);
    g->Text4->setTexte(u"ab"_s);
    g->Text5->setTexte(u"200 g de farine\r\n"_s.repeated(40000));
    g->Text6->setTexte(u"Cuire."_s);
    g->Enreg_Click();
    message(u"disque est plein"_s);
    EXPECT_TRUE(g->Text1->texte() == u"GATEAU"_s && g->Enreg->isVisible());

    // A small card but a photograph larger than the room left: the card is
    // taken back, no half photograph stays.
    g->Text5->setTexte(u"1 oeuf"_s);
    QImage photo(1200, 1000, QImage::Format_RGB32);
    photo.fill(Qt::darkGreen);
    g->Image1->setImage(photo);
    g->Enreg_Click();
    EXPECT_TRUE(dialogues->messages.first().texte.contains(u"photographie"_s)) << dialogues->messages.first().texte.toStdString();
    dialogues->messages = {dialogues->messages.first()};
    message(u"photographie"_s);
    EXPECT_TRUE(QDir(chemin(u"Images"_s)).entryList(QDir::Files | QDir::Hidden).isEmpty());

    // Appending to an export: the file before it stays whole.
    FicheRecette r;
    r.titre = u"NAVARIN"_s;
    r.ingredients = QStringList(4000, u"250 g d'épaule d'agneau"_s);
    EXPECT_THAT([&] { ExporterTexte(p.imprimante(), r); }, testing::ThrowsMessage<Echec>(testing::HasSubstr("NAVARIN.txt")));
    EXPECT_EQ(empreinte(chemin(u"NAVARIN.txt"_s)), texteAvant);

    // A backup onto a full key keeps the previous one, no temporary left.
    const QByteArray cleAvant = empreinte(destination + u"/Recettes.mdb"_s);
    KalSauvegarde* k = p.charger(p.kalSauvegarde);
    k->Text1->setTexte(destination);
    k->Sauve_Click();
    message(u"Recettes.mdb"_s);
    EXPECT_EQ(empreinte(destination + u"/Recettes.mdb"_s), cleAvant);
    EXPECT_EQ(QDir(destination).entryList(QDir::Files | QDir::Hidden), QStringList{u"Recettes.mdb"_s});
    cleMontee.demonter();  // before the key's folder goes
}

}  // namespace
