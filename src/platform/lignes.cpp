#include "platform/lignes.h"

QStringList couperLignes(const QString& texte)
{
    QStringList lignes;
    qsizetype debut = 0;
    while (debut < texte.size()) {
        const qsizetype lf = texte.indexOf(u'\n', debut);
        if (lf < 0) {
            lignes.append(texte.mid(debut));
            break;
        }
        qsizetype fin = lf;
        if (fin > debut && texte.at(fin - 1) == u'\r')
            --fin;
        lignes.append(texte.mid(debut, fin - debut));
        debut = lf + 1;
    }
    return lignes;
}
