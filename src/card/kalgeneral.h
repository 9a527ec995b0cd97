#pragma once
// The recipe card window of one category: the list of its recipes, a card
// with its photograph, the previous and next card, a new card, saving,
// deletion and the print question.

#include "app/fenetrekal.h"

#include <QString>
#include <QStringList>

class BaseRecettes;
class BoiteImage;
class BoitePictogrammes;
class Grille;
class QAction;
class QLabel;
class Texte;
class TexteMulti;
struct Fiche;
struct FicheRecette;

class KalGeneral : public FenetreKal {
    Q_OBJECT
public:
    explicit KalGeneral(Programme& prog);

    void Form_Load();
    void Lire();
    void Consult();

    void MSFlexGrid1_Click();
    void Suivant_Click();
    void Preced_Click();
    void Retour_Click();
    void Gene_Click();
    void Creer_Click();
    void Enreg_Click();
    void Enregistre_Click();
    void Efface_Click();
    void AjoutIma_Click();
    void Imprim_Click();

    void Text1_KeyPress(int& KeyAscii);
    void Text2_KeyPress(int& KeyAscii);
    void Text3_KeyPress(int& KeyAscii);
    void Text8_KeyPress(int& KeyAscii);

    // menu bar, in its order
    QAction* creer;
    QAction* Enregistre;
    QAction* Enreg;
    QAction* Efface;
    QAction* Imprim;
    QAction* Preced;
    QAction* Suivant;
    QAction* AjoutIma;
    QAction* Retour;
    QAction* Gene;

    QLabel* Label1;
    Grille* MSFlexGrid1;
    QLabel* Label2;
    Texte* Text1;
    QLabel* Label3;
    Texte* Text2;
    QLabel* Label4;
    Texte* Text3;
    QLabel* Label5;
    BoitePictogrammes* Text4;
    QLabel* Label8;
    Texte* Text7;
    QLabel* Label6;
    TexteMulti* Text5;
    QLabel* Label7;
    TexteMulti* Text6;
    BoiteImage* Image1;
    QLabel* Label9;
    Texte* Text8;

    // Lines of the card shown, for the printout and the export.
    QStringList List1;  // ingredients
    QStringList List2;  // preparation

    int NumeroFiche = 0;    // Numero of the card shown
    QString TitreFiche;     // its title as read from the base: with the number, which record it is
    int PositionFiche = 0;  // its 1-based position in the category

protected:
    bool sortir() override;

private:
    BaseRecettes* base();
    void afficherFiche(const Fiche& fiche);
    void remplirListes();
    void montrerChamps(bool visible);
    void viderChamps();
    void deplacer(int pas);  // +1 next card, -1 previous
    bool saisieValide();
    Fiche saisie() const;
    // The form as shown last; leaving it changed asks first.
    QStringList champs() const;
    void retenirChamps();
    bool quitterSaisie();
    void titreARevoir(const QString& message);
    bool photoAEcrire() const;
    void ecrirePhoto();
    void ficheDisparue(const QString& consequence);
    void fermerQuestion();
    FicheRecette fiche() const;

    bool photoChoisie() const;

    bool sienne_ = false;   // the card shown (TitreFiche) has its own photograph file
    QStringList champsAffiches_;
    qint64 imageAffichee_ = 0;  // the picture shown with the card
};
