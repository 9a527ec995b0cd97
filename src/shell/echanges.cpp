#include "shell/echanges.h"

#include "app/programme.h"
#include "exchange/lecture.h"
#include "exchange/mealmaster.h"
#include "platform/fichiers.h"
#include "platform/sablier.h"
#include "store/catalogue.h"
#include "store/photo.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QProgressDialog>


using namespace Qt::Literals::StringLiterals;

namespace {

// A picture larger than this is no recipe photograph; it is left where it is.
constexpr qint64 kTailleMaxImage = 16 * 1024 * 1024;
// Titles listed by name in the summary; the others are counted.
constexpr qsizetype kTitresCites = 20;

const QString kTitreImport = u"IMPORTER DES RECETTES"_s;
const QString kTitreExport = u"EXPORTER DES RECETTES"_s;

QString guillemets(const QString& t)
{
    return u"« "_s + t + u" »"_s;
}

QString recettes(qsizetype n, const QString& participe)
{
    return u"%1 recette%2 %3%2"_s.arg(n).arg(n > 1 ? u"s"_s : QString(), participe);
}

QStringList nomsCategories()
{
    QStringList noms;
    for (const Categorie& c : CatalogueCategories())
        noms.append(QString::fromLatin1(c.nom));
    return noms;
}

// The page's picture, copied into Images/ under the recipe's title, unless
// that recipe has a photograph already or the file is no picture.
void copierImage(const Programme& prog, const QString& page, const QString& adresse, const QString& titre)
{
    const QString source = imageEnregistree(page, adresse);
    const QFileInfo cible(cheminPhoto(prog.dossierProgramme(), titre));
    if (source.isEmpty() || cible.exists() || cible.isSymLink())
        return;
    try {
        QByteArray octets = lireFichierRecettes(source, kTailleMaxImage);
        // Recognised from the bytes read, as every reader of photographs does.
        QBuffer tampon(&octets);
        if (!tampon.open(QIODevice::ReadOnly) || QImageReader::imageFormat(&tampon).isEmpty())
            return;
        QDir().mkpath(QDir(prog.dossierProgramme()).filePath(u"Images"_s));
        ecrireFichierDurable(cible.filePath(), octets, false);
    } catch (const Echec&) {
        // The recipe is there without its photograph, as when the page has none.
    }
}

}  // namespace

bool importerRecettes(Programme& prog, QWidget* fenetre)
{
    BaseRecettes* base = prog.donnees.BaseDonnees.get();
    if (!base)
        return false;
    Dialogues& d = prog.dialogues();
    const QString chemin = d.ouvrirFichier(fenetre, QDir::currentPath(),
                                           u"Recettes MealMaster ou pages web (*.mmf *.mm *.mxp *.txt *.html *.htm *.json "
                                           "*.MMF *.MM *.MXP *.TXT *.HTML *.HTM *.JSON)"_s);
    if (chemin.isEmpty())
        return false;
    const QString nom = guillemets(QFileInfo(chemin).fileName());
    const QByteArray octets = lireFichierRecettes(chemin, kTailleMaxImport);
    const Lecture lecture = [&] {
        const Sablier sablier;
        return lireRecettes(octets);
    }();
    if (lecture.enTrop > 0)
        throw Echec(u"Le fichier %1 contient plus de %2 recettes : il n'a pas été importé. "
                    "Découpez-le en plusieurs fichiers."_s.arg(nom).arg(kRecettesMaxImport));
    if (lecture.recettes.empty())
        throw Echec(u"Le fichier %1 ne contient aucune recette lisible : ni recette MealMaster, ni recette "
                    "décrite dans une page web. Rien n'a été importé."_s.arg(nom));

    const QStringList noms = nomsCategories();
    const int courant = std::max<int>(0, static_cast<int>(noms.indexOf(prog.donnees.NomCategorie)));
    const int choix = d.choisir(fenetre,
                                u"%1 dans %2.\nCatégorie des recettes qui n'en nomment pas une du carnet :"_s
                                    .arg(recettes(static_cast<qsizetype>(lecture.recettes.size()), u"trouvée"_s), nom),
                                kTitreImport, noms, courant);
    if (choix < 0 || choix >= noms.size())
        return false;
    const QString code = QString::fromLatin1(CatalogueCategories().at(static_cast<std::size_t>(choix)).code);

    std::vector<Fiche> fiches;
    fiches.reserve(lecture.recettes.size());
    for (const RecetteLue& r : lecture.recettes)
        fiches.push_back(versFiche(r, code));

    ResultatLot resultat;
    preciser([&] {
        const Sablier sablier;
        QProgressDialog progression(u"Import des recettes de %1…"_s.arg(nom), QString(), 0,
                                    static_cast<int>(fiches.size()), fenetre);
        progression.setWindowTitle(kTitreImport);
        progression.setWindowModality(Qt::WindowModal);
        progression.setMinimumDuration(500);
        // Each step of the bar runs the event loop: one every 1 % is enough.
        const int pas = std::max<int>(1, static_cast<int>(fiches.size()) / 100);
        resultat = base->ajouterLot(fiches, [&](int n) {
            if (n % pas == 0 || n == static_cast<int>(fiches.size()))
                progression.setValue(n);
        });
    }, [](const QString& echec) { return echec + u"\nL'import est annulé : aucune recette n'a été ajoutée."_s; });

    int ailleurs = 0;
    for (const std::size_t i : resultat.ajoutees) {
        if (fiches[i].categorie != code)
            ++ailleurs;
        if (!lecture.recettes[i].image.isEmpty())
            copierImage(prog, chemin, lecture.recettes[i].image, fiches[i].titre);
    }

    QString resume = u"%1 dans %2"_s.arg(recettes(static_cast<qsizetype>(resultat.ajoutees.size()), u"importée"_s),
                                          guillemets(noms.at(choix)));
    if (ailleurs > 0)
        resume += u" (dont %1 dans la catégorie qu'elle%2 nomme%3)"_s.arg(ailleurs).arg(ailleurs > 1 ? u"s"_s : QString(),
                                                                                  ailleurs > 1 ? u"nt"_s : QString());
    if (!resultat.dejaPresentes.isEmpty()) {
        const qsizetype m = resultat.dejaPresentes.size();
        resume += u", %1 déjà présente%2 : "_s.arg(m).arg(m > 1 ? u"s"_s : QString());
        resume += resultat.dejaPresentes.mid(0, kTitresCites).join(u", "_s);
        if (m > kTitresCites)
            resume += u" et %1 autres"_s.arg(m - kTitresCites);
    }
    resume += u"."_s;
    if (lecture.illisibles > 0)
        resume += u"\n%1 passage%2 illisible%2 du fichier %3 été laissé%2 de côté."_s.arg(lecture.illisibles)
                      .arg(lecture.illisibles > 1 ? u"s"_s : QString(), lecture.illisibles > 1 ? u"ont"_s : u"a"_s);
    d.message(fenetre, resume, kTitreImport);
    return !resultat.ajoutees.empty();
}

void exporterRecettes(Programme& prog, QWidget* fenetre)
{
    BaseRecettes* base = prog.donnees.BaseDonnees.get();
    if (!base)
        return;
    Dialogues& d = prog.dialogues();
    QStringList elements = nomsCategories();
    elements.prepend(u"Toutes les recettes"_s);
    const int choix = d.choisir(fenetre, u"Recettes à exporter :"_s, kTitreExport, elements, 0);
    if (choix < 0 || choix >= elements.size())
        return;
    const QString proposition = QDir::current().filePath(nomFichierSur(choix == 0 ? u"Recettes"_s : elements.at(choix)) + u".mmf"_s);
    const QString chemin = d.enregistrerFichier(fenetre, proposition, u"Recettes MealMaster (*.mmf)"_s);
    if (chemin.isEmpty())
        return;
    const QString nom = guillemets(QFileInfo(chemin).fileName());
    // Never written through a link, nor over a folder or a device.
    const QFileInfo cible(chemin);
    if (cible.isSymLink() || (cible.exists() && !cible.isFile())) {
        d.message(fenetre, u"%1 n'est pas un fichier ordinaire : rien n'a été exporté."_s.arg(nom));
        return;
    }
    std::vector<Fiche> fiches;
    {
        const Sablier sablier;
        fiches = base->toutesLesFiches();
        if (choix > 0) {
            const QString code = QString::fromLatin1(CatalogueCategories().at(static_cast<std::size_t>(choix - 1)).code);
            std::erase_if(fiches, [&](const Fiche& f) { return f.categorie != code; });
        }
        if (!fiches.empty())
            preciser([&] { ecrireFichierDurable(chemin, ecrireMealMaster(fiches)); }, [&](const QString& r) {
                return u"Le fichier %1 n'a pas pu être écrit (%2) : rien n'a été exporté."_s.arg(nom, r);
            });
    }
    if (fiches.empty()) {
        d.message(fenetre, choix == 0 ? u"La base ne contient aucune recette : rien n'a été exporté."_s
                                      : u"La catégorie %1 ne contient aucune recette : rien n'a été exporté."_s.arg(guillemets(elements.at(choix))),
                  kTitreExport);
        return;
    }
    d.message(fenetre, u"%1 dans %2."_s.arg(recettes(static_cast<qsizetype>(fiches.size()), u"exportée"_s), nom), kTitreExport);
}
