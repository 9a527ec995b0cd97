// carnet-demo DOSSIER: fills DOSSIER with a demo program folder (missing
// files only). carnet-demo --modele FICHIER: writes the empty template base.
#include "generateur.h"

#include "store/baserecettes.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QTextStream>

#include <cstring>

int main(int argc, char** argv)
{
    if (argc == 3 && std::strcmp(argv[1], "--modele") == 0) {
        // The build runs this mode: no display, no platform plugin.
        QCoreApplication app(argc, argv);
        try {
            BaseRecettes::creer(app.arguments().at(2));
            return 0;
        } catch (const Echec& e) {
            QTextStream(stderr) << e.message() << '\n';
            return 1;
        }
    }
    if (argc == 2 && argv[1][0] != '-') {
        // Drawing the pictures needs a GUI application and its fonts but
        // never a screen: the minimal platform, which loads no OpenGL.
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
            qputenv("QT_QPA_PLATFORM", "minimal:enable_fonts");
        }
        QGuiApplication app(argc, argv);
        try {
            const QStringList ecrits = genererDossierDemo(app.arguments().at(1));
            QTextStream sortie(stdout);
            for (const QString& nom : ecrits) {
                sortie << nom << '\n';
            }
            return 0;
        } catch (const Echec& e) {
            QTextStream(stderr) << e.message() << '\n';
            return 1;
        }
    }
    QTextStream(stderr) << "usage: carnet-demo DOSSIER\n"
                           "       carnet-demo --modele FICHIER\n";
    return 2;
}
