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
    // Failures are named fuzz_<target>-*, seeds <target>-*; texte-* feed the wrapper and the decoder.
    static const std::map<QString, Verification> verifications = {
        {QStringLiteral("coupure"), cibles::coupure}, {QStringLiteral("decodage"), cibles::decodage},
        {QStringLiteral("marqueur"), cibles::marqueur}, {QStringLiteral("base"), cibles::base},
        {QStringLiteral("import"), cibles::import}, {QStringLiteral("mealmaster"), cibles::mealmaster},
        {QStringLiteral("jsonld"), cibles::jsonld},
        {QStringLiteral("texte"), [](const QByteArray& b) { return cibles::coupure(b) && cibles::decodage(b); }},
    };
    int n = 0;
    for (const QFileInfo& f : QDir(dossier).entryInfoList(QDir::Files)) {
        const auto it = verifications.find(f.fileName().section(QLatin1Char('-'), 0, 0).remove(QStringLiteral("fuzz_")));
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
