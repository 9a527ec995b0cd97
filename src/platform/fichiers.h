#pragma once
// File names as the program compares them: without regard to letter case on
// every platform, and made safe before they name a file.

#include "platform/echec.h"

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

// Reading and writing the files of the program folder, which is not a clean
// room: a FIFO, a device or a link may stand where a file is expected. Every
// read goes through lireFichierRegulier, every whole-file write through
// ecrireFichierDurable. Each throws, on failure, an Echec whose message is the
// reason as a French phrase ("ce n'est pas un fichier ordinaire", "le disque
// est plein") for the caller's sentence.

// The content of `chemin` when it is a regular file (a link to one is read),
// opened without blocking, so a FIFO or a device never stalls the program.
// At most `tailleMaximale` bytes: beyond that it is refused, or, with
// `tronquer`, cut there (`tronque` then says so).
struct LectureFichier {
    bool lu = false;
    bool absent = false;
    bool tronque = false;
    QByteArray octets;
    QString erreur;  // the reason, when not read
};
LectureFichier lireFichierRegulier(const QString& chemin, qint64 tailleMaximale, bool tronquer = false);

// Throws unless `chemin` is a regular file that can be opened for reading
// (checked without blocking, links followed).
void verifierFichierRegulier(const QString& chemin);

// Writes `octets` as the whole new content of `chemin`, durably and
// atomically: a temporary beside it (created exclusively, never through a
// link), written, synced, renamed over `chemin`, then the folder synced. A
// link or a special file at `chemin` is replaced by the regular file, its
// target never touched. With `remplacer` false an existing entry of that name
// makes it fail (and stays).
void ecrireFichierDurable(const QString& chemin, const QByteArray& octets, bool remplacer = true);

// A new regular file beside `chemin`, opened for writing: created
// exclusively, never through a link, named "<chemin>.carnet-<random>" so that
// one left by a killed run is recognised. Its descriptor (`nom` set), or -1.
int ouvrirTemporaire(const QString& chemin, QString& nom);

// For a writer that streams its file: the temporary, written and synced, is
// renamed over `chemin` (a link there replaced, never followed), then the
// folder synced. On failure the temporary is removed.
void remplacerParTemporaire(const QString& temporaire, const QString& chemin);

// A new empty regular file beside `chemin`, for a writer that needs a path
// (then ecrireFichierDurable puts its content in place); empty on failure.
QString creerTemporaire(const QString& chemin);

// Appends `octets` to `chemin` (created when absent), never through a link
// nor into anything but a regular file; on a failed write the file is cut
// back to its old end.
void ajouterFichierRegulier(const QString& chemin, const QByteArray& octets);
