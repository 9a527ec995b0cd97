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

    // A new page after 60 preparation lines on one page; a page the printer
    // began by itself counts from its own top.
    int page = imprimante.page();
    int surLaPage = 0;
    for (const QString& ligne : preparationCoupee(prog, preparation)) {
        if (surLaPage == 60) {
            imprimante.nouvellePage();
            surLaPage = 0;
        }
        imprimante.imprimerLigne({{10, sansBlancs(ligne)}});
        if (imprimante.page() != page) {
            page = imprimante.page();
            surLaPage = 0;
        }
        ++surLaPage;
    }
    imprimante.imprimerLigne();
    imprimante.imprimerLigne({{40, u"Bon Appétit"_s}});
    return imprimante.finDocument();
}

namespace {

// A title named like a category page would append the recipe to the page the
// program shows: such a recipe goes to a file of its own.
bool nommeUnePage(const QString& titre)
{
    const QString nom = nomFichierSur(titre) + u".txt"_s;
    const auto& categories = CatalogueCategories();
    return std::any_of(categories.begin(), categories.end(), [&](const Categorie& c) {
        return nom.compare(QString::fromUtf8(c.nom) + u".txt"_s, Qt::CaseInsensitive) == 0;
    });
}

}  // namespace

QString fichierExport(const QString& titre)
{
    const QString nom = nomFichierSur(titre) + (nommeUnePage(titre) ? u" (recette).txt"_s : u".txt"_s);
    return QDir::current().absoluteFilePath(nom);
}

QString messageExport(const QString& titre)
{
    const QString fichier = QDir::toNativeSeparators(fichierExport(titre));
    if (nommeUnePage(titre))
        return u"« %1.txt » est la page d'une catégorie et n'a pas été modifiée : la recette a été écrite dans « %2 »."_s
            .arg(nomFichierSur(titre), fichier);
    return u"LA RECETTE EST ÉCRITE À LA FIN DU FICHIER « %1 »."_s.arg(fichier);
}

QString messagePdf(const QString& fichier, const QString& quoi)
{
    return u"AUCUNE IMPRIMANTE : %1 EST ENREGISTRÉE DANS LE FICHIER « %2 »."_s.arg(
        quoi, QDir::toNativeSeparators(fichier));
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

    const QString nom = fichierExport(recette.titre);
    if (const std::optional<QString> echec = ajouterFichierRegulier(nom, octets))
        return u"Impossible d'écrire le fichier « %1 » : %2."_s.arg(QDir::toNativeSeparators(nom), *echec);
    return std::nullopt;
}
