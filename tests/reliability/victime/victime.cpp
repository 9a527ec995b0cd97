// The child of the kill campaigns: repeats one real operation until it is
// killed. It prints "pret" once ready so the parent's delay falls inside the loop.
//
//   carnet-victime supprimer BASE      deletes number 1 (renumbering all)
//   carnet-victime tourner BASE        the same, adding the next recipe after each, without end
//   carnet-victime compacter BASE TEMP compacts through TEMP
//   carnet-victime copier A B CIBLE    copies A, then B, ... over CIBLE
//   carnet-victime verrouiller BASE    holds a write lock on BASE (another program)
//   carnet-victime garder DOSSIER      holds DOSSIER as Carnet does, prints "appele" when called

#include "backup/copie.h"
#include "platform/verroudossier.h"
#include "store/baserecettes.h"
#include "store/sqlite.h"
#include "victime.h"

#include <QCoreApplication>
#include <QString>

#include <sqlite3.h>

#include <chrono>
#include <cstdio>
#include <thread>

using namespace Qt::Literals::StringLiterals;

namespace {

void dire(const char* mot)
{
    std::fputs(mot, stdout);
    std::fflush(stdout);
}

int echec(const QString& message)
{
    std::fprintf(stderr, "%s\n", message.toUtf8().constData());
    return 2;
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    const QString operation = args.value(0);
    try {
        if (operation == u"supprimer"_s) {
            auto base = BaseRecettes::ouvrir(args.value(1));
            dire("pret\n");
            while (base->compter() > 0)
                base->supprimer(1, base->ficheParNumero(1)->titre);
            return 0;
        }
        if (operation == u"tourner"_s) {
            auto base = BaseRecettes::ouvrir(args.value(1));
            dire("pret\n");
            for (int d = base->compter();; ++d) {
                base->supprimer(1, base->ficheParNumero(1)->titre);
                base->ajouter(victime::recette(d + 1));
            }
        }
        if (operation == u"compacter"_s) {
            dire("pret\n");
            for (;;)
                BaseRecettes::compacter(args.value(1), args.value(2));
        }
        if (operation == u"copier"_s) {
            Copieur copieur;
            dire("pret\n");
            for (int k = 0;; ++k)
                copieur.copier(args.value(1 + k % 2), args.value(3));
        }
        if (operation == u"garder"_s) {
            VerrouDossier verrou(args.value(1));
            if (!verrou.prendre())
                return echec(u"dossier déjà tenu"_s);
            QObject::connect(&verrou, &VerrouDossier::appele, [] { dire("appele\n"); });
            dire("pret\n");
            return QCoreApplication::exec();
        }
        if (operation == u"verrouiller"_s) {
            sqlite::Database db(args.value(1), SQLITE_OPEN_READWRITE);
            db.executer("BEGIN EXCLUSIVE");
            dire("pret\n");
            for (;;)
                std::this_thread::sleep_for(std::chrono::seconds(1));
        }
    } catch (const Echec& e) {
        return echec(e.message());
    } catch (const sqlite::Erreur& e) {
        return echec(QString::fromUtf8(e.what()));
    }
    return echec(u"opération inconnue : "_s + operation);
}
