#pragma once
// Start-up: the background that covers the screen and the splash above it,
// whose progress bar fills during about fifteen seconds before it hands over
// to the main menu (or to the base creation when the folder holds no base).

#include "app/fenetrekal.h"

#include <QString>
#include <QTimer>

class BoiteImage;
class QFrame;
class QLabel;
class QProgressBar;

// What the splash shows of the program's own version record.
struct EnregistrementVersion {
    int majeure;
    int mineure;
    int revision;
    QString copyright;
    QString entreprise;
    QString description;
};
const EnregistrementVersion& versionProgramme();

class Fond : public FenetreKal {
    Q_OBJECT
public:
    explicit Fond(Programme& programme);
    void Form_Load();

    BoiteImage* Image1;
};

class Copyright : public FenetreKal {
    Q_OBJECT
public:
    explicit Copyright(Programme& programme);
    void Form_Load();
    void Timer1_Timer();

    QFrame* Frame1;
    BoiteImage* imgLogo;
    QLabel* lblProductName;
    QLabel* lblPlatform;
    QLabel* lblVersion;
    QLabel* lblCopyright;
    QLabel* lblCopyright2;
    QLabel* Label1;
    QLabel* lblWarning;
    QProgressBar* ProgressBar1;
    QTimer Timer1;

    int compteur() const { return compteur_; }

private:
    int compteur_ = 0;
};
