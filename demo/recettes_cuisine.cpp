// Everyday French cooking: the base Cuisine.mdb.
#include "recettes.h"

#include <array>

namespace {

const std::array recettes = {
RecetteDemo{"AGN", "GIGOT D'AGNEAU AU FOUR", "20 MN", "1 H", "ll", "Saint-Émilion", true,
R"(1 gigot d'agneau de 2 kg
6 gousses d'ail
2 branches de romarin
4 branches de thym
3 cuillerées à soupe d'huile d'olive
30 g de beurre
1 verre d'eau chaude
Sel, poivre du moulin)",
R"(Sortez le gigot du réfrigérateur une heure avant la cuisson. Préchauffez le four à 220 °C.
Piquez la chair de quatre gousses d'ail coupées en deux, en enfonçant la pointe d'un couteau près de l'os, puis glissez-y quelques aiguilles de romarin. Frottez le gigot d'huile d'olive, salez et poivrez généreusement sur toutes ses faces.
Posez le gigot dans un plat à rôtir avec le beurre en parcelles, le thym et les deux gousses d'ail restantes en chemise. Enfournez 15 minutes, puis baissez à 180 °C et comptez encore 45 minutes pour une chair rosée, en arrosant toutes les dix minutes avec le jus du plat.
Sortez le gigot, enveloppez-le de papier d'aluminium et laissez-le reposer 15 minutes : les fibres se détendent et le jus se répartit. Déglacez le plat avec l'eau chaude en grattant les sucs, filtrez et servez ce jus en saucière.
Découpez en tranches fines perpendiculaires à l'os et servez avec des flageolets ou un gratin.)"},

RecetteDemo{"AGN", "NAVARIN D'AGNEAU PRINTANIER", "30 MN", "1 H 30", "ll", "Côtes-du-Rhône", true,
R"(1,2 kg d'épaule et de collier d'agneau en morceaux
2 cuillerées à soupe d'huile
1 cuillerée à soupe de farine
1 cuillerée à soupe de concentré de tomate
2 gousses d'ail
1 bouquet garni
12 petits navets nouveaux
1 botte de carottes nouvelles
12 oignons grelots
300 g de petits pois écossés
500 g de pommes de terre nouvelles
Sel, poivre)",
R"(Faites dorer les morceaux d'agneau dans l'huile chaude d'une cocotte, en plusieurs fois pour ne pas les entasser. Retirez l'excès de graisse.
Saupoudrez la viande de farine, remuez deux minutes sur le feu pour la faire roussir, ajoutez le concentré de tomate, l'ail écrasé et le bouquet garni. Mouillez à hauteur d'eau chaude, salez, poivrez, couvrez et laissez mijoter 45 minutes à petit feu.
Pendant ce temps, épluchez les navets, les carottes et les oignons en leur laissant un peu de vert ; grattez les pommes de terre. Ajoutez-les dans la cocotte et poursuivez la cuisson 30 minutes, puis mettez les petits pois pour les 15 dernières minutes.
Rectifiez l'assaisonnement, retirez le bouquet garni et servez dans la cocotte.)"},

RecetteDemo{"AGN", "EPAULE D'AGNEAU BOULANGERE", "20 MN", "2 H", "l", "Madiran", false,
R"(1 épaule d'agneau désossée et roulée
1,2 kg de pommes de terre
3 oignons
3 gousses d'ail
50 cl de bouillon de volaille
4 branches de thym
2 feuilles de laurier
40 g de beurre
Sel, poivre)",
R"(Préchauffez le four à 180 °C. Épluchez les pommes de terre et coupez-les en rondelles de 3 mm ; émincez finement les oignons.
Beurrez un grand plat, alternez les couches de pommes de terre et d'oignons en salant, poivrant et parsemant de thym émietté ; glissez le laurier et l'ail écrasé au milieu. Versez le bouillon chaud jusqu'à affleurer la dernière couche.
Posez l'épaule salée et poivrée sur les pommes de terre, avec quelques noisettes de beurre. Enfournez 2 heures : la viande arrose les pommes de terre de son jus pendant qu'elles confisent dans le bouillon. Retournez l'épaule à mi-cuisson.
Servez l'épaule tranchée sur son lit de pommes de terre, directement dans le plat.)"},

RecetteDemo{"BOE", "BOEUF BOURGUIGNON", "40 MN", "3 H", "ll", "Bourgogne Pinot noir", true,
R"(1,5 kg de paleron et de joue de boeuf
1 bouteille de vin rouge de Bourgogne
200 g de lardons
250 g de champignons de Paris
20 oignons grelots
2 carottes
1 oignon piqué de 2 clous de girofle
2 gousses d'ail
1 bouquet garni
2 cuillerées à soupe de farine
40 g de beurre
Sel, poivre)",
R"(La veille, coupez la viande en cubes de 5 cm et mettez-la à mariner dans le vin avec les carottes en rondelles, l'oignon piqué, l'ail et le bouquet garni.
Le jour même, égouttez la viande et séchez-la soigneusement ; réservez la marinade. Faites revenir les lardons dans une cocotte, retirez-les, puis saisissez les morceaux de boeuf dans leur graisse, par petites quantités, jusqu'à ce qu'ils soient bien colorés sur toutes les faces.
Remettez toute la viande, saupoudrez de farine et laissez roussir en remuant. Versez la marinade et ses légumes, portez à ébullition, écumez, puis couvrez et laissez mijoter 3 heures à tout petit feu : la sauce doit à peine frémir.
Une demi-heure avant la fin, faites glacer les oignons grelots au beurre avec une pincée de sucre, et sauter les champignons coupés en quartiers. Ajoutez-les à la cocotte avec les lardons. Servez avec des pommes vapeur ou des tagliatelles fraîches.)"},

RecetteDemo{"BOE", "POT-AU-FEU", "30 MN", "3 H 30", "l", "Beaujolais", false,
R"(800 g de plat de côtes
600 g de gîte
600 g de macreuse
2 os à moelle
6 carottes
4 navets
4 poireaux
1 branche de céleri
1 oignon piqué de 3 clous de girofle
1 bouquet garni
10 grains de poivre
Gros sel)",
R"(Mettez les viandes dans un grand faitout, couvrez largement d'eau froide et portez doucement à ébullition. Écumez soigneusement pendant dix minutes : c'est ce qui donne un bouillon clair.
Ajoutez l'oignon piqué, le bouquet garni, le poivre et une cuillerée de gros sel. Laissez frémir 2 heures à couvert.
Ajoutez les carottes, les navets, le céleri et les poireaux ficelés en botte ; poursuivez la cuisson 1 heure. Enveloppez les os à moelle dans une mousseline, salez leurs extrémités et plongez-les pour les 20 dernières minutes.
Servez le bouillon d'abord, en tasses, avec des croûtons. Présentez ensuite les viandes tranchées entourées des légumes, avec gros sel, cornichons, moutarde forte et la moelle tartinée sur du pain grillé.)"},

RecetteDemo{"VEA", "BLANQUETTE DE VEAU A L'ANCIENNE", "30 MN", "1 H 45", "ll", "Chablis", true,
R"(1,2 kg de tendron et d'épaule de veau
2 carottes
1 oignon piqué d'un clou de girofle
1 blanc de poireau
1 bouquet garni
250 g de champignons de Paris
15 oignons grelots
50 g de beurre
40 g de farine
20 cl de crème fraîche épaisse
2 jaunes d'oeufs
Le jus d'un demi-citron
Sel, poivre blanc)",
R"(Coupez le veau en morceaux, mettez-les dans une cocotte, couvrez d'eau froide et portez à ébullition. Égouttez, rincez la viande à l'eau froide : elle restera bien blanche.
Remettez la viande dans la cocotte rincée avec les carottes, le poireau, l'oignon piqué et le bouquet garni ; couvrez d'eau, salez et laissez frémir 1 heure 30. Faites cuire à part les champignons et les oignons grelots dans un peu de beurre et d'eau citronnée.
Filtrez le bouillon. Dans une casserole, faites fondre le beurre, ajoutez la farine et cuisez ce roux blanc deux minutes sans le colorer, puis versez un litre de bouillon en fouettant ; laissez épaissir dix minutes.
Hors du feu, mélangez la crème et les jaunes d'oeufs, délayez avec une louche de sauce, puis versez le tout dans la casserole sans plus faire bouillir. Ajoutez le jus de citron, la viande, les champignons et les oignons. Servez avec un riz pilaf.)"},

RecetteDemo{"POU", "POULET BASQUAISE", "25 MN", "1 H", "l", "Irouléguy", true,
R"(1 poulet fermier coupé en 8 morceaux
3 poivrons (rouges et verts)
4 tomates bien mûres
2 oignons
3 gousses d'ail
100 g de jambon de Bayonne en dés
10 cl de vin blanc sec
4 cuillerées à soupe d'huile d'olive
1 cuillerée à café de piment d'Espelette
1 bouquet garni
Sel)",
R"(Faites dorer les morceaux de poulet salés dans l'huile d'olive d'une sauteuse, sur toutes les faces, puis réservez-les.
Dans la même sauteuse, faites fondre les oignons émincés et les poivrons coupés en lanières, à feu moyen, pendant dix minutes. Ajoutez l'ail, le jambon, puis les tomates pelées et concassées, le piment d'Espelette et le bouquet garni.
Remettez le poulet, versez le vin blanc, couvrez et laissez mijoter 45 minutes en retournant les morceaux de temps en temps. La sauce doit être épaisse et parfumée ; si elle est trop liquide, découvrez pendant les dix dernières minutes.
Servez avec du riz blanc.)"},

RecetteDemo{"POU", "POULET ROTI DU DIMANCHE", "10 MN", "1 H 15", "l", "Chinon", false,
R"(1 poulet fermier de 1,6 kg
50 g de beurre mou
1 citron
1 tête d'ail
4 branches de thym
1 verre d'eau
Sel, poivre)",
R"(Préchauffez le four à 210 °C. Salez et poivrez l'intérieur du poulet, glissez-y le citron coupé en deux et deux branches de thym.
Enduisez toute la peau de beurre mou, salez-la. Couchez le poulet sur le côté dans un plat, entouré des gousses d'ail en chemise et du reste du thym, avec le verre d'eau au fond.
Faites rôtir 1 heure 15 en le tournant sur l'autre cuisse au bout de 25 minutes, puis sur le dos pour les 25 dernières minutes ; arrosez souvent. Le poulet est cuit quand le jus qui s'écoule de la cuisse piquée est clair.
Laissez reposer dix minutes four éteint, porte entrouverte, avant de découper. Servez le jus dégraissé à part.)"},

RecetteDemo{"POU", "POULET VALLEE D'AUGE", "20 MN", "45 MN", "ll", "Cidre brut", false,
R"(1 poulet coupé en morceaux
4 pommes reinettes
250 g de champignons de Paris
2 échalotes
5 cl de calvados
25 cl de cidre brut
25 cl de crème fraîche
40 g de beurre
Sel, poivre)",
R"(Faites dorer les morceaux de poulet dans la moitié du beurre. Ajoutez les échalotes hachées, laissez-les fondre, puis versez le calvados et flambez.
Mouillez avec le cidre, salez, poivrez, ajoutez les champignons émincés, couvrez et laissez cuire 35 minutes.
Pendant ce temps, pelez les pommes, coupez-les en quartiers et faites-les dorer dans le reste du beurre. Retirez le poulet, faites réduire la sauce de moitié, ajoutez la crème et laissez épaissir quelques minutes. Nappez le poulet et entourez-le des quartiers de pomme.)"},

RecetteDemo{"COQ", "COQ AU VIN", "40 MN", "2 H 30", "lll", "Gevrey-Chambertin", true,
R"(1 coq de 3 kg coupé en morceaux
1 bouteille de vin rouge corsé
150 g de lardons fumés
250 g de champignons de Paris
20 oignons grelots
2 carottes
2 gousses d'ail
1 bouquet garni
5 cl de cognac
2 cuillerées à soupe de farine
50 g de beurre
Sel, poivre)",
R"(La veille, faites mariner les morceaux de coq dans le vin avec les carottes en rondelles, l'ail et le bouquet garni.
Égouttez et séchez les morceaux. Faites rissoler les lardons dans une cocotte, retirez-les, puis faites dorer le coq dans le beurre. Arrosez de cognac et flambez. Saupoudrez de farine, remuez, puis versez la marinade passée au chinois et portez à ébullition.
Couvrez et laissez mijoter 2 heures 30 à feu doux : un coq, plus ferme qu'un poulet, demande cette longue cuisson pour devenir fondant. Une demi-heure avant la fin, ajoutez les lardons, les oignons glacés et les champignons sautés.
Dressez les morceaux dans un plat chaud et nappez de la sauce réduite. Certains la lient, hors du feu, avec un peu du sang de la volaille ; servez avec des pommes de terre vapeur.)"},

RecetteDemo{"POR", "ROTI DE PORC AUX PRUNEAUX", "20 MN", "1 H 15", "l", "Cahors", true,
R"(1 rôti de porc dans l'échine de 1,2 kg
20 pruneaux d'Agen dénoyautés
1 verre d'armagnac
2 oignons
20 cl de bouillon
30 g de beurre
1 cuillerée à soupe d'huile
Sel, poivre)",
R"(La veille, faites tremper les pruneaux dans l'armagnac allongé d'un verre de thé tiède.
Préchauffez le four à 180 °C. Dans une cocotte allant au four, faites dorer le rôti salé et poivré dans le beurre et l'huile, sur toutes ses faces. Ajoutez les oignons émincés et laissez-les blondir.
Versez le bouillon, couvrez et enfournez 1 heure. Ajoutez alors les pruneaux et leur jus de trempage, puis poursuivez 15 minutes à découvert en arrosant.
Tranchez le rôti et servez-le nappé du jus, entouré des pruneaux, avec une purée de céleri.)"},

RecetteDemo{"POR", "PETIT SALE AUX LENTILLES", "20 MN", "1 H 30", "l", "Beaujolais-Villages", false,
R"(1 kg de petit salé (poitrine et palette demi-sel)
1 saucisse de Morteau
400 g de lentilles vertes du Puy
2 carottes
1 oignon piqué de 2 clous de girofle
1 bouquet garni
Poivre)",
R"(Faites dessaler le petit salé deux heures dans l'eau froide, puis mettez-le dans un faitout, couvrez d'eau froide, portez à ébullition et écumez.
Ajoutez l'oignon piqué, les carottes coupées en tronçons et le bouquet garni ; laissez frémir 1 heure sans saler.
Ajoutez les lentilles rincées et la saucisse piquée à la fourchette ; poursuivez la cuisson 30 minutes, jusqu'à ce que les lentilles soient tendres mais entières. Poivrez, goûtez avant de saler : la viande suffit souvent. Servez avec de la moutarde.)"},

RecetteDemo{"LEG", "RATATOUILLE NIÇOISE", "40 MN", "1 H", "l", "Rosé de Provence", true,
R"(2 aubergines
3 courgettes
2 poivrons rouges
1 poivron jaune
6 tomates mûres
2 oignons
4 gousses d'ail
1 bouquet de basilic
Thym, laurier
15 cl d'huile d'olive
Sel, poivre)",
R"(Coupez tous les légumes en dés de 2 cm, séparément : chacun a sa propre cuisson et c'est ce qui fait une ratatouille réussie plutôt qu'une compote.
Faites revenir successivement dans l'huile d'olive, à la poêle, les aubergines, les courgettes puis les poivrons, chacun jusqu'à ce qu'il soit doré, et réservez-les. Dans une cocotte, faites fondre les oignons, ajoutez l'ail, les tomates pelées et concassées, le thym et le laurier, et laissez compoter 15 minutes.
Réunissez tous les légumes dans la cocotte, salez, poivrez, et laissez mijoter 40 minutes à couvert sur feu très doux. Ajoutez le basilic ciselé au moment de servir. La ratatouille est encore meilleure réchauffée le lendemain, chaude ou froide.)"},

RecetteDemo{"LEG", "GRATIN DAUPHINOIS", "20 MN", "1 H 15", "l", "?", false,
R"(1,2 kg de pommes de terre à chair ferme
50 cl de lait entier
30 cl de crème fraîche
2 gousses d'ail
30 g de beurre
Noix de muscade
Sel, poivre)",
R"(Préchauffez le four à 160 °C. Épluchez les pommes de terre, coupez-les en rondelles fines de 2 mm et ne les lavez pas : leur amidon liera la crème.
Portez à frémissement le lait avec une gousse d'ail écrasée, le sel, le poivre et la muscade, plongez-y les pommes de terre et laissez cuire 10 minutes en remuant délicatement.
Frottez un plat en terre avec l'autre gousse d'ail, beurrez-le, versez-y les pommes de terre et leur lait, puis nappez de crème. Enfournez 1 heure : le dessus doit être doré et les pommes de terre fondantes sous la pointe d'un couteau. Le vrai gratin dauphinois ne contient pas de fromage.)"},

RecetteDemo{"SAU", "SAUCE BÉARNAISE", "15 MN", "15 MN", "lll", "?", true,
R"(3 jaunes d'oeufs
200 g de beurre clarifié
3 échalotes
10 cl de vinaigre de vin blanc
10 cl de vin blanc sec
1 bouquet d'estragon
Quelques brins de cerfeuil
1 cuillerée à café de poivre mignonnette
Sel)",
R"(Dans une petite casserole, réunissez les échalotes hachées très fin, le vinaigre, le vin blanc, la moitié de l'estragon haché et le poivre concassé. Faites réduire à feu doux jusqu'à ce qu'il ne reste que deux cuillerées à soupe de liquide. Laissez tiédir.
Ajoutez les jaunes d'oeufs et une cuillerée d'eau froide à la réduction. Posez la casserole au bain-marie, sur une eau qui frémit sans bouillir, et fouettez sans arrêt jusqu'à obtenir un sabayon mousseux qui laisse voir le fond de la casserole, ce qui prend six à huit minutes.
Hors du feu, incorporez le beurre clarifié tiède en filet, en fouettant comme pour une mayonnaise. Passez au chinois si vous la voulez lisse, salez, puis ajoutez le reste de l'estragon et le cerfeuil ciselés. Tenez la sauce au chaud au bain-marie tiède : trop chaude, elle tranche. Servez avec une pièce de boeuf grillée.)"},

RecetteDemo{"SAU", "SAUCE BECHAMEL", "5 MN", "10 MN", "l", "?", false,
R"(50 g de beurre
50 g de farine
1 litre de lait
Noix de muscade
Sel, poivre blanc)",
R"(Faites fondre le beurre dans une casserole à fond épais, ajoutez la farine en une fois et remuez deux minutes à la cuillère en bois, sans laisser colorer : c'est le roux blanc.
Versez le lait froid d'un coup en fouettant vivement pour éviter les grumeaux. Portez à ébullition sans cesser de fouetter, puis laissez cuire 5 minutes à feu doux. Salez, poivrez, râpez un peu de muscade.
Pour une sauce Mornay, ajoutez hors du feu un jaune d'oeuf et 80 g de gruyère râpé.)"},

RecetteDemo{"SAU", "MAYONNAISE", "10 MN", "?", "ll", "?", false,
R"(1 jaune d'oeuf
1 cuillerée à café de moutarde de Dijon
25 cl d'huile de tournesol
1 filet de vinaigre ou de jus de citron
Sel, poivre)",
R"(Tous les ingrédients doivent être à la même température : sortez l'oeuf et la moutarde du réfrigérateur une heure à l'avance.
Dans un bol, mélangez le jaune, la moutarde, le sel et le poivre. Versez l'huile goutte à goutte au début, en fouettant sans arrêt, puis en mince filet dès que la sauce commence à prendre et à épaissir.
Terminez par le vinaigre ou le citron. Si la mayonnaise tourne, reprenez-la avec un nouveau jaune dans un autre bol en y versant peu à peu la sauce ratée.)"},

RecetteDemo{"FON", "FOND BRUN DE VEAU", "30 MN", "4 H", "ll", "?", false,
R"(2 kg d'os et de parures de veau concassés
2 carottes
2 oignons
1 branche de céleri
2 tomates
1 cuillerée à soupe de concentré de tomate
1 bouquet garni
4 litres d'eau froide)",
R"(Préchauffez le four à 230 °C. Étalez les os dans une plaque et faites-les rôtir 30 minutes en les retournant, jusqu'à une belle coloration brune. Ajoutez les carottes et les oignons en mirepoix et laissez colorer encore 10 minutes.
Mettez os et légumes dans une grande marmite, dégraissez la plaque et déglacez-la avec un peu d'eau que vous ajoutez à la marmite. Ajoutez le céleri, les tomates, le concentré, le bouquet garni et l'eau froide.
Portez doucement à ébullition, écumez, puis laissez frémir 4 heures sans couvrir, en écumant de temps en temps. Passez au chinois, laissez refroidir et retirez la graisse figée. Le fond se garde quelques jours au frais ou se congèle en petites portions ; réduit, il devient une glace de viande.)"},

RecetteDemo{"CHA", "SOUFFLÉ AU FROMAGE", "20 MN", "30 MN", "lll", "Vin jaune du Jura", true,
R"(40 g de beurre
40 g de farine
25 cl de lait
4 oeufs
100 g de comté râpé
Noix de muscade
Sel, poivre)",
R"(Préchauffez le four à 200 °C. Beurrez un moule à soufflé et farinez-le légèrement.
Préparez une béchamel épaisse avec le beurre, la farine et le lait, salez, poivrez et muscadez. Hors du feu, ajoutez les jaunes d'oeufs un à un, puis le fromage râpé.
Montez les blancs en neige ferme avec une pincée de sel. Incorporez-en un tiers vivement pour détendre la préparation, puis le reste délicatement, en soulevant la masse à la spatule. Versez dans le moule aux trois quarts, lissez et passez le pouce sur le bord intérieur pour qu'il monte droit.
Enfournez 30 minutes sans ouvrir la porte. Servez aussitôt : les convives attendent le soufflé, jamais l'inverse.)"},

RecetteDemo{"CHA", "QUICHE LORRAINE", "20 MN", "40 MN", "l", "Riesling", false,
R"(1 pâte brisée
200 g de lardons fumés
3 oeufs
20 cl de crème fraîche épaisse
20 cl de lait
Noix de muscade
Sel, poivre)",
R"(Préchauffez le four à 200 °C. Foncez un moule à tarte avec la pâte, piquez le fond à la fourchette et faites-le cuire à blanc 10 minutes, couvert de papier sulfurisé et de légumes secs.
Faites rissoler les lardons à sec, égouttez-les et répartissez-les sur le fond de tarte. Battez les oeufs avec la crème et le lait, poivrez, muscadez et salez à peine.
Versez l'appareil sur les lardons et enfournez 30 minutes, jusqu'à ce que la quiche soit dorée et tremblotante au centre. La quiche lorraine véritable ne comporte ni fromage ni oignon.)"},

RecetteDemo{"FRO", "CELERI REMOULADE", "20 MN", "?", "l", "?", false,
R"(1 boule de céleri-rave
1 jaune d'oeuf
1 cuillerée à soupe de moutarde forte
20 cl d'huile
Le jus d'un citron
1 cuillerée à soupe de persil haché
Sel, poivre)",
R"(Épluchez le céleri, râpez-le en julienne fine et arrosez-le aussitôt de jus de citron pour qu'il ne noircisse pas.
Montez une mayonnaise bien relevée avec le jaune, la moutarde et l'huile ; salez et poivrez.
Mélangez le céleri et la sauce, laissez reposer une heure au frais pour qu'il s'attendrisse, et parsemez de persil au moment de servir.)"},

RecetteDemo{"FRO", "SALADE NIÇOISE", "25 MN", "10 MN", "l", "Bandol rosé", false,
R"(6 tomates
3 oeufs
1 poivron vert
1 concombre
4 petits artichauts violets
1 oignon nouveau
12 filets d'anchois
200 g de thon à l'huile
100 g d'olives noires de Nice
Huile d'olive, basilic
Sel, poivre)",
R"(Faites cuire les oeufs 10 minutes, rafraîchissez-les et écalez-les. Coupez les tomates en quartiers et salez-les légèrement.
Émincez finement le poivron, le concombre, l'oignon et les artichauts parés, que vous arrosez de citron.
Disposez tous les éléments dans un grand plat frotté d'ail : tomates, crudités, thon émietté, oeufs en quartiers, anchois en croisillons et olives. Arrosez d'huile d'olive, poivrez et parsemez de basilic. La salade niçoise se sert sans pommes de terre ni légumes cuits.)"},

RecetteDemo{"POI", "SOLE MEUNIÈRE", "15 MN", "10 MN", "ll", "Sancerre", true,
R"(2 soles portion, vidées et dépouillées
50 g de farine
80 g de beurre
2 cuillerées à soupe d'huile
1 citron
1 cuillerée à soupe de persil haché
Sel, poivre)",
R"(Salez et poivrez les soles, passez-les dans la farine et tapotez-les pour ôter l'excédent.
Faites chauffer l'huile avec 20 g de beurre dans une grande poêle ovale. Posez les soles côté peau blanche dessous et faites-les dorer 4 à 5 minutes de chaque côté, en les arrosant de leur graisse de cuisson.
Dressez-les sur un plat chaud, arrosez de jus de citron et parsemez de persil. Jetez la graisse de la poêle, faites-y mousser le reste du beurre jusqu'à ce qu'il prenne une couleur noisette et versez-le, grésillant, sur les poissons.)"},

RecetteDemo{"POI", "BRANDADE DE MORUE", "30 MN", "30 MN", "ll", "Picpoul de Pinet", false,
R"(800 g de morue salée
500 g de pommes de terre
25 cl d'huile d'olive
25 cl de lait
3 gousses d'ail
1 bouquet de persil
Poivre)",
R"(Faites dessaler la morue 24 heures dans l'eau froide, en changeant l'eau quatre ou cinq fois.
Mettez-la dans une casserole d'eau froide, portez juste à frémissement et laissez pocher 10 minutes sans bouillir. Égouttez, retirez la peau et les arêtes et effeuillez la chair. Faites cuire les pommes de terre à l'eau.
Dans une casserole à fond épais, sur feu doux, écrasez la morue à la spatule avec l'ail pilé, en versant alternativement l'huile et le lait tièdes, jusqu'à obtenir une pâte blanche et onctueuse. Ajoutez les pommes de terre écrasées, poivrez, et servez chaud parsemé de persil, avec des croûtons frits.)"},

RecetteDemo{"CRU", "MOULES MARINIERES", "20 MN", "10 MN", "l", "Muscadet sur lie", true,
R"(2 litres de moules de bouchot
3 échalotes
20 cl de vin blanc sec
40 g de beurre
1 bouquet de persil plat
1 branche de thym
1 feuille de laurier
Poivre)",
R"(Grattez et lavez les moules à grande eau, ôtez le byssus et jetez celles qui restent ouvertes quand on les tapote.
Dans un grand faitout, faites fondre les échalotes hachées dans le beurre, ajoutez le vin blanc, le thym, le laurier et le poivre, portez à ébullition.
Jetez-y les moules, couvrez et faites cuire à feu vif 5 à 6 minutes en secouant le faitout deux ou trois fois, jusqu'à ce qu'elles soient toutes ouvertes. Parsemez de persil haché et servez aussitôt dans des assiettes creuses avec le jus de cuisson.)"},

RecetteDemo{"PAI", "PAIN DE CAMPAGNE", "30 MN", "45 MN", "ll", "?", true,
R"(400 g de farine de blé T65
100 g de farine de seigle
350 g d'eau tiède
150 g de levain actif (ou 10 g de levure fraîche)
10 g de sel)",
R"(Mélangez les farines et l'eau, laissez reposer 30 minutes : cette autolyse assouplit la pâte. Ajoutez le levain et le sel, puis pétrissez 10 minutes jusqu'à ce que la pâte soit lisse et se décolle des parois.
Laissez pousser 3 heures à température ambiante sous un linge, en rabattant la pâte sur elle-même toutes les heures. Façonnez ensuite une boule serrée, posez-la dans un panier fariné et laissez-la lever encore 2 heures, ou une nuit au réfrigérateur pour plus de goût.
Préchauffez le four à 250 °C avec une cocotte en fonte à l'intérieur. Retournez le pain dans la cocotte chaude, grignez-le d'un coup de lame, couvrez et enfournez 25 minutes, puis découvrez et baissez à 220 °C pour 20 minutes. Laissez refroidir sur une grille avant de trancher.)"},

RecetteDemo{"DES", "TARTE TATIN", "30 MN", "45 MN", "ll", "Cidre doux", true,
R"(1 pâte brisée ou feuilletée
1,5 kg de pommes reine des reinettes
150 g de sucre
100 g de beurre demi-sel
1 gousse de vanille)",
R"(Préchauffez le four à 190 °C. Dans un moule à manqué allant sur le feu, faites fondre le beurre et le sucre jusqu'à obtenir un caramel blond.
Épluchez les pommes, coupez-les en quartiers et serrez-les debout dans le caramel, bien tassées car elles réduisent à la cuisson. Ajoutez les graines de vanille et laissez cuire 15 minutes sur feu moyen pour qu'elles s'imprègnent de caramel.
Couvrez de la pâte en rentrant les bords à l'intérieur du moule, piquez-la et enfournez 30 minutes. Laissez tiédir 10 minutes, puis retournez la tarte d'un geste franc sur un plat de service. Servez tiède avec de la crème fraîche épaisse.)"},

RecetteDemo{"DES", "CRÈME BRÛLÉE", "15 MN", "1 H", "ll", "Sauternes", true,
R"(6 jaunes d'oeufs
50 cl de crème liquide entière
100 g de sucre
1 gousse de vanille
4 cuillerées à soupe de cassonade)",
R"(Préchauffez le four à 100 °C. Faites chauffer la crème avec la gousse de vanille fendue et grattée, puis laissez infuser 15 minutes hors du feu.
Fouettez légèrement les jaunes avec le sucre, sans faire mousser. Versez la crème tiède en filet, mélangez, puis passez au chinois et laissez reposer quelques minutes pour que les bulles remontent.
Répartissez dans des ramequins plats et faites cuire 1 heure : la crème doit être prise mais encore tremblotante au centre. Laissez refroidir puis placez au moins 4 heures au réfrigérateur.
Au moment de servir, saupoudrez de cassonade et caramélisez au chalumeau ou sous le gril très chaud, jusqu'à obtenir une croûte brune et craquante.)"},

RecetteDemo{"DES", "MOUSSE AU CHOCOLAT", "20 MN", "?", "l", "Banyuls", false,
R"(200 g de chocolat noir à 70 %
6 oeufs
30 g de beurre
1 pincée de sel
20 g de sucre)",
R"(Faites fondre le chocolat au bain-marie avec le beurre, lissez et laissez tiédir.
Séparez les blancs des jaunes. Incorporez les jaunes un à un au chocolat tiède.
Montez les blancs en neige avec le sel, en ajoutant le sucre à mi-parcours pour les serrer. Mélangez un tiers des blancs au chocolat pour l'assouplir, puis le reste délicatement, en soulevant la masse sans la faire retomber. Répartissez en coupes et laissez prendre au moins 6 heures au frais.)"},

RecetteDemo{"MAG", "FONDUE SAVOYARDE", "20 MN", "15 MN", "l", "Apremont", true,
R"(400 g de beaufort
400 g de comté
200 g d'emmental de Savoie
1 gousse d'ail
40 cl de vin blanc de Savoie
1 cuillerée à café de fécule
4 cl de kirsch
1 pain de campagne rassis
Poivre, noix de muscade)",
R"(Coupez le pain en cubes en laissant à chacun un morceau de croûte. Râpez ou coupez les fromages en lamelles fines.
Frottez le caquelon avec la gousse d'ail, versez le vin et faites-le chauffer sans bouillir. Ajoutez les fromages par poignées en remuant sans cesse en forme de huit avec une cuillère en bois, jusqu'à ce que le mélange soit lisse et filant.
Délayez la fécule dans le kirsch, ajoutez-la à la fondue, poivrez et muscadez. Posez le caquelon sur le réchaud à table : chacun y trempe son pain piqué au bout d'une fourchette, en tournant toujours pour que la fondue ne prenne pas au fond.)"},

RecetteDemo{"PLA", "CASSOULET DE CASTELNAUDARY", "1 H", "4 H", "lll", "Corbières", false,
R"(800 g de haricots lingots secs
4 cuisses de canard confites
500 g d'épaule de porc
400 g de saucisse de Toulouse
200 g de couenne de porc
1 jarret de porc
2 oignons
4 gousses d'ail
2 tomates
1 bouquet garni
Sel, poivre)",
R"(La veille, faites tremper les haricots dans de l'eau froide.
Égouttez-les, mettez-les dans une marmite avec la couenne coupée en lanières, le jarret, un oignon piqué et le bouquet garni ; couvrez d'eau froide, portez à ébullition et laissez cuire 1 heure sans saler.
Pendant ce temps, faites dorer l'épaule coupée en morceaux et la saucisse dans la graisse des confits, ajoutez l'autre oignon haché, l'ail et les tomates concassées. Réunissez cette préparation avec les haricots et leur bouillon.
Dans une cassole en terre, superposez haricots et viandes en terminant par les cuisses de canard et la saucisse. Couvrez de bouillon et enfournez 3 heures à 150 °C. Une croûte se forme en surface : enfoncez-la dans le plat sept fois pendant la cuisson, comme le veut la tradition, en ajoutant un peu de bouillon si nécessaire.)"},
};

}  // namespace

std::span<const RecetteDemo> recettesCuisine()
{
    return recettes;
}
