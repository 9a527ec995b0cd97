// The introduction page of each category, shown before its recipes.
#include "recettes.h"

#include <array>
#include <cstring>

namespace {

struct TexteDemo {
    const char* code;
    const char* texte;
};

// Characters outside Windows-1252 would come out as '?' in the files.
const std::array textes = {
TexteDemo{"CHA", R"(LES ENTRÉES CHAUDES

Soufflés, quiches, tourtes, gratins d'huîtres ou oeufs en meurette : l'entrée chaude ouvre le repas en douceur et met l'appétit en éveil.
Servez-la en portions modestes, brûlante et tout juste sortie du four ; elle ne doit pas rassasier, mais annoncer la suite.
En hiver, elle remplace volontiers le potage ; en été, préférez-lui une entrée froide.)"},
TexteDemo{"FRO", R"(LES ENTRÉES FROIDES

Crudités, salades composées, oeufs mimosa, céleri rémoulade : les entrées froides se préparent à l'avance et laissent le cuisinier libre au moment de servir.
Choisissez des légumes de saison, bien frais, et assaisonnez au dernier moment pour qu'ils gardent leur croquant.)"},
TexteDemo{"LEG", R"(LES LÉGUMES

Accompagnement ou plat à part entière, le légume est le meilleur témoin des saisons : asperges et petits pois au printemps, tomates et aubergines en été, courges et champignons à l'automne, choux et racines en hiver.
Une cuisson courte préserve leur couleur et leur saveur ; les gratins et les mijotés, eux, leur donnent du fondant.)"},
TexteDemo{"FON", R"(LES FONDS DE SAUCE

Fond blanc, fond brun, fumet de poisson : les fonds sont les bouillons concentrés qui servent de base aux sauces et aux braisages.
Ils demandent du temps mais peu de travail. Préparez-les en grande quantité, dégraissez-les bien et congelez-les en petites portions : vous aurez toujours sous la main de quoi faire une sauce digne d'un restaurant.)"},
TexteDemo{"SAU", R"(LES SAUCES

La cuisine française doit une grande part de sa réputation à ses sauces : béchamel, velouté, espagnole, hollandaise, béarnaise, beurre blanc...
Quelques gestes suffisent à les réussir : un roux cuit sans coloration, un fouet qui ne s'arrête pas, un bain-marie qui frémit sans bouillir.
Une bonne sauce accompagne le plat sans jamais le masquer.)"},
TexteDemo{"COM", R"(LES COMPOSÉS

Duxelles, beurres composés, farces, marinades, pâtes de base : ce sont les préparations intermédiaires qui entrent dans bien des recettes.
Les avoir prêtes à l'avance simplifie le travail du jour et donne aux plats leur finition.)"},
TexteDemo{"POI", R"(LES POISSONS

De mer ou de rivière, le poisson se choisit d'abord à sa fraîcheur : oeil brillant et bombé, ouïes rouges, chair ferme qui ne garde pas l'empreinte du doigt.
Sa chair délicate demande une cuisson courte et attentive : pochée, meunière, au four ou en papillote, elle doit rester nacrée à coeur.)"},
TexteDemo{"CRU", R"(LES CRUSTACÉS ET COQUILLAGES

Homards, langoustines, crevettes, moules, huîtres et coquilles Saint-Jacques : ils s'achètent vivants ou d'une fraîcheur irréprochable et se cuisinent le jour même.
Leur cuisson se compte en minutes ; trop cuits, ils deviennent caoutchouteux.)"},
TexteDemo{"AGN", R"(L'AGNEAU

L'agneau de lait, l'agneau blanc puis l'agneau de pré-salé se succèdent de l'hiver à l'été.
Le gigot et le carré se rôtissent et se servent rosés ; l'épaule, le collier et la poitrine se prêtent aux cuissons longues, navarins et ragoûts.
L'ail, le thym et le romarin sont ses compagnons naturels.)"},
TexteDemo{"BOE", R"(LE BOEUF

Les morceaux nobles, filet, entrecôte, faux-filet, se grillent ou se rôtissent vivement ; les morceaux plus fermes, paleron, joue, plat de côtes, gîte, demandent des heures de mijotage et font les grands plats de ménage, bourguignon, pot-au-feu, daube.
Laissez toujours reposer une pièce de viande grillée avant de la trancher.)"},
TexteDemo{"GIB", R"(LE GIBIER

Chevreuil, sanglier, lièvre, faisan, perdreau : le gibier se cuisine pendant la saison de la chasse, de l'automne au début de l'hiver.
Sa chair, plus maigre et plus goûteuse que celle des animaux d'élevage, gagne souvent à être marinée ; les sauces au vin rouge, les baies de genièvre et les fruits rouges l'accompagnent à merveille.)"},
TexteDemo{"POR", R"(LE PORC

« Dans le cochon, tout est bon » : rôtis, côtes, échine, jarret, petit salé, mais aussi charcuteries, terrines et saucisses.
Le porc se cuit à coeur, sans excès pour ne pas le dessécher ; il aime les fruits, pruneaux, pommes et abricots, ainsi que la moutarde et la sauge.)"},
TexteDemo{"VEA", R"(LE VEAU

Viande tendre et délicate, le veau se cuisine avec douceur : blanquette, escalopes à la crème, paupiettes, rôti braisé, tête de veau sauce gribiche.
Choisissez une viande d'un rose pâle, au gras bien blanc.)"},
TexteDemo{"LAP", R"(LE LAPIN

Maigre et savoureux, le lapin se prépare à la moutarde, aux pruneaux, à la provençale ou en terrine.
Il a tendance à se dessécher : préférez les cuissons à couvert, en sauce, et ne le laissez pas bouillir.)"},
TexteDemo{"CAN", R"(LE CANARD

Magret, confit, foie gras, canard à l'orange ou aux navets : le canard est roi dans le Sud-Ouest.
Sa graisse, précieuse, se garde pour faire dorer les pommes de terre sarladaises.)"},
TexteDemo{"COQ", R"(LE COQ

Plus ferme et plus goûteux que le poulet, le coq se prête aux longues cuissons en sauce : le coq au vin de Bourgogne, au riesling ou au vin jaune.
Prévoyez une marinade la veille et une cuisson douce de plusieurs heures.)"},
TexteDemo{"POU", R"(LE POULET

Rôti du dimanche, basquaise, à la crème ou aux écrevisses, le poulet est la volaille la plus cuisinée de France.
Préférez un poulet fermier, élevé en plein air : sa chair plus ferme tient mieux à la cuisson et a bien plus de goût.)"},
TexteDemo{"FOI", R"(LE FOIE GRAS

Foie gras de canard ou d'oie, il se prépare mi-cuit au torchon, en terrine, ou poêlé en escalopes.
Le déveinage demande de la patience ; l'assaisonnement, de la précision : comptez environ 12 g de sel et 3 g de poivre par kilo.
Servez-le frais mais non glacé, avec un pain grillé et un vin liquoreux.)"},
TexteDemo{"VIT", R"(LES TERRINES DE VIANDE

Terrine de campagne, pâté en croûte, rillettes, terrine de lapin ou de gibier : autant de recettes de garde, préparées plusieurs jours à l'avance.
Laissez mûrir une terrine au moins deux jours au frais avant de l'entamer ; ses saveurs s'y fondent.)"},
TexteDemo{"VER", R"(LES VERRINES

Servies à l'apéritif ou en entrée, les verrines superposent des couches de couleurs et de textures : purée, crème, dés de légumes, poisson ou crustacés.
Elles se préparent à l'avance et se gardent au frais jusqu'au service.)"},
TexteDemo{"PAI", R"(LE PAIN

Farine, eau, sel et levain : avec ces quatre ingrédients, le boulanger fait la baguette, la miche de campagne, le pain de seigle ou la fougasse.
Le secret tient dans le temps : une longue fermentation donne une mie alvéolée et une croûte parfumée.)"},
TexteDemo{"PLA", R"(LES PLATS COMPLETS

Cassoulet, choucroute, potée, tartiflette, hachis Parmentier : ces plats réunissent viande et légumes dans une même cocotte et suffisent à un repas.
Ils sont faits pour être partagés et supportent très bien d'être réchauffés.)"},
TexteDemo{"MAG", R"(LES FROMAGES

La France compte plus de mille fromages : pâtes molles, pâtes pressées, pâtes persillées, chèvres...
Ils se cuisinent aussi : fondue, raclette, soufflé, gratin, gougères. Sortez-les du réfrigérateur une heure avant de les servir.)"},
TexteDemo{"NOU", R"(LES NOUGATS

Nougat blanc de Montélimar, nougat noir de Provence, l'un des treize desserts de Noël : le miel et les amandes en sont la base.
Un thermomètre de cuisson est indispensable : quelques degrés de trop ou de moins décident de sa tenue.)"},
TexteDemo{"DES", R"(LES DESSERTS

Tartes, crèmes, mousses, gâteaux et entremets : le dessert clôt le repas et reste dans les mémoires.
La pâtisserie est une affaire de précision : pesez les ingrédients, respectez les températures et les temps de repos.)"},
TexteDemo{"BEU", R"(LE BEURRE

Doux, demi-sel ou salé, cru ou pasteurisé, le beurre est l'âme de la cuisine française.
Clarifié, il supporte les hautes températures ; noisette, il parfume poissons et légumes ; manié, il lie les sauces.)"},
TexteDemo{"AST", R"(LES ASTUCES

Un peu de sucre dans la sauce tomate pour corriger l'acidité, une pincée de sel dans les blancs en neige, un citron pour les fruits qui noircissent...
Notez ici les tours de main qui simplifient la vie en cuisine.)"},
TexteDemo{"HOR", R"(LES HORS D'OEUVRE

Radis au beurre, oeufs mayonnaise, poireaux vinaigrette, rillettes, charcuterie : les hors d'oeuvre ouvrent le repas à la française.
Présentés ensemble sur la table, ils permettent à chacun de se servir selon son appétit.)"},
};

}  // namespace

const char* texteCategorieDemo(const char* code)
{
    for (const TexteDemo& t : textes) {
        if (std::strcmp(t.code, code) == 0) {
            return t.texte;
        }
    }
    return nullptr;
}
