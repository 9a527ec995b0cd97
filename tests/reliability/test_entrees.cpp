// Bad input through the windows: refused with a French message, the window
// left usable and the file untouched; hostile titles and huge inputs kept in
// bounds.

#include "environnement.h"
#include "montage.h"
#include "outils.h"

#include "card/kalgeneral.h"
#include "platform/boiteimage.h"
#include "platform/listefichiers.h"
#include "platform/textes.h"
#include "print/impression.h"
#include "shell/kaldepart.h"
#include "store/photo.h"

#include <QAction>
#include <QImageReader>
#include <QLabel>
#include <QProcess>
#include <QtEndian>

#include <sys/resource.h>

using namespace Qt::Literals::StringLiterals;
using fiabilite::empreinte;

namespace {

using Entrees = DossierProgramme;

// A damaged file, a base another program holds, a base on a read-only disk:
// one message naming the file, no base open, the list still offered, the
// file as it was; then a good base opens.
TEST_F(Entrees, LeMenuRefuseUneBaseIllisibleOuTenueEtResteUtilisable)
{
    creerBase(u"Bonne.mdb"_s, {fiche(u"AGN"_s, u"NAVARIN"_s)});
    creerBase(u"Prise.mdb"_s, {fiche(u"AGN"_s, u"SELLE"_s)});
    ecrire(chemin(u"Abimee.mdb"_s), QByteArray("SQLite format 3\0", 16) + QByteArray(8192, '\x5a'));
    QProcess autre;
    autre.start(QStringLiteral(CARNET_VICTIME), {u"verrouiller"_s, chemin(u"Prise.mdb"_s)});
    ASSERT_TRUE(autre.waitForReadyRead(30000)) << autre.readAllStandardError().toStdString();
    Montage montage;
    Programme& p = programme();
    const auto choisir = [&](const QString& nom) {
        p.charger(p.kalDepart);
        dialogues->messages.clear();
        p.kalDepart->File1->setCurrentItem(p.kalDepart->File1->findItems(nom, Qt::MatchExactly).value(0));
    };
    for (const auto& [nom, attendu] : {std::pair{u"Abimee.mdb"_s, u"n'est pas une base"_s},
                                       std::pair{u"Prise.mdb"_s, u"verrouillée"_s}, std::pair{u"Prise.mdb"_s, u"lecture seule"_s}}) {
        SCOPED_TRACE(attendu.toStdString());
        if (attendu == u"lecture seule"_s) {
            autre.kill();
            autre.waitForFinished();
            if (const std::string r = montage.lectureSeule(dossier.path()); !r.empty())
                GTEST_SKIP() << r;
            QDir::setCurrent(dossier.path());
        }
        const QByteArray avant = empreinte(chemin(nom));
        choisir(nom);
        ASSERT_EQ(dialogues->messages.size(), 1);
        EXPECT_TRUE(dialogues->dernierMessage().contains(nom) && dialogues->dernierMessage().contains(attendu))
            << dialogues->dernierMessage().toStdString();
        EXPECT_EQ(empreinte(chemin(nom)), avant);
        EXPECT_TRUE(!p.donnees.BaseDonnees && p.kalDepart->File1->isVisible() && !p.kalDepart->Cherche->isVisible());
        p.decharger(p.kalDepart);
        traiterEvenements();
    }
    montage.demonter();
    QDir::setCurrent(dossier.path());
    choisir(u"Bonne.mdb"_s);
    EXPECT_EQ(p.kalDepart->Label2->text(), u"Nombre de Recettes  1"_s);
}

// 8-bit run-length coding, every row given: about 3 MB for 16 384 x 16 384,
// 1 GB once decoded at 32 bits unless the program caps it.
QByteArray bmpRle(qint32 cote)
{
    QByteArray b(54 + 1024, '\0');
    b[0] = 'B';
    b[1] = 'M';
    qToLittleEndian<quint32>(54 + 1024, b.data() + 10);
    qToLittleEndian<quint32>(40, b.data() + 14);
    qToLittleEndian<qint32>(cote, b.data() + 18);
    qToLittleEndian<qint32>(cote, b.data() + 22);
    qToLittleEndian<quint16>(1, b.data() + 26);
    qToLittleEndian<quint16>(8, b.data() + 28);
    qToLittleEndian<quint32>(1, b.data() + 30);  // BI_RLE8
    qToLittleEndian<quint32>(256, b.data() + 46);
    const QByteArray ligne = QByteArray::fromHex("ff05").repeated(cote / 255) + char(cote % 255) + '\x05' + QByteArray(2, '\0');
    return b + ligne.repeated(cote) + QByteArray::fromHex("0001");
}

TEST_F(Entrees, UnePhotographieIllisibleOuGeanteNeRemplitNiLaBoiteNiLaMemoire)
{
    ecrire(chemin(u"vide.jpg"_s), {});
    ecrire(chemin(u"texte.jpg"_s), "Ceci est une photo, promis.\n");
    ecrire(chemin(u"grand.jpg"_s), bmpRle(16384));
    BoiteImage boite;
    for (const char* nom : {"vide.jpg", "texte.jpg"}) {
        boite.setImage(QImage(4, 4, QImage::Format_RGB32));
        EXPECT_FALSE(boite.charger(chemin(QString::fromUtf8(nom)))) << nom;
        EXPECT_TRUE(boite.estVide()) << nom;
    }
    // Qt's own allocation limit is process-wide; raised here as an environment variable may raise it.
    const int limite = QImageReader::allocationLimit();
    QImageReader::setAllocationLimit(4000);
    rusage avant{}, apres{};
    getrusage(RUSAGE_SELF, &avant);
    boite.charger(chemin(u"grand.jpg"_s));
    getrusage(RUSAGE_SELF, &apres);
    QImageReader::setAllocationLimit(limite);
    EXPECT_LE(std::max(boite.image().width(), boite.image().height()), BoiteImage::CoteMaximal);
    EXPECT_LT(apres.ru_maxrss - avant.ru_maxrss, 200 * 1024) << "peak memory grew by more than 200 MB";
}

// Saved, its photograph written, exported as text and printed to PDF: every
// file stays a plain name inside the program folder.
TEST_F(Entrees, UnTitreHostileResteUnNomDansLeDossierDuProgramme)
{
    Programme& p = programme(true);
    creerBase(u"Recettes.mdb"_s);
    ouvrirBase(u"Recettes.mdb"_s);
    p.donnees.CodeCategorie = u"DES"_s;
    KalGeneral* g = p.charger(p.kalGeneral);
    QImage photo(8, 8, QImage::Format_RGB32);
    photo.fill(Qt::blue);
    const QStringList titres = {u"../zq7"_s, u"../../zq7"_s, u"a/zq7"_s, u"a\\zq7"_s, u"c:zq7"_s, u"\"zq7\""_s,
                                u"l'zq7 d'or"_s, u"zq7\x01\x1f\x7f\t"_s, QString(100, u'é'), u"zq7 🍰🥧"_s,
                                u"   "_s, u"/zq7"_s, u"."_s, u".."_s};
    int numero = 0;
    for (const QString& titre : titres) {
        SCOPED_TRACE(titre.toStdString());
        dialogues->messages.clear();
        g->Creer_Click();
        g->Text1->setTexte(titre);
        g->Text4->setTexte(u"ab"_s);
        g->Text5->setTexte(u"1 oeuf"_s);
        g->Text6->setTexte(u"Cuire."_s);
        g->Image1->setImage(photo);
        g->Enreg_Click();
        EXPECT_TRUE(dialogues->messages.isEmpty()) << dialogues->dernierMessage().toStdString();
        const auto f = prog->donnees.BaseDonnees->ficheParNumero(++numero);
        ASSERT_TRUE(f.has_value());
        EXPECT_EQ(f->titre, titre.toUpper());
        const QString ecrite = cheminPhotoEcrite(prog->dossierProgramme(), titre);
        EXPECT_TRUE(QFileInfo(ecrite).isFile());
        EXPECT_EQ(QFileInfo(ecrite).absolutePath(), QDir(chemin(u"Images"_s)).absolutePath());
        const FicheRecette r{titre, {}, {}, {}, {}, {u"1 oeuf"_s}, {u"Cuire."_s}};
        EXPECT_NO_THROW(ExporterTexte(prog->imprimante(), r));
        if (const QString pdf = ImprimeFiche(prog->imprimante(), r, QImage()); !pdf.isEmpty()) {  // else a printer is installed
            EXPECT_EQ(QFileInfo(pdf).absolutePath(), QDir(dossier.path()).absolutePath());
        }
    }
    // "a/zq7" and "a\\zq7", "." and ".." share a safe name (the export appends).
    EXPECT_EQ(QDir(dossier.path()).entryList(QDir::Files | QDir::Hidden).filter(u".txt"_s).size(), titres.size() - 2);
    for (const QString& dehors : {QDir(dossier.path() + u"/.."_s).absolutePath(), u"/"_s, u"/tmp"_s, QDir::homePath()})
        EXPECT_TRUE(QDir(dehors).entryList(QDir::AllEntries | QDir::Hidden).filter(u"zq7"_s).isEmpty()) << dehors.toStdString();

    // Texts of a megabyte are kept whole.
    const QString ingredients = u"200 g de farine tamisée\r\n"_s.repeated(1024 * 1024 / 25);
    const QString preparation = u"Mélanger doucement la pâte, puis cuire. "_s.repeated(1024 * 1024 / 41);
    g->Creer_Click();
    g->Text1->setTexte(u"GATEAU"_s);
    g->Text4->setTexte(u"ab"_s);
    g->Text5->setTexte(ingredients);
    g->Text6->setTexte(preparation);
    g->Enreg_Click();
    const auto f = prog->donnees.BaseDonnees->ficheParNumero(numero + 1);
    ASSERT_TRUE(f.has_value()) << dialogues->dernierMessage().toStdString();
    EXPECT_TRUE(f->ingrediant == ingredients && f->preparation == preparation);
}

}  // namespace
