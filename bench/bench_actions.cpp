// SPDX-License-Identifier: GPL-3.0-or-later
// Every user action on a calculation of 200 periods, through the real
// windows offscreen, beside the engine's own pass over the same periods in
// the same run. Prints one table: each action's median (of 9 repetitions),
// its target and how many engine passes it costs.
//   build/bench/bench_actions            the table
//   build/bench/bench_actions --list     the actions' names
#include "support/datisupport.h"
#include "support/tabellasupport.h"

#include "core/interest.h"
#include "core/sharedcalculation.h"
#include "files/datafileio.h"
#include "platform/commondialog.h"
#include "platform/messagebox.h"
#include "platform/windowregistry.h"
#include "ratetable/presets.h"
#include "reports/documentreferences.h"
#include "reports/wordprocessor.h"
#include "shell/startup.h"

#include <QApplication>
#include <QLineEdit>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>

namespace {

using DatiTest::Periods;

constexpr int kIterations = 20;
constexpr int kRepetitions = 9;

Periods twoHundredMonths() {
    return DatiTest::monthsFrom2008(200);
}

// 141 periods over the 60 years 1960..2019, none on a 1 January: the split
// at each year start brings them to exactly 200.
Periods overSixtyYears() {
    Periods p;
    const int n = 141;
    const long first = core::daysFromCivil({1960, 1, 2});
    const long last = core::daysFromCivil({2019, 12, 30});
    for (int k = 0; k < n; ++k) {
        core::Date d = core::civilFromDays(first + (last - first) * k / (n - 1));
        if (d.month == 1 && d.day == 1) d.day = 2;
        p.append({QString::fromStdString(core::dateText(d)), k % 2 ? "4" : "6,5"});
    }
    return p;
}

// A Data window holding the 200-period calculation, computed.
std::unique_ptr<Dati> dataWindow(const Periods& periods = twoHundredMonths()) {
    auto w = DatiTest::newWindow();
    w->show();
    DatiTest::enterLong(*w, periods);
    w->calcola();
    return w;
}

// Once per iteration: `prepare`, not timed, then `action` and the painting
// of what it changed, timed.
template <typename Prepare, typename Action>
void timed(benchmark::State& state, Prepare prepare, Action action) {
    for (auto _ : state) {
        state.PauseTiming();
        prepare();
        QCoreApplication::processEvents();
        state.ResumeTiming();
        action();
        QCoreApplication::processEvents();
    }
}

void processDeletions() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// A document the print made, written as the program writes it for the
// word processor; then let go, as the word processor's closing does.
void writeLastDocument(benchmark::State& state, const QString& file) {
    WordDocument* document = ModFenoverra::docword;
    if (!document || !document->writeOdf(file)) state.SkipWithError("no document written");
}
void dropLastDocument() {
    if (WordDocument* document = ModFenoverra::docword) delete document->Application();
    WordApplication::clearShown();
}

// ---------------------------------------------------------------- engine

void BM_EnginePass(benchmark::State& state) {
    core::PeriodList list;
    int k = 0;
    for (const auto& [start, rate] : twoHundredMonths()) {
        list.slot(++k).start = start.toStdString();
        list.slot(k).rate = rate.toStdString();
    }
    list.contaperiodi();
    for (auto _ : state) {
        core::FinalSums sums;
        benchmark::DoNotOptimize(core::ricalcola(list, {core::Simple, "10000", "31/12/25"}, sums));
    }
}

// ---------------------------------------------------------------- Data window

void BM_CapitalKeystroke(benchmark::State& state) {
    auto w = dataWindow();
    auto* capiniz = w->findChild<QLineEdit*>("capiniz");
    bool add = false;
    timed(
        state, [&] { add = !add; },
        [&] {
            if (add)
                QTest::keyClick(capiniz, '5');
            else
                QTest::keyClick(capiniz, Qt::Key_Backspace);
        });
}

void chooseType(benchmark::State& state, int type, const Periods& periods) {
    auto w = dataWindow(periods);
    const bool split = type > 1;
    timed(
        state,
        [&] {
            if (split) DatiTest::enterLong(*w, periods); // unsplit again
        },
        [&] { w->sceglitipo(type); });
    if (core::periodi().numperiodi != 200) state.SkipWithError("not 200 periods");
}
void BM_TypeSimple(benchmark::State& state) {
    chooseType(state, 1, twoHundredMonths());
}
// 141 periods split into 200 at each 1 January, then computed.
void BM_TypeCompound(benchmark::State& state) {
    chooseType(state, 2, overSixtyYears());
}
void BM_TypeBoth(benchmark::State& state) {
    chooseType(state, 3, overSixtyYears());
}

void BM_Calcola(benchmark::State& state) {
    auto w = dataWindow();
    timed(
        state, [&] { w->risultatiscaduti(); }, [&] { w->calcola(); });
    if (!w->risultaticorrenti()) state.SkipWithError("results not current");
}

// One step of a bar, back and forth.
void stepBar(benchmark::State& state, QScrollBar* bar, int step) {
    const int from = bar->value();
    int next = from;
    timed(
        state, [&] { next = next == from ? from + step : from; }, [&] { bar->setValue(next); });
}
void BM_DateBar(benchmark::State& state) {
    auto w = dataWindow();
    stepBar(state, bar(*w, "hscroll1(3)"), 1);
}
void BM_RateBar(benchmark::State& state) {
    auto w = dataWindow();
    stepBar(state, bar(*w, "scrollatassi(3)"), 1);
}
// A page down and back: every row shows other periods.
void BM_VScroll1(benchmark::State& state) {
    auto w = dataWindow();
    stepBar(state, bar(*w, "VScroll1"), -10); // from the last page
}

void BM_Insert(benchmark::State& state) {
    auto w = dataWindow(DatiTest::monthsFrom2008(199));
    bool first = true;
    timed(
        state,
        [&] {
            if (!first) click(*w, "delriga(5)");
            first = false;
        },
        [&] { click(*w, "num(5)"); });
    if (core::periodi().numperiodi != 200) state.SkipWithError("not inserted");
}
void BM_Delete(benchmark::State& state) {
    auto w = dataWindow();
    bool first = true;
    timed(
        state,
        [&] {
            if (!first) click(*w, "num(5)");
            first = false;
        },
        [&] { click(*w, "delriga(5)"); });
    if (core::periodi().numperiodi != 199) state.SkipWithError("not deleted");
}

void BM_Check(benchmark::State& state) {
    auto w = dataWindow();
    timed(
        state,
        [&] {
            MessageBox::clearShown();
            MessageBox::setNextAnswer(MsgAnswer::Ok);
        },
        [&] { w->controlla(); });
}

void BM_Clear(benchmark::State& state) {
    auto w = dataWindow();
    timed(
        state, [&] { DatiTest::enterLong(*w, twoHundredMonths()); }, [&] { w->cancella(); });
}

void BM_OpenDataFile(benchmark::State& state) {
    auto w = dataWindow();
    QTemporaryDir dir;
    const QString file = dir.filePath("Fenoverra-dati-200");
    if (!DataFileIO::write(file, w->contenuto()).isEmpty()) state.SkipWithError("cannot write");
    timed(
        state, [&] { CommonDialog::setNextFileName(file); }, [&] { w->apri(); });
    if (core::periodi().numperiodi != 200) state.SkipWithError("file not loaded");
}

void BM_SaveDataFile(benchmark::State& state) {
    auto w = dataWindow();
    QTemporaryDir dir;
    w->nomefile = dir.filePath("Fenoverra-dati-200");
    timed(
        state, [] {}, [&] { w->salva(); });
    if (!QFileInfo(w->nomefile).size()) state.SkipWithError("nothing saved");
}

void BM_PrintCalculation(benchmark::State& state) {
    auto w = dataWindow();
    QTemporaryDir dir;
    const QString file = dir.filePath("calcolo.odt");
    timed(state, dropLastDocument, [&] {
        w->stampa();
        writeLastDocument(state, file);
    });
}

// ---------------------------------------------------------------- rate-table window

Tabella& discountTable() {
    Tabella& w = TabellaTest::open();
    w.ricaric(Presets::kTassiSconto);
    return w;
}

void BM_OpenRateTable(benchmark::State& state) {
    Startup::wireWindows();
    timed(
        state,
        [] {
            delete WindowRegistry::loaded("tabella");
            processDeletions();
        },
        [] { WindowRegistry::show("tabella"); });
}

void BM_Tus(benchmark::State& state) {
    Tabella& w = TabellaTest::open();
    timed(
        state, [] {}, [&] { click(w, "ricaric(2)"); });
    TabellaTest::closeWindows();
}

void BM_CopyDiscountTable(benchmark::State& state) {
    Tabella& w = discountTable();
    timed(
        state,
        [] {
            MessageBox::clearShown();
            MessageBox::setNextAnswer(MsgAnswer::Yes);
        },
        [&] { w.copias(1); });
    if (core::periodi().numperiodi != 98) state.SkipWithError("not copied");
    TabellaTest::closeWindows();
}

// Nothing to change: the lines already show their rows.
void BM_Redisplay15Lines(benchmark::State& state) {
    Tabella& w = discountTable();
    timed(
        state, [] {}, [&] { w.ridisegna(); });
    TabellaTest::closeWindows();
}

// A page down and back: every line shows another row, its bars move and
// each date moved redisplays the table again inside the redisplay.
void BM_RateTableScroll(benchmark::State& state) {
    Tabella& w = discountTable();
    stepBar(state, bar(w, "VScroll1"), 15);
    TabellaTest::closeWindows();
}

void BM_PrintRateTable(benchmark::State& state) {
    Tabella& w = discountTable();
    QTemporaryDir dir;
    const QString file = dir.filePath("tabella.odt");
    timed(state, dropLastDocument, [&] {
        w.stampa();
        writeLastDocument(state, file);
    });
    TabellaTest::closeWindows();
}

// ---------------------------------------------------------------- the table

struct Action {
    const char* name;
    const char* what;
    double targetMs; // 0: no target (the engine's yardstick)
    void (*run)(benchmark::State&);
};

const Action kActions[] = {
    {"engine", "engine pass, 200 periods (core::ricalcola)", 0, BM_EnginePass},
    {"keystroke", "capital keystroke (`capiniz`)", 8, BM_CapitalKeystroke},
    {"type1", "interessi semplici (`Option1(1)`)", 8, BM_TypeSimple},
    {"type2", "interessi composti: split 141 -> 200, pass", 8, BM_TypeCompound},
    {"type3", "entrambi i tipi: split 141 -> 200, two passes", 8, BM_TypeBoth},
    {"calcola", "\"&calcola\" (`calcolare`)", 8, BM_Calcola},
    {"datebar", "date bar one day (`hscroll1`)", 8, BM_DateBar},
    {"ratebar", "rate bar one step (`scrollatassi`)", 8, BM_RateBar},
    {"vscroll1", "page of `VScroll1`", 8, BM_VScroll1},
    {"insert", "insert a period (`num`)", 8, BM_Insert},
    {"delete", "delete a period (`delriga`)", 8, BM_Delete},
    {"check", "data check (`controlla`)", 8, BM_Check},
    {"clear", "clear (`cancella`)", 8, BM_Clear},
    {"open", "open a 200-period file (`apri`)", 8, BM_OpenDataFile},
    {"save", "save it (`salva`)", 8, BM_SaveDataFile},
    {"print", "print: build + write the document (`stampa`)", 8, BM_PrintCalculation},
    {"tabella", "open the rate table (`tabella`)", 8, BM_OpenRateTable},
    {"tus", "\"&TUS\" (`ricaric(2)`)", 8, BM_Tus},
    {"copy", "copy of the 98-row table (`copias(1)`)", 50, BM_CopyDiscountTable},
    {"redisplay", "redisplay of the 15 lines", 8, BM_Redisplay15Lines},
    {"tablescroll", "page of the rate table's `VScroll1`", 8, BM_RateTableScroll},
    {"tableprint", "print the rate table: build + write", 8, BM_PrintRateTable},
};

// Keeps the median of each action's repetitions, in milliseconds.
class Medians : public benchmark::BenchmarkReporter {
public:
    std::map<std::string, double> ms;
    std::map<std::string, std::string> errors;

    bool ReportContext(const Context&) override { return true; }
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            const std::string name = run.run_name.function_name;
            if (run.error_occurred) errors[name] = run.error_message;
            if (run.aggregate_name == "median")
                ms[name] = run.GetAdjustedRealTime() * 1000 /
                           benchmark::GetTimeUnitMultiplier(run.time_unit);
        }
    }
};

void printTable(const Medians& medians) {
    const double engine = medians.ms.count("engine") ? medians.ms.at("engine") : 0;
    std::printf("| Action, 200 periods (rate table: the 98 rows of \"&TUS\") | Median | Target | "
                "Engine passes | |\n");
    std::printf("|---|---:|---:|---:|---|\n");
    for (const Action& a : kActions) {
        const auto found = medians.ms.find(a.name);
        if (found == medians.ms.end()) continue;
        const double ms = found->second;
        const char* verdict = a.targetMs == 0 ? "" : ms <= a.targetMs ? "ok" : "MISSED";
        std::string target = a.targetMs == 0 ? "" : std::to_string(int(a.targetMs)) + " ms";
        std::printf("| %s | %.3f ms | %s | %.0f | %s |\n", a.what, ms, target.c_str(),
                    engine > 0 ? ms / engine : 0.0, verdict);
    }
    for (const auto& [name, message] : medians.errors)
        std::printf("%s: %s\n", name.c_str(), message.c_str());
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    TestFixture::resetProgramState(kTestToday);
    if (argc > 1 && qstrcmp(argv[1], "--list") == 0) {
        for (const Action& a : kActions)
            std::printf("%s\t%s\n", a.name, a.what);
        return 0;
    }
    for (const Action& a : kActions)
        benchmark::RegisterBenchmark(a.name, a.run)
            ->Iterations(a.targetMs == 0 ? 20 * kIterations : kIterations)
            ->Repetitions(kRepetitions)
            ->Unit(benchmark::kMillisecond);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    Medians medians;
    benchmark::RunSpecifiedBenchmarks(&medians);
    benchmark::Shutdown();
    printTable(medians);
    return 0;
}
