#include "shell/programme.h"

#include <QApplication>

#ifdef CARNET_TEST_HOOKS
#include "sonde.h"
#endif

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Carnet"));
    Programme programme(Services::qt(), QCoreApplication::applicationDirPath());
#ifdef CARNET_TEST_HOOKS
    // Test builds only: the real-window tests need not wait fifteen seconds.
    bool ok = false;
    const int intervalle = qEnvironmentVariableIntValue("CARNET_INTERVALLE_SPLASH", &ok);
    if (ok && intervalle > 0)
        programme.intervalleSplash = intervalle;
    installerSonde();
#endif
    programme.demarrer();
    return QApplication::exec();
}
