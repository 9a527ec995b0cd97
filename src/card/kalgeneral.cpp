#include "card/kalgeneral.h"

#include "app/programme.h"
#include "platform/boiteimage.h"
#include "platform/fichiers.h"
#include "platform/grille.h"
#include "platform/lignes.h"
#include "platform/pictogrammes.h"
#include "platform/sablier.h"
#include "platform/textes.h"
#include "print/question.h"
#include "store/baserecettes.h"
#include "store/photo.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QLabel>

#include <algorithm>
#include <filesystem>
#include <optional>
#include <system_error>
#include <vector>

using namespace Qt::Literals::StringLiterals;

namespace {

const QColor Rose(255, 192, 255);
const QColor Bleu(0, 0, 255);
const QString LegendeBoisson = u"Boisson conseiller"_s;
// Longer side of a photograph stored: enough for the box and the printout.
constexpr int CotePhoto = 1600;

}  // namespace

KalGeneral::KalGeneral(Programme& p) : FenetreKal(p)
{
    creer = entreeMenu("creer", u"Creer une Fiche"_s);
    Enregistre = entreeMenu("Enregistre", u"Enregistre"_s);
    Enreg = entreeMenu("Enreg", u"Enregistre"_s);
    Efface = entreeMenu("Efface", u"Effacer"_s);
    Imprim = entreeMenu("Imprim", u"Imprimer"_s);
    Preced = entreeMenu("Preced", u"Precedant"_s);
    Suivant = entreeMenu("Suivant", u"Suivant"_s);
    AjoutIma = entreeMenu("AjoutIma", u"Ajout Image"_s);
    Retour = entreeMenu("Retour", u"Retour"_s);
    Gene = entreeMenu("Gene", u"Retour"_s);

    Label1 = controle<QLabel>("Label1", 2633, 60, 6615, 345);
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setFont(sansSerif(9.75));
    MSFlexGrid1 = controle<Grille>("MSFlexGrid1", 1440, 1296, 9108, 6192);

    Label2 = controle<QLabel>("Label2", 2648, 660, 2685, 315);
    Label2->setText(u"Nom de La recette"_s);
    Text1 = controle<Texte>("Text1", 5318, 660, 6435, 315);
    Text1->setMaxLength(100);
    Label3 = controle<QLabel>("Label3", 2652, 972, 2688, 312);
    Label3->setText(u"Temps de Préparation"_s);
    Text2 = controle<Texte>("Text2", 5318, 972, 3915, 315);
    Text2->setMaxLength(25);
    Label4 = controle<QLabel>("Label4", 2652, 1284, 2688, 312);
    Label4->setText(u"Temps de Cuisson"_s);
    Text3 = controle<Texte>("Text3", 5318, 1284, 3915, 315);
    Text3->setMaxLength(25);
    Label5 = controle<QLabel>("Label5", 2652, 1596, 2688, 312);
    Label5->setText(u"Niveau de Difficulté"_s);
    Text4 = controle<BoitePictogrammes>("Text4", 5318, 1596, 3915, 315, nullptr,
                                        Pictogrammes::webdings());
    // The pictograms count, not the characters that draw them.
    Text4->setLimite(25);
    Label8 = controle<QLabel>("Label8", 2652, 1908, 2688, 312);
    Label8->setText(LegendeBoisson);
    Text7 = controle<Texte>("Text7", 5318, 1908, 3915, 315);
    Text7->setMaxLength(35);
    Label6 = controle<QLabel>("Label6", 4596, 2304, 2688, 312);
    Label6->setText(u"Ingrédient"_s);
    Label6->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Text5 = controle<TexteMulti>("Text5", 2258, 2688, 7365, 2505);
    Label7 = controle<QLabel>("Label7", 4596, 5196, 2688, 312);
    Label7->setText(u"RECETTE"_s);
    Label7->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Text6 = controle<TexteMulti>("Text6", 2258, 5508, 7365, 2505);
    Image1 = controle<BoiteImage>("Image1", 0, 3150, 2000, 3000);
    Label9 = controle<QLabel>("Label9", 0, 7536, 2256, 324);
    Label9->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Text8 = controle<Texte>("Text8", 5472, 4248, 996, 420);

    setFond(Rose);
    for (QWidget* w : std::initializer_list<QWidget*>{Label1, Label2, Text1, Label3, Text2, Label4,
                                                       Text3, Label5, Text4, Label8, Text7, Label6,
                                                       Text5, Label7, Text6, Label9, Text8})
        couleurs(w, Rose, Bleu);
    for (QWidget* w : std::initializer_list<QWidget*>{Label2, Text1, Label3, Text2, Label4, Text3,
                                                       Label5, Label8, Text7, Label6, Text5,
                                                       Label7, Text6})
        w->setFont(sansSerif(8.25));
    QFont pictos = Text4->font();
    pictos.setPointSizeF(13.5);
    pictos.setBold(false);
    Text4->setFont(pictos);

    // Tab moves between the boxes, as in the single-line ones.
    Text5->setTabChangesFocus(true);
    Text6->setTabChangesFocus(true);
    setTabOrder(Text1, Text2);
    setTabOrder(Text2, Text3);
    setTabOrder(Text3, Text4);
    setTabOrder(Text4, Text5);
    setTabOrder(Text5, Text7);
    setTabOrder(Text7, Text6);

    connect(creer, &QAction::triggered, this, &KalGeneral::Creer_Click);
    connect(Enregistre, &QAction::triggered, this, &KalGeneral::Enregistre_Click);
    connect(Enreg, &QAction::triggered, this, &KalGeneral::Enreg_Click);
    connect(Efface, &QAction::triggered, this, &KalGeneral::Efface_Click);
    connect(Imprim, &QAction::triggered, this, &KalGeneral::Imprim_Click);
    connect(Preced, &QAction::triggered, this, &KalGeneral::Preced_Click);
    connect(Suivant, &QAction::triggered, this, &KalGeneral::Suivant_Click);
    connect(AjoutIma, &QAction::triggered, this, &KalGeneral::AjoutIma_Click);
    connect(Retour, &QAction::triggered, this, &KalGeneral::Retour_Click);
    connect(Gene, &QAction::triggered, this, &KalGeneral::Gene_Click);
    connect(MSFlexGrid1, &Grille::Click, this, &KalGeneral::MSFlexGrid1_Click);
    Text1->KeyPress = [this](int& code) { Text1_KeyPress(code); };
    Text2->KeyPress = [this](int& code) { Text2_KeyPress(code); };
    Text3->KeyPress = [this](int& code) { Text3_KeyPress(code); };
    Text8->KeyPress = [this](int& code) { Text8_KeyPress(code); };
}

void KalGeneral::Form_Load()
{
    dimensionner();
    Lire();
}

BaseRecettes* KalGeneral::base()
{
    BaseRecettes* b = prog.donnees.BaseDonnees.get();
    if (!b)
        prog.dialogues().message(this, u"Aucune base de recettes n'est ouverte."_s);
    return b;
}

void KalGeneral::montrerChamps(bool visible)
{
    for (QWidget* w : std::initializer_list<QWidget*>{Label2, Label3, Label4, Label5, Label6, Label7,
                                                       Label8, Text1, Text2, Text3, Text4, Text5,
                                                       Text6, Text7})
        w->setVisible(visible);
}

void KalGeneral::viderChamps()
{
    Text1->setTexte(QString());
    Text2->setTexte(QString());
    Text3->setTexte(QString());
    Text4->setTexte(QString());
    Text5->setTexte(QString());
    Text6->setTexte(QString());
    Text7->setTexte(QString());
}

void KalGeneral::Lire()
{
    creer->setVisible(true);
    for (QAction* a : {AjoutIma, Enregistre, Efface, Enreg, Suivant, Preced, Imprim})
        a->setVisible(false);
    montrerChamps(false);
    Label9->hide();
    // The list is shown: no photograph over its rows.
    Image1->hide();
    fermerQuestion();
    viderChamps();
    retenirChamps();
    Consult();
    Retour->setVisible(false);
    Gene->setVisible(true);
    show();
}

void KalGeneral::Consult()
{
    Grille& g = *MSFlexGrid1;
    g.preparer({u"N°"_s, u"NOM DE LA RECETTE"_s}, {prog.zoom.zoom(800), prog.zoom.zoom(8000)},
               prog.zoom.zoom(8));

    std::vector<LigneFiche> fiches;
    if (BaseRecettes* b = base()) {
        essayer([&] {
            fiches = b->listerCategorie(prog.donnees.CodeCategorie);
        });
    }
    Label1->setText(prog.donnees.NomCategorie + u"  Nombre de Fiches "_s
                    + QString::number(fiches.size()));

    std::vector<std::vector<CelluleGrille>> lignes;
    lignes.reserve(fiches.size());
    for (const LigneFiche& f : fiches)
        lignes.push_back({{QString::number(f.numero), Qt::AlignCenter},
                          {f.titre, Qt::AlignLeft | Qt::AlignVCenter}});
    g.ajouterLignes(std::move(lignes));
    g.show();
}

void KalGeneral::remplirListes()
{
    List1 = couperLignes(Text5->texte());
    List2 = couperLignes(Text6->texte());
}

void KalGeneral::afficherFiche(const Fiche& f)
{
    Text1->setTexte(f.titre);
    Text2->setTexte(f.tempPrepa);
    Text3->setTexte(f.tempCuisson);
    Text4->setTexte(f.difficulte);
    Text5->setTexte(f.ingrediant);
    Text6->setTexte(f.preparation);
    Text7->setTexte(f.vin);

    prog.donnees.CheminPhoto = cheminPhoto(prog.dossierProgramme(), Text1->texte());
    if (QFileInfo(prog.donnees.CheminPhoto).isFile()) {
        // Its own file, even unreadable: it follows a change of title.
        sienne_ = true;
        if (!Image1->charger(prog.donnees.CheminPhoto))
            AjoutIma->setVisible(true);
    } else {
        sienne_ = false;
        Image1->charger(cheminPhotoAbsente());
        AjoutIma->setVisible(true);
    }
    Image1->show();

    Label9->setText(u"Fiche N° "_s + QString::number(NumeroFiche) + u" N° "_s
                    + QString::number(PositionFiche));
    remplirListes();
    retenirChamps();
}

void KalGeneral::MSFlexGrid1_Click()
{
    // The heading row holds no recipe.
    const int ligne = MSFlexGrid1->Row();
    if (ligne < 1 || ligne >= MSFlexGrid1->Rows())
        return;
    bool nombre = false;
    const int numero = MSFlexGrid1->TextMatrix(ligne, 0).toInt(&nombre);
    if (!nombre)
        return;
    const QString titre = MSFlexGrid1->TextMatrix(ligne, 1);
    BaseRecettes* b = base();
    if (!b)
        return;
    std::optional<Fiche> trouvee;
    int position = 0;
    if (!essayer([&] {
        trouvee = b->premiereParTitre(prog.donnees.CodeCategorie, titre, &position);
    })) {
        return;
    }

    for (QAction* a : {Efface, Enregistre, Imprim, Suivant, Preced})
        a->setVisible(true);
    NumeroFiche = numero;
    TitreFiche = trouvee ? trouvee->titre : titre;
    MSFlexGrid1->hide();
    if (trouvee) {
        PositionFiche = position;
        afficherFiche(*trouvee);
    } else {
        Label9->setText(u"Fiche N° "_s + QString::number(NumeroFiche) + u" N° "_s
                        + QString::number(PositionFiche));
        sienne_ = false;
        remplirListes();
        retenirChamps();
    }
    Label9->show();
    montrerChamps(true);
    Retour->setVisible(true);
    Gene->setVisible(false);
}

void KalGeneral::deplacer(int pas)
{
    if (!quitterSaisie())
        return;
    BaseRecettes* b = base();
    if (!b)
        return;
    const QString& code = prog.donnees.CodeCategorie;
    std::optional<Fiche> f;
    int position = 0;
    if (!essayer([&] {
        const int nombre = b->compterCategorie(code);
        position = pas > 0 ? std::min(PositionFiche + 1, nombre) : std::max(PositionFiche - 1, 1);
        f = b->ficheAPosition(code, position);
    })) {
        return;
    }
    viderChamps();
    Image1->vider();
    PositionFiche = position;
    if (f) {
        NumeroFiche = f->numero;
        TitreFiche = f->titre;
        afficherFiche(*f);
    } else {
        sienne_ = false;
        remplirListes();
        retenirChamps();
    }
}

void KalGeneral::Suivant_Click()
{
    deplacer(+1);
}

void KalGeneral::Preced_Click()
{
    deplacer(-1);
}

void KalGeneral::Retour_Click()
{
    if (!quitterSaisie())
        return;
    Image1->vider();
    Lire();
}

bool KalGeneral::sortir()
{
    // The card's "Retour" leads to the list, the list's to the main menu.
    if (Retour->isVisible())
        Retour_Click();
    else
        Gene_Click();
    return true;
}

void KalGeneral::Gene_Click()
{
    if (!quitterSaisie())
        return;
    prog.activerMenu(true);
    prog.decharger(prog.kalGeneral);
}

void KalGeneral::Creer_Click()
{
    if (!quitterSaisie())
        return;
    Image1->vider();
    Image1->show();
    AjoutIma->setVisible(true);
    for (QAction* a : {Enregistre, Efface, Enreg, Imprim, creer})
        a->setVisible(false);
    MSFlexGrid1->hide();
    Enreg->setVisible(true);
    fermerQuestion();
    montrerChamps(true);
    viderChamps();
    sienne_ = false;
    retenirChamps();
    Text1->setFocus();
}

bool KalGeneral::saisieValide()
{
    QString manque;
    if (Text4->texte().trimmed().isEmpty())
        manque = u"Dificulté doit etre servis"_s;
    else if (Text5->texte().trimmed().isEmpty())
        manque = u"Ingrédiant doit etre servis"_s;
    else if (Text6->texte().trimmed().isEmpty())
        manque = u"Préparation doit etre servis"_s;
    if (manque.isEmpty())
        return true;
    prog.dialogues().message(this, manque);
    return false;
}

Fiche KalGeneral::saisie() const
{
    Fiche f;
    f.categorie = prog.donnees.CodeCategorie;
    f.titre = Text1->texte().toUpper();
    f.tempPrepa = Text2->texte().toUpper();
    f.tempCuisson = Text3->texte().isEmpty() ? u"?"_s : Text3->texte().toUpper();
    f.difficulte = Text4->texte();
    f.ingrediant = Text5->texte();
    f.preparation = Text6->texte();
    f.vin = Text7->texte().isEmpty() ? u"?"_s : Text7->texte();
    return f;
}

QStringList KalGeneral::champs() const
{
    return {Text1->texte(), Text2->texte(), Text3->texte(), Text4->texte(),
            Text5->texte(), Text6->texte(), Text7->texte()};
}

void KalGeneral::retenirChamps()
{
    champsAffiches_ = champs();
    imageAffichee_ = Image1->image().cacheKey();
}

// Another picture than the one shown with the card is in the box.
bool KalGeneral::photoChoisie() const
{
    return !Image1->estVide() && Image1->image().cacheKey() != imageAffichee_;
}

bool KalGeneral::quitterSaisie()
{
    if (Text1->isHidden() || (champs() == champsAffiches_ && !photoChoisie()))
        return true;
    return prog.dialogues().questionPrudente(
        this, u"LA FICHE N'EST PAS ENREGISTRÉE. VOULEZ-VOUS LA QUITTER SANS L'ENREGISTRER ?"_s,
        titreProgramme());
}

// The form stays as typed, the cursor in the title to change it.
void KalGeneral::titreARevoir(const QString& message)
{
    prog.dialogues().message(this, message);
    Text1->setFocus();
    Text1->selectAll();
}

// A chosen picture is written; the card's own photograph follows a new title.
bool KalGeneral::photoAEcrire() const
{
    if (photoChoisie())
        return true;
    return sienne_
           && QString::compare(nomFichierSur(TitreFiche), nomFichierSur(Text1->texte()),
                               Qt::CaseInsensitive)
                  != 0;
}

void KalGeneral::ecrirePhoto()
{
    if (!photoAEcrire())
        return;
    const QString dossier = prog.dossierProgramme();
    const QString chemin = cheminPhotoEcrite(dossier, Text1->texte());
    QDir().mkpath(QFileInfo(chemin).absolutePath());
    if (photoChoisie()) {
        return preciser([&] { Image1->sauverBmp(chemin); }, [&](const QString& r) {
            return u"La photographie n'a pas pu être écrite dans « %1 » : %2. La fiche n'est pas enregistrée."_s
                .arg(QDir::toNativeSeparators(chemin), r);
        });
    }
    const QString ancienne = cheminPhoto(dossier, TitreFiche);
    if (!QFileInfo(ancienne).isFile())
        return;  // gone meanwhile: nothing to carry
    std::error_code erreur;
    std::filesystem::rename(QFile::encodeName(ancienne).toStdString(),
                            QFile::encodeName(chemin).toStdString(), erreur);
    if (erreur)
        throw Echec(u"La photographie « %1 » n'a pas pu être renommée en « %2 ». La fiche n'est pas enregistrée."_s
                        .arg(QDir::toNativeSeparators(ancienne), QDir::toNativeSeparators(chemin)));
}

void KalGeneral::Enreg_Click()
{
    if (!saisieValide())
        return;
    BaseRecettes* b = base();
    if (!b)
        return;
    std::optional<int> numero;
    if (!essayer([&] {
        numero = b->ajouter(saisie());
    })) {
        return;
    }
    if (!numero) {
        titreARevoir(u"Cette recette existe déjà"_s);
        return;
    }
    if (!essayer([&] { ecrirePhoto(); })) {
        // The new card is the last of the table: taking it back renumbers nothing.
        essayer([&] {
            b->supprimer(*numero, saisie().titre);
        });
        return;
    }
    Lire();
}

void KalGeneral::Enregistre_Click()
{
    if (!saisieValide())
        return;
    BaseRecettes* b = base();
    if (!b)
        return;
    const Fiche nouvelle = saisie();
    // Another recipe's photograph is never replaced.
    const auto autre = essayer([&] { return photoAEcrire() ? b->premiereParTitre(QString(), nouvelle.titre) : std::nullopt; });
    if (!autre)
        return;
    if (*autre && (*autre)->numero != NumeroFiche && QFileInfo(cheminPhoto(prog.dossierProgramme(), Text1->texte())).isFile()) {
        titreARevoir(u"La recette « %1 » a déjà sa photographie : choisissez un autre titre."_s.arg((*autre)->titre));
        return;
    }
    std::optional<Fiche> ancienne;
    if (!essayer([&] { ancienne = b->modifier(NumeroFiche, TitreFiche, nouvelle); }))
        return;
    if (!ancienne) {
        ficheDisparue(u"Rien n'a été enregistré."_s);
        return;
    }
    if (!essayer([&] { ecrirePhoto(); })) {
        essayer([&] {
            b->modifier(NumeroFiche, nouvelle.titre, *ancienne);
        });
        return;
    }
    Image1->vider();
    Lire();
}

// Changed or deleted by another program since it was shown: writing by its
// number alone would hit another recipe.
void KalGeneral::ficheDisparue(const QString& consequence)
{
    prog.dialogues().message(this, u"La fiche N° %1 « %2 » n'est plus dans la base telle qu'elle était affichée : "
                                   u"elle a été changée ou effacée entre-temps. %3"_s
                                       .arg(QString::number(NumeroFiche), TitreFiche, consequence));
    Image1->vider();
    Lire();
}

void KalGeneral::Efface_Click()
{
    if (!prog.dialogues().questionPrudente(
            this, u"VOULEZ-VOUS EFFACER LA FICHE « %1 » ?"_s.arg(Text1->texte()), u"DANGER"_s))
        return;
    BaseRecettes* b = base();
    if (!b)
        return;
    std::optional<QString> titre;
    if (!essayer([&] {
        const Sablier sablier;
        titre = b->supprimer(NumeroFiche, TitreFiche);
    })) {
        return;
    }
    if (!titre) {
        ficheDisparue(u"Rien n'a été effacé."_s);
        return;
    }
    const QString photo = cheminPhotoSupprimee(*titre);
    if (QFileInfo(photo).isFile() && !QFile::remove(photo))
        prog.dialogues().message(this, u"La photographie « %1 » n'a pas pu être effacée."_s
                                           .arg(QDir::toNativeSeparators(photo)));
    Lire();
}

void KalGeneral::AjoutIma_Click()
{
    const QString dossier = prog.dossierProgramme();
    // Photographs come with their extension in any letter case.
    const QString nom = prog.dialogues().ouvrirFichier(
        this, dossier,
        QDir::toNativeSeparators(dossier)
            + u"(*.[jJ][pP][gG] *.[jJ][pP][eE][gG] *.[pP][nN][gG])"_s);
    // Cancelled: the picture shown stays.
    if (nom.isEmpty())
        return;
    const QImage image = BoiteImage::lireImage(nom);
    if (image.isNull()) {
        prog.dialogues().message(this, u"Le fichier « %1 » n'est pas une image lisible."_s
                                           .arg(QDir::toNativeSeparators(nom)));
        return;
    }
    // A phone's photograph is far larger than the box and the printout need.
    Image1->setImage(std::max(image.width(), image.height()) > CotePhoto
                         ? image.scaled(CotePhoto, CotePhoto, Qt::KeepAspectRatio, Qt::SmoothTransformation)
                         : image);
}

void KalGeneral::Text1_KeyPress(int& KeyAscii)
{
    KeyAscii = majusculeTouche(KeyAscii);
}

void KalGeneral::Text2_KeyPress(int& KeyAscii)
{
    KeyAscii = majusculeTouche(KeyAscii);
}

void KalGeneral::Text3_KeyPress(int& KeyAscii)
{
    KeyAscii = majusculeTouche(KeyAscii);
}

// Label8 carries the print question; once it is over the label is the
// drink's again.
void KalGeneral::fermerQuestion()
{
    Label8->setText(LegendeBoisson);
    Text8->hide();
}

FicheRecette KalGeneral::fiche() const
{
    return {Text1->texte(), Text2->texte(), Text3->texte(), Text4->texte(), Text7->texte(), List1, List2};
}

void KalGeneral::Imprim_Click()
{
    for (QWidget* w : std::initializer_list<QWidget*>{Text2, Text3, Text4, Text5, Text6, Text7,
                                                       Label3, Label4, Label5, Label6, Label7})
        w->hide();
    poserQuestionImpression(Label8, Text8);
}

void KalGeneral::Text8_KeyPress(int& KeyAscii)
{
    if (!entreeQuestionImpression(KeyAscii))
        return;
    // Read at the answer: "Suivant" may have moved to another card while the
    // question was open, and the lists follow the card shown.
    if (repondreQuestionImpression(*this, Text8->texte(), fiche(), Image1->image()))
        Image1->vider();
    Lire();
}
