// The printed calculation report of 200 periods: typed into a new document
// and written as OpenDocument Text (the word processor's opening excluded).
#include "support/reportfixtures.h"
#include "support/testfixture.h"

#include "reports/calculationreport.h"
#include "reports/ratetablereport.h"
#include "reports/wordprocessor.h"

#include <QApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

void BM_Report200Periods(benchmark::State& state) {
    const core::PeriodList periods = ReportFixtures::periods(200);
    const CalculationReport::Heading heading = ReportFixtures::heading(periods);
    QTemporaryDir dir;
    const QString file = dir.filePath("calcolo.odt");
    for (auto _ : state) {
        WordDocument* document = CalculationReport::build(heading, periods, {});
        if (!document->writeOdf(file)) state.SkipWithError("cannot write the document");
        state.PauseTiming();
        delete document->Application(); // applications otherwise live to the end
        state.ResumeTiming();
    }
}

void BM_DiscountRateTable(benchmark::State& state) {
    const RateTableReport::Table table = ReportFixtures::discountTable();
    QTemporaryDir dir;
    const QString file = dir.filePath("tabella.odt");
    for (auto _ : state) {
        WordDocument* document = RateTableReport::build(table);
        if (!document->writeOdf(file)) state.SkipWithError("cannot write the document");
        state.PauseTiming();
        delete document->Application();
        state.ResumeTiming();
    }
}

} // namespace

BENCHMARK(BM_Report200Periods)->Unit(benchmark::kMillisecond)->Repetitions(9);
BENCHMARK(BM_DiscountRateTable)->Unit(benchmark::kMillisecond)->Repetitions(9);

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    TestFixture::resetProgramState(kTestToday);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
