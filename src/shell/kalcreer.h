#pragma once
// Creation of a recipe base: a copy of the empty template "Base.kal" under the
// name typed, in capitals, with the extension ".MDB".

#include "app/fenetrekal.h"

#include <QString>

class QAction;
class QFrame;
class QLabel;
class QPushButton;
class Texte;

class KalCreer : public FenetreKal {
    Q_OBJECT
public:
    explicit KalCreer(Programme& programme);
    void Form_Load();
    void Command1_Click();
    void Retour_Click();

    QLabel* Label2;
    QFrame* Frame1;
    QLabel* Label1;
    Texte* Text1;
    QPushButton* Command1;
    QAction* Retour;

protected:
    bool sortir() override;
};

// Copies `modele` (a regular file of at most TailleModeleMaximale bytes) to
// `nom` through a temporary file of the same folder renamed at the end, so
// that no half-written base is ever left under `nom`, and never over an
// existing file or link. Throws Echec saying why the base was not created.
constexpr qint64 TailleModeleMaximale = qint64{256} << 20;
void copierModele(const QString& modele, const QString& nom);
