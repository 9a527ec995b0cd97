#include "browser/kalrubrique.h"

#include "app/modformzoomed.h"
#include "app/programme.h"
#include "platform/boiteimage.h"
#include "platform/grille.h"
#include "platform/pictogrammes.h"
#include "platform/textes.h"
#include "print/impression.h"
#include "store/catalogue.h"
#include "store/photo.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QLabel>

#include <array>
#include <vector>

using namespace Qt::Literals::StringLiterals;

namespace {

const QColor VertClair(192, 255, 192);
const QColor Bleu(0, 0, 255);

struct Rubrique {
    const char* code;
    const char* nom;
};

// The categories of the list, in their own order (not the menu's); butter and
// verrines are left out.
constexpr std::array<Rubrique, 24> Rubriques = {{
    {"AGN", "AGNEAU"},        {"BOE", "BOEUF"},         {"CAN", "CANARD"},
    {"FOI", "FOIS GRAS"},     {"CHA", "ENTREE CHAUDE"}, {"COM", "COMPOSE"},
    {"COQ", "COQ"},           {"CRU", "CRUSTACE"},      {"DES", "DESSERT"},
    {"FON", "FOND DE SAUCE"}, {"FRO", "ENTREE FROIDE"}, {"MAG", "FROMAGE"},
    {"GIB", "GIBIER"},        {"LAP", "LAPIN"},         {"LEG", "LEGUME"},
    {"PAI", "PAIN"},          {"PLA", "PLAT COMPLET"},  {"POI", "POISSON"},
    {"POR", "PORC"},          {"POU", "POULET"},        {"SAU", "SAUCE"},
    {"VEA", "VEAU"},          {"VIT", "TERRINE DE VIANDE"}, {"NOU", "NOUGAT"},
}};

// Texts of column 1 that are headings, not recipes: a click on them does nothing.
constexpr std::array<const char*, 27> TextesIgnores = {{
    "AGNEAU", "ASTUCE", "BEURRE", "BOEUF", "CANARD", "FOIS GRAS", "ENTREE CHAUDE",
    "COMPOSE", "COQ", "CRUSTACE", "DESSERT", "FOND DE SAUCE", "ENTREE FROIDE", "FROMAGE",
    "GIBIER", "HORS D'OEUVRE", "LAPIN", "LEGUME", "PAIN", "PLAT COMPLET", "POISSON",
    "PORC", "POULET", "SAUCE", "VEAU", "TERRINE DE VIANDE", "NOUGAT",
}};

bool estIgnore(const QString& texte)
{
    if (texte.isEmpty())
        return true;
    for (const char* t : TextesIgnores) {
        if (texte == QLatin1StringView(t))
            return true;
    }
    return false;
}

// The list printout: the first page holds two empty lines and 53 rows.
constexpr int LignesParPage = 54;
constexpr int ColonneListe = 10;

}  // namespace

KalRubrique::KalRubrique(Programme& programme) : FenetreKal(programme)
{
    Retour = entreeMenu("Retour", u"Retour"_s);
    Effacer = entreeMenu("Effacer", u"Autre Recette"_s);
    Imprimante = entreeMenu("Imprimante", u"Imprimer"_s);

    Label1 = controle<QLabel>("Label1", 2648, 60, 6585, 345);
    Label1->setText(u"TOUS"_s);
    Label1->setAlignment(Qt::AlignCenter);
    MSFlexGrid1 = controle<Grille>("MSFlexGrid1", 1662, 1344, 8556, 6192);
    Label2 = controle<QLabel>("Label2", 2088, 575, 2685, 315);
    Label2->setText(u"Nom de La recette"_s);
    Text1 = controle<Texte>("Text1", 4792, 552, 5000, 360);
    Label3 = controle<QLabel>("Label3", 2088, 996, 2688, 312);
    Label3->setText(u"Temps de Préparation"_s);
    Text2 = controle<Texte>("Text2", 4792, 996, 3915, 360);
    Label4 = controle<QLabel>("Label4", 2088, 1476, 2688, 312);
    Label4->setText(u"Temps de Cuisson"_s);
    Text3 = controle<Texte>("Text3", 4792, 1476, 3915, 360);
    Label5 = controle<QLabel>("Label5", 2088, 1956, 2688, 312);
    Label5->setText(u"Niveau de Difficulté"_s);
    Text4 = controle<BoitePictogrammes>("Text4", 4792, 1956, 3915, 336, nullptr,
                                        Pictogrammes::wingdings());
    Label6 = controle<QLabel>("Label6", 4632, 2394, 2688, 312);
    Label6->setText(u"Ingrediant"_s);
    Text5 = controle<TexteMulti>("Text5", 2280, 2808, 7365, 2340);
    Label7 = controle<QLabel>("Label7", 4584, 5250, 2688, 312);
    Label7->setText(u"RECETTE"_s);
    Text6 = controle<TexteMulti>("Text6", 2256, 5664, 7365, 2505);
    Image1 = controle<BoiteImage>("Image1", 0, 3090, 2000, 3000);

    setFond(VertClair);
    for (QLabel* l : {Label1, Label2, Label3, Label4, Label5, Label6, Label7}) {
        couleurs(l, VertClair, Bleu);
        l->setFont(sansSerif(9.75));
    }
    for (Texte* t : {Text1, Text2, Text3}) {
        t->setFont(sansSerif(9.75));
        t->setReadOnly(true);
    }
    QFont symboles = Text4->font();
    symboles.setPointSizeF(10.5);
    Text4->setFont(symboles);
    Text4->setReadOnly(true);
    for (TexteMulti* t : {Text5, Text6}) {
        t->setFont(sansSerif(8.25));
        t->setReadOnly(true);
    }
    for (QWidget* w : std::initializer_list<QWidget*>{Text1, Text2, Text3, Text4, Text5, Text6})
        couleurs(w, VertClair, Bleu);

    connect(Retour, &QAction::triggered, this, &KalRubrique::Retour_Click);
    connect(Effacer, &QAction::triggered, this, &KalRubrique::Effacer_Click);
    connect(Imprimante, &QAction::triggered, this, &KalRubrique::Imprimante_Click);
    connect(MSFlexGrid1, &Grille::Click, this, &KalRubrique::MSFlexGrid1_Click);
}

void KalRubrique::Form_Load()
{
    dimensionner();
    Lire();
}

void KalRubrique::montrerApercu(bool visible)
{
    for (QWidget* w : std::initializer_list<QWidget*>{Label2, Label3, Label4, Label5, Label6, Label7,
                                                       Text1, Text2, Text3, Text4, Text5, Text6, Image1})
        w->setVisible(visible);
    Effacer->setVisible(visible);
    Imprimante->setVisible(!visible);
    MSFlexGrid1->setVisible(!visible);
}

void KalRubrique::Lire()
{
    montrerApercu(false);
    Label1->setText(u"TOUS"_s);

    Grille& g = *MSFlexGrid1;
    const ModFormZoomed& z = prog.zoom;
    g.preparer({u"N°"_s, u"NOM DE LA RECETTE"_s},
               {static_cast<double>(arrondiPair(5.0 * z.PourcentZoom)),
                static_cast<double>(arrondiPair(77.3 * z.PourcentZoom))},
               8.0 * z.PourcentZoom / 100.0);

    QStringList codes;
    for (const Rubrique& r : Rubriques)
        codes.append(QString::fromLatin1(r.code));
    // One query for the whole list, grouped in the order of `codes`.
    std::vector<LigneTrouvee> recettes;
    if (BaseRecettes* base = prog.donnees.BaseDonnees.get()) {
        essayer([&] {
            recettes = base->listerParCategories(codes);
        });
    } else {
        prog.dialogues().message(this, u"Aucune base de recettes n'est ouverte."_s);
    }

    std::vector<std::vector<CelluleGrille>> lignes;
    lignes.reserve(recettes.size() + Rubriques.size());
    size_t suivante = 0;
    for (const Rubrique& r : Rubriques) {
        prog.donnees.CodeCategorie = QString::fromLatin1(r.code);
        NomRubrique = QString::fromLatin1(r.nom);
        lignes.push_back({CelluleGrille{}, CelluleGrille{NomRubrique, Qt::AlignCenter}});
        while (suivante < recettes.size() && recettes[suivante].categorie == prog.donnees.CodeCategorie) {
            const LigneTrouvee& l = recettes[suivante++];
            // A record without a number has an empty cell, not "0".
            const QString numero = l.numero != 0 ? QString::number(l.numero) : QString();
            lignes.push_back({CelluleGrille{numero, Qt::AlignRight | Qt::AlignVCenter},
                              CelluleGrille{l.titre, Qt::AlignLeft | Qt::AlignVCenter}});
        }
    }
    g.ajouterLignes(std::move(lignes));

    g.setVisible(true);
    Label1->setText(u"Nombre de recettes  "_s + QString::number(suivante));
    show();
}

void KalRubrique::Effacer_Click()
{
    Image1->vider();
    Lire();
}

void KalRubrique::MSFlexGrid1_Click()
{
    Grille& g = *MSFlexGrid1;
    // Row 0 holds the column headings, never a recipe.
    if (g.Row() < 1)
        return;
    g.setCol(1);
    const QString titre = g.Text();
    if (estIgnore(titre))
        return;

    std::optional<Fiche> trouvee;
    if (BaseRecettes* base = prog.donnees.BaseDonnees.get()) {
        if (!essayer([&] {
            trouvee = base->premiereParTitre(QString(), titre);
        })) {
            return;
        }
    }

    if (trouvee) {
        if (const std::optional<QString> nom = nomCategorie(trouvee->categorie))
            NomRubrique = *nom;
        Text1->setTexte(trouvee->titre);
        Text2->setTexte(trouvee->tempPrepa);
        Text3->setTexte(trouvee->tempCuisson);
        Text4->setTexte(trouvee->difficulte);
        Text5->setTexte(trouvee->ingrediant);
        Text6->setTexte(trouvee->preparation);
        prog.donnees.CheminPhoto = cheminPhoto(prog.dossierProgramme(), Text1->texte());
        // An unreadable photograph is shown as a missing one.
        if (!QFileInfo(prog.donnees.CheminPhoto).isFile() || !Image1->charger(prog.donnees.CheminPhoto))
            Image1->charger(cheminPhotoAbsente());
    }
    Text1->setTexte(titre);
    Label1->setText(NomRubrique);
    montrerApercu(true);
}

void KalRubrique::Imprimante_Click()
{
    ::Imprimante& imp = prog.imprimante();
    imp.nommerDocument(u"Liste des recettes"_s);
    imp.setNomPolice(u"Arial"_s);
    imp.setTaillePolice(12);
    imp.setGras(true);
    imp.imprimerLigne();
    imp.imprimerLigne();
    int compteur = 1;
    const Grille& g = *MSFlexGrid1;
    for (int ligne = 1; ligne < g.Rows(); ++ligne) {
        imp.imprimerLigne({MorceauLigne{ColonneListe, g.TextMatrix(ligne, 1)}});
        ++compteur;
        if (compteur % LignesParPage == 0) {
            imp.nouvellePage();
            compteur = 0;
        }
    }
    if (const auto pdf = essayer([&] { return imp.finDocument(); }); pdf && !pdf->isEmpty())
        prog.dialogues().message(this, messagePdf(*pdf, u"LA LISTE"_s));
}

bool KalRubrique::sortir()
{
    Retour_Click();
    return true;
}

void KalRubrique::Retour_Click()
{
    prog.activerMenu();
    prog.decharger(prog.kalRubrique);
}
