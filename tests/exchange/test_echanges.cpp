// Recipe files in and out: MealMaster and recipe web pages read into cards,
// the main menu's import and export, hostile files.
#include "exchange/jsonld.h"
#include "exchange/lecture.h"
#include "platform/encodage.h"
#include "platform/listefichiers.h"
#include "shell/kaldepart.h"

#include "environnement.h"

#include <QAction>
#include <QImage>
#include <QLabel>

#include <sys/stat.h>

using namespace Qt::Literals::StringLiterals;

namespace {

// A card as one line: category, title, the times, difficulty, ingredients, preparation, drink.
QString vue(const Fiche& f)
{
    return QStringList{f.categorie, f.titre, f.tempPrepa, f.tempCuisson, f.difficulte, f.ingrediant, f.preparation, f.vin}
        .join(u'|');
}

// Each file read gives these cards and this count of unreadable recipes.
struct Cas {
    QByteArray octets;
    QStringList attendu;
    int illisibles;
};
void lire(std::initializer_list<Cas> cas)
{
    for (const Cas& c : cas) {
        const Lecture l = lireRecettes(c.octets);
        QStringList v;
        for (const RecetteLue& r : l.recettes)
            v.append(vue(versFiche(r, u"PLA"_s)));
        EXPECT_EQ(v, c.attendu);
        EXPECT_EQ(l.illisibles, c.illisibles);
    }
}

QString deux(const QString& gauche, const QString& droite)
{
    return gauche.leftJustified(41) + droite;
}

const QString kGateau = u"MMMMM----- Recipe via Meal-Master (tm) v8.05\n \n      Title: Gâteau au chocolat\n"
                        " Categories: Cakes, Desserts\n      Yield: 8 servings\n \n"_s
                        + deux(u"      2 c  Flour"_s, u"      1 ts Salt"_s) + u"\n"_s
                        + deux(u"    1/2 c  Sugar"_s, u"      3    Eggs"_s) + u"\n"_s
                        + u"    200 g  Dark chocolate, broken into\n           -small pieces\n \n"
                          "MMMMM-----------------------GLAZE-----------------------\n      1 tb Butter\n\n"
                          "  Melt the chocolate\n  gently.\n\n  Bake 30 minutes.\nMMMMM\n"
                          "MMMMM----- Recipe via Meal-Master (tm) v8.05\n Categories: Misc\n  No title.\nMMMMM\n"_s;

TEST(LectureMealMaster, StylesEncodagesEtColonnes)
{
    const QString soupe = u"---------- Recipe via Meal-Master (tm) v8.02\r\n\r\n      Title: Soupe à l'oignon\r\n"
                          " Categories: Soups\r\n   Servings: 4\r\n\r\n      4 md\r\n           -onions\r\n\r\n  Slice.\r\n"_s;
    lire({
        {kGateau.toUtf8(),
         {u"DES|GÂTEAU AU CHOCOLAT||?|l|Pour : 8 servings\r\n2 c Flour\r\n1/2 c Sugar\r\n"
          "200 g Dark chocolate, broken into small pieces\r\n1 ts Salt\r\n3 Eggs\r\n\r\nGLAZE\r\n1 tb Butter|"
          "Melt the chocolate gently.\r\nBake 30 minutes.|?"_s},
         1},
        // Latin-1, CR LF, cut short at the end of the file.
        {soupe.toLatin1(), {u"PLA|SOUPE À L'OIGNON||?|l|Pour : 4\r\n4 md onions|Slice.|?"_s}, 0},
        {encoder1252(QString(soupe).replace(u"Soupe à l'oignon"_s, u"Bœuf “mode”"_s)),
         {u"PLA|BŒUF “MODE”||?|l|Pour : 4\r\n4 md onions|Slice.|?"_s}, 0},
        {QByteArray("\x00\xff\x10 MMMMM", 9), {}, 0},
    });
}

// The first category the program knows decides the card's, not the last;
// a line break or a tab in a one-line field becomes a blank.
TEST(LectureMealMaster, LaPremiereCategorieConnueDecideEtUnChampTientSurUneLigne)
{
    RecetteLue r;
    r.titre = u"Ragoût\r\nde\tmouton"_s;
    r.categories = {u"Misc"_s, u"Lamb"_s, u"Chicken"_s};
    const Fiche f = versFiche(r, u"PLA"_s);
    EXPECT_EQ(f.categorie, u"AGN"_s);
    EXPECT_EQ(f.titre, u"RAGOÛT  DE MOUTON"_s);
}

TEST(LectureJsonLd, GrapheSectionsListesEtDurees)
{
    lire({
        {R"(<html><head><script type="application/ld+json">{"@context":"https://schema.org","@graph":[
            {"@type":"WebPage","name":"x"},{"@type":["Recipe"],"name":"Tarte &amp; pommes","recipeCategory":"Dessert",
            "recipeIngredient":["3 pommes","1 pâte"],"prepTime":"PT20M","cookTime":"PT1H30M","recipeYield":["6","6 parts"],
            "recipeInstructions":[{"@type":"HowToStep","text":"Étaler la pâte."},{"@type":"HowToStep","text":"Cuire."}]}]}
            </script></head></html>)",
         {u"DES|TARTE & POMMES|20 MN|1 H 30|l|Pour : 6\r\n3 pommes\r\n1 pâte|Étaler la pâte.\r\nCuire.|?"_s}, 0},
        {R"([{"@type":"Recipe","name":"Poulet","recipeIngredient":"1 poulet","cookTime":"P0DT2H","recipeYield":4,
            "recipeInstructions":[{"@type":"HowToSection","name":"Marinade","itemListElement":[{"@type":"HowToStep",
            "text":"Mélanger."}]},{"@type":"HowToSection","name":"Cuisson","itemListElement":[{"name":"Rôtir."}]}]}])",
         {u"PLA|POULET||2 H|l|Pour : 4\r\n1 poulet|Marinade\r\nMélanger.\r\nCuisson\r\nRôtir.|?"_s}, 0},
        {R"(<SCRIPT type='application/ld+json'>{"@type":</SCRIPT><script type="application/ld+json">
            {"@type":"Recipe","name":"Gratin &#xD800;","recipeInstructions":"Râper.<br>Gratiner.","prepTime":"PT1H5M"}</script>)",
         {u"PLA|GRATIN &#XD800;|1 H 05|?|l|?|Râper.\r\nGratiner.|?"_s}, 1},
        {R"(<script type="application/ld+json">{"@type":"Recipe","prepTime":"PT0S"}</script>)", {}, 1},
    });
    EXPECT_EQ(dureeIso(u"PT90M"_s) + u'|' + dureeIso(u"pt45m"_s) + u'|' + dureeIso(u"P1D"_s) + u'|' + dureeIso(u"20 min"_s),
              u"1 H 30|45 MN|24 H|"_s);
}

class Echanges : public DossierProgramme {
protected:
    KalDepart& menu(const QString& nom)
    {
        Programme& p = prog ? *prog : programme();
        if (!p.kalDepart)
            p.charger(p.kalDepart);
        for (int i = 0; i < p.kalDepart->File1->ListCount(); ++i)
            if (p.kalDepart->File1->List(i) == nom)
                p.kalDepart->File1->setCurrentRow(i);
        return *p.kalDepart;
    }
    // "Importer des recettes" on `fichier`, filed under the catalogue row `categorie`.
    void importer(KalDepart& m, const QString& fichier, int categorie = 21)
    {
        dialogues->fichiersChoisis = {fichier};
        dialogues->choix = {categorie};
        m.Importer->trigger();
    }
};

TEST_F(Echanges, LExportPuisLImportRendentLesMemesFiches)
{
    Fiche a = fiche(u"FON"_s, u"FOND BRUN"_s, u"Pour : 2 litres\r\n2 carottes\r\n- 1 kg d'os\r\n\r\n"
                    "Poivre noir du moulin, moulu        1 g  de sel"_s,
                    u"Rôtir les os.\r\n\r\n\r\nMouiller ; cuire 4 h à frémissement, écumer souvent."_s);
    a.tempPrepa = QString();
    a.tempCuisson = u"4 H"_s;
    a.difficulte = u"abc"_s;
    a.vin = u"Côtes du Rhône"_s;
    creerBase(u"Fetes.mdb"_s, {a, fiche(u"SAU"_s, u"SAUCE BÉARNAISE « ŒUF »"_s), fiche(u"HOR"_s, u"ŒUFS MIMOSA"_s)});
    creerBase(u"Vide.mdb"_s);
    KalDepart& m = menu(u"Fetes.mdb"_s);
    ASSERT_TRUE(m.Importer->isVisible() && m.Exporter->isVisible());

    dialogues->fichiersChoisis = {chemin(u"tout.mmf"_s)};
    dialogues->choix = {0};
    m.Exporter->trigger();
    EXPECT_EQ(dialogues->dernierMessage(), u"3 recettes exportées dans « tout.mmf »."_s);
    const QByteArray octets = contenu(chemin(u"tout.mmf"_s));
    EXPECT_EQ(octets.count("\n"), octets.count("\r\n"));
    EXPECT_TRUE(octets.contains("\x8C" "UFS MIMOSA")) << "Windows-1252";
    const std::vector<Fiche> avant = prog->donnees.BaseDonnees->toutesLesFiches();
    // One category; never through a link.
    ASSERT_TRUE(QFile::link(chemin(u"tout.mmf"_s), chemin(u"lien.mmf"_s)));
    dialogues->fichiersChoisis = {chemin(u"fonds.mmf"_s), chemin(u"lien.mmf"_s)};
    dialogues->choix = {4, 0};
    m.Exporter->trigger();
    EXPECT_EQ(dialogues->dernierMessage(), u"1 recette exportée dans « fonds.mmf »."_s);
    m.Exporter->trigger();
    EXPECT_EQ(dialogues->dernierMessage(), u"« lien.mmf » n'est pas un fichier ordinaire : rien n'a été exporté."_s);
    EXPECT_EQ(contenu(chemin(u"tout.mmf"_s)), octets);

    m.Change->trigger();
    KalDepart& vide = menu(u"Vide.mdb"_s);
    // Each recipe twice in one file: the first copy is added, under its own category.
    ecrire(chemin(u"double.mmf"_s), octets + octets);
    importer(vide, chemin(u"double.mmf"_s));
    EXPECT_EQ(dialogues->dernierMessage(), u"3 recettes importées dans « PLAT COMPLET » (dont 3 dans la catégorie "
                                           "qu'elles nomment), 3 déjà présentes : FOND BRUN, SAUCE BÉARNAISE « ŒUF », ŒUFS MIMOSA."_s);
    EXPECT_EQ(vide.Label2->text(), u"Nombre de Recettes  3"_s);
    const std::vector<Fiche> apres = prog->donnees.BaseDonnees->toutesLesFiches();
    ASSERT_EQ(apres.size(), avant.size());
    for (std::size_t i = 0; i < avant.size(); ++i)
        EXPECT_EQ(QString::number(apres[i].numero) + vue(apres[i]), QString::number(avant[i].numero) + vue(avant[i]));

    // Again: every title is there already, and said; nothing is added.
    importer(vide, chemin(u"tout.mmf"_s));
    EXPECT_EQ(dialogues->dernierMessage(), u"0 recette importée dans « PLAT COMPLET », 3 déjà présentes : "
                                           "FOND BRUN, SAUCE BÉARNAISE « ŒUF », ŒUFS MIMOSA."_s);
    EXPECT_EQ(prog->donnees.BaseDonnees->compter(), 3);
}

TEST_F(Echanges, FichiersHostilesEtPageEnregistreeAvecSonImage)
{
    creerBase(u"Fetes.mdb"_s, {fiche(u"DES"_s, u"TARTE"_s)});
    ASSERT_EQ(::mkfifo(chemin(u"tube.mmf"_s).toLocal8Bit().constData(), 0600), 0);
    ecrire(chemin(u"bruit.txt"_s), QByteArray(5000, '\x9c'));
    {
        QFile gros(chemin(u"gros.mmf"_s));
        ASSERT_TRUE(gros.open(QIODevice::WriteOnly) && gros.resize(kTailleMaxImport + 1));
    }
    KalDepart& m = menu(u"Fetes.mdb"_s);
    const std::pair<const char16_t*, const char16_t*> cas[] = {
        {u"tube.mmf", u"« tube.mmf » n'est pas un fichier ordinaire : il n'a pas été lu."},
        {u"gros.mmf", u"Le fichier « gros.mmf » est trop grand (32 Mo au plus) : il n'a pas été lu."},
        {u"bruit.txt", u"Le fichier « bruit.txt » ne contient aucune recette lisible : ni recette MealMaster, ni "
                       "recette décrite dans une page web. Rien n'a été importé."},
        {u"absent.json", u"Le fichier « absent.json » ne peut pas être ouvert."},
    };
    for (const auto& [nom, message] : cas) {
        importer(m, chemin(QString::fromUtf16(nom)));
        EXPECT_EQ(dialogues->dernierMessage(), QString::fromUtf16(message));
        EXPECT_TRUE(m.isEnabled() && m.isVisible());
    }
    EXPECT_EQ(prog->donnees.BaseDonnees->compter(), 1);

    // A page saved with its files folder brings its picture along.
    ASSERT_TRUE(QDir(dossier.path()).mkpath(u"Clafoutis_files"_s));
    QImage photo(8, 8, QImage::Format_RGB32);
    photo.fill(Qt::red);
    ASSERT_TRUE(photo.save(chemin(u"Clafoutis_files/cerises.jpg"_s), "JPEG"));
    ecrire(chemin(u"Clafoutis.html"_s), R"(<script type="application/ld+json">{"@type":"Recipe","name":"Clafoutis",
        "image":{"@type":"ImageObject","url":"https://exemple.test/img/cerises.jpg"},"recipeInstructions":"Cuire."}
        </script>)");
    importer(m, chemin(u"Clafoutis.html"_s), 24);
    EXPECT_EQ(dialogues->dernierMessage(), u"1 recette importée dans « DESSERT »."_s);
    EXPECT_EQ(QImage(chemin(u"Images/CLAFOUTIS.jpg"_s)).size(), QSize(8, 8));
}

}  // namespace
