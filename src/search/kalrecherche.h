#pragma once
// Word search over the titles of the open base, with the preview of a hit
// from which the recipe is printed or written to a text file.

#include "shell/fenetrekal.h"

#include <QString>
#include <QStringList>

class BoiteImage;
class BoitePictogrammes;
class Grille;
class QAction;
class QLabel;
class Texte;
class TexteMulti;

class KalRecherche : public FenetreKal {
    Q_OBJECT
public:
    explicit KalRecherche(Programme& programme);

    void Form_Load();
    void Lire();  // the entry state
    void Text7_KeyPress(int& KeyAscii);
    void MSFlexGrid1_Click();
    void Imprime_Click();
    void Text8_KeyPress(int& KeyAscii);
    void Autre_Click();
    void Retour_Click();

    QAction* Retour;
    QAction* Imprime;
    QAction* Autre;
    QLabel* Label1;
    QLabel* Label8;
    Texte* Text7;
    Texte* Text8;
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

    // Line lists of the previewed ingredients and preparation, never shown.
    QStringList List1;
    QStringList List2;
    // Drink of the previewed recipe: no control shows it, the printout does.
    QString Vin;

protected:
    bool sortir() override;
};
