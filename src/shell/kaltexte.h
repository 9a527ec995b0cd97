#pragma once
// The introduction page of a category: its text file shown before the recipe
// cards, which come back with "Suite".

#include "shell/fenetrekal.h"

#include <QString>

class QAction;
class TexteMulti;

class KalTexte : public FenetreKal {
    Q_OBJECT
public:
    explicit KalTexte(Programme& programme);
    void Form_Load();
    void Suite_Click();

    TexteMulti* Text1;
    QAction* Suite;

    // Largest part of a text file read; the page is meant for a few paragraphs.
    static constexpr qint64 TailleMaximale = 1 << 20;

protected:
    bool sortir() override;
};

// The text of `nom` (letter case of the name ignored), decoded as the
// program's text files are; empty when the file is missing or unreadable.
// A file there that cannot be read (a FIFO, a device) sets `erreur`.
QString lireTexteCategorie(const QString& nom, QString* erreur = nullptr);
