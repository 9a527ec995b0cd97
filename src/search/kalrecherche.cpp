#include "search/kalrecherche.h"

#include "app/programme.h"
#include "platform/boiteimage.h"
#include "platform/dialogues.h"
#include "platform/grille.h"
#include "platform/lignes.h"
#include "platform/pictogrammes.h"
#include "platform/textes.h"
#include "print/question.h"
#include "store/catalogue.h"
#include "store/photo.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QLabel>

#include <optional>
#include <vector>

using namespace Qt::Literals::StringLiterals;

namespace {

const QColor VertClair(192, 255, 192);
const QColor VertVif(128, 255, 128);
const QColor Bleu(0, 0, 255);

void policeDessin(QWidget* w)
{
    QFont f = w->font();
    f.setFamily(u"MS Sans Serif"_s);
    w->setFont(f);
}

}  // namespace

KalRecherche::KalRecherche(Programme& programme) : FenetreKal(programme)
{
    Retour = entreeMenu("Retour", u"Retour"_s);
    Imprime = entreeMenu("Imprime", u"Imprimer"_s);
    Autre = entreeMenu("Autre", u"Autre recherche"_s);

    Label1 = controle<QLabel>("Label1", 2648, 60, 6585, 345);
    Label8 = controle<QLabel>("Label8", 4596, 2640, 2688, 312);
    Text7 = controle<Texte>("Text7", 3278, 5188, 5325, 360);
    Text8 = controle<Texte>("Text8", 5442, 5188, 996, 360);
    MSFlexGrid1 = controle<Grille>("MSFlexGrid1", 1386, 1344, 9108, 6192);
    Label2 = controle<QLabel>("Label2", 2648, 683, 2685, 315);
    Text1 = controle<Texte>("Text1", 5318, 660, 5000, 360);
    Label3 = controle<QLabel>("Label3", 2652, 1092, 2688, 312);
    Text2 = controle<Texte>("Text2", 5318, 1068, 3915, 360);
    Label4 = controle<QLabel>("Label4", 2652, 1500, 2688, 312);
    Text3 = controle<Texte>("Text3", 5318, 1476, 3915, 360);
    Label5 = controle<QLabel>("Label5", 2652, 1896, 2688, 312);
    Text4 = controle<BoitePictogrammes>("Text4", 5318, 1872, 3915, 360, nullptr,
                                        Pictogrammes::webdings());
    Label6 = controle<QLabel>("Label6", 4596, 2280, 2688, 312);
    Text5 = controle<TexteMulti>("Text5", 2258, 2640, 7365, 2505);
    Label7 = controle<QLabel>("Label7", 4596, 5256, 2688, 312);
    Text6 = controle<TexteMulti>("Text6", 2258, 5592, 7365, 2505);
    Image1 = controle<BoiteImage>("Image1", 0, 3072, 2250, 3000);

    Label1->setText(u"RECHERCHE UN MOT"_s);
    Label2->setText(u"Nom de La recette"_s);
    Label3->setText(u"Temps de Préparation"_s);
    Label4->setText(u"Temps de Cuisson"_s);
    Label5->setText(u"Niveau de Difficulté"_s);
    Label6->setText(u"Ingrediant"_s);
    Label7->setText(u"RECETTE"_s);
    for (QLabel* l : {Label1, Label8, Label6, Label7})
        l->setAlignment(Qt::AlignCenter);

    setFond(VertClair);
    for (QWidget* w : std::initializer_list<QWidget*>{Label1, Label8, Text7, Label2, Text1, Label3,
                                                      Text2, Label4, Text3, Label5, Label6, Text5,
                                                      Label7, Text6}) {
        couleurs(w, VertClair, Bleu);
        policeDessin(w);
    }
    couleurs(Text8, VertVif, Bleu);
    policeDessin(Text8);
    // Text4 keeps the pictogram fonts its box chose.
    couleurs(Text4, VertClair, Bleu);

    Text7->KeyPress = [this](int& code) { Text7_KeyPress(code); };
    Text8->KeyPress = [this](int& code) { Text8_KeyPress(code); };
    connect(MSFlexGrid1, &Grille::Click, this, &KalRecherche::MSFlexGrid1_Click);
    connect(Imprime, &QAction::triggered, this, &KalRecherche::Imprime_Click);
    connect(Autre, &QAction::triggered, this, &KalRecherche::Autre_Click);
    connect(Retour, &QAction::triggered, this, &KalRecherche::Retour_Click);
}

void KalRecherche::Form_Load()
{
    dimensionner();
    Lire();
}

void KalRecherche::Lire()
{
    Imprime->setVisible(false);
    Autre->setVisible(false);
    MSFlexGrid1->hide();
    Image1->hide();
    Label8->show();
    Text7->show();
    for (QWidget* w : std::initializer_list<QWidget*>{Label2, Label3, Label4, Label5, Label6, Label7,
                                                      Text1, Text2, Text3, Text4, Text5, Text6, Text8})
        w->hide();
    for (Texte* t : {Text1, Text2, Text3, Text7})
        t->setTexte(QString());
    Text4->setTexte(QString());
    Text5->setTexte(QString());
    Text6->setTexte(QString());
    List1.clear();
    List2.clear();
    Vin.clear();
    Label8->setText(u"MOT RECHERChé"_s.toUpper());
    Label1->setText(u"RECHERCHE UN MOT"_s);
    show();
    Text7->setFocus();
}

void KalRecherche::Text7_KeyPress(int& KeyAscii)
{
    if (KeyAscii != 13)
        return;
    KeyAscii = 0;
    Autre->setVisible(true);
    Label8->hide();
    Text7->hide();
    const QString mot = Text7->texte().trimmed().toUpper();

    Grille& g = *MSFlexGrid1;
    const double zoom = prog.zoom.PourcentZoom;
    g.preparer({u"N°"_s, u"CATEGORIE"_s, u"NOM DE LA RECETTE"_s}, {8 * zoom, 20 * zoom, 60 * zoom},
               8.0 * zoom / 100.0);

    std::vector<LigneTrouvee> trouvees;
    std::optional<QString> erreur;
    if (BaseRecettes* base = prog.donnees.BaseDonnees.get()) {
        try {
            trouvees = base->chercherTitres(mot);
        } catch (const Echec& e) {
            erreur = e.message();
        }
    }

    std::vector<std::vector<CelluleGrille>> lignes;
    lignes.reserve(trouvees.size());
    const Qt::Alignment gauche = Qt::AlignLeft | Qt::AlignVCenter;
    for (const LigneTrouvee& t : trouvees) {
        // A code the catalogue does not know is shown as it stands.
        lignes.push_back({{QString::number(t.numero), gauche},
                          {nomCategorie(t.categorie).value_or(t.categorie), Qt::AlignCenter},
                          {t.titre, gauche}});
    }
    g.ajouterLignes(std::move(lignes));
    g.setRow(g.Rows() - 1);

    Text1->setTexte(mot);
    Text1->show();
    Label2->setText(u"MOT RECHERCHER"_s);
    Label2->show();

    if (erreur) {
        prog.dialogues().message(this, *erreur, titreProgramme());
        Lire();
    } else if (!trouvees.empty()) {
        // The rows are shown: no photograph over them.
        Image1->hide();
        g.show();
    } else {
        prog.dialogues().message(this, u"Pas de "_s + mot, titreProgramme());
        Lire();
    }
}

void KalRecherche::MSFlexGrid1_Click()
{
    // The heading row names the columns; it is no recipe.
    if (MSFlexGrid1->Row() < 1)
        return;
    Label2->setText(u"Nom de La recette"_s);
    Autre->setVisible(true);
    Imprime->setVisible(true);
    MSFlexGrid1->setCol(2);
    const QString titre = MSFlexGrid1->Text();
    MSFlexGrid1->hide();

    std::optional<Fiche> f;
    if (BaseRecettes* base = prog.donnees.BaseDonnees.get()) {
        essayer([&] {
            f = base->premiereParTitre(QString(), titre);
        });
    }
    if (f) {
        Text1->setTexte(f->titre);
        Text2->setTexte(f->tempPrepa);
        Text3->setTexte(f->tempCuisson);
        Text4->setTexte(f->difficulte);
        Text5->setTexte(f->ingrediant);
        Text6->setTexte(f->preparation);
        Vin = f->vin;
        prog.donnees.CheminPhoto = cheminPhoto(prog.dossierProgramme(), Text1->texte());
        // An unreadable photograph is shown as a missing one.
        if (!QFileInfo::exists(prog.donnees.CheminPhoto) || !Image1->charger(prog.donnees.CheminPhoto))
            Image1->charger(cheminPhotoAbsente());
        Image1->show();
    }

    List1.append(couperLignes(Text5->texte()));
    List2.append(couperLignes(Text6->texte()));
    Text1->setTexte(titre);
    for (QWidget* w : std::initializer_list<QWidget*>{Label2, Label3, Label4, Label5, Label6, Label7,
                                                      Label8, Text1, Text2, Text3, Text4, Text5, Text6})
        w->show();
    Text7->hide();
}

void KalRecherche::Imprime_Click()
{
    for (QWidget* w : std::initializer_list<QWidget*>{Text2, Text3, Text4, Text5, Text6, Text7, Label3,
                                                      Label4, Label5, Label6, Label7})
        w->hide();
    poserQuestionImpression(Label8, Text8);
}

void KalRecherche::Text8_KeyPress(int& KeyAscii)
{
    if (!entreeQuestionImpression(KeyAscii))
        return;
    const FicheRecette recette{Text1->texte(), Text2->texte(), Text3->texte(), Text4->texte(), Vin, List1, List2};
    if (repondreQuestionImpression(*this, Text8->texte(), recette, Image1->image()))
        Image1->vider();
    Lire();
}

void KalRecherche::Autre_Click()
{
    Lire();
}

bool KalRecherche::sortir()
{
    Retour_Click();
    return true;
}

void KalRecherche::Retour_Click()
{
    prog.activerMenu();
    prog.decharger(prog.kalRecherche);
}
