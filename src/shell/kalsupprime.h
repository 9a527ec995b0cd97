#pragma once
// Deletion of a recipe base chosen in the list of the working folder's bases,
// after a confirmation.

#include "shell/fenetrekal.h"

class ListeFichiers;
class QAction;
class QFrame;
class QLabel;

class KalSupprime : public FenetreKal {
    Q_OBJECT
public:
    explicit KalSupprime(Programme& programme);
    void Form_Load();
    void File1_Click();
    void Retour_Click();

    QLabel* Label1;
    QFrame* Frame1;
    ListeFichiers* File1;
    QAction* Retour;

protected:
    bool sortir() override;
};
