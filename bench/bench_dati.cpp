// The Data window's long operations, through the real window, offscreen.
#include "support/datisupport.h"

#include "core/date.h"
#include "core/sharedcalculation.h"
#include "datawindow/dati.h"
#include "files/datafileio.h"
#include "platform/commondialog.h"
#include "platform/messagebox.h"

#include <QApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

using DatiTest::Periods;

QString textOf(core::Date d) {
    return QString::fromStdString(core::dateText(d));
}

// 141 periods over the 60 years 1960..2019, none on a 1 January: the split at
// each year start brings them to exactly 200.
Periods overSixtyYears() {
    Periods p;
    const int n = 141;
    const long first = core::daysFromCivil({1960, 1, 2});
    const long last = core::daysFromCivil({2019, 12, 30});
    for (int k = 0; k < n; ++k) {
        core::Date d = core::civilFromDays(first + (last - first) * k / (n - 1));
        if (d.month == 1 && d.day == 1) d.day = 2;
        p.append({textOf(d), k % 2 ? "4" : "6,5"});
    }
    return p;
}

void BM_Calcola200Periods(benchmark::State& state) {
    auto w = DatiTest::newWindow();
    DatiTest::enterLong(*w, DatiTest::monthsFrom2008(200));
    for (auto _ : state) {
        state.PauseTiming();
        w->risultatiscaduti();
        state.ResumeTiming();
        w->calcola();
    }
    if (!w->risultaticorrenti()) state.SkipWithError("results not current");
}

void BM_BothTypesSixtyYears(benchmark::State& state) {
    auto w = DatiTest::newWindow();
    const Periods periods = overSixtyYears();
    for (auto _ : state) {
        state.PauseTiming();
        DatiTest::enterLong(*w, periods);
        state.ResumeTiming();
        w->sceglitipo(3);
    }
    if (core::periodi().numperiodi != 200)
        state.SkipWithError("the split did not give 200 periods");
}

void BM_Open200PeriodFile(benchmark::State& state) {
    auto w = DatiTest::newWindow();
    DatiTest::enterLong(*w, DatiTest::monthsFrom2008(200));
    w->sceglitipo(3);
    QTemporaryDir dir;
    const QString file = dir.filePath("Fenoverra-dati-200");
    if (!DataFileIO::write(file, w->contenuto()).isEmpty()) state.SkipWithError("cannot write");
    for (auto _ : state) {
        state.PauseTiming();
        CommonDialog::setNextFileName(file);
        state.ResumeTiming();
        w->apri();
    }
    if (core::periodi().numperiodi != 200) state.SkipWithError("file not loaded");
}

} // namespace

BENCHMARK(BM_Calcola200Periods)->Unit(benchmark::kMillisecond)->Repetitions(9);
BENCHMARK(BM_BothTypesSixtyYears)->Unit(benchmark::kMillisecond)->Repetitions(9);
BENCHMARK(BM_Open200PeriodFile)->Unit(benchmark::kMillisecond)->Repetitions(9);

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
