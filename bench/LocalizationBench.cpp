// Every visible text goes through the lookup, and screens re-apply dozens of texts at once when
// the language changes; this keeps an eye on the cost of one lookup.
#include "core/Preferences.h"
#include "core/VexoLanguages.h"

#include <QCoreApplication>
#include <QSettings>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {
void BM_LocalizedKnownKey(benchmark::State &state)
{
    const QString key = QStringLiteral("메모리카드를 확인하여 주시기 바랍니다.");
    for (auto _ : state) {
        benchmark::DoNotOptimize(VexoLanguages::SharedVexoLanguages().localized(key));
    }
}
BENCHMARK(BM_LocalizedKnownKey);

void BM_LocalizedMissingKey(benchmark::State &state)
{
    const QString key = QStringLiteral("없는 키");
    for (auto _ : state) {
        benchmark::DoNotOptimize(VexoLanguages::SharedVexoLanguages().localized(key));
    }
}
BENCHMARK(BM_LocalizedMissingKey);
} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Velmora"));
    QCoreApplication::setApplicationName(QStringLiteral("VelmoraBench"));
    QTemporaryDir settingsFolder;
    QSettings::setDefaultFormat(QSettings::IniFormat);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsFolder.path());
    Preferences::storeLanguage(QStringLiteral("fr"));

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
