#include "recettes.h"

#include <array>

std::span<const BaseDemo> basesDemo()
{
    // The feast base keeps the upper-case name files copied from old
    // Windows installations often have.
    static const std::array bases = {
        BaseDemo{"Cuisine.mdb", recettesCuisine()},
        BaseDemo{"FETES.MDB", recettesFetes()},
    };
    return bases;
}

QString texteStocke(const char* texte)
{
    return QString::fromUtf8(texte).replace(u'\n', QStringLiteral("\r\n"));
}
