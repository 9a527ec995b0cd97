#pragma once
// What the program asks of the desktop: the screen, web pages, the date, the end.

#include <QSize>
#include <QString>
#include <QStringList>
#include <QUrl>

class Systeme {
public:
    virtual ~Systeme() = default;
    // Screen size in pixels; the windows work in twips (15 per pixel).
    virtual QSize ecran() = 0;
    // Opens an address with the desktop's default handler; false when it could not.
    virtual bool ouvrirAdresse(const QUrl& adresse) = 0;
    // Today's date in the short date format of the system (05/03/2014).
    virtual QString dateCourte() = 0;
    // Ends the program at once.
    virtual void quitter() = 0;
    // The volumes the drive lists offer (volumesMontes on the desktop).
    virtual QStringList volumes() = 0;
};

class SystemeQt : public Systeme {
public:
    QSize ecran() override;
    bool ouvrirAdresse(const QUrl& adresse) override;
    QString dateCourte() override;
    void quitter() override;
    QStringList volumes() override;
};
