// Disk full: on a small tmpfs (a private mount namespace; skipped where the
// machine does not allow it) saving, compaction, export and backup each fail
// with a French message and leave the base and the files as they were.

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
#include <QLabel>

#include <gmock/gmock.h>

using namespace Qt::Literals::StringLiterals;
using fiabilite::empreinte;

namespace {

std::vector<std::pair<QString, QString>> contenuBase(const QString& chemin)
{
    std::vector<std::pair<QString, QString>> lu;
    for (const Fiche& f : BaseRecettes::ouvrir(chemin)->toutesLesFiches())
        lu.emplace_back(QString::number(f.numero) + f.titre, f.ingrediant + f.preparation + f.vin);
    return lu;
}

class DisquePlein : public DossierProgramme {
protected:
    // The program folder becomes a tmpfs of `octets`.
    bool petitDisque(qint64 octets)
    {
        if (const std::string r = montage_.tmpfs(dossier.path(), octets); !r.empty()) {
            raison_ = r;
            return false;
        }
        QDir::setCurrent(dossier.path());
        return true;
    }
    // Fills the file system of `dossier` but for about `libres` bytes.
    static void remplir(const QString& dossierPlein, qint64 libres)
    {
        QFile f(QDir(dossierPlein).filePath(u"remplissage.bin"_s));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        const QByteArray bloc(64 * 1024, 'r');
        while (f.write(bloc) == bloc.size() && f.flush()) {
        }
        f.close();
        f.resize(std::max<qint64>(0, f.size() - libres));
    }
    Montage montage_;
    std::string raison_;
};

Fiche grosse(const QString& titre, int octets)
{
    return fiche(u"DES"_s, titre, QString(octets / 2, u'i'), QString(octets / 2, u'p'));
}

TEST_F(DisquePlein, EnregistrerUneFicheEchoueSansToucherLaBase)
{
    if (!petitDisque(4 << 20))
        GTEST_SKIP() << raison_;
    Programme& p = programme();
    creerBase(u"Recettes.mdb"_s, {grosse(u"NAVARIN"_s, 20000), grosse(u"TARTE"_s, 20000)});
    ouvrirBase(u"Recettes.mdb"_s);
    p.donnees.CodeCategorie = u"DES"_s;
    p.donnees.NomCategorie = u"DESSERT"_s;
    p.charger(p.kalGeneral);
    KalGeneral* g = p.kalGeneral;
    remplir(dossier.path(), 64 * 1024);
    const auto avant = contenuBase(chemin(u"Recettes.mdb"_s));
    const QByteArray empreinteAvant = empreinte(chemin(u"Recettes.mdb"_s));

    // A text larger than the room left: the engine's write fails.
    g->Creer_Click();
    g->Text1->setTexte(u"GATEAU"_s);
    g->Text4->setTexte(u"ab"_s);
    g->Text5->setTexte(u"200 g de farine\r\n"_s.repeated(40000));
    g->Text6->setTexte(u"Cuire."_s);
    g->Enreg_Click();
    ASSERT_EQ(dialogues->messages.size(), 1);
    EXPECT_TRUE(dialogues->dernierMessage().contains(u"disque est plein"_s)) << dialogues->dernierMessage().toStdString();
    EXPECT_EQ(g->Text1->texte(), u"GATEAU"_s);  // what was typed is still there
    EXPECT_TRUE(g->Enreg->isVisible());
    EXPECT_EQ(empreinte(chemin(u"Recettes.mdb"_s)), empreinteAvant);

    // A small card but a photograph larger than the room left: the card is
    // taken back, no half photograph stays.
    dialogues->messages.clear();
    g->Text5->setTexte(u"1 oeuf"_s);
    QImage photo(1200, 1000, QImage::Format_RGB32);
    photo.fill(Qt::darkGreen);
    g->Image1->setImage(photo);
    g->Enreg_Click();
    ASSERT_GE(dialogues->messages.size(), 1);
    EXPECT_TRUE(dialogues->messages.first().texte.contains(u"photographie"_s)) << dialogues->messages.first().texte.toStdString();
    EXPECT_TRUE(QDir(chemin(u"Images"_s)).entryList(QDir::Files | QDir::Hidden).isEmpty());
    EXPECT_EQ(contenuBase(chemin(u"Recettes.mdb"_s)), avant);
    EXPECT_EQ(fiabilite::integrite(chemin(u"Recettes.mdb"_s)), u"ok"_s);
}

TEST_F(DisquePlein, CompacterEchoueSansToucherLaBase)
{
    if (!petitDisque(4 << 20))
        GTEST_SKIP() << raison_;
    creerBase(u"Recettes.mdb"_s);
    {
        auto b = BaseRecettes::ouvrir(chemin(u"Recettes.mdb"_s));
        for (int i = 0; i < 40; ++i)
            b->ajouter(grosse(u"R"_s + QString::number(i), 30000));
        for (int i = 0; i < 5; ++i)
            b->supprimer(1, b->ficheParNumero(1)->titre);
    }
    Programme& p = programme();
    p.charger(p.kalDepart);
    KalDepart* d = p.kalDepart;
    d->File1->setCurrentRow(0);
    ASSERT_TRUE(p.donnees.BaseDonnees);
    remplir(dossier.path(), 64 * 1024);
    const QByteArray avant = empreinte(chemin(u"Recettes.mdb"_s));

    d->Base_Click();
    ASSERT_EQ(dialogues->messages.size(), 1);
    EXPECT_TRUE(dialogues->dernierMessage().contains(u"n'a pas été modifiée"_s)) << dialogues->dernierMessage().toStdString();
    EXPECT_EQ(empreinte(chemin(u"Recettes.mdb"_s)), avant);
    EXPECT_EQ(QDir(dossier.path()).entryList(QDir::Files | QDir::Hidden),
              (QStringList{u"Recettes.mdb"_s, u"remplissage.bin"_s}));
    EXPECT_TRUE(p.donnees.BaseDonnees);  // reopened, the menu still usable
    EXPECT_TRUE(d->Base->isVisible());
}

TEST_F(DisquePlein, ExporterEchoueSansToucherLeFichierExistant)
{
    if (!petitDisque(2 << 20))
        GTEST_SKIP() << raison_;
    Programme& p = programme();
    ecrire(chemin(u"NAVARIN.txt"_s), QByteArray("Une première recette.\r\n").repeated(300));
    const QByteArray avant = empreinte(chemin(u"NAVARIN.txt"_s));
    remplir(dossier.path(), 0);
    FicheRecette r;
    r.titre = u"NAVARIN"_s;
    r.ingredients = QStringList(400, u"250 g d'épaule d'agneau"_s);
    EXPECT_THAT([&] { ExporterTexte(p.imprimante(), r); }, testing::ThrowsMessage<Echec>(testing::HasSubstr("NAVARIN.txt")));
    EXPECT_EQ(empreinte(chemin(u"NAVARIN.txt"_s)), avant);
}

TEST_F(DisquePlein, SauvegarderSurUnDisquePleinLaisseLaSauvegardePrecedente)
{
    QTemporaryDir cle;
    if (const std::string r = montage_.tmpfs(cle.path(), 3 << 20); !r.empty())
        GTEST_SKIP() << r;
    Programme& p = programme();
    creerBase(u"Recettes.mdb"_s);
    {
        auto b = BaseRecettes::ouvrir(chemin(u"Recettes.mdb"_s));
        for (int i = 0; i < 30; ++i)
            b->ajouter(grosse(u"R"_s + QString::number(i), 30000));
    }
    QDir().mkpath(chemin(u"Images"_s));
    ecrire(chemin(u"Images/NAVARIN.jpg"_s), QByteArray(2000, 'j'));
    ouvrirBase(u"Recettes.mdb"_s);
    // The previous backup on the key: small old files.
    const QString destination = QDir(cle.path()).filePath(u"CARNET"_s);
    QDir().mkpath(destination + u"/Images"_s);
    ecrire(destination + u"/Recettes.mdb"_s, "ancienne base");
    ecrire(destination + u"/Images/NAVARIN.jpg"_s, "ancienne photo");
    remplir(cle.path(), 64 * 1024);
    const QByteArray baseAvant = empreinte(destination + u"/Recettes.mdb"_s);
    const QByteArray photoAvant = empreinte(destination + u"/Images/NAVARIN.jpg"_s);
    const QByteArray programmeAvant = empreinte(chemin(u"Recettes.mdb"_s));

    p.charger(p.kalSauvegarde);
    KalSauvegarde* k = p.kalSauvegarde;
    dialogues->messages.clear();
    k->Text1->setTexte(destination);
    k->Sauve_Click();
    ASSERT_EQ(dialogues->messages.size(), 1);
    EXPECT_TRUE(dialogues->dernierMessage().contains(u"Recettes.mdb"_s)) << dialogues->dernierMessage().toStdString();
    EXPECT_EQ(empreinte(destination + u"/Recettes.mdb"_s), baseAvant);
    EXPECT_EQ(empreinte(destination + u"/Images/NAVARIN.jpg"_s), photoAvant);
    EXPECT_TRUE(QDir(destination).entryList({u"Recettes.mdb?*"_s}, QDir::Files | QDir::Hidden).isEmpty())
        << "a temporary copy stayed on the key";
    EXPECT_EQ(empreinte(chemin(u"Recettes.mdb"_s)), programmeAvant);
    EXPECT_TRUE(p.donnees.BaseDonnees);  // reopened after the copy
    montage_.demonter();  // before the key's folder goes
}

}  // namespace
