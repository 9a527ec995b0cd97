#pragma once
// File copies of the backup and the restore. A copy is written to a temporary
// file beside the target, flushed to disk and only then renamed over it, so a
// failed copy leaves the old file (or none) and never a truncated one.

#include <QString>

#include <optional>

class QSaveFile;

class Copieur {
public:
    virtual ~Copieur() = default;
    // Copies `source` over `cible` (absolute paths). Nothing on success, else
    // the reason in French.
    std::optional<QString> copier(const QString& source, const QString& cible);

protected:
    // Writes one block to the temporary file; tests make it fail halfway.
    virtual bool ecrireBloc(QSaveFile& fichier, const char* octets, qint64 taille);
};
