#pragma once
// The list of every recipe grouped by category, a read-only preview of the
// recipe clicked, and the printout of the list.

#include "shell/fenetrekal.h"

#include <QString>

class BoiteImage;
class BoitePictogrammes;
class Grille;
class QAction;
class QLabel;
class Texte;
class TexteMulti;

class KalRubrique : public FenetreKal {
    Q_OBJECT
public:
    explicit KalRubrique(Programme& programme);

    void Form_Load();
    void Lire();
    void Effacer_Click();
    void MSFlexGrid1_Click();
    void Imprimante_Click();
    void Retour_Click();

    QAction* Retour;
    QAction* Effacer;
    QAction* Imprimante;
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
    QLabel* Label6;
    TexteMulti* Text5;
    QLabel* Label7;
    TexteMulti* Text6;
    BoiteImage* Image1;

    // Category name shown above the preview; kept when a recipe's code has none.
    QString NomRubrique;

protected:
    bool sortir() override;

private:
    void montrerApercu(bool visible);
};
