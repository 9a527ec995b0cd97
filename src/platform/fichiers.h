#pragma once
// File names as the program compares them: without regard to letter case on
// every platform, and made safe before they name a file.

#include <QDir>
#include <QString>
#include <QStringList>

// Names of the files of `dossier` matching one of the wildcard `motifs`
// ("*.mdb", "*.let"), letter case ignored, sorted by name (case-insensitive).
QStringList listerFichiers(const QDir& dossier, const QStringList& motifs);

// True when some file of the folder matches one of the motifs.
bool contientFichier(const QDir& dossier, const QStringList& motifs);

// The existing file (or folder) whose path equals `chemin` when letter case is
// ignored (each component compared in turn), or an empty string. An exact
// match wins; among several case variants, the first by name.
QString trouverFichier(const QString& chemin);

// `nom` with every character a file name cannot hold on common file systems
// (path separators, control characters, : * ? " < > |) replaced by '_';
// "", "." and ".." become "_" so the result never names its folder or leaves it.
QString nomFichierSur(const QString& nom);
