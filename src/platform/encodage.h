#pragma once
// The 8-bit text files of the program (category texts, exports, Sauve.kal) are
// Windows-1252 with CR LF, as Windows writes them.

#include <QByteArray>
#include <QString>

// UTF-8 when the bytes are valid UTF-8, Windows-1252 otherwise.
QString decoderTexte(const QByteArray& octets);

// Windows-1252; a character it cannot hold becomes '?'.
QByteArray encoder1252(const QString& texte);
