// carnet-bench-import: importing a MealMaster file of 5 000 recipes into an
// empty base, as "Importer des recettes" does it (file read, parsing, record
// rules, one transaction), and the parsing alone; wall time and peak memory.
//
//   carnet-bench-import [--recettes=5000] [Google Benchmark options]

#include "../memoire.h"
#include "exchange/lecture.h"
#include "platform/encodage.h"
#include "store/baserecettes.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <cstdlib>
#include <cstring>

using namespace Qt::Literals::StringLiterals;

namespace {

// A MealMaster file as recipe archives hold them: 5 to 20 ingredients (a
// third of the recipes in two columns), 3 to 8 paragraphs of directions
// wrapped at 70 columns, Windows-1252.
QByteArray fichierMealMaster(int recettes)
{
    QRandomGenerator hasard(19);
    const QStringList mots = {u"farine"_s, u"beurre"_s, u"crème"_s, u"échalote"_s, u"poivre"_s, u"laisser"_s,
                              u"cuire"_s, u"doucement"_s, u"remuer"_s, u"réserver"_s, u"au"_s, u"four"_s};
    const auto phrase = [&](int n) {
        QStringList p;
        for (int i = 0; i < n; ++i)
            p.append(mots.at(hasard.bounded(mots.size())));
        return p.join(u' ');
    };
    QString t;
    for (int r = 0; r < recettes; ++r) {
        t += u"MMMMM----- Recipe via Meal-Master (tm) v8.05\r\n\r\n      Title: Recette %1 %2\r\n"
             " Categories: Desserts, Cakes\r\n      Yield: 6 servings\r\n\r\n"_s.arg(r).arg(phrase(4));
        const int n = 5 + static_cast<int>(hasard.bounded(16));
        const bool deux = r % 3 == 0;
        for (int i = 0; i < n; i += deux ? 2 : 1) {
            const QString g = u"%1 g  %2"_s.arg(10 * (i + 1), 7).arg(phrase(3));
            t += deux ? g.leftJustified(41) + u"%1 c  %2"_s.arg(i + 1, 7).arg(phrase(2)) : g;
            t += u"\r\n"_s;
        }
        t += u"\r\n"_s;
        const int paragraphes = 3 + static_cast<int>(hasard.bounded(6));
        for (int p = 0; p < paragraphes; ++p) {
            const QString texte = phrase(20 + static_cast<int>(hasard.bounded(60)));
            for (qsizetype i = 0; i < texte.size(); i += 70)
                t += u"  "_s + texte.mid(i, 70) + u"\r\n"_s;
            t += u"\r\n"_s;
        }
        t += u"MMMMM\r\n\r\n"_s;
    }
    return encoder1252(t);
}

QTemporaryDir* dossier = nullptr;
QString fichier;
int nombre = 5000;

void importer(benchmark::State& state)
{
    int n = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const QString base = dossier->filePath(u"Import.mdb"_s);
        QFile::remove(base);
        BaseRecettes::creer(base);
        auto b = BaseRecettes::ouvrir(base);
        remettrePic();
        state.ResumeTiming();

        const Lecture lecture = lireRecettes(lireFichierRecettes(fichier, kTailleMaxImport));
        std::vector<Fiche> fiches;
        fiches.reserve(lecture.recettes.size());
        for (const RecetteLue& r : lecture.recettes)
            fiches.push_back(versFiche(r, u"PLA"_s));
        n = static_cast<int>(b->ajouterLot(fiches).ajoutees.size());

        state.PauseTiming();
        state.counters["pic_Mo"] = picMo();
        state.ResumeTiming();
    }
    if (n != nombre)
        state.SkipWithError("recettes manquantes");
}

void lire(benchmark::State& state)
{
    const QByteArray octets = lireFichierRecettes(fichier, kTailleMaxImport);
    for (auto _ : state) {
        state.PauseTiming();
        remettrePic();
        state.ResumeTiming();
        benchmark::DoNotOptimize(lireRecettes(octets).recettes.size());
        state.PauseTiming();
        state.counters["pic_Mo"] = picMo();
        state.ResumeTiming();
    }
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    for (int i = 1; i < argc; ++i)
        if (std::strncmp(argv[i], "--recettes=", 11) == 0)
            nombre = std::atoi(argv[i] + 11);
    QTemporaryDir d;
    dossier = &d;
    fichier = d.filePath(u"recettes.mmf"_s);
    QFile f(fichier);
    if (!f.open(QIODevice::WriteOnly) || f.write(fichierMealMaster(nombre)) < 0)
        return 1;
    f.close();
    std::fprintf(stderr, "%d recettes, %lld octets\n", nombre, static_cast<long long>(f.size()));

    benchmark::RegisterBenchmark("import_mealmaster", importer)->Iterations(1)->Repetitions(5)
        ->ReportAggregatesOnly(true)->Unit(benchmark::kMillisecond)->UseRealTime();
    benchmark::RegisterBenchmark("lecture_mealmaster", lire)->Iterations(1)->Repetitions(5)
        ->ReportAggregatesOnly(true)->Unit(benchmark::kMillisecond)->UseRealTime();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
