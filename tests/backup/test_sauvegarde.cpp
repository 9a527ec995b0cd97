#include "backup/copie.h"
#include "backup/kalsauvegarde.h"
#include "platform/fichiers.h"
#include "platform/lecteurs.h"
#include "platform/textes.h"

#include "environnement.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QProgressBar>
#include <QTest>

#include <sys/stat.h>

using namespace Qt::Literals::StringLiterals;

namespace {

QStringList lignes(const QByteArray& octets)
{
    return QString::fromUtf8(octets).split(u"\r\n"_s);
}

class Sauvegarde : public DossierProgramme {
protected:
    void SetUp() override
    {
        DossierProgramme::SetUp();
        creerBase(u"Recettes.mdb"_s, {fiche(u"AGN"_s, u"GIGOT"_s), fiche(u"AGN"_s, u"NAVARIN"_s)});
        creerBase(u"Autre.MDB"_s);
        creerBase(u"Base.kal"_s);
        ecrire(chemin(u"AGNEAU.txt"_s), "Le mouton.\r\n");
        ecrire(chemin(u"lettre.LET"_s), "Cher ami");
        ecrire(chemin(u"carnet.exe"_s), "MZ");
        QDir(dossier.path()).mkpath(u"Divers"_s);
        ecrire(chemin(u"Divers/note.txt"_s), "ne pas copier");
        QDir(dossier.path()).mkpath(u"Images"_s);
        ecrire(chemin(u"Images/PAS.jpg"_s), "photo absente");
        ecrire(chemin(u"Images/TARTE.jpg"_s), "une tarte");
        programme();
        ouvrirBase(u"Recettes.mdb"_s);
        destination = QDir(ailleurs.path()).filePath(u"SAUVE/CARNET"_s);
    }

    KalSauvegarde* ouvrir()
    {
        // Each window opened starts a fresh count, as with a new copier.
        copieur->avantBloc = {};
        copieur->blocs = copieur->echecAuBloc = 0;
        return prog->charger(prog->kalSauvegarde);
    }

    KalSauvegarde* sauver(const QString& texte)
    {
        KalSauvegarde* k = ouvrir();
        k->Text1->setTexte(texte);
        k->Sauve_Click();
        return k;
    }

    int fichesOuvertes() const { return prog->donnees.BaseDonnees ? prog->donnees.BaseDonnees->compter() : -1; }

    QTemporaryDir ailleurs;  // another place, where the backups go
    QString destination;
};

// ---- the backup --------------------------------------------------------------

TEST_F(Sauvegarde, CopieLesFichiersDuProgrammeEtLesPhotosDansUnDossierADeuxNiveauxNeufs)
{
    // A temporary left by a killed copy is not carried along; a marker that
    // is a link is replaced, never written through.
    ecrire(chemin(u"Images/TARTE.jpg.carnet-k3x9"_s), "reste");
    ecrire(ailleurs.filePath(u"dehors"_s), "a garder");
    QFile::link(ailleurs.filePath(u"dehors"_s), chemin(u"Sauve.kal"_s));
    KalSauvegarde* k = ouvrir();
    // Each file shows in the frame and the bar while copied, the base closed.
    QStringList vus;
    copieur->avantBloc = [&] {
        EXPECT_FALSE(k->Frame1->isHidden());
        EXPECT_EQ(prog->donnees.BaseDonnees, nullptr);
        vus.append(u"%1 %2/%3"_s.arg(k->Frame1->title()).arg(k->ProgressBar1->value()).arg(k->ProgressBar1->maximum()));
    };
    k->Text1->setTexte(u"  "_s + destination + u"  "_s);  // blanks around are no part of it
    k->Sauve_Click();
    EXPECT_EQ(vus, (QStringList{u"AGNEAU.txt 0/6"_s, u"Autre.MDB 1/6"_s, u"Base.kal 2/6"_s, u"lettre.LET 3/6"_s,
                                u"Recettes.mdb 4/6"_s, u"Sauve.kal 5/6"_s, u"PAS.jpg 0/2"_s, u"TARTE.jpg 1/2"_s}));
    EXPECT_TRUE(dialogues->messages.isEmpty()) << dialogues->dernierMessage().toStdString();
    EXPECT_EQ(listerFichiers(QDir(destination), {u"*"_s}),
              (QStringList{u"AGNEAU.txt"_s, u"Autre.MDB"_s, u"Base.kal"_s, u"lettre.LET"_s, u"Recettes.mdb"_s,
                           u"Sauve.kal"_s}));
    EXPECT_EQ(QDir(destination).entryList(QDir::Dirs | QDir::NoDotAndDotDot), QStringList{u"Images"_s});
    EXPECT_EQ(listerFichiers(QDir(destination + u"/Images"_s), {u"*"_s}),
              (QStringList{u"PAS.jpg"_s, u"TARTE.jpg"_s}));
    for (const QString& f : {u"Recettes.mdb"_s, u"AGNEAU.txt"_s, u"Images/TARTE.jpg"_s})
        EXPECT_EQ(contenu(destination + u'/' + f), contenu(chemin(f))) << f.toStdString();

    // The marker was rewritten before the copy, and the copy carries it.
    const CheminDecoupe d = decouperChemin(destination, k->Drive1->lecteurs());
    EXPECT_EQ(lignes(contenu(chemin(u"Sauve.kal"_s))),
              (QStringList{u"06/12/2026"_s, d.lecteur, d.reste, dossier.path(), QString()}));
    EXPECT_EQ(contenu(destination + u"/Sauve.kal"_s), contenu(chemin(u"Sauve.kal"_s)));
    EXPECT_EQ(contenu(ailleurs.filePath(u"dehors"_s)), QByteArray("a garder"));

    EXPECT_EQ(k->Text1->texte() + u' ' + k->Label1->text(), u"C'EST FINI SAUVEGARDE"_s);
    EXPECT_TRUE(!k->Label1->isHidden() && k->Frame1->isHidden() && !k->Sauve->isVisible() && !k->Restor->isVisible() &&
                k->Qite->isVisible());
    EXPECT_EQ(fichesOuvertes(), 2);

    // The next opening proposes that folder again.
    prog->decharger(prog->kalSauvegarde);
    k = ouvrir();
    EXPECT_EQ(k->Label2->text(), u"DERNIERE SAUVEGARDE 06/12/2026"_s);
    EXPECT_EQ(k->Text1->texte(), destination);
    EXPECT_EQ(k->Dir1->Path(), destination);
}

TEST_F(Sauvegarde, RefuseUnDossierQuiNEstPasUnCheminCompletOuQuiEstDansLeProgramme)
{
    KalSauvegarde* k = ouvrir();
    const QByteArray marqueur = contenu(chemin(u"Sauve.kal"_s));
    // Only the folder and its parent are made: a deeper one is refused too.
    const QString profond = ailleurs.path() + u"/A/B/C"_s;
    for (const QString& texte : {u""_s, u"   "_s, u"SAUVE/CARNET"_s, u"C'EST FINI"_s, u"D:\\SAUVE"_s, dossier.path(),
                                 dossier.path() + u"/Images/copie"_s, dossier.path() + u"/../"_s +
                                     QFileInfo(dossier.path()).fileName() + u"/x"_s, profond}) {
        SCOPED_TRACE(texte.toStdString());
        dialogues->messages.clear();
        k->Text1->setTexte(texte);
        k->Sauve_Click();
        EXPECT_EQ(dialogues->messages.size(), 1);
        EXPECT_EQ(contenu(chemin(u"Sauve.kal"_s)), marqueur);
        EXPECT_TRUE(k->Sauve->isVisible());
    }
    EXPECT_TRUE(dialogues->dernierMessage().contains(QDir::toNativeSeparators(profond)));
    EXPECT_FALSE(QFileInfo::exists(ailleurs.path() + u"/A"_s) || QFileInfo::exists(chemin(u"Images/copie"_s)) ||
                 QFileInfo::exists(chemin(u"x"_s)));
    EXPECT_TRUE(fichesOuvertes() == 2 && copieur->blocs == 0);

    // A sibling whose name only begins as the program folder's is elsewhere:
    // the files are saved there, and without an Images folder that is said.
    const QString voisin = dossier.path() + u"2"_s;
    QDir(chemin(u"Images"_s)).removeRecursively();
    dialogues->messages.clear();
    k->Text1->setTexte(voisin);
    k->Sauve_Click();
    ASSERT_EQ(dialogues->messages.size(), 1);
    EXPECT_TRUE(dialogues->dernierMessage().contains(u"INCOMPLETE"_s) &&
                dialogues->dernierMessage().contains(QDir::toNativeSeparators(chemin(u"Images"_s))));
    EXPECT_TRUE(k->Text1->texte() != u"C'EST FINI"_s && QFileInfo::exists(voisin + u"/Recettes.mdb"_s));
    QDir(voisin).removeRecursively();
}

// ---- a copy that fails --------------------------------------------------------

// A backup, then a restore, each failing at Recettes.mdb after four files:
// those were copied but not put in place, every file stays the old one.
TEST_F(Sauvegarde, UneCopieQuiEchoueEnRouteLaisseChaqueFichierAncienEtLeDit)
{
    sauver(destination);
    prog->decharger(prog->kalSauvegarde);
    const QByteArray ancienneBase = contenu(destination + u"/Recettes.mdb"_s);
    const QByteArray ancienKal = contenu(destination + u"/Base.kal"_s);
    ecrire(chemin(u"AGNEAU.txt"_s), QByteArray(3000, 'n'));
    ecrire(chemin(u"Base.kal"_s), QByteArray(3000, 'n'));
    prog->donnees.BaseDonnees->ajouter(fiche(u"AGN"_s, u"EPAULE"_s));

    KalSauvegarde* k = ouvrir();
    copieur->echecAuBloc = 5;  // Recettes.mdb, after AGNEAU.txt, Autre.MDB, Base.kal, lettre.LET
    k->Text1->setTexte(destination);
    k->Sauve_Click();
    ASSERT_EQ(dialogues->messages.size(), 1);
    EXPECT_TRUE(dialogues->dernierMessage().contains(u"Recettes.mdb"_s) && dialogues->dernierMessage().contains(u"INCOMPLETE"_s))
        << dialogues->dernierMessage().toStdString();
    EXPECT_TRUE(k->Text1->texte() != u"C'EST FINI"_s && k->Frame1->isHidden());
    EXPECT_EQ(contenu(destination + u"/AGNEAU.txt"_s), QByteArray("Le mouton.\r\n"));
    EXPECT_EQ(contenu(destination + u"/Base.kal"_s), ancienKal);
    EXPECT_EQ(contenu(destination + u"/Recettes.mdb"_s), ancienneBase);
    EXPECT_EQ(QDir(destination).entryList(QDir::Files | QDir::Hidden).size(), 6);  // no temporary left
    EXPECT_EQ(fichesOuvertes(), 3);

    prog->decharger(prog->kalSauvegarde);
    prog->donnees.fermerBase();
    const QByteArray baseModifiee = contenu(chemin(u"Recettes.mdb"_s));
    ouvrirBase(u"Recettes.mdb"_s);
    dialogues->messages.clear();
    k = ouvrir();
    copieur->echecAuBloc = 5;  // Recettes.mdb again
    k->Restor_Click();
    ASSERT_EQ(dialogues->messages.size(), 1);
    EXPECT_TRUE(dialogues->dernierMessage().contains(u"Recettes.mdb"_s));
    EXPECT_EQ(contenu(chemin(u"AGNEAU.txt"_s)), QByteArray(3000, 'n'));  // copied, not put in place
    EXPECT_EQ(contenu(chemin(u"Recettes.mdb"_s)), baseModifiee);
    EXPECT_EQ(listerFichiers(QDir(dossier.path()), {u"Recettes.mdb*"_s}), QStringList{u"Recettes.mdb"_s});
    EXPECT_EQ(fichesOuvertes(), 3);
    EXPECT_TRUE(prog->kalSauvegarde.data() == k && k->Restor->isVisible());  // stays open to try again
}

// A batch left open is given up with its copier; between two file systems
// the kernel copy is refused and the copy goes through a buffer.
TEST_F(Sauvegarde, UnLotAbandonneNeLaisseRienEtUneCopieChangeDeSystemeDeFichiers)
{
    {
        Copieur oublie;
        ASSERT_NO_THROW(oublie.preparer(chemin(u"Recettes.mdb"_s), ailleurs.filePath(u"Recettes.mdb"_s)));
        EXPECT_EQ(QDir(ailleurs.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
    }
    EXPECT_TRUE(QDir(ailleurs.path()).isEmpty());
    QTemporaryDir shm(u"/dev/shm/carnet-XXXXXX"_s);
    if (!shm.isValid())
        GTEST_SKIP() << "no /dev/shm";
    const QByteArray octets = QByteArray("0123456789abcdefghijklmnopqrstuvwxyz!").repeated(8000);
    ecrire(chemin(u"a"_s), octets);
    ASSERT_NO_THROW(Copieur().copier(chemin(u"a"_s), shm.filePath(u"a"_s)));
    EXPECT_EQ(contenu(shm.filePath(u"a"_s)), octets);
}

// ---- the marker ---------------------------------------------------------------

TEST_F(Sauvegarde, SansMarqueurUtilisableLaPremiereSauvegardeProposeLaRacine)
{
    for (const QByteArray& octets : {QByteArray(),                                                        // none
                                     QByteArray("05/03/2014\r\nD:\\\r\nSAUVE\\CARNET\r\nC:\\CARNET\r\n"),  // Windows
                                     QByteArray("05/03/2014\r\n/\r\n"),                                  // short
                                     QByteArray("05/03/2014\r\n/\0\r\n\r\n/x\r\n", 22)}) {               // binary
        SCOPED_TRACE(octets.toStdString());
        if (!octets.isEmpty())
            ecrire(chemin(u"Sauve.kal"_s), octets);
        KalSauvegarde* k = ouvrir();
        EXPECT_EQ(k->Label2->text(), u"PREMIERE SAUVEGARDE 06/12/2026"_s);
        EXPECT_EQ(k->Text1->texte() + k->Drive1->Drive() + k->Dir1->Path(), u"///"_s);
        EXPECT_EQ(contenu(chemin(u"Sauve.kal"_s)), (u"06/12/2026\r\n/\r\n\r\n"_s + dossier.path() + u"\r\n"_s).toUtf8());
        EXPECT_TRUE(k->Label1->isHidden() && k->Frame1->isHidden() && k->Sauve->isVisible() && k->Restor->isVisible());
        prog->decharger(prog->kalSauvegarde);
    }
}

TEST(Marqueur, AccentsEnWindows1252EtCheminsHorsDe1252EnUtf8)
{
    const Marqueur racine{u"05/03/2014"_s, u"/"_s, QString(), u"/opt/carnet"_s};
    EXPECT_EQ(formaterMarqueur(racine), QByteArray("05/03/2014\r\n/\r\n\r\n/opt/carnet\r\n"));
    const Marqueur accents{u"05/03/2014"_s, u"/media/clé/"_s, u"Été"_s, u"/opt/carnet"_s};
    EXPECT_TRUE(formaterMarqueur(accents).contains("/media/cl\xe9/"));
    const Marqueur grec{u"05/03/2014"_s, u"/"_s, u"συνταγές"_s, u"/opt/carnet"_s};
    for (const Marqueur& m : {racine, accents, grec}) {
        const std::optional<Marqueur> lu = lireMarqueur(formaterMarqueur(m));
        ASSERT_TRUE(lu.has_value());
        EXPECT_EQ(QStringList({lu->date, lu->lecteur, lu->repertoire, lu->dossierProgramme}),
                  QStringList({m.date, m.lecteur, m.repertoire, m.dossierProgramme}));
    }

    // Written by hand on Linux: LF alone, no line 4.
    const Marqueur lf = lireMarqueur("01/01/2020\n/\nSAUVE\n").value_or(racine);
    EXPECT_EQ(lf.repertoire + u'|' + lf.dossierProgramme, u"SAUVE|"_s);
}

TEST(Lecteurs, UnCheminSeCoupeAuVolumeLePlusProfondQuiLeTient)
{
    const QStringList volumes{u"/"_s, u"/media/cle/"_s};
    // Path, then drive|rest; no drive for a relative or a Windows path.
    for (const auto& [chemin, attendu] : QList<std::pair<QString, QString>>{
             {u"/media/cle/SAUVE/CARNET"_s, u"/media/cle/|SAUVE/CARNET"_s}, {u"/media/cle"_s, u"/media/cle/|"_s},
             {u"/media/clef/X"_s, u"/|media/clef/X"_s}, {u"/"_s, u"/|"_s}, {u"SAUVE"_s, u"|"_s},
             {u"D:\\SAUVE"_s, u"|"_s}}) {
        const CheminDecoupe d = decouperChemin(chemin, volumes);
        EXPECT_EQ(d.lecteur + u'|' + (d.lecteur.isEmpty() ? QString() : d.reste), attendu) << chemin.toStdString();
    }
    EXPECT_EQ(formeLecteur(u"/media/cle"_s) + u'|' + formeLecteur(u"/"_s), u"/media/cle/|/"_s);
    EXPECT_TRUE(volumesMontes().contains(u"/"_s) && !volumesMontes().contains(u"/proc/"_s));
}

// ---- drives and folders ---------------------------------------------------------

TEST_F(Sauvegarde, ChangerDeVolumeProposeLeMemeDossierSurLeNouveau)
{
    QTemporaryDir autre;
    const QString vol1 = formeLecteur(ailleurs.path()), vol2 = formeLecteur(autre.path());
    systeme->lecteurs = {u"/"_s, vol1, vol2};
    sauver(destination);
    EXPECT_EQ(lignes(contenu(chemin(u"Sauve.kal"_s))).mid(1, 2), (QStringList{vol1, u"SAUVE/CARNET"_s}));
    prog->decharger(prog->kalSauvegarde);

    KalSauvegarde* k = ouvrir();
    EXPECT_EQ(k->Drive1->Drive(), vol1);
    EXPECT_EQ(k->Text1->texte(), destination);
    ASSERT_TRUE(k->Drive1->setDrive(vol2));
    EXPECT_EQ(k->Text1->texte(), vol2 + u"SAUVE/CARNET"_s);
    EXPECT_EQ(prog->donnees.LecteurSauvegarde, vol2);
    EXPECT_EQ(k->Dir1->Path(), QDir::cleanPath(autre.path()));

    // A backup to the root of that volume leaves line 3 empty.
    k->Text1->setTexte(vol2);
    k->Sauve_Click();
    EXPECT_EQ(k->Text1->texte(), u"C'EST FINI"_s);
    EXPECT_EQ(lignes(contenu(chemin(u"Sauve.kal"_s))).mid(1, 2), (QStringList{vol2, u""_s}));
    EXPECT_TRUE(QFileInfo::exists(autre.filePath(u"Recettes.mdb"_s)));
}

TEST_F(Sauvegarde, LaListeDesDossiersSeParcourtEtLeTexteSuit)
{
    QDir(ailleurs.path()).mkpath(u"B/C"_s);
    QDir(ailleurs.path()).mkpath(u"A"_s);
    KalSauvegarde* k = ouvrir();
    ASSERT_TRUE(k->Dir1->setPath(ailleurs.filePath(u"B"_s)));
    EXPECT_EQ(k->Text1->texte(), ailleurs.filePath(u"B"_s));
    ASSERT_EQ(k->Dir1->count(), 2);
    EXPECT_EQ(k->Dir1->item(0)->text() + k->Dir1->item(1)->text(), u"..C"_s);
    Q_EMIT k->Dir1->itemActivated(k->Dir1->item(0));
    traiterEvenements();
    EXPECT_EQ(k->Text1->texte(), QDir::cleanPath(ailleurs.path()));
    EXPECT_EQ(k->Dir1->item(1)->text(), u"A"_s);
    EXPECT_FALSE(k->Dir1->setPath(ailleurs.filePath(u"absent"_s)));
    EXPECT_EQ(k->Dir1->Path(), QDir::cleanPath(ailleurs.path()));
}

// ---- the restore ----------------------------------------------------------------

TEST_F(Sauvegarde, RestorerSeRefuseSansSauvegardeDansLeDossier)
{
    ecrire(ailleurs.filePath(u"Recettes.mdb"_s), "pas une base");
    const QByteArray base = contenu(chemin(u"Recettes.mdb"_s));
    const QString sansMarqueur = u"06/12/2026\r\n/\r\n%1\r\n%2\r\n"_s.arg(ailleurs.path().mid(1), dossier.path());
    const QString absent = u"06/12/2026\r\n/\r\n%1/PARTI\r\n%2\r\n"_s.arg(ailleurs.path().mid(1), dossier.path());
    const QString soiMeme = u"06/12/2026\r\n/\r\n%1\r\n%2\r\n"_s.arg(dossier.path().mid(1), dossier.path());
    // A marker edited elsewhere that names another program folder.
    const QString autre = u"06/12/2026\r\n/\r\n%1/AUTRE\r\n%1\r\n"_s.arg(ailleurs.path().mid(1));
    QDir(ailleurs.path()).mkdir(u"AUTRE"_s);
    ecrire(ailleurs.filePath(u"AUTRE/Sauve.kal"_s), autre.toUtf8());
    ecrire(ailleurs.filePath(u"AUTRE/Recettes.mdb"_s), base);

    for (const QString& marqueur : {sansMarqueur, absent, soiMeme, autre, QString()}) {
        ecrire(chemin(u"Sauve.kal"_s), marqueur.toUtf8());
        KalSauvegarde* k = ouvrir();
        dialogues->messages.clear();
        // Kept, even when its folder is out of reach, and said.
        EXPECT_EQ(k->Label2->text().endsWith(u"\nDOSSIER INACCESSIBLE"_s), marqueur == absent);
        if (marqueur.isEmpty())
            QFile::remove(chemin(u"Sauve.kal"_s));
        else
            EXPECT_EQ(contenu(chemin(u"Sauve.kal"_s)), marqueur.toUtf8());
        k->Restor_Click();
        EXPECT_EQ(dialogues->messages.size(), 1) << marqueur.toStdString();
        EXPECT_EQ(copieur->blocs, 0);
        EXPECT_EQ(contenu(chemin(u"Recettes.mdb"_s)), base);
        EXPECT_TRUE(prog->kalSauvegarde.data() == k && k->Restor->isVisible() && fichesOuvertes() == 2);
        prog->decharger(prog->kalSauvegarde);
    }
}

// Pages after the first turned to garbage: the base opens, its check fails.
void abimer(const QString& base)
{
    QFile f(base);
    ASSERT_TRUE(f.open(QIODevice::ReadWrite) && f.seek(4096) && f.write(QByteArray(4096, 'x')) == 4096);
}

TEST_F(Sauvegarde, CeQuiNePeutEtreLuEstLaisseDeCoteEtLaRestorationDemandeVerifieToutEtNeCopieQueDesFichiersOrdinaires)
{
    // A broken link, a FIFO, a damaged base: left out of the backup and named, the rest saved.
    QFile::link(chemin(u"nulle-part"_s), chemin(u"Perdue.mdb"_s));
    ASSERT_EQ(::mkfifo(QFile::encodeName(chemin(u"Images/TUBE.jpg"_s)).constData(), 0644), 0);
    abimer(chemin(u"Autre.MDB"_s));
    EXPECT_NE(sauver(destination)->Text1->texte(), u"C'EST FINI"_s);
    for (const QString& attendu : {u"INCOMPLETE"_s, u"Perdue.mdb"_s, u"TUBE.jpg"_s, u"Autre.MDB"_s})
        EXPECT_TRUE(dialogues->dernierMessage().contains(attendu)) << attendu.toStdString();
    EXPECT_EQ(listerFichiers(QDir(destination), {u"*"_s}),
              (QStringList{u"AGNEAU.txt"_s, u"Base.kal"_s, u"lettre.LET"_s, u"Recettes.mdb"_s, u"Sauve.kal"_s}));

    // The restore asks, checks every base first, copies only regular files of the kinds saved.
    prog->donnees.BaseDonnees->ajouter(fiche(u"AGN"_s, u"EPAULE"_s));
    QFile::link(chemin(u"Recettes.mdb"_s), destination + u"/Vole.txt"_s);
    ASSERT_EQ(::mkfifo(QFile::encodeName(destination + u"/Tube.mdb"_s).constData(), 0644), 0);
    ecrire(destination + u"/carnet"_s, "faux");
    const QByteArray bonne = contenu(destination + u"/Recettes.mdb"_s);
    // What the backup does not hold is kept: a new photograph, a removed one, the program.
    ecrire(chemin(u"Images/NOUVELLE.jpg"_s), "ajoutée depuis");
    QFile::remove(chemin(u"Images/TARTE.jpg"_s));
    ecrire(chemin(u"carnet.exe"_s), "MZ2");
    // Answer, backup base damaged, what is said, recipes after.
    const struct { bool oui, abimee; QString attendu; int fiches; } cas[] = {
        {false, false, QString(), 3}, {true, true, u"Recettes.mdb EST ENDOMMAGEE"_s, 3}, {true, false, u"LAISSES : Tube.mdb, Vole.txt"_s, 2}};
    for (const auto& [oui, abimee, attendu, fiches] : cas) {
        dialogues->messages.clear();
        dialogues->reponses = {oui};
        ecrire(destination + u"/Recettes.mdb"_s, bonne);
        if (abimee)
            abimer(destination + u"/Recettes.mdb"_s);
        KalSauvegarde* k = ouvrir();
        QTest::mouseClick(k->menuBar(), Qt::LeftButton, {}, k->menuBar()->actionGeometry(k->Restor).center());
        const auto q = dialogues->questions.takeLast();
        EXPECT_TRUE(q.titre == u"RESTORATION"_s && q.prudente && q.texte.contains(u"06/12/2026"_s) && q.texte.contains(destination));
        EXPECT_EQ(dialogues->messages.size(), attendu.isEmpty() ? 0 : 1);
        EXPECT_TRUE(dialogues->dernierMessage().contains(attendu)) << dialogues->dernierMessage().toStdString();
        EXPECT_EQ(fichesOuvertes(), fiches);
    }
    EXPECT_EQ(QDir(dossier.path()).entryList({u"Vole.txt"_s, u"Tube.mdb"_s, u"carnet"_s}, QDir::AllEntries | QDir::System), QStringList());
    EXPECT_EQ(contenu(chemin(u"Images/NOUVELLE.jpg"_s)) + contenu(chemin(u"carnet.exe"_s)), QByteArray("ajoutée depuisMZ2"));
    EXPECT_FALSE(QFileInfo::exists(chemin(u"Images/TARTE.jpg"_s)));
    EXPECT_EQ(prog->kalSauvegarde.data(), nullptr);  // closed, the restored base open and writable
    EXPECT_TRUE(prog->donnees.BaseDonnees->ajouter(fiche(u"AGN"_s, u"SELLE"_s)).has_value());
    traiterEvenements();
}

// ---- Quitter ----------------------------------------------------------------------

TEST_F(Sauvegarde, QuitterFermeLaFenetreEtPendantLaCopieAttendLaFinDuFichierEnCours)
{
    KalSauvegarde* k = ouvrir();
    k->close();  // the window's own close box is Quitter too
    EXPECT_EQ(prog->kalSauvegarde.data(), nullptr);
    traiterEvenements();

    k = ouvrir();
    copieur->avantBloc = [&] {
        if (copieur->blocs == 2) {  // Autre.MDB is being copied
            k->Qite_Click();
            EXPECT_EQ(prog->kalSauvegarde.data(), k);
        }
    };
    k->Text1->setTexte(destination);
    k->Sauve_Click();

    // Autre.MDB was copied whole, but the batch was given up: nothing in
    // place, no temporary left.
    EXPECT_EQ(QDir(destination).entryList(QDir::Files | QDir::Hidden), QStringList());
    EXPECT_EQ(copieur->blocs, 2);
    ASSERT_EQ(dialogues->messages.size(), 1);
    EXPECT_TRUE(dialogues->dernierMessage().contains(u"INCOMPLETE"_s));
    EXPECT_TRUE(prog->kalSauvegarde.data() == nullptr && fichesOuvertes() == 2);
    traiterEvenements();
}

}  // namespace
