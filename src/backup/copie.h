#pragma once
// File copies of the backup and the restore, by batches. Each file is copied
// to a temporary file beside its target; once the whole batch is written it
// is flushed to disk at once (one syncfs per file system: one flush per file
// made a backup of 10 000 photographs 35 times slower than cp -r), and only
// then is each temporary renamed over its target. A batch that fails or is
// given up before the renames removes its temporaries and replaces nothing:
// every target is the old file or the new one, never a truncated one.

#include <QString>
#include <QtGlobal>

#include <optional>
#include <utility>
#include <vector>

class Copieur {
public:
    // A temporary left beside its target by a copy that was killed.
    static bool estTemporaire(const QString& nom);
    Copieur() = default;
    Copieur(const Copieur&) = delete;
    Copieur& operator=(const Copieur&) = delete;
    virtual ~Copieur();  // gives up a batch left open

    // Copies `source` (absolute path) to a temporary file beside `cible`.
    // Nothing on success, else the reason in French, and then the whole
    // batch is given up.
    std::optional<QString> preparer(const QString& source, const QString& cible);
    // Flushes the batch to disk, renames each file over its target, then
    // flushes their folders. Nothing on success, else the reason in French;
    // a failure before the renames replaces nothing.
    std::optional<QString> valider();
    // Removes the temporary files of the batch; no target is touched.
    void abandonner();
    // One file alone: preparer, then valider.
    std::optional<QString> copier(const QString& source, const QString& cible);

protected:
    // Copies up to `taille` bytes from `entree` to `sortie` (descriptors, at
    // their current offsets). The bytes copied, 0 at the end of the source,
    // -1 on failure. Tests make it fail halfway.
    virtual qint64 copierBloc(int entree, int sortie, qint64 taille);

private:
    std::optional<QString> descripteurDossier(const QString& dossier);

    struct Attente {
        QString temporaire;
        QString cible;
    };
    std::vector<Attente> attentes_;
    // The target folders, opened before their first file is written so that
    // syncfs reports every write error since (and for the final fsync).
    std::vector<std::pair<QString, int>> dossiers_;
};
