// carnet-demo --modele FILE: writes the empty template base.
#include "store/baserecettes.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 3 && args.at(1) == QLatin1String("--modele")) {
        try {
            BaseRecettes::creer(args.at(2));
            return 0;
        } catch (const ErreurBase& e) {
            QTextStream(stderr) << e.message() << '\n';
            return 1;
        }
    }
    QTextStream(stderr) << "usage: carnet-demo --modele FICHIER\n";
    return 2;
}
