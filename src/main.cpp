#include "shell/programme.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Carnet"));
    Programme programme(Services::qt(), QCoreApplication::applicationDirPath());
    programme.demarrer();
    return QApplication::exec();
}
