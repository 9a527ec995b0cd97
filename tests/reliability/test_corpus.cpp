// Replays the fuzzers' seeds and every input that once made a fuzzer fail
// (fuzz/regression/<target>-*), through the same checks (fuzz/cibles.h).

#include "cibles.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <functional>
#include <map>

namespace {

int rejouer(const QString& dossier)
{
    using Verification = std::function<bool(const QByteArray&)>;
    static const std::map<QString, Verification> verifications = {
        {QStringLiteral("fuzz_coupure"), cibles::coupure}, {QStringLiteral("fuzz_decodage"), cibles::decodage},
        {QStringLiteral("fuzz_marqueur"), cibles::marqueur}, {QStringLiteral("marqueur"), cibles::marqueur},
        {QStringLiteral("fuzz_base"), cibles::base}, {QStringLiteral("fuzz_import"), cibles::import},
        {QStringLiteral("import"), cibles::import}, {QStringLiteral("fuzz_mealmaster"), cibles::mealmaster},
        {QStringLiteral("mealmaster"), cibles::mealmaster}, {QStringLiteral("fuzz_jsonld"), cibles::jsonld},
        {QStringLiteral("jsonld"), cibles::jsonld},
        // Seeds: texte-* feed the wrapper and the decoder.
        {QStringLiteral("texte"), [](const QByteArray& b) { return cibles::coupure(b) && cibles::decodage(b); }},
    };
    int n = 0;
    for (const QFileInfo& f : QDir(dossier).entryInfoList(QDir::Files)) {
        const auto it = verifications.find(f.fileName().section(QLatin1Char('-'), 0, 0));
        QFile fichier(f.filePath());
        if (it == verifications.end() || !fichier.open(QIODevice::ReadOnly))
            ADD_FAILURE() << "no target for " << f.fileName().toStdString();
        else
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
