// The rate-table window through the real windows, offscreen: the copy of
// the 98-row discount table into the Data window (ten pages, each drawn and
// calculated) and the redisplay of the 15 lines; beside them the engine's
// own pass over the same 98 periods, for scale.
#include "support/tabellasupport.h"

#include "core/interest.h"
#include "core/sharedcalculation.h"
#include "platform/messagebox.h"
#include "ratetable/presets.h"

#include <QApplication>
#include <QScrollBar>
#include <benchmark/benchmark.h>

namespace {

Tabella& discountTable() {
    Tabella& w = TabellaTest::open();
    w.ricaric(Presets::kTassiSconto);
    return w;
}

void BM_CopyDiscountTable(benchmark::State& state) {
    Tabella& w = discountTable();
    for (auto _ : state) {
        state.PauseTiming();
        MessageBox::clearShown();
        MessageBox::setNextAnswer(MsgAnswer::Yes);
        state.ResumeTiming();
        w.copias(1);
    }
    if (core::periodi().numperiodi != 98) state.SkipWithError("not copied");
    TabellaTest::closeWindows();
}

// Nothing to change: the lines already show their rows.
void BM_Redisplay15Lines(benchmark::State& state) {
    Tabella& w = discountTable();
    for (auto _ : state)
        w.ridisegna();
    TabellaTest::closeWindows();
}

// A page down and back: every line shows another row, its bars move and each
// date moved redisplays the table again inside the redisplay.
void BM_ScrollAPage(benchmark::State& state) {
    Tabella& w = discountTable();
    QScrollBar* vscroll1 = TabellaTest::bar(w, "VScroll1");
    int page = 0;
    for (auto _ : state) {
        page = page == 16 ? 1 : 16;
        vscroll1->setValue(page);
    }
    TabellaTest::closeWindows();
}

// The engine alone over the 98 copied periods.
void BM_EnginePass98(benchmark::State& state) {
    core::PeriodList list;
    int k = 0;
    for (const Presets::Row& row : Presets::kSconto) {
        ++k;
        list.slot(k).start = row.date;
        list.slot(k).rate = row.rate;
    }
    list.contaperiodi();
    for (auto _ : state) {
        core::FinalSums sums;
        benchmark::DoNotOptimize(core::ricalcola(list, {core::Simple, "1000", "08/12/26"}, sums));
    }
}

} // namespace

BENCHMARK(BM_CopyDiscountTable)->Unit(benchmark::kMillisecond)->Repetitions(9);
BENCHMARK(BM_Redisplay15Lines)->Unit(benchmark::kMicrosecond)->Repetitions(9);
BENCHMARK(BM_ScrollAPage)->Unit(benchmark::kMicrosecond)->Repetitions(9);
BENCHMARK(BM_EnginePass98)->Unit(benchmark::kMicrosecond)->Repetitions(9);

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
