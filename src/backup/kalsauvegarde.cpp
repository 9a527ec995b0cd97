#include "backup/kalsauvegarde.h"

#include "app/programme.h"
#include "backup/copie.h"
#include "platform/encodage.h"
#include "platform/fichiers.h"
#include "platform/lecteurs.h"
#include "platform/textes.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QProgressBar>
#include <QSignalBlocker>

#include <sys/stat.h>

using namespace Qt::Literals::StringLiterals;

// Every path here is absolute: the copies never change the working folder,
// which the rest of the program relies on to find its bases. (Changing folders
// was only a way of naming the files to copy.)

namespace {

const QString NomMarqueur = u"Sauve.kal"_s;
constexpr qint64 TailleMaxMarqueur = 64 * 1024;

std::optional<Marqueur> lireMarqueurFichier(const QString& chemin)
{
    const std::optional<QByteArray> octets = Copieur::lireFichier(chemin, TailleMaxMarqueur);
    return octets ? lireMarqueur(*octets) : std::nullopt;
}

// What a backup writes at the top of its folder: a restore brings back
// nothing else (never an executable or a file of another kind).
const QStringList MotifsSauvegarde{u"*.mdb"_s, u"*.let"_s, u"*.kal"_s, u"*.txt"_s};

bool estOrdinaire(const QString& chemin)
{
    struct stat etat {};
    return ::lstat(QFile::encodeName(chemin).constData(), &etat) == 0 && S_ISREG(etat.st_mode);
}

QString natif(const QString& chemin)
{
    return QDir::toNativeSeparators(chemin);
}

// The path with every link resolved, also for a folder not made yet: the
// deepest existing ancestor is resolved and the rest appended.
QString cheminReel(const QString& chemin)
{
    QString existant = QDir::cleanPath(chemin);
    QString reste;
    while (!QFileInfo::exists(existant) && !QDir(existant).isRoot()) {
        const qsizetype coupe = existant.lastIndexOf(u'/');
        reste = existant.mid(coupe) + reste;
        existant = coupe > 0 ? existant.left(coupe) : u"/"_s;
    }
    const QString reel = QFileInfo(existant).canonicalFilePath();
    return QDir::cleanPath((reel.isEmpty() ? existant : reel) + reste);
}

bool dans(const QString& chemin, const QString& dossier)
{
    return chemin == dossier || chemin.startsWith(dossier + u'/');
}

}  // namespace

QByteArray formaterMarqueur(const Marqueur& m)
{
    const QString texte =
        QStringList{m.date, m.lecteur, m.repertoire, m.dossierProgramme}.join(u"\r\n"_s) + u"\r\n"_s;
    const QByteArray octets = encoder1252(texte);
    // A path Windows-1252 cannot hold is kept whole in UTF-8, which reads back.
    return decoderTexte(octets) == texte ? octets : texte.toUtf8();
}

std::optional<Marqueur> lireMarqueur(const QByteArray& octets)
{
    if (octets.contains('\0'))
        return std::nullopt;
    const QString texte = decoderTexte(octets);
    QStringList lignes = texte.split(u'\n');
    if (texte.endsWith(u'\n'))
        lignes.removeLast();
    for (QString& l : lignes) {
        if (l.endsWith(u'\r'))
            l.chop(1);
        for (const QChar c : std::as_const(l)) {
            if (c.unicode() < 0x20 && c != u'\t')
                return std::nullopt;
        }
    }
    if (lignes.size() < 3)
        return std::nullopt;
    return Marqueur{lignes[0], lignes[1], lignes[2], lignes.value(3)};
}

KalSauvegarde::KalSauvegarde(Programme& programme) : FenetreKal(programme)
{
    Sauve = entreeMenu("Sauve", u"Sauvegarde"_s);
    Restor = entreeMenu("Restor", u"Restorer"_s);
    Qite = entreeMenu("Qite", u"Quitter"_s);
    Label1 = controle<QLabel>("Label1", 4478, 60, 2925, 420);
    Label2 = controle<QLabel>("Label2", 3180, 1920, 5535, 615);
    Label2->setWordWrap(true);
    Dir1 = controle<ListeDossiers>("Dir1", 1339, 3757, 2535, 990);
    Drive1 = controle<ListeLecteurs>("Drive1", 8066, 4080, 2475, 315, nullptr, prog.systeme().volumes());
    Text1 = controle<Texte>("Text1", 3908, 5970, 4065, 525);
    couleurs(Text1, QColor(192, 255, 255), QColor(192, 64, 0));
    Frame1 = controle<QGroupBox>("Frame1", 2468, 6870, 6945, 825);
    ProgressBar1 = controle<QProgressBar>("ProgressBar1", 150, 360, 6645, 315, Frame1);
    ProgressBar1->setTextVisible(false);

    connect(Sauve, &QAction::triggered, this, &KalSauvegarde::Sauve_Click);
    connect(Restor, &QAction::triggered, this, &KalSauvegarde::Restor_Click);
    connect(Qite, &QAction::triggered, this, &KalSauvegarde::Qite_Click);
    connect(Drive1, &ListeLecteurs::Change, this, &KalSauvegarde::Drive1_Change);
    connect(Dir1, &ListeDossiers::Change, this, &KalSauvegarde::Dir1_Change);
}

QString KalSauvegarde::cheminMarqueur() const
{
    return QDir(prog.dossierProgramme()).filePath(NomMarqueur);
}

void KalSauvegarde::Form_Load()
{
    dimensionner(10);
    show();
    etatChoix();
    Label2->setText(u"DERNIERE SAUVEGARDE"_s);

    const std::optional<Marqueur> lu = lireMarqueurFichier(cheminMarqueur());
    if (lu && appliquerMarqueur(*lu))
        return;
    // The folder of a path of this system is merely out of reach (a USB key
    // unplugged): the last backup stays remembered and restorable later.
    if (lu && lu->lecteur.startsWith(u'/')) {
        Label2->setText(Label2->text() + u"\nDOSSIER INACCESSIBLE"_s);
        return;
    }

    // First backup, or a marker that is unreadable or names a drive or folder
    // that cannot be selected: start again from the root volume.
    const Marqueur premier{prog.systeme().dateCourte(), u"/"_s, QString(), natif(prog.dossierProgramme())};
    essayer([&] { ecrireMarqueur(premier); });
    Label2->setText(u"PREMIERE SAUVEGARDE"_s);
    appliquerMarqueur(premier);
}

bool KalSauvegarde::appliquerMarqueur(const Marqueur& m)
{
    Label2->setText(Label2->text() + u' ' + m.date);
    prog.donnees.LecteurSauvegarde = m.lecteur;
    prog.donnees.RepertoireSauvegarde = m.repertoire;
    Text1->setTexte(m.lecteur + m.repertoire);
    if (!Drive1->setDrive(m.lecteur))
        return false;
    return Dir1->setPath(Text1->texte());
}

void KalSauvegarde::ecrireMarqueur(const Marqueur& m)
{
    preciser([&] { ecrireFichierDurable(cheminMarqueur(), formaterMarqueur(m)); },
             [&](const QString&) { return u"LE FICHIER %1 N'A PAS PU ETRE ECRIT."_s.arg(natif(cheminMarqueur())); });
}

void KalSauvegarde::Drive1_Change()
{
    prog.donnees.LecteurSauvegarde = Drive1->Drive();
    Dir1->setPath(Drive1->Drive());
    // The folder of the last backup, on the new drive.
    Text1->setTexte(prog.donnees.LecteurSauvegarde + prog.donnees.RepertoireSauvegarde);
}

void KalSauvegarde::Dir1_Change()
{
    const CheminDecoupe d = decouperChemin(Dir1->Path(), Drive1->lecteurs());
    prog.donnees.LecteurSauvegarde = d.lecteur;
    Text1->setTexte(Dir1->Path());
    if (d.lecteur != Drive1->Drive()) {  // the folder list went onto another volume
        const QSignalBlocker bloque(Drive1);
        Drive1->setDrive(d.lecteur);
    }
}

void KalSauvegarde::etatChoix()
{
    Label1->hide();
    Frame1->hide();
    Dir1->show();
    Drive1->show();
    Sauve->setVisible(true);
    Restor->setVisible(true);
}

void KalSauvegarde::etatCopie(const QString& titre)
{
    Label1->setText(titre);
    Label1->show();
    Dir1->hide();
    Drive1->hide();
    Sauve->setVisible(false);
    Restor->setVisible(false);
}

QString KalSauvegarde::dossierDestination()
{
    const QString d = QDir::cleanPath(QDir::fromNativeSeparators(Text1->texte().trimmed()));
    if (!QDir::isAbsolutePath(d) || decouperChemin(d, Drive1->lecteurs()).lecteur.isEmpty())
        throw Echec(u"LE DOSSIER DE SAUVEGARDE \"%1\" N'EST PAS UN CHEMIN COMPLET.\nEXEMPLE : /media/cle/SAUVE"_s.arg(
            Text1->texte().trimmed()));
    const QString programme = QDir::cleanPath(prog.dossierProgramme());
    if (dans(d, programme) || dans(cheminReel(d), cheminReel(programme)))
        throw Echec(u"LA SAUVEGARDE NE PEUT PAS SE FAIRE DANS LE DOSSIER DU PROGRAMME %1.\nCHOISISSEZ UN AUTRE DOSSIER."_s.arg(
            natif(programme)));
    return d;
}

void KalSauvegarde::copierListe(const QString& source, const QString& cible, bool progression,
                                const QString& operation, QStringList* nonCopies)
{
    if (progression) {
        Frame1->show();
        ProgressBar1->setValue(0);
        ProgressBar1->setMaximum(static_cast<int>(File1.size()));
        QCoreApplication::processEvents();
    }
    // The bar and the caption follow every file, but the window is repainted
    // at most every 30 ms: a repaint cost more than copying a photograph, and
    // the caption still changes faster than the eye reads it.
    QElapsedTimer depuisPeinture;
    depuisPeinture.start();
    const QDir de(source), vers(cible);
    for (qsizetype i = 0; i < File1.size(); ++i) {
        const QString& nom = File1[i];
        if (quitterDemande_) {
            prog.copieur().abandonner();
            throw Echec(u"LA %1 A ETE INTERROMPUE : ELLE EST INCOMPLETE."_s.arg(operation));
        }
        if (progression) {
            ProgressBar1->setValue(static_cast<int>(i));
            Frame1->setTitle(nom);
            // User input too: "Quitter" must be heard during a long copy.
            if (depuisPeinture.elapsed() >= 30) {
                QCoreApplication::processEvents();
                depuisPeinture.restart();
            }
        }
        // A restore never follows a link of the backup folder.
        try {
            prog.copieur().preparer(de.filePath(nom), vers.filePath(nom), nonCopies != nullptr);
        } catch (const EchecSource& e) {
            if (!nonCopies) {
                prog.copieur().abandonner();
                throw Echec(u"LA %1 EST REFUSEE : %2\nRIEN N'A ETE REMPLACE."_s.arg(operation, e.message()));
            }
            nonCopies->append(e.message());
        } catch (const Echec& e) {
            throw Echec(u"LA COPIE DE %1 A ECHOUE.\n%2\nLA %3 EST INCOMPLETE."_s.arg(natif(de.filePath(nom)), e.message(), operation));
        }
    }
    if (progression) {
        ProgressBar1->setValue(static_cast<int>(File1.size()));
        QCoreApplication::processEvents();
    }
    // Every file written: now they all replace their targets, or none does.
    preciser([&] { prog.copieur().valider(); }, [&](const QString& raison) {
        return u"LA COPIE VERS %1 A ECHOUE.\n%2\nLA %3 EST INCOMPLETE."_s.arg(natif(cible), raison, operation);
    });
}

void KalSauvegarde::sauvegarder(const QString& destination, QStringList& nonSauves)
{
    // Only the destination and its parent are made: a mistyped deeper path
    // fails here instead of scattering folders.
    const QString parent = QFileInfo(destination).path();
    QDir().mkdir(parent);
    QDir().mkdir(destination);
    if (!QFileInfo(destination).isDir())
        throw Echec(u"LE DOSSIER %1 N'A PAS PU ETRE CREE."_s.arg(natif(destination)));

    // The marker first, so that the backup carries it.
    const CheminDecoupe d = decouperChemin(destination, Drive1->lecteurs());
    preciser([&] { ecrireMarqueur({prog.systeme().dateCourte(), d.lecteur, d.reste, natif(prog.dossierProgramme())}); },
             [](const QString& echec) { return echec + u"\nLA SAUVEGARDE N'A PAS ETE FAITE."_s; });
    prog.donnees.LecteurSauvegarde = d.lecteur;
    prog.donnees.RepertoireSauvegarde = d.reste;

    const QDir programme(prog.dossierProgramme());
    const QString imagesCible = QDir(destination).filePath(u"Images"_s);
    for (const QString& dossier : {programme.path(), programme.filePath(u"Images"_s), destination, imagesCible})
        Copieur::nettoyerTemporaires(dossier);
    File1 = listerFichiers(programme, MotifsSauvegarde);
    copierListe(programme.path(), destination, true, u"SAUVEGARDE"_s, &nonSauves);

    const QString images = programme.filePath(u"Images"_s);
    if (!QFileInfo(images).isDir())
        throw Echec(u"LE DOSSIER DES PHOTOGRAPHIES %1 EST INTROUVABLE.\nLA SAUVEGARDE EST INCOMPLETE."_s.arg(natif(images)));
    QDir().mkdir(imagesCible);
    File1 = listerFichiers(QDir(images), {u"*"_s});
    copierListe(images, imagesCible, true, u"SAUVEGARDE"_s, &nonSauves);
}

void KalSauvegarde::Sauve_Click()
{
    if (enCopie_)
        return;
    const std::optional<QString> destination = essayer([&] { return dossierDestination(); });
    if (!destination)
        return;

    prog.donnees.fermerBase();  // the base file must not be held open while it is copied
    etatCopie(u"SAUVEGARDE"_s);
    enCopie_ = true;
    QStringList nonSauves;
    const bool copiee = essayer([&] { sauvegarder(*destination, nonSauves); });
    enCopie_ = false;
    rouvrirBase();
    if (copiee && nonSauves.isEmpty()) {
        Frame1->hide();
        Text1->setTexte(u"C'EST FINI"_s);
    } else {
        if (copiee)
            prog.dialogues().message(this, u"LA SAUVEGARDE EST INCOMPLETE : CES FICHIERS N'ONT PAS ETE SAUVES.\n"_s
                                               + nonSauves.join(u'\n'));
        etatChoix();
    }
    if (quitterDemande_)
        Qite_Click();
}

void KalSauvegarde::Restor_Click()
{
    if (enCopie_)
        return;
    // The source is the folder of the last backup, whatever the lists show.
    const std::optional<Marqueur> m = lireMarqueurFichier(cheminMarqueur());
    if (!m || m->dossierProgramme.isEmpty()) {
        prog.dialogues().message(this, u"AUCUNE SAUVEGARDE A RESTORER : LE FICHIER %1 EST ABSENT OU INCOMPLET."_s.arg(
                                           natif(cheminMarqueur())));
        return;
    }
    const QString source = QDir::fromNativeSeparators(m->lecteur + m->repertoire);
    const QString programme = QDir::fromNativeSeparators(m->dossierProgramme);
    if (!QDir::isAbsolutePath(source) || !QFileInfo(source).isDir()) {
        prog.dialogues().message(this, u"LE DOSSIER DE SAUVEGARDE %1 EST INACCESSIBLE.\nBRANCHEZ LE DISQUE OU LA CLE QUI LE "
                                         u"CONTIENT, PUIS RECOMMENCEZ.\nRIEN N'A ETE RESTORE."_s.arg(m->lecteur + m->repertoire));
        return;
    }
    if (dans(cheminReel(source), cheminReel(prog.dossierProgramme()))) {
        prog.dialogues().message(this, u"LE DOSSIER DE SAUVEGARDE %1 EST LE DOSSIER DU PROGRAMME.\nRIEN N'A ETE RESTORE."_s.arg(
                                           natif(source)));
        return;
    }
    // A backup holds its marker; without one this is not a backup folder
    // (a drive's root, say) and nothing is copied.
    if (!QFileInfo(QDir(source).filePath(NomMarqueur)).isFile()) {
        prog.dialogues().message(this, u"LE DOSSIER %1 NE CONTIENT PAS DE SAUVEGARDE.\nRIEN N'A ETE RESTORE."_s.arg(
                                           natif(source)));
        return;
    }
    if (!QDir::isAbsolutePath(programme)) {
        prog.dialogues().message(this, u"LE DOSSIER DU PROGRAMME %1 INSCRIT DANS %2 EST INCORRECT.\nRIEN N'A ETE RESTORE."_s.arg(
                                           m->dossierProgramme, natif(cheminMarqueur())));
        return;
    }
    // The marker is a file like any other (copied back by a restore, brought
    // from another machine): the folder it names is only trusted when it is
    // this program's own, or a restore would write anywhere it points.
    if (cheminReel(programme) != cheminReel(prog.dossierProgramme())) {
        prog.dialogues().message(this, u"LE DOSSIER DU PROGRAMME %1 INSCRIT DANS %2 N'EST PAS CELUI DE CE PROGRAMME (%3).\nRIEN N'A ETE RESTORE."_s.arg(
                                           m->dossierProgramme, natif(cheminMarqueur()), natif(prog.dossierProgramme())));
        return;
    }

    if (!prog.dialogues().questionPrudente(
            this, u"RESTORER LA SAUVEGARDE DU %1 FAITE DANS %2 ?\nLES BASES ET LES FICHIERS DU PROGRAMME SERONT REMPLACES "
                  u"PAR CEUX DE LA SAUVEGARDE."_s.arg(m->date, natif(source)),
            u"RESTORATION"_s))
        return;

    prog.donnees.fermerBase();
    etatCopie(u"RESTORATION"_s);
    prog.donnees.LecteurSauvegarde = m->lecteur;
    prog.donnees.RepertoireSauvegarde = m->repertoire;
    Copieur::nettoyerTemporaires(programme);
    // Only regular files of the kinds a backup writes: never a link, a FIFO,
    // an executable.
    File1.clear();
    QStringList ignores;
    for (const QString& nom : listerFichiers(QDir(source), MotifsSauvegarde))
        (estOrdinaire(QDir(source).filePath(nom)) ? File1 : ignores).append(nom);
    enCopie_ = true;
    const bool fini = essayer([&] { copierListe(source, programme, false, u"RESTORATION"_s, nullptr); });
    enCopie_ = false;
    rouvrirBase();
    if (!fini && !quitterDemande_) {
        etatChoix();
        return;
    }
    if (fini)
        prog.dialogues().message(this, ignores.isEmpty() ? u"LA RESTORATION EST FINIE."_s
                                                         : u"LA RESTORATION EST FINIE.\nCES FICHIERS, QUI NE SONT PAS DES "
                                                           u"FICHIERS ORDINAIRES, ONT ETE LAISSES : "_s + ignores.join(u", "_s));
    Qite_Click();
}

void KalSauvegarde::rouvrirBase()
{
    if (prog.donnees.NomBase.isEmpty())
        return;
    essayer([&] { prog.donnees.BaseDonnees = BaseRecettes::ouvrir(prog.donnees.NomBase); });
}

void KalSauvegarde::Qite_Click()
{
    if (enCopie_) {  // the copy stops after the file in progress, then Qite runs again
        quitterDemande_ = true;
        return;
    }
    quitterDemande_ = false;
    prog.activerMenu();
    prog.decharger(prog.kalSauvegarde);
}

void KalSauvegarde::closeEvent(QCloseEvent* event)
{
    // Closing the window is Quitter: the main menu must come back.
    event->ignore();
    Qite_Click();
}
