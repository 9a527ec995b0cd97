#include "platform/systeme.h"

#include "platform/lecteurs.h"

#include <QApplication>
#include <QDate>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QLocale>
#include <QScreen>

QSize SystemeQt::ecran()
{
    const QScreen* s = QGuiApplication::primaryScreen();
    return s ? s->size() : QSize(800, 600);
}

bool SystemeQt::ouvrirAdresse(const QUrl& adresse)
{
    return QDesktopServices::openUrl(adresse);
}

QString SystemeQt::dateCourte()
{
    // The cook's dates are French: day/month/year, as the marker files hold them.
    return QDate::currentDate().toString(QLocale(QLocale::French, QLocale::France).dateFormat(QLocale::ShortFormat));
}

void SystemeQt::quitter()
{
    QApplication::closeAllWindows();
    QApplication::exit(0);
}

QStringList SystemeQt::volumes()
{
    return volumesMontes();
}
