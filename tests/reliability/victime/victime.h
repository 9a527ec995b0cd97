#pragma once
// The recipes the kill campaigns write, shared by the child and the checks:
// every field of recipe `numero` carries its label, so a record mixing two
// writes is seen at once.

#include "store/baserecettes.h"

#include <QString>

namespace victime {

// Long texts (several pages each) so a write spans many pages of the file.
inline Fiche recette(int numero)
{
    const QString e = QStringLiteral("R%1").arg(numero);
    Fiche f;
    f.categorie = QStringLiteral("DES");
    f.titre = QStringLiteral("RECETTE ") + e;
    f.tempPrepa = f.tempCuisson = f.vin = e;
    f.difficulte = QStringLiteral("ab");
    f.ingrediant = (e + QStringLiteral(" farine\r\n")).repeated(600);
    f.preparation = (e + QStringLiteral(" mélanger, cuire.\r\n")).repeated(400);
    return f;
}

}  // namespace victime
