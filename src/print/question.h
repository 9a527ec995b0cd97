#pragma once
// The question the recipe card and the search preview ask before printing:
// "I=IMPRIMANTE OU T=TEXTE", answered by Enter in a box below it.

#include "print/impression.h"

class FenetreKal;
class QLabel;
class Texte;

// Puts the question in `legende` and shows the answer box, "I" proposed.
void poserQuestionImpression(QLabel* legende, Texte* reponse);

// A key typed in the answer box, upper-cased. True on Enter, which it
// swallows: the answer is then given to repondreQuestionImpression.
bool entreeQuestionImpression(int& KeyAscii);

// Prints the recipe for the answer "I", else appends it to its text file,
// and says in `fenetre` what came of it. True when it went to the printer.
bool repondreQuestionImpression(FenetreKal& fenetre, const QString& reponse, const FicheRecette& recette,
                                const QImage& photo);
