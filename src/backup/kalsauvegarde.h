#pragma once
// The backup window: copies the bases, side files and photographs of the
// program folder to a chosen folder, remembers it in "Sauve.kal", and copies
// the last backup back (restore).

#include "app/fenetrekal.h"

#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

class QAction;
class QCloseEvent;
class QGroupBox;
class QLabel;
class QProgressBar;
class ListeDossiers;
class ListeLecteurs;
class Texte;

// The four lines of "Sauve.kal".
struct Marqueur {
    QString date;
    QString lecteur;           // drive form: "/", "/media/cle/" (or "D:\" from Windows)
    QString repertoire;        // the rest of the backup folder; may be empty
    QString dossierProgramme;  // the program folder at the time of the backup
};

// The bytes of the marker: Windows-1252 (UTF-8 when a path needs it), CR LF.
QByteArray formaterMarqueur(const Marqueur& m);
// Nothing when the bytes are not a marker: binary, or fewer than three lines.
// A missing line 4 reads as "".
std::optional<Marqueur> lireMarqueur(const QByteArray& octets);

class KalSauvegarde : public FenetreKal {
    Q_OBJECT
public:
    explicit KalSauvegarde(Programme& programme);

    void Form_Load();
    void Drive1_Change();
    void Dir1_Change();
    void Sauve_Click();
    void Restor_Click();
    void Qite_Click();

    QAction* Sauve;
    QAction* Restor;
    QAction* Qite;
    QLabel* Label1;
    QLabel* Label2;
    ListeDossiers* Dir1;
    ListeLecteurs* Drive1;
    Texte* Text1;
    QGroupBox* Frame1;
    QProgressBar* ProgressBar1;
    QStringList File1;  // the files being copied, never shown

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QString cheminMarqueur() const;
    void ecrireMarqueur(const Marqueur& m);
    bool appliquerMarqueur(const Marqueur& m);
    void etatChoix();
    void etatCopie(const QString& titre);
    // Copies each of File1 from `source` to `cible` as one batch, with
    // progress; throws Echec on the first failure or when Qite asked to
    // stop, and then no target of the batch was replaced (a
    // failure among the renames leaves each target old or new).
    // With `nonCopies` (a backup), a source that cannot be read is left out
    // and listed there; without (a restore), it refuses the whole batch.
    void copierListe(const QString& source, const QString& cible, bool progression,
                     const QString& operation, QStringList* nonCopies);
    void sauvegarder(const QString& destination, QStringList& nonSauves);
    void rouvrirBase();
    QString dossierDestination();

    bool enCopie_ = false;
    bool quitterDemande_ = false;
};
