#pragma once
// The state shared by the windows for the whole run, owned by the Programme.

#include "store/baserecettes.h"

#include <QString>

#include <memory>

struct Donnees {
    QString NomBase;                           // file name of the base, relative to the working folder
    std::unique_ptr<BaseRecettes> BaseDonnees;  // the open base, or null
    int NombreFiches = 0;                      // record count of the base last opened
    QString CodeCategorie;
    QString NomCategorie;
    QString CheminPhoto;                       // photograph of the recipe shown

    // backup destination
    QString LecteurSauvegarde;
    QString RepertoireSauvegarde;

    // Closes BaseDonnees; closing a base that is not open is no error.
    void fermerBase() { BaseDonnees.reset(); }
};
