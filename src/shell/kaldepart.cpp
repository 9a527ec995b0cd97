#include "shell/kaldepart.h"

#include "app/programme.h"
#include "backup/kalsauvegarde.h"
#include "browser/kalrubrique.h"
#include "card/kalgeneral.h"
#include "platform/boiteimage.h"
#include "platform/fichiers.h"
#include "platform/listefichiers.h"
#include "platform/sablier.h"
#include "search/kalrecherche.h"
#include "shell/aidecarnet.h"
#include "shell/echanges.h"
#include "shell/images.h"
#include "shell/kalcreer.h"
#include "shell/kalsupprime.h"
#include "shell/kaltexte.h"
#include "store/catalogue.h"
#include "store/legacy.h"

#include <QAction>
#include <QDir>
#include <QIcon>
#include <QPixmap>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>

using namespace Qt::Literals::StringLiterals;

namespace {

const QColor VertClair(128, 255, 128);
const QColor Bleu(0, 0, 255);

QAction* entree(QMenu* menu, const char* nom, const QString& legende)
{
    QAction* a = menu->addAction(legende);
    a->setObjectName(QString::fromLatin1(nom));
    return a;
}

QMenu* sousMenu(QMenu* menu, const char* nom, const QString& legende)
{
    QMenu* m = menu->addMenu(legende);
    m->setObjectName(QString::fromLatin1(nom));
    m->menuAction()->setObjectName(QString::fromLatin1(nom));
    return m;
}

// A row of underscores that does nothing, between groups of entries.
QAction* ligne(QMenu* menu, const char* nom)
{
    QAction* a = entree(menu, nom, QString(30, u'_'));
    a->setEnabled(false);
    return a;
}

}  // namespace

QUrl KalDepart::adresseSite()
{
    return QUrl(u"https://www.orbale.example/"_s);
}

KalDepart::KalDepart(Programme& programme) : FenetreKal(programme)
{
    setFond(VertClair);

    Label1 = controle<QLabel>("Label1", 4373, 638, 3135, 255);
    File1 = controle<ListeFichiers>("File1", 3983, 2430, 3915, 3450);
    Image1 = controle<BoiteImage>("Image1", 3983, 2393, 3915, 3765);
    Image1->setImage(logoCarnet());
    setWindowIcon(QIcon(QPixmap::fromImage(Image1->image())));
    Label2 = controle<QLabel>("Label2", 4373, 7658, 3135, 255);
    for (QWidget* w : {static_cast<QWidget*>(Label1), static_cast<QWidget*>(File1), static_cast<QWidget*>(Label2)})
        couleurs(w, VertClair, Bleu);
    Label1->setAlignment(Qt::AlignCenter);
    Label2->setAlignment(Qt::AlignCenter);
    File1->setDossier(QDir(QDir::currentPath()));
    File1->setMotifs({u"*.mdb"_s});
    connect(File1, &ListeFichiers::Click, this, &KalDepart::File1_Click);

    Menu = menuBar()->addMenu(u"Menu"_s);
    Menu->setObjectName(u"Menu"_s);
    Menu->menuAction()->setObjectName(u"Menu"_s);

    Entree = sousMenu(Menu, "Entree", u"Entree"_s);
    Chaude = entree(Entree, "Chaude", u"Chaude"_s);
    Froide = entree(Entree, "Froide", u"Froide"_s);
    Legumes = entree(Menu, "Legumes", u"Legumes"_s);
    Culinaire = sousMenu(Menu, "Culinaire", u"Base Culinaire"_s);
    FondSauce = entree(Culinaire, "FondSauce", u"Fond de Sauce"_s);
    Sauce = entree(Culinaire, "Sauce", u"Sauce"_s);
    Compose = entree(Culinaire, "Compose", u"Composé"_s);
    Poissons = sousMenu(Menu, "Poissons", u"Poissons"_s);
    Poisson = entree(Poissons, "Poisson", u"Poisson"_s);
    Crustace = entree(Poissons, "Crustace", u"Crustacé"_s);
    Viandes = sousMenu(Menu, "Viandes", u"Viande"_s);
    Agneau = entree(Viandes, "Agneau", u"Agneau"_s);
    Boeuf = entree(Viandes, "Boeuf", u"Boeuf"_s);
    Gibier = entree(Viandes, "Gibier", u"Gibier"_s);
    Porc = entree(Viandes, "Porc", u"Porc"_s);
    Veau = entree(Viandes, "Veau", u"Veau"_s);
    Vollaille = sousMenu(Menu, "Vollaille", u"Volaille"_s);
    Lapin = entree(Vollaille, "Lapin", u"Lapin"_s);
    Canard = entree(Vollaille, "Canard", u"Canard"_s);
    Coq = entree(Vollaille, "Coq", u"Coq"_s);
    Poulet = entree(Vollaille, "Poulet", u"Poulet"_s);
    Foisgras = entree(Vollaille, "Foisgras", u"Fois Gras"_s);
    Viande = entree(Menu, "Viande", u"Terrine"_s);
    Verrine = entree(Menu, "Verrine", u"Verrine"_s);
    Pain = entree(Menu, "Pain", u"Pain"_s);
    Plat = entree(Menu, "Plat", u"Plat Complet"_s);
    Froma = entree(Menu, "Froma", u"Fromage"_s);
    nougat = entree(Menu, "nougat", u"Nougat"_s);
    Desser = entree(Menu, "Desser", u"Dessert"_s);
    vide3 = ligne(Menu, "vide3");
    Cherche = entree(Menu, "Cherche", u"Chercher une Recette"_s);
    Sup = entree(Menu, "Sup", u"Liste des Recettes"_s);
    Vide1 = ligne(Menu, "Vide1");
    Sauve = entree(Menu, "Sauve", u"Sauvegarde"_s);
    Base = entree(Menu, "Base", u"Compresse Base"_s);
    Importer = entree(Menu, "Importer", u"Importer des recettes"_s);
    Exporter = entree(Menu, "Exporter", u"Exporter des recettes"_s);
    Change = entree(Menu, "Change", u"Changer de base"_s);
    Creer = entree(Menu, "Creer", u"Créer une base"_s);
    Supprimer = entree(Menu, "Supprimer", u"Supprimer une Base"_s);
    vide2 = ligne(Menu, "vide2");
    Lisez = entree(Menu, "Lisez", u"Lisez Moi"_s);
    Site = entree(Menu, "Site", u"Site Orbale"_s);
    vide4 = ligne(Menu, "vide4");
    Quitter = entree(Menu, "Quitter", u"Quitter"_s);

    entreesBase_ = {Entree->menuAction(), Legumes, Culinaire->menuAction(), Poissons->menuAction(),
                    Viandes->menuAction(), Vollaille->menuAction(), Viande, Verrine, Pain, Plat, Froma,
                    nougat, Desser, vide3, Cherche, Sup, Vide1, Sauve, Base, Importer, Exporter, Change};

    const std::pair<QAction*, void (KalDepart::*)()> gestionnaires[] = {
        {Chaude, &KalDepart::Chaude_Click},     {Froide, &KalDepart::Froide_Click},
        {Legumes, &KalDepart::Legumes_Click},   {FondSauce, &KalDepart::FondSauce_Click},
        {Sauce, &KalDepart::Sauce_Click},       {Compose, &KalDepart::Compose_Click},
        {Poisson, &KalDepart::Poisson_Click},   {Crustace, &KalDepart::Crustace_Click},
        {Agneau, &KalDepart::Agneau_Click},     {Boeuf, &KalDepart::Boeuf_Click},
        {Gibier, &KalDepart::Gibier_Click},     {Porc, &KalDepart::Porc_Click},
        {Veau, &KalDepart::Veau_Click},         {Lapin, &KalDepart::Lapin_Click},
        {Canard, &KalDepart::Canard_Click},     {Coq, &KalDepart::Coq_Click},
        {Poulet, &KalDepart::Poulet_Click},     {Foisgras, &KalDepart::Foisgras_Click},
        {Viande, &KalDepart::Viande_Click},     {Verrine, &KalDepart::Verrine_Click},
        {Pain, &KalDepart::Pain_Click},         {Plat, &KalDepart::Plat_Click},
        {Froma, &KalDepart::Froma_Click},       {nougat, &KalDepart::nougat_Click},
        {Desser, &KalDepart::Desser_Click},     {Cherche, &KalDepart::Cherche_Click},
        {Sup, &KalDepart::Sup_Click},
        {Sauve, &KalDepart::Sauve_Click},       {Base, &KalDepart::Base_Click},
        {Importer, &KalDepart::Importer_Click}, {Exporter, &KalDepart::Exporter_Click},
        {Change, &KalDepart::Change_Click},     {Creer, &KalDepart::Creer_Click},
        {Supprimer, &KalDepart::Supprimer_Click}, {Lisez, &KalDepart::Lisez_Click},
        {Site, &KalDepart::Site_Click},         {Quitter, &KalDepart::Quitter_Click},
    };
    for (const auto& [action, gestionnaire] : gestionnaires)
        connect(action, &QAction::triggered, this, gestionnaire);
}

void KalDepart::Form_Load()
{
    prog.zoom.MesurerEcran(prog.systeme().ecran());
    dimensionner();
    Lire();
}

void KalDepart::Lire()
{
    Label1->hide();
    Label2->hide();
    Image1->hide();
    // Read again: bases may have come or gone (restore, another program).
    File1->Refresh();
    File1->show();
    for (QAction* a : std::as_const(entreesBase_))
        a->setVisible(false);
    if (!contientFichier(QDir::current(), {u"*.mdb"_s})) {
        if (!prog.kalCreer)
            prog.charger(prog.kalCreer);
        prog.decharger(prog.kalDepart);
        return;
    }
    show();
}

bool KalDepart::convertirAccess(const QString& nom)
{
    if (!prog.dialogues().question(this,
                                   u"« %1 » est une base Microsoft Access. Voulez-vous la convertir "
                                   "au format de ce programme ? L'original sera gardé à côté."_s.arg(nom),
                                   u"CONVERSION"_s))
        return false;
    const std::optional<QString> original = essayer([&] {
        const Sablier sablier;
        return convertirBaseAccess(prog.importeur, nom);
    });
    if (original)
        prog.dialogues().message(this, u"La base « %1 » a été convertie. L'original est gardé sous le nom « %2 »."_s.arg(nom, *original));
    return original.has_value();
}

void KalDepart::File1_Click()
{
    const QString nom = File1->FileName();
    if (nom.isEmpty())
        return;
    if (BaseRecettes::reconnaitre(nom) == FormatFichier::Jet && !convertirAccess(nom)) {
        File1->oublierChoix();
        return;
    }
    // The base becomes current only once it has opened and counted: a refused
    // file leaves the previous state and the list as they were.
    if (!essayer([&] {
        // Opening may check or convert a large base: seconds on a cold disk.
        const Sablier sablier;
        auto base = BaseRecettes::ouvrir(nom);
        const int nombre = base->compter();
        prog.donnees.BaseDonnees = std::move(base);
        prog.donnees.NomBase = nom;
        prog.donnees.NombreFiches = nombre;
    })) {
        File1->oublierChoix();
        return;
    }
    // Centred, a name wider than its label would lose both ends: it is cut
    // at its end, and shown whole when the pointer rests on it.
    const QString titre = nom.left(nom.size() - 4);
    Label1->setText(Label1->fontMetrics().elidedText(titre, Qt::ElideRight, Label1->contentsRect().width()));
    Label1->setToolTip(titre);
    Label2->setText(u"Nombre de Recettes  "_s + QString::number(prog.donnees.NombreFiches));
    File1->hide();
    for (QAction* a : std::as_const(entreesBase_))
        a->setVisible(true);
    Label1->show();
    Label2->show();
    Image1->show();
}

void KalDepart::Change_Click()
{
    Lire();
}

void KalDepart::Base_Click()
{
    Donnees& d = prog.donnees;
    d.fermerBase();
    bool reussi = false;
    essayer([&] {
        const Sablier sablier;
        BaseRecettes::compacter(d.NomBase, u"temp.MDB"_s);
        reussi = true;
    });
    if (reussi)
        prog.dialogues().message(this, u"Compactage de la Base de Données et Terminée"_s);
    if (!essayer([&] {
        d.BaseDonnees = BaseRecettes::ouvrir(d.NomBase);
    })) {
        // Without its base the menu would only lead to failures: back to the list.
        Lire();
    }
}

void KalDepart::Importer_Click()
{
    if (!essayer([&] { return importerRecettes(prog, this); }).value_or(false))
        return;
    essayer([&] {
        prog.donnees.NombreFiches = prog.donnees.BaseDonnees->compter();
    });
    Label2->setText(u"Nombre de Recettes  "_s + QString::number(prog.donnees.NombreFiches));
}

void KalDepart::Exporter_Click()
{
    essayer([&] { exporterRecettes(prog, this); });
}

void KalDepart::Quitter_Click()
{
    prog.donnees.fermerBase();
    prog.systeme().quitter();
}

void KalDepart::categorie(const char* controle)
{
    for (const Categorie& c : CatalogueCategories()) {
        if (qstrcmp(c.controle, controle) == 0) {
            prog.donnees.CodeCategorie = QString::fromLatin1(c.code);
            prog.donnees.NomCategorie = QString::fromLatin1(c.nom);
        }
    }
    // The card window lists the category and shows itself; the introduction
    // page then hides it until "Suite". A card window that could not load
    // (its own message said why) leaves the menu usable.
    if (!prog.charger(prog.kalGeneral))
        return;
    prog.charger(prog.kalTexte);
    setEnabled(false);
}

void KalDepart::Chaude_Click() { categorie("Chaude"); }
void KalDepart::Froide_Click() { categorie("Froide"); }
void KalDepart::Legumes_Click() { categorie("Legumes"); }
void KalDepart::FondSauce_Click() { categorie("FondSauce"); }
void KalDepart::Sauce_Click() { categorie("Sauce"); }
void KalDepart::Compose_Click() { categorie("Compose"); }
void KalDepart::Poisson_Click() { categorie("Poisson"); }
void KalDepart::Crustace_Click() { categorie("Crustace"); }
void KalDepart::Agneau_Click() { categorie("Agneau"); }
void KalDepart::Boeuf_Click() { categorie("Boeuf"); }
void KalDepart::Gibier_Click() { categorie("Gibier"); }
void KalDepart::Porc_Click() { categorie("Porc"); }
void KalDepart::Veau_Click() { categorie("Veau"); }
void KalDepart::Lapin_Click() { categorie("Lapin"); }
void KalDepart::Canard_Click() { categorie("Canard"); }
void KalDepart::Coq_Click() { categorie("Coq"); }
void KalDepart::Poulet_Click() { categorie("Poulet"); }
void KalDepart::Foisgras_Click() { categorie("Foisgras"); }
void KalDepart::Viande_Click() { categorie("Viande"); }
void KalDepart::Verrine_Click() { categorie("Verrine"); }
void KalDepart::Pain_Click() { categorie("Pain"); }
void KalDepart::Plat_Click() { categorie("Plat"); }
void KalDepart::Froma_Click() { categorie("Froma"); }
void KalDepart::nougat_Click() { categorie("nougat"); }
void KalDepart::Desser_Click() { categorie("Desser"); }

void KalDepart::Cherche_Click()
{
    if (prog.charger(prog.kalRecherche))
        setEnabled(false);
}

void KalDepart::Sup_Click()
{
    setEnabled(false);
    if (!prog.charger(prog.kalRubrique))
        setEnabled(true);
}

void KalDepart::Sauve_Click()
{
    if (prog.charger(prog.kalSauvegarde))
        setEnabled(false);
}

void KalDepart::Creer_Click()
{
    prog.donnees.fermerBase();
    prog.charger(prog.kalCreer);
    prog.decharger(prog.kalDepart);
}

void KalDepart::Supprimer_Click()
{
    // Closed first, so that the open base too can be deleted.
    prog.donnees.fermerBase();
    prog.charger(prog.kalSupprime);
    prog.decharger(prog.kalDepart);
}

void KalDepart::Lisez_Click()
{
    if (AideCarnet* aide = prog.aideCarnet.data()) {
        aide->showNormal();
        aide->raise();
        aide->activateWindow();
        return;
    }
    prog.charger(prog.aideCarnet);
}

void KalDepart::Site_Click()
{
    if (!prog.systeme().ouvrirAdresse(adresseSite()))
        prog.dialogues().message(this, u"La page du site Orbale (%1) n'a pas pu être ouverte : "
                                       u"aucun navigateur n'a répondu."_s.arg(adresseSite().toString()));
}
