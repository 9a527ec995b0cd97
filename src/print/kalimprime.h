#pragma once
// The line-wrapping window, never shown: List1 holds the source lines, Couper
// fills List2 with lines no wider than the printed text column, measured in
// the printer's current font.

#include <QString>
#include <QStringList>

class Imprimante;

class KalImprime {
public:
    explicit KalImprime(Imprimante& imprimante);

    QStringList List1;  // input, one source line per item
    QStringList List2;  // output, appended to, one wrapped line per item

    // Wraps every item of List1 into List2, for a text at X 300 on a page
    // 12000 twips wide.
    void Couper();
    // Wraps one line into List2. A line is cut after its last blank (the blank
    // stays at its end); a run without blank is cut where it overflows.
    void CoupeLigne(QString Txt, int X, int LargeurUtile);

private:
    Imprimante& imprimante_;
};

// `texte` without its trailing blanks (spaces only, as the lines are printed).
QString sansBlancsFinaux(const QString& texte);
// `texte` without its leading and trailing blanks.
QString sansBlancs(const QString& texte);
