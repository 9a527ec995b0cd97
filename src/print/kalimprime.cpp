#include "print/kalimprime.h"

#include "platform/imprimante.h"

#include <cmath>

KalImprime::KalImprime(Imprimante& imprimante) : imprimante_(imprimante) {}

void KalImprime::Couper()
{
    for (const QString& ligne : List1)
        CoupeLigne(ligne, 300, 12000);
}

void KalImprime::CoupeLigne(QString Txt, int X, int LargeurUtile)
{
    Txt = sansBlancsFinaux(Txt);
    QString ligne;
    const int limite = LargeurUtile - (X + 2200);
    if (Txt.size() < 85) {
        List2.append(Txt);
        return;
    }
    const qsizetype longueur = Txt.size();
    for (qsizetype position = 0; position < longueur; ++position) {
        ligne.append(Txt.at(position));
        // Twips are whole numbers on the printer; a half goes to the even neighbour.
        if (std::nearbyint(imprimante_.largeurTexte(ligne)) > limite) {
            // Back to the last blank; the characters given back start the next line.
            while (!ligne.endsWith(u' ') && ligne.contains(u' ')) {
                ligne.chop(1);
                --position;
            }
            List2.append(ligne);
            ligne.clear();
        }
    }
    if (!ligne.isEmpty())
        List2.append(ligne);
}

QString sansBlancsFinaux(const QString& texte)
{
    qsizetype fin = texte.size();
    while (fin > 0 && texte.at(fin - 1) == u' ')
        --fin;
    return texte.left(fin);
}

QString sansBlancs(const QString& texte)
{
    const QString t = sansBlancsFinaux(texte);
    qsizetype debut = 0;
    while (debut < t.size() && t.at(debut) == u' ')
        ++debut;
    return t.mid(debut);
}
