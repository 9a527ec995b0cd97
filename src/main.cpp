#include "app/programme.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

#ifdef CARNET_TEST_HOOKS
#include "sonde.h"
#endif

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Carnet"));
    // Qt's own dialogs (file choice, Yes/No buttons) speak French like the rest.
    QTranslator traductionQt;
    if (traductionQt.load(QStringLiteral("qtbase_fr"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&traductionQt);
    Programme programme(Services::qt(), QCoreApplication::applicationDirPath());
#ifdef CARNET_TEST_HOOKS
    // Test builds only: the real-window tests need not wait fifteen seconds.
    bool ok = false;
    const int intervalle = qEnvironmentVariableIntValue("CARNET_INTERVALLE_SPLASH", &ok);
    if (ok && intervalle > 0)
        programme.intervalleSplash = intervalle;
    installerSonde();
#endif
    if (!programme.demarrer())
        return 1;
    return QApplication::exec();
}
