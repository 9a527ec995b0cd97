#include "store/catalogue.h"

namespace {

constexpr std::array<Categorie, 28> kCategories = {{
    {"Chaude", "CHA", "ENTREE CHAUDE"},
    {"Froide", "FRO", "ENTREE FROIDE"},
    {"Legumes", "LEG", "LEGUME"},
    {"FondSauce", "FON", "FOND DE SAUCE"},
    {"Sauce", "SAU", "SAUCE"},
    {"Compose", "COM", "COMPOSE"},
    {"Poisson", "POI", "POISSON"},
    {"Crustace", "CRU", "CRUSTACE"},
    {"Agneau", "AGN", "AGNEAU"},
    {"Boeuf", "BOE", "BOEUF"},
    {"Gibier", "GIB", "GIBIER"},
    {"Porc", "POR", "PORC"},
    {"Veau", "VEA", "VEAU"},
    {"Lapin", "LAP", "LAPIN"},
    {"Canard", "CAN", "CANARD"},
    {"Coq", "COQ", "COQ"},
    {"Poulet", "POU", "POULET"},
    {"Foisgras", "FOI", "FOIS GRAS"},
    {"Viande", "VIT", "TERRINE DE VIANDE"},
    {"Verrine", "VER", "VERRINE"},
    {"Pain", "PAI", "PAIN"},
    {"Plat", "PLA", "PLAT COMPLET"},
    {"Froma", "MAG", "FROMAGE"},
    {"nougat", "NOU", "NOUGAT"},
    {"Desser", "DES", "DESSERT"},
    {"", "BEU", "BEURRE"},
    {"", "AST", "ASTUCE"},
    {"", "HOR", "HORS D'OEUVRE"},
}};

}  // namespace

const std::array<Categorie, 28>& CatalogueCategories()
{
    return kCategories;
}

std::optional<QString> nomCategorie(const QString& code)
{
    for (const Categorie& c : kCategories) {
        if (code == QLatin1StringView(c.code))
            return QString::fromLatin1(c.nom);
    }
    return std::nullopt;
}
