#include "generateur.h"

#include "platform/fichiers.h"
#include "store/baserecettes.h"
#include "store/catalogue.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <array>
#include <random>
#include <vector>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int kPhotos = 10000;

const std::array<const char*, 24> Plats = {
    "TARTE", "GRATIN", "VELOUTÉ", "BLANQUETTE", "TERRINE", "CIVET", "RAGOÛT", "CLAFOUTIS",
    "SOUFFLÉ", "FRICASSÉE", "POÊLÉE", "NAVARIN", "ESTOUFFADE", "PAUPIETTES", "QUICHE", "FLAN",
    "CASSOLETTE", "MOUSSE", "CRÈME", "DAUBE", "RISOTTO", "GALETTE", "FEUILLETÉ", "TIAN"};
const std::array<const char*, 24> Produits = {
    "POMMES", "POIREAUX", "CANARD", "LAPIN", "SAUMON", "CÈPES", "CAROTTES", "VEAU",
    "CHOU", "AGNEAU", "POIRES", "TOMATES", "COURGETTES", "MORILLES", "LANGOUSTINES", "BŒUF",
    "ÉPINARDS", "CHÂTAIGNES", "NOIX", "FIGUES", "ASPERGES", "MOULES", "ENDIVES", "CERISES"};
const std::array<const char*, 16> Liens = {
    "À LA", "AU", "AUX", "FAÇON", "COMME EN", "SAUCE", "ET", "AVEC", "SUR LIT DE", "EN CROÛTE DE",
    "PARFUMÉ AU", "DU", "GRAND-MÈRE", "DU MARCHÉ", "CONFIT", "RÔTI"};
const std::array<const char*, 32> Mots = {
    "faire", "revenir", "le", "beurre", "dans", "une", "cocotte", "puis", "ajouter", "les",
    "oignons", "émincés", "laisser", "mijoter", "doucement", "à", "couvert", "pendant", "vingt",
    "minutes", "en", "remuant", "de", "temps", "saler", "poivrer", "servir", "très", "chaud",
    "avec", "la", "sauce"};
const std::array<const char*, 12> Unites = {"g de", "kg de", "cl de", "dl de", "l de", "cuillères à soupe de",
                                            "pincée de", "brins de", "gousses de", "tranches de", "", "botte de"};

QString phrase(std::mt19937& alea, int longueur)
{
    QString p;
    p.reserve(longueur + 16);
    while (p.size() < longueur) {
        if (!p.isEmpty())
            p += u' ';
        p += QString::fromUtf8(Mots[alea() % Mots.size()]);
    }
    p[0] = p[0].toUpper();
    return p + u'.';
}

// Paragraphs over 85 characters, so that the printout wraps them.
QString preparation(std::mt19937& alea, int longueur)
{
    QString texte;
    while (texte.size() < longueur) {
        if (!texte.isEmpty())
            texte += u"\r\n"_s;
        texte += phrase(alea, std::uniform_int_distribution<int>(90, 400)(alea));
    }
    return texte;
}

QString ingredients(std::mt19937& alea)
{
    QStringList lignes;
    const int n = std::uniform_int_distribution<int>(5, 20)(alea);
    for (int i = 0; i < n; ++i)
        lignes.append(QString::number(alea() % 500 + 1) + u' ' + QString::fromUtf8(Unites[alea() % Unites.size()])
                      + u' ' + QString::fromUtf8(Produits[alea() % Produits.size()]).toLower());
    return lignes.join(u"\r\n"_s);
}

// Unique by its number; "DE" in nine titles out of ten, for the broad search.
QString titre(std::mt19937& alea, int numero, const QString& rare)
{
    const int voulu = std::uniform_int_distribution<int>(20, 100)(alea);
    QString t = QString::fromUtf8(Plats[alea() % Plats.size()]);
    t += alea() % 10 ? u" DE "_s : u" "_s;
    t += QString::fromUtf8(Produits[alea() % Produits.size()]);
    if (!rare.isEmpty())
        t += u' ' + rare;
    const QString fin = u" N° "_s + QString::number(numero);
    while (t.size() + fin.size() < voulu)
        t += u' ' + QString::fromUtf8(alea() % 2 ? Liens[alea() % Liens.size()] : Produits[alea() % Produits.size()]);
    return (t.left(100 - fin.size()).trimmed() + fin);
}

QByteArray jpeg()
{
    QImage image(400, 300, QImage::Format_RGB32);
    QPainter p(&image);
    QLinearGradient degrade(0, 0, 400, 300);
    degrade.setColorAt(0, QColor(200, 120, 40));
    degrade.setColorAt(1, QColor(250, 230, 190));
    p.fillRect(image.rect(), degrade);
    p.setBrush(Qt::white);
    p.drawEllipse(100, 50, 200, 200);
    p.end();
    QByteArray octets;
    QBuffer tampon(&octets);
    tampon.open(QIODevice::WriteOnly);
    image.save(&tampon, "JPG", 85);
    return octets;
}

void ecrire(const QString& chemin, const QByteArray& octets)
{
    QFile f(chemin);
    if (!f.open(QIODevice::WriteOnly) || f.write(octets) != octets.size())
        throw Echec(u"Écriture impossible de "_s + chemin);
}

}  // namespace

DossierBench preparerDossier(const QString& racine, int recettes)
{
    const auto& catalogue = CatalogueCategories();
    DossierBench d;
    d.dossier = QDir(racine).filePath(u"v%1-%2"_s.arg(kVersionDossier).arg(recettes));
    d.base = u"Banc.mdb"_s;
    d.recettes = recettes;
    d.grande = QString::fromLatin1(catalogue[0].code);
    d.moyenne = QString::fromLatin1(catalogue[1].code);
    // At 32 767 recipes: 5 000 and 1 000; larger bases keep the proportions.
    d.tailleGrande = static_cast<int>(std::lround(recettes * 5000.0 / 32767.0));
    d.tailleMoyenne = static_cast<int>(std::lround(recettes * 1000.0 / 32767.0));
    d.motFrequent = u"DE"_s;
    d.motRare = u"ZÉPHYR"_s;
    d.titreLong = u"CHOUCROUTE DE LA MER EN TROIS CENTS LIGNES"_s;

    const QString pret = QDir(d.dossier).filePath(u".pret"_s);
    if (QFileInfo::exists(pret))
        return d;
    QDir(d.dossier).removeRecursively();
    QDir().mkpath(QDir(d.dossier).filePath(u"Images"_s));

    std::mt19937 alea(20261206u);
    // The category of each row: the two large ones, the rest spread evenly,
    // shuffled so that a category's rows lie all over the table.
    std::vector<int> categories;
    categories.reserve(static_cast<size_t>(recettes));
    categories.insert(categories.end(), static_cast<size_t>(d.tailleGrande), 0);
    categories.insert(categories.end(), static_cast<size_t>(d.tailleMoyenne), 1);
    for (int i = 0; static_cast<int>(categories.size()) < recettes; ++i)
        categories.push_back(2 + i % (static_cast<int>(catalogue.size()) - 2));
    std::shuffle(categories.begin(), categories.end(), alea);
    // The first numbers in the largest category: deleting its first card,
    // again and again, renumbers the whole table.
    for (size_t i = 0; i < 32; ++i)
        std::swap(categories[i], *std::find(categories.begin() + static_cast<std::ptrdiff_t>(i), categories.end(), 0));

    // The rare word in three titles, far apart; the 300-line recipe in the
    // middle category.
    const std::array<int, 3> rares = {recettes / 7, recettes / 2, recettes - 3};
    int longue = recettes / 3;
    while (categories[static_cast<size_t>(longue)] != 1)
        ++longue;

    std::vector<Fiche> fiches(static_cast<size_t>(recettes));
    for (int i = 0; i < recettes; ++i) {
        Fiche& f = fiches[static_cast<size_t>(i)];
        f.numero = i + 1;
        f.categorie = QString::fromLatin1(catalogue[static_cast<size_t>(categories[static_cast<size_t>(i)])].code);
        const bool rare = std::find(rares.begin(), rares.end(), i) != rares.end();
        f.titre = i == longue ? d.titreLong : titre(alea, i + 1, rare ? d.motRare : QString());
        f.tempPrepa = QString::number(alea() % 90 + 5) + u" MN"_s;
        f.tempCuisson = alea() % 4 ? QString::number(alea() % 180 + 5) + u" MN"_s : u"?"_s;
        f.difficulte = QString(static_cast<qsizetype>(alea() % 4 + 1), u'n');
        f.ingrediant = ingredients(alea);
        if (i == longue) {
            QStringList lignes;
            for (int l = 0; l < 300; ++l)
                lignes.append(phrase(alea, std::uniform_int_distribution<int>(60, 160)(alea)));
            f.preparation = lignes.join(u"\r\n"_s);
        } else {
            f.preparation = preparation(alea, std::uniform_int_distribution<int>(500, 3000)(alea));
        }
        f.vin = alea() % 3 ? u"Vin de Loire"_s : u"?"_s;
    }

    const QString chemin = QDir(d.dossier).filePath(d.base);
    BaseRecettes::creer(chemin);
    BaseRecettes::ouvrir(chemin)->importer(fiches);

    // One picture written under many names: the copies, not the drawing, matter.
    const QByteArray photo = jpeg();
    const QDir images(QDir(d.dossier).filePath(u"Images"_s));
    ecrire(images.filePath(u"PAS.jpg"_s), photo);
    const int pas = std::max(1, recettes / kPhotos);
    int ecrites = 0;
    for (int i = 0; i < recettes && ecrites < kPhotos; i += pas, ++ecrites)
        ecrire(images.filePath(nomFichierSur(fiches[static_cast<size_t>(i)].titre) + u".jpg"_s), photo);
    for (const Categorie& c : catalogue)
        ecrire(QDir(d.dossier).filePath(QString::fromUtf8(c.nom) + u".txt"_s),
               "Introduction de la rubrique.\r\n");
    ecrire(pret, QByteArray::number(kVersionDossier));
    return d;
}
