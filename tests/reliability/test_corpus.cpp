// Replays the fuzzers' seeds and every input that once made a fuzzer fail
// (fuzz/regression/<target>-*), through the same checks (fuzz/cibles.h).

#include "cibles.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <functional>
#include <map>

namespace {

const std::map<QString, std::function<bool(const QByteArray&)>>& verifications()
{
    static const std::map<QString, std::function<bool(const QByteArray&)>> v = {
        {QStringLiteral("fuzz_coupure"), cibles::coupure}, {QStringLiteral("fuzz_decodage"), cibles::decodage},
        {QStringLiteral("fuzz_marqueur"), cibles::marqueur}, {QStringLiteral("fuzz_base"), cibles::base},
        {QStringLiteral("fuzz_import"), cibles::import},
        {QStringLiteral("fuzz_mealmaster"), cibles::mealmaster}, {QStringLiteral("fuzz_jsonld"), cibles::jsonld},
        // Seeds: texte-* feed the wrapper and the decoder.
        {QStringLiteral("texte"), [](const QByteArray& b) { return cibles::coupure(b) && cibles::decodage(b); }},
        {QStringLiteral("marqueur"), cibles::marqueur}, {QStringLiteral("import"), cibles::import},
        {QStringLiteral("mealmaster"), cibles::mealmaster}, {QStringLiteral("jsonld"), cibles::jsonld},
    };
    return v;
}

int rejouer(const QString& dossier)
{
    int n = 0;
    for (const QFileInfo& f : QDir(dossier).entryInfoList(QDir::Files)) {
        const QString cible = f.fileName().section(QLatin1Char('-'), 0, 0);
        const auto it = verifications().find(cible);
        if (it == verifications().end()) {
            ADD_FAILURE() << "no target for " << f.fileName().toStdString();
            continue;
        }
        QFile fichier(f.filePath());
        EXPECT_TRUE(fichier.open(QIODevice::ReadOnly));
        EXPECT_TRUE(it->second(fichier.readAll())) << f.fileName().toStdString();
        ++n;
    }
    return n;
}

TEST(CorpusFuzz, LesGrainesEtLesEntreesQuiOntEchoueRepassent)
{
    EXPECT_GE(rejouer(QStringLiteral(CARNET_GRAINES_FUZZ)), 5);
    rejouer(QStringLiteral(CARNET_CORPUS_FUZZ));
}

}  // namespace
