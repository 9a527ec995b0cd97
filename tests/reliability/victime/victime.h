#pragma once
// The recipes the kill campaigns write, shared by the child and the checks:
// every field of recipe `numero` at `version` carries both, so a record
// mixing two writes is seen at once.

#include "store/baserecettes.h"

#include <QString>

namespace victime {

inline QString etiquette(int numero, int version)
{
    return QStringLiteral("R%1 V%2").arg(numero).arg(version);
}

// Long texts (several pages each) so a write spans many pages of the file.
inline Fiche recette(int numero, int version)
{
    const QString e = etiquette(numero, version);
    Fiche f;
    f.categorie = QStringLiteral("DES");
    f.titre = QStringLiteral("RECETTE %1").arg(numero) + (version ? QStringLiteral(" ") + e : QString());
    f.tempPrepa = e;
    f.tempCuisson = e;
    f.difficulte = QStringLiteral("ab");
    f.ingrediant = (e + QStringLiteral(" farine\r\n")).repeated(600);
    f.preparation = (e + QStringLiteral(" mélanger, cuire.\r\n")).repeated(400);
    f.vin = e;
    return f;
}

}  // namespace victime
