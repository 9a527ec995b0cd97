// carnet-bench: each operation a user triggers, timed through the real
// windows offscreen on a generated base, beside its floor (the bare SQLite
// statement, the grid model fill alone) measured in the same run.
//
//   carnet-bench [--taille=32767] [--racine=/tmp/carnet-bench] [--tableau=FILE]
//                [Google Benchmark options]

#include "banc.h"
#include "generateur.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QFile>

#include <cstdio>
#include <cstring>
#include <cstdlib>
#include <map>
#include <malloc.h>
#include <string>

using namespace Qt::Literals::StringLiterals;

namespace {

// Keeps the medians (time and peak memory) of every case for the table.
class Releve : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& r : runs) {
            if (r.aggregate_name != "median")
                continue;
            Mesure& m = mesures[r.run_name.function_name];
            m.ms = r.GetAdjustedRealTime();
            const auto pic = r.counters.find("pic_Mo");
            if (pic != r.counters.end())
                m.picMo = pic->second.value;
        }
    }
    std::map<std::string, Mesure> mesures;
};

std::string argument(int argc, char** argv, const char* nom, const char* defaut)
{
    const size_t n = std::strlen(nom);
    for (int i = 1; i < argc; ++i)
        if (std::strncmp(argv[i], nom, n) == 0 && argv[i][n] == '=')
            return argv[i] + n + 1;
    return defaut;
}

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    const int taille = std::atoi(argument(argc, argv, "--taille", "32767").c_str());
    const QString racine = QString::fromStdString(argument(argc, argv, "--racine", "/tmp/carnet-bench"));
    const QString tableau = QString::fromStdString(argument(argc, argv, "--tableau", ""));
    if (taille < 1000) {
        std::fprintf(stderr, "--taille : au moins 1000 recettes\n");
        return 2;
    }

    std::fprintf(stderr, "Dossier de %d recettes...\n", taille);
    const DossierBench source = preparerDossier(racine, taille);
    // The generator's memory back to the system: the peaks are the cases' own.
    malloc_trim(0);
    Banc banc(source, racine);
    banc.enregistrer();

    benchmark::Initialize(&argc, argv);
    Releve releve;
    benchmark::RunSpecifiedBenchmarks(&releve);
    benchmark::Shutdown();

    if (!tableau.isEmpty()) {
        QFile f(tableau);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
            std::fprintf(stderr, "Écriture impossible de %s\n", qPrintable(tableau));
            return 1;
        }
        f.write(tableauMarkdown(source, releve.mesures).toUtf8());
    }
    return 0;
}
