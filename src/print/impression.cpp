#include "print/impression.h"

#include "platform/encodage.h"
#include "platform/fichiers.h"
#include "print/kalimprime.h"
#include "store/catalogue.h"
#include "shell/programme.h"

#include <QDir>

#include <algorithm>
#include <cmath>

using namespace Qt::Literals::StringLiterals;

namespace {

// Column of a centred title of `longueur` characters; a half goes to the even
// neighbour, and a title too long to centre starts at the left edge.
int colonneTitre(qsizetype longueur)
{
    const double colonne = std::nearbyint(45.0 - static_cast<double>(longueur) / 2.0);
    return std::max(1, static_cast<int>(colonne));
}

// The preparation lines cut to the printed width, with the printer's current font.
QStringList preparationCoupee(Programme& prog, const QStringList& preparation)
{
    KalImprime kalImprime(prog);
    kalImprime.List1 = preparation;
    kalImprime.Couper();
    return kalImprime.List2;
}

// Places `texte` at column `colonne` (from 1) of the text line being built.
void placer(QString& ligne, int colonne, const QString& texte)
{
    const qsizetype avant = std::max(colonne, 1) - 1;
    if (ligne.size() < avant)
        ligne.append(QString(avant - ligne.size(), u' '));
    else if (ligne.size() > avant)
        // The previous text already passed the column: one blank keeps the two
        // texts apart instead of moving to the next line.
        ligne.append(u' ');
    ligne.append(texte);
}

QString ligneTexte(std::initializer_list<MorceauLigne> morceaux)
{
    QString ligne;
    for (const MorceauLigne& m : morceaux)
        placer(ligne, m.colonne, m.texte);
    return ligne;
}

}  // namespace

ResultatImpression ImprimeFiche(Programme& prog, const QImage& photo, const QStringList& ingredients,
                                const QStringList& preparation)
{
    const Donnees& d = prog.donnees;
    Imprimante& imprimante = prog.imprimante();
    // All coordinates of the printer are twips: no scale to set.
    imprimante.setNomPolice(u"Arial"_s);
    imprimante.setTaillePolice(12);
    imprimante.setGras(true);
    imprimante.setCouleur(QColor(0, 0, 128));
    imprimante.nommerDocument(d.ImpTitre);

    imprimante.imprimerLigne();
    imprimante.imprimerLigne();
    imprimante.imprimerLigne({{colonneTitre(d.ImpTitre.size()), d.ImpTitre}});
    imprimante.imprimerLigne();
    imprimante.imprimerLigne({{10, u"Temps de Préparation"_s}, {40, d.ImpTempPrepa}});
    imprimante.imprimerLigne({{10, u"Temps de Cuisson"_s}, {40, d.ImpTempCuisson}});
    imprimante.imprimerLigne({{10, u"Niveau de Difficulté"_s}, {40, d.ImpDifficulte}});
    imprimante.imprimerLigne({{10, u"Boisson Conseiller"_s}, {40, d.ImpVin}});
    imprimante.imprimerLigne();
    imprimante.imprimerLigne({{25, u"Ingrediant"_s}});
    imprimante.imprimerLigne();

    if (!photo.isNull())
        imprimante.dessinerImage(photo, 8000, 900, 3000, 2400);
    for (const QString& ligne : ingredients)
        imprimante.imprimerLigne({{10, ligne}});
    imprimante.imprimerLigne();
    imprimante.imprimerLigne({{25, u"Preparation"_s}});
    imprimante.imprimerLigne();

    const QStringList lignes = preparationCoupee(prog, preparation);
    for (qsizetype i = 0; i < lignes.size(); ++i) {
        if (i > 0 && i % 60 == 0)
            imprimante.nouvellePage();
        imprimante.imprimerLigne({{10, sansBlancs(lignes.at(i))}});
    }
    imprimante.imprimerLigne();
    imprimante.imprimerLigne({{40, u"Bon Appétit"_s}});
    return imprimante.finDocument();
}

std::optional<QString> ExporterTexte(Programme& prog, const RecetteExportee& recette)
{
    QStringList lignes;
    lignes << ligneTexte({{colonneTitre(recette.titre.size()), recette.titre}}) << QString()
           << ligneTexte({{10, u"Temps de Préparation"_s}, {40, recette.tempPrepa}})
           << ligneTexte({{10, u"Temps de Cuisson"_s}, {40, recette.tempCuisson}})
           << ligneTexte({{10, u"Niveau de Difficulté"_s}, {40, recette.difficulte}})
           << ligneTexte({{10, u"Boisson Conseiller"_s}, {40, recette.vin}}) << QString()
           << ligneTexte({{25, u"Ingrediant"_s}}) << QString();
    for (const QString& ligne : recette.ingredients)
        lignes << ligneTexte({{10, ligne}});
    lignes << QString() << ligneTexte({{25, u"Preparation"_s}}) << QString();
    for (const QString& ligne : preparationCoupee(prog, recette.preparation))
        lignes << ligneTexte({{10, sansBlancs(ligne)}});
    lignes << QString() << ligneTexte({{40, u"Bon Appétit"_s}});

    QByteArray octets;
    for (const QString& ligne : lignes)
        octets += encoder1252(ligne) + "\r\n";

    // A title named like a category page would append the recipe to the
    // page the program shows: it goes to a file of its own instead.
    QString nom = nomFichierSur(recette.titre) + u".txt"_s;
    QString detour;
    const auto& categories = CatalogueCategories();
    if (std::any_of(categories.begin(), categories.end(), [&](const Categorie& c) {
            return nom.compare(QString::fromUtf8(c.nom) + u".txt"_s, Qt::CaseInsensitive) == 0;
        })) {
        detour = nom;
        nom = nomFichierSur(recette.titre) + u" (recette).txt"_s;
    }
    nom = QDir::current().absoluteFilePath(nom);
    if (const std::optional<QString> echec = ajouterFichierRegulier(nom, octets))
        return u"Impossible d'écrire le fichier « %1 » : %2."_s.arg(QDir::toNativeSeparators(nom), *echec);
    if (!detour.isEmpty())
        return u"« %1 » est la page d'une catégorie et n'a pas été modifiée : la recette a été écrite dans « %2 »."_s.arg(
            detour, QDir::toNativeSeparators(nom));
    return std::nullopt;
}
