// Dishes for feasts and holidays: the base FETES.MDB.
#include "recettes.h"

#include <array>

namespace {

const std::array recettes = {
RecetteDemo{"FOI", "FOIE GRAS MI-CUIT AU TORCHON", "40 MN", "5 MN", "lll", "Sauternes", true,
R"(1 lobe de foie gras de canard cru de 500 g
7 g de sel fin
2 g de poivre blanc
1 pincée de sucre
3 cl de cognac ou de sauternes
2 litres de bouillon de volaille)",
R"(Laissez le foie une heure à température ambiante pour qu'il s'assouplisse. Séparez les deux lobes et retirez délicatement les veines à la pointe d'un couteau, en suivant leur trajet depuis le gros vaisseau central.
Assaisonnez le foie de sel, de poivre et de sucre sur toutes les faces, arrosez de cognac, puis reformez le lobe. Roulez-le serré dans un linge propre en forme de boudin et ficelez les extrémités ; laissez reposer 12 heures au réfrigérateur.
Portez le bouillon à frémissement, plongez-y le torchon et laissez pocher 5 minutes, puis sortez-le et laissez refroidir. Resserrez le linge, qui a pris du mou, et laissez mûrir 48 heures au frais avant de déballer et de trancher à l'aide d'un couteau trempé dans l'eau chaude.
Servez avec du pain de campagne grillé, de la fleur de sel et un chutney de figues.)"},

RecetteDemo{"VIT", "TERRINE DE CAMPAGNE", "30 MN", "2 H", "ll", "Côtes-du-Rhône", true,
R"(500 g de gorge de porc
300 g de foies de volaille
300 g d'échine de porc
2 échalotes
2 gousses d'ail
1 oeuf
5 cl de cognac
1 crépine de porc
Thym, laurier
15 g de sel, poivre, quatre-épices)",
R"(Hachez grossièrement les viandes et les foies. Ajoutez les échalotes et l'ail hachés, l'oeuf, le cognac, le sel, le poivre et une pincée de quatre-épices ; mélangez bien et laissez reposer une nuit au frais pour que les saveurs se mêlent.
Préchauffez le four à 160 °C. Tapissez une terrine de crépine, remplissez-la de farce en tassant, posez dessus thym et laurier et rabattez la crépine.
Faites cuire 2 heures au bain-marie, couvercle posé. Laissez refroidir sous un poids, puis attendez trois jours au réfrigérateur avant d'entamer : la terrine n'en sera que meilleure. Servez avec des cornichons et du pain de campagne.)"},

RecetteDemo{"CAN", "MAGRET DE CANARD AU MIEL", "15 MN", "15 MN", "l", "Madiran", true,
R"(2 magrets de canard
3 cuillerées à soupe de miel de lavande
3 cuillerées à soupe de vinaigre balsamique
10 cl de fond de volaille
Fleur de sel, poivre du moulin)",
R"(Quadrillez la peau des magrets au couteau sans entailler la chair. Posez-les côté peau dans une poêle froide et faites-les cuire 8 minutes à feu moyen, en retirant la graisse fondue au fur et à mesure.
Retournez-les et laissez cuire 4 minutes côté chair pour une viande rosée. Enveloppez-les de papier d'aluminium et laissez-les reposer 5 minutes.
Jetez la graisse de la poêle, versez le miel et laissez-le caraméliser légèrement, puis déglacez au vinaigre balsamique et au fond de volaille ; faites réduire jusqu'à consistance sirupeuse. Tranchez les magrets en biais, nappez de sauce, salez de fleur de sel et poivrez.)"},

RecetteDemo{"CAN", "CANARD A L'ORANGE", "30 MN", "1 H 30", "lll", "Pomerol", false,
R"(1 canard de Barbarie de 2 kg
4 oranges non traitées
1 citron
50 g de sucre
5 cl de vinaigre de vin
5 cl de Grand Marnier
25 cl de fond brun
30 g de beurre
Sel, poivre)",
R"(Préchauffez le four à 200 °C. Salez et poivrez le canard à l'intérieur et à l'extérieur, glissez dans son ventre une orange coupée en quartiers. Faites-le rôtir 1 heure 30 en l'arrosant souvent.
Prélevez le zeste de deux oranges, taillez-le en fine julienne et blanchissez-le deux minutes. Pressez le jus des oranges restantes et du citron.
Faites un caramel avec le sucre, décuisez-le au vinaigre : c'est la gastrique. Ajoutez les jus d'agrumes, le fond brun et laissez réduire de moitié. Déglacez le plat de cuisson au Grand Marnier, ajoutez-le à la sauce, filtrez, montez au beurre et ajoutez les zestes.
Découpez le canard, nappez-le de sauce et décorez de suprêmes d'orange.)"},

RecetteDemo{"GIB", "NOISETTES DE CHEVREUIL GRAND VENEUR", "40 MN", "20 MN", "lll", "Hermitage rouge", true,
R"(8 noisettes de chevreuil prises dans la selle
50 cl de vin rouge corsé
1 carotte, 1 oignon, 1 échalote
10 baies de genièvre
1 bouquet garni
25 cl de fond de gibier
2 cuillerées à soupe de gelée de groseille
10 cl de crème fraîche
40 g de beurre
Sel, poivre)",
R"(Faites mariner les noisettes 12 heures dans le vin avec les légumes émincés, le genièvre écrasé et le bouquet garni.
Égouttez la viande et séchez-la. Faites réduire la marinade de moitié, ajoutez le fond de gibier et laissez encore réduire 20 minutes, puis passez au chinois. Incorporez la gelée de groseille et la crème : c'est la sauce grand veneur, qui doit napper la cuillère.
Saisissez les noisettes au beurre 3 minutes de chaque côté, la viande restant rosée. Servez nappé de sauce, avec une purée de marrons et des airelles.)"},

RecetteDemo{"LAP", "LAPIN A LA MOUTARDE", "20 MN", "1 H", "l", "Bourgogne aligoté", false,
R"(1 lapin coupé en morceaux
3 cuillerées à soupe de moutarde de Dijon
2 échalotes
20 cl de vin blanc sec
20 cl de crème fraîche
2 branches de thym
30 g de beurre
Sel, poivre)",
R"(Badigeonnez les morceaux de lapin de moutarde et laissez reposer 30 minutes.
Faites-les dorer au beurre dans une cocotte, ajoutez les échalotes émincées et laissez-les fondre. Mouillez avec le vin blanc, ajoutez le thym, salez, poivrez, couvrez et laissez mijoter 50 minutes.
Retirez les morceaux, ajoutez la crème dans la cocotte et faites réduire quelques minutes. Remettez le lapin dans la sauce et servez avec des tagliatelles fraîches.)"},

RecetteDemo{"CRU", "COQUILLES SAINT-JACQUES A LA BRETONNE", "30 MN", "10 MN", "ll", "Meursault", true,
R"(12 noix de Saint-Jacques avec leurs coquilles
3 échalotes
150 g de champignons de Paris
10 cl de muscadet
10 cl de crème fraîche
40 g de chapelure
60 g de beurre demi-sel
1 cuillerée à soupe de persil haché
Sel, poivre)",
R"(Rincez les noix et séchez-les ; brossez et gardez six coquilles creuses.
Faites fondre les échalotes et les champignons hachés dans 30 g de beurre, mouillez au muscadet et laissez réduire de moitié. Ajoutez la crème, salez, poivrez et laissez épaissir.
Coupez les noix en deux dans l'épaisseur et répartissez-les dans les coquilles beurrées. Nappez de sauce, saupoudrez de chapelure mêlée de persil et parsemez du reste du beurre. Passez 8 à 10 minutes sous le gril du four bien chaud : le dessus doit être gratiné et les noix juste nacrées.)"},

RecetteDemo{"CRU", "HOMARD THERMIDOR", "40 MN", "20 MN", "lll", "Chablis premier cru", false,
R"(2 homards bretons vivants de 600 g
2 échalotes
20 cl de vin blanc
20 cl de fumet de poisson
20 cl de crème fraîche
1 cuillerée à café de moutarde
2 jaunes d'oeufs
50 g de parmesan râpé
30 g de beurre
Sel, poivre de Cayenne)",
R"(Plongez les homards 3 minutes dans un court-bouillon bouillant, égouttez-les et coupez-les en deux dans la longueur. Retirez la chair de la queue et des pinces et coupez-la en escalopes ; gardez les demi-carapaces.
Faites réduire les échalotes hachées avec le vin blanc et le fumet jusqu'aux trois quarts, ajoutez la crème et laissez épaissir. Hors du feu, liez avec les jaunes, la moutarde, une pointe de Cayenne et la moitié du parmesan.
Faites raidir les escalopes de homard au beurre une minute, mêlez-les à un peu de sauce et répartissez-les dans les carapaces. Nappez du reste de sauce, saupoudrez de parmesan et faites gratiner 5 minutes sous le gril.)"},

RecetteDemo{"POU", "CHAPON FARCI AUX MARRONS", "40 MN", "3 H", "lll", "Saint-Julien", true,
R"(1 chapon de 3,5 kg
400 g de marrons cuits
250 g de chair à saucisse
Le foie du chapon
2 échalotes
1 oeuf
5 cl de cognac
60 g de beurre
1 verre de bouillon
Sel, poivre, quatre-épices)",
R"(Préparez la farce : hachez le foie et les échalotes, mélangez-les à la chair à saucisse, à l'oeuf, au cognac et à la moitié des marrons grossièrement écrasés ; salez, poivrez et relevez d'une pincée de quatre-épices.
Préchauffez le four à 180 °C. Farcissez le chapon, cousez l'ouverture et bridez-le. Enduisez-le de beurre, salez, poivrez et posez-le dans un grand plat avec le bouillon.
Faites rôtir 3 heures en arrosant toutes les quinze minutes ; couvrez de papier d'aluminium si la peau dore trop vite. Ajoutez les marrons restants dans le plat pour la dernière demi-heure.
Laissez reposer le chapon 15 minutes avant de le découper. Servez la farce tranchée et les marrons glacés de jus autour de la volaille.)"},

RecetteDemo{"AGN", "CARRE D'AGNEAU EN CROUTE D'HERBES", "20 MN", "25 MN", "ll", "Pauillac", true,
R"(2 carrés d'agneau de 6 côtes, manchonnés
60 g de chapelure
1 bouquet de persil plat
2 branches de romarin
2 gousses d'ail
50 g de beurre mou
1 cuillerée à soupe de moutarde
Huile d'olive, sel, poivre)",
R"(Préchauffez le four à 200 °C. Mixez la chapelure avec le persil, le romarin effeuillé, l'ail et le beurre mou jusqu'à obtenir une pâte verte.
Saisissez les carrés salés et poivrés dans l'huile, côté gras d'abord, 3 minutes sur chaque face. Badigeonnez le dessus de moutarde et pressez-y la croûte d'herbes.
Enfournez 18 à 20 minutes pour une viande rosée, puis laissez reposer 10 minutes sous une feuille d'aluminium. Découpez entre les os et servez avec un tian de légumes.)"},

RecetteDemo{"NOU", "NOUGAT DE MONTÉLIMAR", "30 MN", "15 MN", "lll", "?", true,
R"(250 g de miel de lavande
250 g de sucre
2 blancs d'oeufs
300 g d'amandes émondées
100 g de pistaches
2 feuilles de pain azyme
1 gousse de vanille)",
R"(Faites griller légèrement les amandes et les pistaches au four et gardez-les au chaud.
Portez le miel à 120 °C. En même temps, faites cuire le sucre avec 5 cl d'eau jusqu'à 145 °C. Montez les blancs en neige, puis versez-y le miel chaud en filet sans cesser de battre, ensuite le sucre cuit, et continuez de battre jusqu'à ce que la masse épaississe et devienne tiède, ce qui prend dix bonnes minutes.
Incorporez la vanille et les fruits secs encore chauds. Étalez la pâte sur une feuille de pain azyme dans un cadre, couvrez de la seconde, pressez sous une planche et laissez durcir 12 heures avant de couper en barres.)"},

RecetteDemo{"DES", "BÛCHE DE NOËL AU CHOCOLAT", "45 MN", "12 MN", "lll", "Champagne demi-sec", true,
R"(Pour le biscuit :
4 oeufs
100 g de sucre
80 g de farine
20 g de cacao
Pour la crème :
200 g de chocolat noir
30 cl de crème liquide
50 g de beurre
Sucre glace pour le décor)",
R"(Préchauffez le four à 200 °C. Fouettez les jaunes avec le sucre jusqu'à ce qu'ils blanchissent, ajoutez la farine et le cacao tamisés, puis les blancs montés en neige.
Étalez la pâte sur une plaque couverte de papier sulfurisé et faites cuire 10 à 12 minutes. Retournez le biscuit sur un linge humide, retirez le papier et roulez-le aussitôt avec le linge ; laissez refroidir ainsi.
Versez la crème bouillante sur le chocolat haché, ajoutez le beurre et lissez ; laissez prendre une heure au frais. Déroulez le biscuit, garnissez-le d'un tiers de la ganache, roulez-le et couvrez-le du reste. Striez le dessus à la fourchette pour imiter l'écorce, coupez les extrémités en biais et saupoudrez de sucre glace comme d'une neige.)"},

RecetteDemo{"VER", "VERRINE AVOCAT CREVETTES", "20 MN", "?", "l", "Champagne brut", false,
R"(2 avocats bien mûrs
200 g de crevettes roses décortiquées
1 citron vert
10 cl de crème fraîche
1 pointe de piment d'Espelette
Quelques brins de ciboulette
Sel, poivre)",
R"(Écrasez la chair des avocats avec le jus du citron vert, salez et poivrez.
Fouettez la crème bien froide en chantilly, assaisonnez-la de sel, de piment et de ciboulette ciselée.
Dans chaque verrine, superposez la purée d'avocat, les crevettes puis la crème. Gardez au frais jusqu'au moment de servir.)"},

RecetteDemo{"DES", "GALETTE DES ROIS", "30 MN", "35 MN", "ll", "Cidre bouché", false,
R"(2 disques de pâte feuilletée pur beurre
100 g de poudre d'amandes
80 g de sucre
80 g de beurre mou
2 oeufs et 1 jaune pour la dorure
1 cuillerée à soupe de rhum
1 fève)",
R"(Préparez la frangipane : mélangez le beurre mou et le sucre, ajoutez la poudre d'amandes, les oeufs un à un et le rhum.
Posez un disque de pâte sur la plaque, étalez la frangipane en laissant 2 cm de bord libre, cachez la fève près du bord. Mouillez le bord, couvrez du second disque et soudez en pressant.
Dorez au jaune d'oeuf, dessinez des arcs à la pointe du couteau et faites trois petites cheminées. Enfournez 35 minutes à 190 °C. Servez tiède ; le plus jeune, caché sous la table, désigne à qui revient chaque part.)"},
};

}  // namespace

std::span<const RecetteDemo> recettesFetes()
{
    return recettes;
}
