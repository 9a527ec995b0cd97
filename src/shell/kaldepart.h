#pragma once
// The main menu: first the list of the recipe bases of the working folder,
// then, once one is open, its name, the logo, its recipe count and the whole
// menu of categories and tools.

#include "shell/fenetrekal.h"

#include <QList>
#include <QUrl>

class BoiteImage;
class ListeFichiers;
class QAction;
class QLabel;
class QMenu;

class KalDepart : public FenetreKal {
    Q_OBJECT
public:
    explicit KalDepart(Programme& programme);
    void Form_Load();
    void Lire();

    void File1_Click();
    void Change_Click();
    void Base_Click();
    void Importer_Click();
    void Exporter_Click();
    void Quitter_Click();

    void Chaude_Click();
    void Froide_Click();
    void Legumes_Click();
    void FondSauce_Click();
    void Sauce_Click();
    void Compose_Click();
    void Poisson_Click();
    void Crustace_Click();
    void Agneau_Click();
    void Boeuf_Click();
    void Gibier_Click();
    void Porc_Click();
    void Veau_Click();
    void Lapin_Click();
    void Canard_Click();
    void Coq_Click();
    void Poulet_Click();
    void Foisgras_Click();
    void Viande_Click();
    void Verrine_Click();
    void Pain_Click();
    void Plat_Click();
    void Froma_Click();
    void nougat_Click();
    void Desser_Click();

    void Cherche_Click();
    void Sup_Click();
    void Sauve_Click();
    void Creer_Click();
    void Supprimer_Click();
    void Lisez_Click();
    void Site_Click();

    QLabel* Label1;
    ListeFichiers* File1;
    BoiteImage* Image1;
    QLabel* Label2;

    QMenu* Menu;
    QMenu* Entree;
    QAction* Chaude;
    QAction* Froide;
    QAction* Legumes;
    QMenu* Culinaire;
    QAction* FondSauce;
    QAction* Sauce;
    QAction* Compose;
    QMenu* Poissons;
    QAction* Poisson;
    QAction* Crustace;
    QMenu* Viandes;
    QAction* Agneau;
    QAction* Boeuf;
    QAction* Gibier;
    QAction* Porc;
    QAction* Veau;
    QMenu* Vollaille;
    QAction* Lapin;
    QAction* Canard;
    QAction* Coq;
    QAction* Poulet;
    QAction* Foisgras;
    QAction* Viande;
    QAction* Verrine;
    QAction* Pain;
    QAction* Plat;
    QAction* Froma;
    QAction* nougat;
    QAction* Desser;
    QAction* vide3;
    QAction* Cherche;
    QAction* Sup;
    QAction* Vide1;
    QAction* Sauve;
    QAction* Base;
    QAction* Importer;
    QAction* Exporter;
    QAction* Change;
    QAction* Creer;
    QAction* Supprimer;
    QAction* vide2;
    QAction* Lisez;
    QAction* Site;
    QAction* vide4;
    QAction* Quitter;

    // The address "Site Orbale" opens.
    static QUrl adresseSite();

private:
    // A Microsoft Access base, converted with the user's leave; false when it stays as it was.
    bool convertirAccess(const QString& nom);
    // What every category entry does, for the catalogue row of that entry.
    void categorie(const char* controle);
    // The entries that need an open base, sub-menus by their menu entry.
    QList<QAction*> entreesBase_;
};
