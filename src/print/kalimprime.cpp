#include "print/kalimprime.h"

#include "shell/programme.h"

#include <cmath>

KalImprime::KalImprime(Programme& prog) : prog_(prog) {}

void KalImprime::Couper()
{
    for (const QString& ligne : List1)
        CoupeLigne(ligne, 300, 12000);
}

void KalImprime::CoupeLigne(QString Txt, int X, int LargeurUtile)
{
    Txt = sansBlancsFinaux(Txt);
    const int limite = LargeurUtile - (X + 2200);
    if (Txt.size() < 85) {
        List2.append(Txt);
        return;
    }
    Imprimante& imprimante = prog_.imprimante();
    const qsizetype longueur = Txt.size();
    // Character by character, a line ends at the first character that makes
    // it too wide. A longer text is never narrower, so that character is
    // found by halving: a few measurements a line instead of one a character.
    const auto tropLarge = [&](qsizetype debut, qsizetype n) {
        // Twips are whole numbers on the printer; a half goes to the even neighbour.
        return std::nearbyint(imprimante.largeurTexte(Txt.mid(debut, n))) > limite;
    };
    qsizetype debut = 0;
    while (debut < longueur) {
        const qsizetype reste = longueur - debut;
        if (!tropLarge(debut, reste)) {
            List2.append(Txt.mid(debut));
            return;
        }
        qsizetype tient = 0, deborde = reste;
        while (deborde - tient > 1) {
            const qsizetype milieu = tient + (deborde - tient) / 2;
            (tropLarge(debut, milieu) ? deborde : tient) = milieu;
        }
        QString ligne = Txt.mid(debut, deborde);
        // Back to the last blank; the characters given back start the next line.
        while (!ligne.endsWith(u' ') && ligne.contains(u' '))
            ligne.chop(1);
        List2.append(ligne);
        debut += ligne.size();
    }
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
