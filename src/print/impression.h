#pragma once
// A recipe on paper and in a text file: one layout, the lines and their
// columns, that the printout draws and the text export writes.

#include "platform/imprimante.h"

#include <QImage>
#include <QList>
#include <QString>
#include <QStringList>

// The recipe as its window shows it (the texts not trimmed).
struct FicheRecette {
    QString titre;
    QString tempPrepa;
    QString tempCuisson;
    QString difficulte;
    QString vin;
    QStringList ingredients;  // the window's List1
    QStringList preparation;  // the window's List2, wrapped on the way out
};

// The lines of a recipe, each a list of texts at their columns (none: an
// empty line). The preparation is wrapped in the printer's current font.
struct MiseEnPage {
    QList<QList<MorceauLigne>> lignes;
    qsizetype ingredients = 0;  // first line after the ingredients heading, where the photograph goes
    qsizetype preparation = 0;  // first preparation line
    qsizetype finPreparation = 0;
};
MiseEnPage miseEnPage(Imprimante& imprimante, const FicheRecette& recette);

// Prints the recipe, its short texts trimmed, with `photo` beside the
// ingredients. As Imprimante::finDocument: the PDF file, if any, or Echec.
QString ImprimeFiche(Imprimante& imprimante, const FicheRecette& recette, const QImage& photo);

// The file the recipe is appended to: <title>.txt in the working folder, or
// "<title> (recette).txt" when that would be a category page.
QString fichierExport(const QString& titre);
// What is said once the recipe is appended to its file.
QString messageExport(const QString& titre);
// What is said when no printer took the printout (`quoi`: "LA FICHE", "LA
// LISTE"): the PDF file it went to.
QString messagePdf(const QString& fichier, const QString& quoi = QStringLiteral("LA FICHE"));

// Appends the recipe to its file (fichierExport), never through a link;
// throws Echec when it could not be written.
void ExporterTexte(Imprimante& imprimante, const FicheRecette& recette);
