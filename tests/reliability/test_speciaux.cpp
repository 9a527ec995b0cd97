// The program folder is not a clean room: FIFOs, devices and links stand
// where files are expected. Nothing blocks, nothing is written through a
// link, and the user is told.

#include "environnement.h"

#include "card/kalgeneral.h"
#include "platform/boiteimage.h"
#include "platform/grille.h"
#include "platform/listefichiers.h"
#include "platform/textes.h"
#include "search/kalrecherche.h"
#include "shell/kalcreer.h"
#include "shell/kaldepart.h"
#include "shell/kaltexte.h"

#include <QAction>
#include <QImage>
#include <QPushButton>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::Literals::StringLiterals;

namespace {

using Speciaux = DossierProgramme;

TEST_F(Speciaux, UnFichierQuiNEstPasOrdinaireEstSignaleSansBloquer)
{
    QTemporaryDir ailleurs;
    BaseRecettes::creer(ailleurs.filePath(u"Dehors.mdb"_s));
    creerBase(u"Bonne.mdb"_s, {fiche(u"AGN"_s, u"NAVARIN"_s)});
    creerBase(u"Journal.mdb"_s);
    QDir().mkpath(chemin(u"Images"_s));
    for (const char* fifo : {"Fifo.mdb", "Journal.mdb-journal", "AGNEAU.txt", "Images/PHOTO.jpg", "Images/NAVARIN.jpg", "Lisez-Moi.chm", "Base.kal"})
        ASSERT_EQ(::mkfifo(QFile::encodeName(chemin(QString::fromUtf8(fifo))).constData(), 0600), 0);
    ASSERT_TRUE(QFile::link(u"/dev/zero"_s, chemin(u"TERRINE DE VIANDE.txt"_s)));
    ASSERT_TRUE(QFile::link(ailleurs.filePath(u"Dehors.mdb"_s), chemin(u"Lien.mdb"_s)));
    Programme& p = programme();
    KalDepart& m = *p.charger(p.kalDepart);
    const auto choisir = [&](const QString& nom) {
        m.File1->setCurrentItem(m.File1->findItems(nom, Qt::MatchExactly).value(0));
    };
    const auto page = [&](QAction* categorie) {
        categorie->trigger();
        ASSERT_TRUE(p.kalTexte && p.kalTexte->isVisible());
        p.kalTexte->Suite->trigger();
        p.kalGeneral->Gene->trigger();
    };
    // A step that blocks ends the program with SIGALRM: a failure, not a hung suite.
    ::alarm(60);
    const std::pair<QString, std::function<void()>> cas[] = {
        {u"« Fifo.mdb » ne peut pas être lu : ce n'est pas un fichier ordinaire"_s, [&] { choisir(u"Fifo.mdb"_s); }},
        {u"« Lien.mdb » est un lien symbolique"_s, [&] { choisir(u"Lien.mdb"_s); }},
        {u"« Journal.mdb-journal », à côté de la base, n'est pas un fichier ordinaire"_s, [&] { choisir(u"Journal.mdb"_s); }},
        {u"AGNEAU.txt » n'a pas pu être lue : ce n'est pas un fichier ordinaire"_s,
         [&] {
             choisir(u"Bonne.mdb"_s);
             page(m.Agneau);
         }},
        // A photograph that cannot be read is shown as a missing one, without a word.
        {QString(),
         [&] {
             m.Cherche->trigger();
             QTest::keyClicks(p.kalRecherche->Text7, u"NAVARIN"_s);
             QTest::keyClick(p.kalRecherche->Text7, Qt::Key_Return);
             p.kalRecherche->MSFlexGrid1->cliquer(1, 2);
             p.kalRecherche->Retour->trigger();
         }},
        {u"TERRINE DE VIANDE.txt » n'a pas pu être lue : ce n'est pas un fichier ordinaire"_s, [&] { page(m.Viande); }},
        {u"PHOTO.jpg » n'est pas une image lisible"_s,
         [&] {
             m.Boeuf->trigger();
             p.kalTexte->Suite->trigger();
             p.kalGeneral->creer->trigger();
             dialogues->fichiersChoisis = {chemin(u"Images/PHOTO.jpg"_s)};
             p.kalGeneral->AjoutIma->trigger();
             p.kalGeneral->Gene->trigger();
         }},
        {u"Lisez-Moi.chm » ne peut pas être lu : ce n'est pas un fichier ordinaire"_s, [&] { m.Lisez->trigger(); }},
        {u"« Base.kal » ne peut pas être lu : ce n'est pas un fichier ordinaire"_s,
         [&] {
             m.Creer->trigger();
             QTest::keyClicks(p.kalCreer->Text1, u"neuve"_s);
             QTest::mouseClick(p.kalCreer->Command1, Qt::LeftButton);
             EXPECT_TRUE(p.kalCreer->isVisible());
         }},
    };
    for (const auto& [attendu, geste] : cas) {
        dialogues->messages.clear();
        geste();
        ASSERT_EQ(dialogues->messages.size(), attendu.isEmpty() ? 0 : 1) << attendu.toStdString();
        EXPECT_TRUE(dialogues->dernierMessage().contains(attendu)) << dialogues->dernierMessage().toStdString();
    }
    ::alarm(0);
}

TEST_F(Speciaux, RienNEstEcritAuTraversDUnLienNiDansUnePageDeCategorie)
{
    QTemporaryDir ailleurs;
    const QString cible = ailleurs.filePath(u"cible"_s);
    ecrire(cible, "à garder");
    ecrire(chemin(u"AGNEAU.txt"_s), "La page.");
    QDir().mkpath(chemin(u"Images"_s));
    for (const QString& nom : {u"Images/NAVARIN.JPG"_s, u"NAVARIN.txt"_s, u"NAVARIN.pdf"_s})
        ASSERT_TRUE(QFile::link(cible, chemin(nom)));
    creerBase(u"Bonne.mdb"_s, {fiche(u"AGN"_s, u"NAVARIN"_s), fiche(u"AGN"_s, u"AGNEAU"_s)});
    Programme& p = programme(true);
    ouvrirBase(u"Bonne.mdb"_s);
    p.donnees.CodeCategorie = u"AGN"_s;
    KalGeneral& k = *p.charger(p.kalGeneral);
    k.MSFlexGrid1->cliquer(1, 1);
    k.Image1->setImage(QImage(4, 4, QImage::Format_RGB32));
    k.Text4->setTexte(u"a"_s);
    k.Enregistre->trigger();
    for (int ligne : {1, 2})
        for (const QString& reponse : {u"I"_s, u"T"_s}) {
            k.MSFlexGrid1->cliquer(ligne, 1);
            k.Imprim->trigger();
            k.Text8->clear();
            QTest::keyClicks(k.Text8, reponse);
            QTest::keyClick(k.Text8, Qt::Key_Return);
        }
    EXPECT_EQ(contenu(cible), "à garder");
    EXPECT_EQ(contenu(chemin(u"AGNEAU.txt"_s)), "La page.");
    for (const QString& nom : {u"Images/NAVARIN.JPG"_s, u"AGNEAU (recette).txt"_s, u"NAVARIN.pdf"_s, u"AGNEAU.pdf"_s})
        EXPECT_TRUE(QFileInfo(chemin(nom)).isFile() && !QFileInfo(chemin(nom)).isSymLink()) << nom.toStdString();
    // A PDF printed, the link refused, a PDF printed, the page spared.
    ASSERT_EQ(dialogues->messages.size(), 4);
    EXPECT_TRUE(dialogues->messages[1].texte.endsWith(u"NAVARIN.txt » : c'est un lien symbolique."_s));
    EXPECT_TRUE(dialogues->messages[3].texte.endsWith(u"écrite dans « "_s + chemin(u"AGNEAU (recette).txt"_s) + u" »."_s));
}

}  // namespace
