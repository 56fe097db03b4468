// SPDX-License-Identifier: GPL-3.0-or-later
// One compound pass over 200 periods split at every year.
#include "core/date.h"
#include "core/interest.h"
#include "core/periodderivation.h"

#include <benchmark/benchmark.h>

namespace {

core::PeriodList twoHundredYearlyPeriods() {
    core::PeriodList list;
    for (int k = 1; k <= core::kMaxPeriods; ++k) {
        // Every period starts on 1 January, so each one compounds.
        list.slot(k).start = core::dateText(core::Date{1826 + k, 1, 1});
        list.slot(k).rate = k % 2 ? "3,5" : "7,25";
    }
    list.contaperiodi();
    return list;
}

void BM_CompoundPass200(benchmark::State& state) {
    core::PeriodList list = twoHundredYearlyPeriods();
    for (auto _ : state) {
        core::FinalSums sums;
        const int n = core::ricalcola(list, {core::Both, "100000", "31/12/2026"}, sums);
        benchmark::DoNotOptimize(n);
        benchmark::DoNotOptimize(sums);
    }
}
BENCHMARK(BM_CompoundPass200)->Unit(benchmark::kMicrosecond);

void BM_YearSplit60Years(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        core::PeriodList list;
        for (int k = 1; k <= 20; ++k) {
            list.slot(k).start = core::dateText(core::Date{1960 + 3 * k, 6, 15});
            list.slot(k).rate = "5";
        }
        list.contaperiodi();
        state.ResumeTiming();
        benchmark::DoNotOptimize(core::dividianni(list));
    }
}
BENCHMARK(BM_YearSplit60Years)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
