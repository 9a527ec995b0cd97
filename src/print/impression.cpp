#include "print/impression.h"

#include "platform/encodage.h"
#include "platform/fichiers.h"
#include "print/kalimprime.h"
#include "store/catalogue.h"

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

}  // namespace

MiseEnPage miseEnPage(Imprimante& imprimante, const FicheRecette& recette)
{
    MiseEnPage m;
    QList<QList<MorceauLigne>>& l = m.lignes;
    l << QList<MorceauLigne>{{colonneTitre(recette.titre.size()), recette.titre}} << QList<MorceauLigne>{}
      << QList<MorceauLigne>{{10, u"Temps de Préparation"_s}, {40, recette.tempPrepa}}
      << QList<MorceauLigne>{{10, u"Temps de Cuisson"_s}, {40, recette.tempCuisson}}
      << QList<MorceauLigne>{{10, u"Niveau de Difficulté"_s}, {40, recette.difficulte}}
      << QList<MorceauLigne>{{10, u"Boisson Conseiller"_s}, {40, recette.vin}} << QList<MorceauLigne>{}
      << QList<MorceauLigne>{{25, u"Ingrediant"_s}} << QList<MorceauLigne>{};
    m.ingredients = l.size();
    for (const QString& ligne : recette.ingredients)
        l << QList<MorceauLigne>{{10, ligne}};
    l << QList<MorceauLigne>{} << QList<MorceauLigne>{{25, u"Preparation"_s}} << QList<MorceauLigne>{};
    m.preparation = l.size();
    KalImprime coupure(imprimante);
    coupure.List1 = recette.preparation;
    coupure.Couper();
    for (const QString& ligne : coupure.List2)
        l << QList<MorceauLigne>{{10, sansBlancs(ligne)}};
    m.finPreparation = l.size();
    l << QList<MorceauLigne>{} << QList<MorceauLigne>{{40, u"Bon Appétit"_s}};
    return m;
}

QString ImprimeFiche(Imprimante& imprimante, const FicheRecette& recette, const QImage& photo)
{
    FicheRecette r = recette;
    for (QString* t : {&r.titre, &r.tempPrepa, &r.tempCuisson, &r.difficulte, &r.vin})
        *t = t->trimmed();
    // All coordinates of the printer are twips: no scale to set.
    imprimante.setNomPolice(u"Arial"_s);
    imprimante.setTaillePolice(12);
    imprimante.setGras(true);
    imprimante.setCouleur(QColor(0, 0, 128));
    imprimante.nommerDocument(r.titre);
    // Laid out in the font just set: the preparation is wrapped for it.
    const MiseEnPage m = miseEnPage(imprimante, r);

    imprimante.imprimerLigne();
    imprimante.imprimerLigne();
    // A new page after 60 preparation lines on one page; a page the printer
    // began by itself counts from its own top.
    int page = 0;
    int surLaPage = 0;
    for (qsizetype i = 0; i < m.lignes.size(); ++i) {
        if (i == m.ingredients && !photo.isNull())
            imprimante.dessinerImage(photo, 8000, 900, 3000, 2400);
        const bool preparation = i >= m.preparation && i < m.finPreparation;
        if (i == m.preparation)
            page = imprimante.page();
        if (preparation && surLaPage == 60) {
            imprimante.nouvellePage();
            surLaPage = 0;
        }
        imprimante.imprimerLigne(m.lignes[i]);
        if (preparation) {
            if (imprimante.page() != page) {
                page = imprimante.page();
                surLaPage = 0;
            }
            ++surLaPage;
        }
    }
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

void ExporterTexte(Imprimante& imprimante, const FicheRecette& recette)
{
    QByteArray octets;
    for (const QList<MorceauLigne>& morceaux : miseEnPage(imprimante, recette).lignes) {
        QString ligne;
        for (const MorceauLigne& m : morceaux)
            placer(ligne, m.colonne, m.texte);
        octets += encoder1252(ligne) + "\r\n";
    }
    const QString nom = fichierExport(recette.titre);
    preciser([&] { ajouterFichierRegulier(nom, octets); }, [&](const QString& r) {
        return u"Impossible d'écrire le fichier « %1 » : %2."_s.arg(QDir::toNativeSeparators(nom), r);
    });
}
