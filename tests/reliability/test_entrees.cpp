// Bad input through the windows: each refused with a French message, the
// window left usable and the file untouched (fingerprint before and after).

#include "environnement.h"
#include "montage.h"
#include "outils.h"

#include "backup/kalsauvegarde.h"
#include "card/kalgeneral.h"
#include "platform/boiteimage.h"
#include "platform/listefichiers.h"
#include "platform/textes.h"
#include "print/impression.h"
#include "shell/kalcreer.h"
#include "shell/kaldepart.h"
#include "shell/kaltexte.h"
#include "store/photo.h"

#include <QAction>
#include <QBuffer>
#include <QImage>
#include <QImageReader>
#include <QLabel>
#include <QProcess>
#include <QtEndian>

#include <sys/resource.h>

#include <random>

using namespace Qt::Literals::StringLiterals;
using fiabilite::empreinte;

namespace {

QByteArray hasard(int taille, unsigned graine)
{
    std::mt19937 alea(graine);
    QByteArray b(taille, '\0');
    for (char& c : b)
        c = static_cast<char>(alea());
    return b;
}

void sql(const QString& chemin, const char* texte)
{
    sqlite::Database db(chemin, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
    db.executer(texte);
}

class Entrees : public DossierProgramme {
protected:
    KalDepart* menu()
    {
        Programme& p = programme();
        p.charger(p.kalDepart);
        return p.kalDepart;
    }
    static void choisir(KalDepart* d, const QString& nom)
    {
        const auto trouves = d->File1->findItems(nom, Qt::MatchExactly);
        ASSERT_EQ(trouves.size(), 1) << nom.toStdString();
        d->File1->setCurrentItem(trouves.first());
    }
    // The choice is refused: one message naming the file, the list still
    // offered, no base open, the file as it was.
    void refusee(const QString& nom, const char* attendu)
    {
        SCOPED_TRACE(nom.toStdString());
        KalDepart* d = menu();
        const QByteArray avant = empreinte(chemin(nom));
        dialogues->messages.clear();
        choisir(d, nom);
        ASSERT_EQ(dialogues->messages.size(), 1);
        EXPECT_TRUE(dialogues->dernierMessage().contains(nom) && dialogues->dernierMessage().contains(QString::fromUtf8(attendu)))
            << dialogues->dernierMessage().toStdString();
        EXPECT_EQ(empreinte(chemin(nom)), avant);
        EXPECT_FALSE(prog->donnees.BaseDonnees);
        EXPECT_TRUE(d->File1->isVisible() && !d->Cherche->isVisible());
        prog->decharger(prog->kalDepart);
        traiterEvenements();
    }
};

TEST_F(Entrees, LeMenuRefuseLesFichiersQuiNeSontPasDesBases)
{
    creerBase(u"Bonne.mdb"_s, {fiche(u"AGN"_s, u"NAVARIN"_s)});
    ecrire(chemin(u"Vide.mdb"_s), {});
    ecrire(chemin(u"Hasard.mdb"_s), hasard(8192, 7));
    ecrire(chemin(u"Texte.mdb"_s), "Liste des courses :\r\n- farine\r\n");
    {
        creerBase(u"Entiere.mdb"_s);
        auto b = BaseRecettes::ouvrir(chemin(u"Entiere.mdb"_s));
        for (int i = 0; i < 40; ++i)
            b->ajouter(fiche(u"DES"_s, u"T"_s + QString::number(i), QString(3000, u'x'), QString(3000, u'y')));
    }
    ecrire(chemin(u"Tronquee.mdb"_s), contenu(chemin(u"Entiere.mdb"_s)).left(24 * 1024));
    QFile::remove(chemin(u"Entiere.mdb"_s));
    sql(chemin(u"SansCuisine.mdb"_s), "CREATE TABLE Recettes (Titre TEXT)");
    sql(chemin(u"SansVin.mdb"_s), "CREATE TABLE Cuisine (Numero INTEGER, Categorie TEXT, Titre TEXT, TempPrepa TEXT,"
                                  " TempCuisson TEXT, Difficulte TEXT, Ingrediant TEXT, Preparation TEXT)");
    sql(chemin(u"Vue.mdb"_s), "CREATE TABLE T (Numero INTEGER, Categorie TEXT, Titre TEXT, TempPrepa TEXT, TempCuisson TEXT,"
                              " Difficulte TEXT, Ingrediant TEXT, Preparation TEXT, Vin TEXT);"
                              "CREATE VIEW Cuisine AS SELECT * FROM T");
    QByteArray jet = QByteArray::fromHex("00010000") + "Standard Jet DB" + QByteArray(1, '\0');
    jet.append(QByteArray(4096 - jet.size(), '\0'));
    ecrire(chemin(u"Access.mdb"_s), jet);

    refusee(u"Vide.mdb"_s, "vide");
    refusee(u"Hasard.mdb"_s, "n'est pas une base");
    refusee(u"Texte.mdb"_s, "n'est pas une base");
    refusee(u"Tronquee.mdb"_s, "");
    refusee(u"SansCuisine.mdb"_s, "Cuisine");
    refusee(u"SansVin.mdb"_s, "Vin");
    refusee(u"Vue.mdb"_s, "Cuisine n'est pas une table");
    refusee(u"Access.mdb"_s, "Access");
    // A refusal leaves the menu able to open a good base.
    KalDepart* d = menu();
    choisir(d, u"Bonne.mdb"_s);
    EXPECT_EQ(d->Label2->text(), u"Nombre de Recettes  1"_s);
    EXPECT_TRUE(d->Cherche->isVisible());
}

TEST_F(Entrees, UneBaseVerrouilleeOuEnLectureSeuleEstRefusee)
{
    creerBase(u"Prise.mdb"_s, {fiche(u"AGN"_s, u"SELLE"_s)});
    QProcess autre;
    autre.start(QStringLiteral(CARNET_VICTIME), {u"verrouiller"_s, chemin(u"Prise.mdb"_s)});
    ASSERT_TRUE(autre.waitForReadyRead(30000)) << autre.readAllStandardError().toStdString();
    refusee(u"Prise.mdb"_s, "verrouillée");
    autre.kill();
    autre.waitForFinished();

    Montage m;
    if (const std::string r = m.lectureSeule(dossier.path()); !r.empty())
        GTEST_SKIP() << r;
    QDir::setCurrent(dossier.path());
    refusee(u"Prise.mdb"_s, "lecture seule");
}

// ---- photographs -------------------------------------------------------------

// A BMP header for w x h pixels at 24 bits with (almost) no pixel data.
QByteArray enteteBmp(qint32 l, qint32 h)
{
    QByteArray b(54, '\0');
    b[0] = 'B';
    b[1] = 'M';
    qToLittleEndian<quint32>(54 + 16, b.data() + 2);
    qToLittleEndian<quint32>(54, b.data() + 10);
    qToLittleEndian<quint32>(40, b.data() + 14);
    qToLittleEndian<qint32>(l, b.data() + 18);
    qToLittleEndian<qint32>(h, b.data() + 22);
    qToLittleEndian<quint16>(1, b.data() + 26);
    qToLittleEndian<quint16>(24, b.data() + 28);
    return b + QByteArray(16, '\x7f');
}

// The same size in 8-bit run-length coding: a palette and an end-of-picture
// code, a file of about a kilobyte.
QByteArray bmpRle(qint32 l, qint32 h, bool pleine = false)
{
    QByteArray b(54 + 1024, '\0');
    b[0] = 'B';
    b[1] = 'M';
    qToLittleEndian<quint32>(54 + 1024 + 2, b.data() + 2);
    qToLittleEndian<quint32>(54 + 1024, b.data() + 10);
    qToLittleEndian<quint32>(40, b.data() + 14);
    qToLittleEndian<qint32>(l, b.data() + 18);
    qToLittleEndian<qint32>(h, b.data() + 22);
    qToLittleEndian<quint16>(1, b.data() + 26);
    qToLittleEndian<quint16>(8, b.data() + 28);
    qToLittleEndian<quint32>(1, b.data() + 30);  // BI_RLE8
    qToLittleEndian<quint32>(2, b.data() + 34);
    qToLittleEndian<quint32>(256, b.data() + 46);
    if (pleine) {  // every row coded: runs of 255 pixels, then end of line
        QByteArray ligne = QByteArray::fromHex("ff05").repeated(l / 255) + QByteArray(1, char(l % 255)) + '\x05';
        ligne += QByteArray::fromHex("0000");
        b += ligne.repeated(h);
    }
    return b + QByteArray::fromHex("0001");
}

long pointeMemoireKo()
{
    rusage r{};
    getrusage(RUSAGE_SELF, &r);
    return r.ru_maxrss;
}

TEST_F(Entrees, LesPhotographiesIllisiblesLaissentLaBoiteVide)
{
    QImage image(640, 480, QImage::Format_RGB32);
    image.fill(Qt::darkRed);
    QByteArray jpeg;
    QBuffer tampon(&jpeg);
    tampon.open(QIODevice::WriteOnly);
    ASSERT_TRUE(image.save(&tampon, "JPG"));
    ecrire(chemin(u"tronquee.jpg"_s), jpeg.left(jpeg.size() / 3));
    ecrire(chemin(u"vide.jpg"_s), {});
    ecrire(chemin(u"texte.jpg"_s), "Ceci est une photo, promis.\n");
    ecrire(chemin(u"entete.jpg"_s), jpeg.left(20));

    BoiteImage boite;
    for (const char* nom : {"vide.jpg", "texte.jpg", "entete.jpg"}) {
        boite.setImage(image);
        EXPECT_FALSE(boite.charger(chemin(QString::fromUtf8(nom)))) << nom;
        EXPECT_TRUE(boite.estVide()) << nom;
    }
    // A cut JPEG may show its upper part; what matters is no crash and no
    // picture larger than the file says.
    if (boite.charger(chemin(u"tronquee.jpg"_s))) {
        EXPECT_EQ(boite.image().size(), image.size());
    }
}

TEST_F(Entrees, UnBmpDeVingtMilleSurVingtMilleNEpuisePasLaMemoire)
{
    // 20 000 x 20 000 at 32 bits would take 1.6 GB once decoded.
    ecrire(chemin(u"geant.jpg"_s), enteteBmp(20000, 20000));
    ecrire(chemin(u"geant-bas.jpg"_s), enteteBmp(20000, -20000));  // top-down rows
    ecrire(chemin(u"geant-rle.jpg"_s), bmpRle(20000, 20000));
    ecrire(chemin(u"geant-plein.jpg"_s), bmpRle(20000, 20000, true));  // 3 MB, every pixel given
    // Qt refuses sides above 16 384 itself; this one it decodes whole (1 GB)
    // unless something caps it. Its own allocation limit is a process-wide
    // setting, raised here as an environment variable may raise it.
    ecrire(chemin(u"grand.jpg"_s), bmpRle(16384, 16384, true));
    const int limite = QImageReader::allocationLimit();
    QImageReader::setAllocationLimit(4000);
    BoiteImage boite;
    const long avant = pointeMemoireKo();
    for (const char* nom : {"geant.jpg", "geant-bas.jpg", "geant-rle.jpg", "geant-plein.jpg", "grand.jpg"}) {
        boite.charger(chemin(QString::fromUtf8(nom)));
        if (!boite.estVide()) {
            EXPECT_LE(boite.image().width(), BoiteImage::CoteMaximal) << nom;
            EXPECT_LE(boite.image().height(), BoiteImage::CoteMaximal) << nom;
        }
    }
    QImageReader::setAllocationLimit(limite);
    EXPECT_LT(pointeMemoireKo() - avant, 200 * 1024) << "peak memory grew by more than 200 MB";
}

// ---- titles, texts and the files they name -------------------------------------

class Titres : public Entrees {
protected:
    KalGeneral* carte()
    {
        Programme& p = programme();
        creerBase(u"Recettes.mdb"_s);
        ouvrirBase(u"Recettes.mdb"_s);
        p.donnees.CodeCategorie = u"DES"_s;
        p.donnees.NomCategorie = u"DESSERT"_s;
        p.charger(p.kalGeneral);
        return p.kalGeneral;
    }
};

TEST_F(Titres, UnTitreHostileResteUnNomDansLeDossierDuProgramme)
{
    KalGeneral* g = carte();
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
        ++numero;
        const auto f = prog->donnees.BaseDonnees->ficheParNumero(numero);
        ASSERT_TRUE(f.has_value());
        EXPECT_EQ(f->titre, titre.toUpper());  // stored as typed, upper case
        const QString ecrite = cheminPhotoEcrite(prog->dossierProgramme(), titre);
        EXPECT_TRUE(QFileInfo(ecrite).isFile());
        EXPECT_EQ(QFileInfo(ecrite).absolutePath(), QDir(chemin(u"Images"_s)).absolutePath());

        FicheRecette r;
        r.titre = titre;
        EXPECT_NO_THROW(ExporterTexte(prog->imprimante(), r));
    }
    // Every file is inside the program folder; nothing beside it or above it.
    const QStringList ici = QDir(dossier.path()).entryList(QDir::Files | QDir::Hidden);
    // "a/zq7" and "a\\zq7", "." and ".." share a safe name (the export appends).
    EXPECT_EQ(ici.filter(u".txt"_s).size(), titres.size() - 2);
    for (const QString& dehors : {QDir(dossier.path() + u"/.."_s).absolutePath(), u"/"_s, QDir::homePath()})
        EXPECT_TRUE(QDir(dehors).entryList(QDir::AllEntries | QDir::Hidden).filter(u"zq7"_s).isEmpty()) << dehors.toStdString();
}

TEST_F(Titres, DesTextesDUnMegaOctetSontGardesEntiers)
{
    KalGeneral* g = carte();
    const QString ingredients = u"200 g de farine tamisée\r\n"_s.repeated(1024 * 1024 / 25);
    const QString preparation = u"Mélanger doucement la pâte, puis cuire. "_s.repeated(1024 * 1024 / 41);
    g->Creer_Click();
    g->Text1->setTexte(u"GATEAU"_s);
    g->Text4->setTexte(u"ab"_s);
    g->Text5->setTexte(ingredients);
    g->Text6->setTexte(preparation);
    g->Enreg_Click();
    EXPECT_TRUE(dialogues->messages.isEmpty()) << dialogues->dernierMessage().toStdString();
    const auto f = prog->donnees.BaseDonnees->ficheParNumero(1);
    ASSERT_TRUE(f.has_value());
    EXPECT_EQ(f->ingrediant, ingredients);
    EXPECT_EQ(f->preparation, preparation);
}

TEST_F(Entrees, UnTitreHostileNeSortPasLePdfDuDossier)
{
    Programme& p = programme(true);  // the real printer, writing PDF files here
    for (const QString& titre : {u"../zq7"_s, u"/tmp/zq7"_s, u"..\\zq7"_s}) {
        const QString pdf = ImprimeFiche(p.imprimante(), {titre, {}, {}, {}, {}, {u"1 oeuf"_s}, {u"Cuire."_s}}, QImage());
        if (pdf.isEmpty())
            GTEST_SKIP() << "a printer is installed: no PDF file is written";
        EXPECT_EQ(QFileInfo(pdf).absolutePath(), QDir(dossier.path()).absolutePath()) << pdf.toStdString();
    }
    for (const QString& dehors : {QDir(dossier.path() + u"/.."_s).absolutePath(), u"/tmp"_s})
        EXPECT_TRUE(QDir(dehors).entryList(QDir::AllEntries | QDir::Hidden).filter(u"zq7"_s).isEmpty());
}

TEST_F(Entrees, UnNomDeBaseNeSortPasDuDossier)
{
    BaseRecettes::creer(chemin(u"Base.kal"_s));
    Programme& p = programme();
    for (const QString& nom : {u"../zq7"_s, u"a/zq7"_s, u"a\\zq7"_s, u"/tmp/zq7"_s, u".."_s, u"c:zq7"_s}) {
        SCOPED_TRACE(nom.toStdString());
        p.charger(p.kalCreer);
        KalCreer* c = p.kalCreer;
        c->Text1->setTexte(nom);
        c->Command1_Click();
        p.decharger(p.kalCreer);
        p.decharger(p.kalDepart);
        traiterEvenements();
        for (const QString& dehors : {QDir(dossier.path() + u"/.."_s).absolutePath(), u"/tmp"_s, u"/"_s})
            EXPECT_TRUE(QDir(dehors).entryList(QDir::AllEntries | QDir::Hidden).filter(u"ZQ7"_s, Qt::CaseInsensitive).isEmpty());
    }
    for (const QString& b : fiabilite::basesListees(dossier.path()))
        EXPECT_NO_THROW(BaseRecettes::ouvrir(chemin(b))) << b.toStdString();
}

// ---- side files ------------------------------------------------------------------

TEST_F(Entrees, UnePageDIntroductionBinaireOuEnormeSAfficheSansDommage)
{
    Programme& p = programme();
    p.donnees.NomCategorie = u"AGNEAU"_s;
    for (const QByteArray& octets : {hasard(65536, 3), QByteArray("Le navarin se sert bien chaud, avec des pommes nouvelles.\r\n").repeated(700000)}) {
        ecrire(chemin(u"AGNEAU.txt"_s), octets);
        const QByteArray avant = empreinte(chemin(u"AGNEAU.txt"_s));
        p.charger(p.kalTexte);
        ASSERT_TRUE(p.kalTexte);
        EXPECT_LE(p.kalTexte->Text1->texte().size(), KalTexte::TailleMaximale + 2);
        p.decharger(p.kalTexte);
        traiterEvenements();
        EXPECT_EQ(empreinte(chemin(u"AGNEAU.txt"_s)), avant);
    }
}

TEST_F(Entrees, UnMarqueurIllisibleRepartDeLaPremiereSauvegarde)
{
    Programme& p = programme();
    creerBase(u"Recettes.mdb"_s);
    const QByteArray deuxLignes = "06/12/2026\r\n/\r\n";
    for (const QByteArray& marqueur : {hasard(4096, 11), deuxLignes}) {
        ecrire(chemin(u"Sauve.kal"_s), marqueur);
        p.charger(p.kalSauvegarde);
        KalSauvegarde* k = p.kalSauvegarde;
        EXPECT_TRUE(k->Label2->text().startsWith(u"PREMIERE SAUVEGARDE"_s)) << k->Label2->text().toStdString();
        EXPECT_TRUE(k->Sauve->isVisible());
        const auto relu = lireMarqueur(contenu(chemin(u"Sauve.kal"_s)));
        ASSERT_TRUE(relu.has_value());
        EXPECT_EQ(relu->dossierProgramme, QDir::toNativeSeparators(prog->dossierProgramme()));
        p.decharger(p.kalSauvegarde);
        traiterEvenements();
    }
}

TEST_F(Entrees, UneRestorationNEcritQueDansLeDossierDuProgramme)
{
    Programme& p = programme();
    creerBase(u"Recettes.mdb"_s);
    QTemporaryDir sauvegarde, ailleurs;
    ecrire(sauvegarde.filePath(u"Recettes.mdb"_s), contenu(chemin(u"Recettes.mdb"_s)));
    ecrire(sauvegarde.filePath(u"zq7.txt"_s), "hors du programme");
    const QByteArray marqueur = "06/12/2026\r\n/\r\n" + QFile::encodeName(sauvegarde.path().mid(1)) + "\r\n" +
                                QFile::encodeName(ailleurs.path()) + "\r\n";
    ecrire(sauvegarde.filePath(u"Sauve.kal"_s), marqueur);
    ecrire(chemin(u"Sauve.kal"_s), marqueur);
    p.charger(p.kalSauvegarde);
    dialogues->messages.clear();
    p.kalSauvegarde->Restor_Click();
    ASSERT_EQ(dialogues->messages.size(), 1);
    EXPECT_TRUE(dialogues->dernierMessage().contains(u"RIEN N'A ETE RESTORE"_s)) << dialogues->dernierMessage().toStdString();
    EXPECT_TRUE(QDir(ailleurs.path()).isEmpty());
    EXPECT_FALSE(QFileInfo::exists(chemin(u"zq7.txt"_s)));
}

}  // namespace
