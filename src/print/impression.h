#pragma once
// Printing a recipe and appending it to a text file, for the recipe card and
// the search preview. The short texts come through the print hand-over of
// Donnees (ImpTitre ... ImpVin, ImpOrigine); the long ones from the calling
// window's photograph and line lists.

#include "platform/imprimante.h"

#include <QImage>
#include <QString>
#include <QStringList>

#include <optional>

class Programme;

// Prints the recipe: Donnees' hand-over variables, then `photo`, the
// `ingredients` lines and the `preparation` lines wrapped to the page.
ResultatImpression ImprimeFiche(Programme& prog, const QImage& photo, const QStringList& ingredients,
                                const QStringList& preparation);

// The values of the text file, as they stand in the window (not trimmed).
struct RecetteExportee {
    QString titre;
    QString tempPrepa;
    QString tempCuisson;
    QString difficulte;
    QString vin;
    QStringList ingredients;  // the window's List1
    QStringList preparation;  // the window's List2, wrapped on the way out
};

// The file the recipe is appended to: <title>.txt in the working folder, or
// "<title> (recette).txt" when that would be a category page.
QString fichierExport(const QString& titre);
// What is said once the recipe is appended to its file.
QString messageExport(const QString& titre);
// What is said when no printer took the printout (`quoi`: "LA FICHE", "LA
// LISTE"): the PDF file it went to.
QString messagePdf(const QString& fichier, const QString& quoi = QStringLiteral("LA FICHE"));

// Appends the recipe to its file (fichierExport), never through a link.
// Returns the French message to show when it could not be written, or
// nothing on success.
std::optional<QString> ExporterTexte(Programme& prog, const RecetteExportee& recette);

// The answer to "I=IMPRIMANTE OU T=TEXTE" for both windows: true for the
// printer (exactly "I"), false for the text file.
inline bool choisitImprimante(const QString& reponse)
{
    return reponse == QStringLiteral("I");
}
