#pragma once
// The cases of the benchmark over one generated folder: a working copy of it,
// one Programme with its windows, and the floors beside each case.

#include "generateur.h"

#include <QImage>
#include <QString>

#include <map>
#include <memory>
#include <string>

class FauxDialogues;
class Programme;

struct Mesure {
    double ms = 0;     // median wall time
    double picMo = 0;  // median peak resident memory while the case ran
};

class Banc {
public:
    Banc(DossierBench source, const QString& racine);
    ~Banc();

    // Registers every case and floor with Google Benchmark, in running order.
    void enregistrer();

private:
    void preparerTravail();
    Programme& prog() { return *prog_; }

    DossierBench source_;
    QString racine_;
    QString travail_;  // the program and working folder of the run
    std::unique_ptr<Programme> prog_;
    FauxDialogues* dialogues_ = nullptr;
    QImage photo_;
    int suivants_ = 0;  // numbers the new cards
};

// The table of bench/README.md for one size: median, floor, ratio, target.
QString tableauMarkdown(const DossierBench& source, const std::map<std::string, Mesure>& mesures);
