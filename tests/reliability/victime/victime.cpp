// The child of the kill campaigns: repeats one real store operation on the
// base named on its command line until it is killed. It prints "pret" once
// the base is open so the parent's random delay falls inside the loop.
//
//   carnet-victime ajouter BASE        adds RECETTE n+1, n+2, ...
//   carnet-victime modifier BASE       rewrites record k % N + 1, version k
//   carnet-victime supprimer BASE      deletes number 1 (renumbering all)
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

void pret()
{
    std::fputs("pret\n", stdout);
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
    if (args.size() < 2)
        return echec(u"usage: carnet-victime OPERATION BASE..."_s);
    const QString& operation = args.at(0);
    try {
        if (operation == u"ajouter"_s) {
            auto base = BaseRecettes::ouvrir(args.at(1));
            pret();
            for (int k = base->compter() + 1;; ++k) {
                if (!base->ajouter(victime::recette(k, 0)))
                    return echec(u"doublon"_s);
            }
        }
        if (operation == u"modifier"_s) {
            auto base = BaseRecettes::ouvrir(args.at(1));
            const int n = base->compter();
            std::vector<QString> titres;
            for (int numero = 0; numero <= n; ++numero)
                titres.push_back(base->ficheParNumero(numero).value_or(Fiche{}).titre);
            pret();
            for (int k = 1;; ++k) {
                const int numero = k % n + 1;
                const Fiche f = victime::recette(numero, k);
                if (!base->modifier(numero, titres[numero], f))
                    return echec(u"fiche absente"_s);
                titres[numero] = f.titre;
            }
        }
        if (operation == u"supprimer"_s) {
            auto base = BaseRecettes::ouvrir(args.at(1));
            pret();
            while (base->compter() > 0)
                base->supprimer(1, base->ficheParNumero(1)->titre);
            return 0;
        }
        if (operation == u"compacter"_s && args.size() == 3) {
            pret();
            for (;;)
                BaseRecettes::compacter(args.at(1), args.at(2));
        }
        if (operation == u"copier"_s && args.size() == 4) {
            Copieur copieur;
            pret();
            for (int k = 0;; ++k)
                copieur.copier(args.at(1 + k % 2), args.at(3));
        }
        if (operation == u"garder"_s) {
            VerrouDossier verrou(args.at(1));
            if (!verrou.prendre())
                return echec(u"dossier déjà tenu"_s);
            QObject::connect(&verrou, &VerrouDossier::appele, [] { std::fputs("appele\n", stdout), std::fflush(stdout); });
            pret();
            return QCoreApplication::exec();
        }
        if (operation == u"verrouiller"_s) {
            sqlite::Database db(args.at(1), SQLITE_OPEN_READWRITE);
            db.executer("BEGIN EXCLUSIVE");
            pret();
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
