#pragma once
// The running program: the shared state, the screen scaling, the platform
// services and the live windows. Windows reach each other only through it.

#include "app/donnees.h"
#include "app/modformzoomed.h"
#include "platform/dialogues.h"
#include "platform/imprimante.h"
#include "platform/systeme.h"

#include <QList>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <memory>

class Copyright;
class Fond;
class KalDepart;
class KalCreer;
class KalSupprime;
class KalTexte;
class KalGeneral;
class KalRecherche;
class KalRubrique;
class KalSauvegarde;
class AideCarnet;
class Copieur;
class VerrouDossier;

struct Services {
    std::unique_ptr<Dialogues> dialogues;
    std::unique_ptr<Systeme> systeme;
    std::unique_ptr<Imprimante> imprimante;
    std::unique_ptr<Copieur> copieur;  // the backup's file copier

    Services();
    Services(Services&&) noexcept;
    Services& operator=(Services&&) noexcept;
    ~Services();
    static Services qt();  // the real desktop
};

class Programme {
public:
    Programme(Services services, QString dossierProgramme);
    ~Programme();
    Programme(const Programme&) = delete;
    Programme& operator=(const Programme&) = delete;

    Donnees donnees;
    ModFormZoomed zoom;

    Dialogues& dialogues() { return *services_.dialogues; }
    Systeme& systeme() { return *services_.systeme; }
    // One printer for the whole run: its font outlives each printout.
    Imprimante& imprimante() { return *services_.imprimante; }
    Copieur& copieur() { return *services_.copieur; }

    // The folder of the executable, where the photographs are found.
    QString dossierProgramme() const { return dossierProgramme_; }

    int intervalleSplash = 150;  // milliseconds between two ticks of the splash
    // The helper program that reads Microsoft Access bases, beside the executable.
    QString importeur;

    QPointer<Copyright> copyright;
    QPointer<Fond> fond;
    QPointer<KalDepart> kalDepart;
    QPointer<KalCreer> kalCreer;
    QPointer<KalSupprime> kalSupprime;
    QPointer<KalTexte> kalTexte;
    QPointer<KalGeneral> kalGeneral;
    QPointer<KalRecherche> kalRecherche;
    QPointer<KalRubrique> kalRubrique;
    QPointer<KalSauvegarde> kalSauvegarde;
    QPointer<AideCarnet> aideCarnet;  // the help viewer

    // Load: create the window and run its Form_Load, which decides whether to
    // show it. The window may unload itself meanwhile; the result is then null.
    template <class W>
    W* charger(QPointer<W>& place)
    {
        decharger(place);
        W* w = new W(*this);
        place = w;
        vivantes_.removeIf([](const QPointer<QWidget>& v) { return v.isNull(); });
        vivantes_.append(QPointer<QWidget>(w));
        w->Form_Load();
        return place.data();
    }

    // Unload: the window disappears now and is destroyed once its handler ends.
    template <class W>
    void decharger(QPointer<W>& place)
    {
        if (W* w = place.data()) {
            place.clear();
            w->setProperty("decharge", true);
            w->hide();
            w->deleteLater();
        }
    }

    // The main menu accepts input again (a working window returns), or not.
    void activerMenu(bool actif = true);
    // The live window of that class, when one is loaded (for windows that
    // only show, hide or enable another).
    QWidget* vivante(const char* classe) const;
    // Starts the program: the splash first. False, after a message, when
    // another copy already runs on the program folder: nothing was opened.
    bool demarrer();

private:
    // Brings the window the user works in to the front (a second copy asked).
    void ramenerAuPremierPlan();

    std::unique_ptr<VerrouDossier> verrou_;
    Services services_;
    QString dossierProgramme_;
    QList<QPointer<QWidget>> vivantes_;
};
