#pragma once
// One program per program folder. The lock is an flock on a file of the
// folder, which the system releases when the process ends, however it ends
// (a killed copy never blocks the next start). A local socket named after
// the folder lets a second copy ask the first to show its window.

#include <QObject>
#include <QString>

class QLocalServer;

class VerrouDossier : public QObject {
    Q_OBJECT
public:
    explicit VerrouDossier(QString dossier);
    ~VerrouDossier() override;
    VerrouDossier(const VerrouDossier&) = delete;
    VerrouDossier& operator=(const VerrouDossier&) = delete;

    // True when this process now holds the folder, or when the folder
    // cannot hold a lock file at all (read-only: nothing in it can be
    // damaged either). False when another running copy holds it.
    bool prendre();
    // Asks the copy holding the folder to show its window; false when no
    // copy answered.
    bool appelerPremier();

Q_SIGNALS:
    // A second copy started on the folder.
    void appele();

private:
    QString nomServeur() const;

    QString dossier_;
    int fd_ = -1;
    QLocalServer* serveur_ = nullptr;
};
