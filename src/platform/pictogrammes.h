#pragma once
// Byte codes of a symbol font to the Unicode characters of the same
// pictograms, from the tables embedded in the program.

#include <QHash>
#include <QString>

class Pictogrammes {
public:
    static const Pictogrammes& webdings();
    static const Pictogrammes& wingdings();

    // Unicode text of one byte code, or an empty string when the font has none.
    QString pictogramme(unsigned char code) const;
    // Each letter (a Windows-1252 byte) shown as its pictogram; others kept.
    QString versPictogrammes(const QString& lettres) const;
    // Back from pictograms to letters; text without a pictogram is kept.
    QString versLettres(const QString& affiche) const;
    // Font families to draw the pictograms with, best first.
    static QStringList polices();

private:
    explicit Pictogrammes(const QString& ressource);
    QString versCode_[256];
    QHash<QString, unsigned char> versLettre_;
    int plusLong_ = 1;
};
