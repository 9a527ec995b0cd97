#pragma once
// File copies of the backup and the restore, by batches. Each file is copied
// to a temporary file beside its target; once the whole batch is written it
// is flushed to disk at once (one syncfs per file system: one flush per file
// made a backup of 10 000 photographs 35 times slower than cp -r), and only
// then is each temporary renamed over its target. A batch that fails or is
// given up before the renames removes its temporaries and replaces nothing:
// every target is the old file or the new one, never a truncated one.
// A base (an SQLite file) is copied while a read transaction keeps its
// writers out, so the copy is one consistent state, and the copy is checked
// by the engine before it may be put in place.

#include "platform/echec.h"

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <optional>
#include <utility>
#include <vector>

// A file not copied because of its source (it cannot be read, or it is a
// damaged base): only that file is left out and the batch goes on. Any
// other Echec of the copier gave up the whole batch.
class EchecSource : public Echec {
public:
    using Echec::Echec;
};

class Copieur {
public:
    // A temporary left beside its target by a copy that was killed.
    static bool estTemporaire(const QString& nom);
    // Removes the temporaries a killed copy left in `dossier` (only files
    // and links, never what they point to).
    static void nettoyerTemporaires(const QString& dossier);
    Copieur() = default;
    Copieur(const Copieur&) = delete;
    Copieur& operator=(const Copieur&) = delete;
    virtual ~Copieur();  // gives up a batch left open

    // Copies `source` (absolute path) to a temporary file beside `cible`.
    // Only a regular file is read, opened without blocking; with
    // `suivreLien` false a link is refused too.
    void preparer(const QString& source, const QString& cible, bool suivreLien = true);
    // Flushes the batch to disk, renames each file over its target, then
    // flushes their folders. A failure before the renames replaces nothing.
    void valider();
    // Removes the temporary files of the batch; no target is touched.
    void abandonner();
    // One file alone: preparer, then valider.
    void copier(const QString& source, const QString& cible);
    // The whole of a small regular file, read without blocking (a FIFO or a
    // device is refused at once); nothing when it is not one or is larger.
    static std::optional<QByteArray> lireFichier(const QString& chemin, qint64 tailleMax);

protected:
    // Copies up to `taille` bytes from `entree` to `sortie` (descriptors, at
    // their current offsets). The bytes copied, 0 at the end of the source,
    // -1 on failure. Tests make it fail halfway.
    virtual qint64 copierBloc(int entree, int sortie, qint64 taille);

private:
    // Opens the folder for the batch; on failure the batch is given up.
    void descripteurDossier(const QString& dossier);

    struct Attente {
        QString temporaire;
        QString cible;
    };
    std::vector<Attente> attentes_;
    // The target folders, opened before their first file is written so that
    // syncfs reports every write error since (and for the final fsync).
    std::vector<std::pair<QString, int>> dossiers_;
};
