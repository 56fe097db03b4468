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
#include "core/presets.h"
#include "files/datafileio.h"
#include "platform/commondialog.h"
#include "platform/documentsfolder.h"
#include "platform/messagebox.h"
#include "platform/windowregistry.h"
#include "shell/startup.h"

#include <QApplication>
#include <QDir>
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
    w->updateStaleResults();
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

// The documents the prints wrote, out of the way of the next name.
void dropDocuments() {
    QDir folder(DocumentsFolder::path());
    for (const QString& name : folder.entryList(QDir::Files))
        folder.remove(name);
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
        benchmark::DoNotOptimize(
            core::ricalcola(list, {core::CalculationType::Simple, "10000", "31/12/25"}, sums));
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

void chooseType(benchmark::State& state, core::CalculationType type, const Periods& periods) {
    auto w = dataWindow(periods);
    const bool split = type != core::CalculationType::Simple;
    timed(
        state,
        [&] {
            if (split) DatiTest::enterLong(*w, periods); // unsplit again
        },
        [&] { w->chooseType(type); });
    if (DatiTest::periods().numperiodi != 200) state.SkipWithError("not 200 periods");
}
void BM_TypeSimple(benchmark::State& state) {
    chooseType(state, core::CalculationType::Simple, twoHundredMonths());
}
// 141 periods split into 200 at each 1 January, then computed.
void BM_TypeCompound(benchmark::State& state) {
    chooseType(state, core::CalculationType::Compound, overSixtyYears());
}
void BM_TypeBoth(benchmark::State& state) {
    chooseType(state, core::CalculationType::Both, overSixtyYears());
}

void BM_Calcola(benchmark::State& state) {
    auto w = dataWindow();
    QScrollBar* rate = bar(*w, "scrollatassi(3)");
    timed(
        state,
        [&] { // a rate moved and back: the results are out of date
            rate->setValue(rate->value() + 1);
            rate->setValue(rate->value() - 1);
        },
        [&] { w->updateStaleResults(); });
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
    if (DatiTest::periods().numperiodi != 200) state.SkipWithError("not inserted");
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
    if (DatiTest::periods().numperiodi != 199) state.SkipWithError("not deleted");
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
    if (!DataFileIO::write(file, w->fileContent()).isEmpty()) state.SkipWithError("cannot write");
    timed(
        state, [&] { CommonDialog::setNextFileName(file); }, [&] { w->apri(); });
    if (DatiTest::periods().numperiodi != 200) state.SkipWithError("file not loaded");
}

// The program's own work in a folder in memory; then the same on disk,
// where the save waits until its bytes are there (the old file stays safe
// until then): that wait is the disk's, not the program's.
void saveDataFile(benchmark::State& state, const QString& folder) {
    auto w = dataWindow();
    QTemporaryDir dir(folder + "/fenoverra-bench-XXXXXX");
    w->nomefile = dir.filePath("Fenoverra-dati-200");
    timed(
        state, [] {}, [&] { w->salva(); });
    if (!QFileInfo(w->nomefile).size()) state.SkipWithError("nothing saved");
}
void BM_SaveDataFile(benchmark::State& state) {
    saveDataFile(state, QDir("/dev/shm").exists() ? "/dev/shm" : QDir::tempPath());
}
void BM_SaveDataFileToDisk(benchmark::State& state) {
    saveDataFile(state, QDir::tempPath());
}

void BM_PrintCalculation(benchmark::State& state) {
    auto w = dataWindow();
    timed(state, dropDocuments, [&] { w->stampa(); });
    if (QDir(DocumentsFolder::path()).isEmpty()) state.SkipWithError("no document written");
}

// ---------------------------------------------------------------- rate-table window

Tabella& discountTable() {
    Tabella& w = TabellaTest::open();
    w.choosePreset(Presets::Choice::DiscountRates);
    return w;
}

void BM_OpenRateTable(benchmark::State& state) {
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
        [&] { w.copyFromLine(1); });
    if (DatiTest::periods().numperiodi != 98) state.SkipWithError("not copied");
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
    timed(state, dropDocuments, [&] { w.stampa(); });
    if (QDir(DocumentsFolder::path()).isEmpty()) state.SkipWithError("no document written");
    TabellaTest::closeWindows();
}

// ---------------------------------------------------------------- the yardsticks

// A full repaint of each window, the floor for anything a user sees change.
void BM_RepaintDati(benchmark::State& state) {
    auto w = dataWindow();
    timed(
        state, [] {}, [&] { w->repaint(); });
}

void BM_RepaintTabella(benchmark::State& state) {
    Tabella& w = discountTable();
    timed(
        state, [] {}, [&] { w.repaint(); });
    TabellaTest::closeWindows();
}

// ---------------------------------------------------------------- the table

// What an action's target is counted in.
enum class Unit { None, EnginePasses, DatiRepaints, TabellaRepaints };

struct Action {
    const char* name;
    const char* what;
    Unit unit;
    double target; // in `unit`
    void (*run)(benchmark::State&);
};

const Action kActions[] = {
    {"engine", "engine pass, 200 periods (core::ricalcola)", Unit::None, 0, BM_EnginePass},
    {"repaint", "full repaint of the Data window", Unit::None, 0, BM_RepaintDati},
    {"tablerepaint", "full repaint of the rate-table window", Unit::None, 0, BM_RepaintTabella},
    {"keystroke", "capital keystroke (`capiniz`)", Unit::DatiRepaints, 2, BM_CapitalKeystroke},
    {"type1", "interessi semplici (`Option1(1)`)", Unit::DatiRepaints, 2, BM_TypeSimple},
    {"type2", "interessi composti: split 141 -> 200, pass", Unit::DatiRepaints, 2, BM_TypeCompound},
    {"type3", "entrambi i tipi: split 141 -> 200, two passes", Unit::DatiRepaints, 2, BM_TypeBoth},
    {"calcola", "\"&calcola\" (`calcolare`)", Unit::DatiRepaints, 2, BM_Calcola},
    {"datebar", "date bar one day (`hscroll1`)", Unit::DatiRepaints, 2, BM_DateBar},
    {"ratebar", "rate bar one step (`scrollatassi`)", Unit::DatiRepaints, 2, BM_RateBar},
    {"vscroll1", "page of `VScroll1`", Unit::DatiRepaints, 2, BM_VScroll1},
    {"insert", "insert a period (`num`)", Unit::DatiRepaints, 2, BM_Insert},
    {"delete", "delete a period (`delriga`)", Unit::DatiRepaints, 2, BM_Delete},
    {"check", "data check (`controlla`)", Unit::DatiRepaints, 2, BM_Check},
    {"clear", "clear (`cancella`)", Unit::DatiRepaints, 2, BM_Clear},
    {"open", "open a 200-period file (`apri`)", Unit::DatiRepaints, 2, BM_OpenDataFile},
    {"save", "save it (`salva`), in memory", Unit::DatiRepaints, 2, BM_SaveDataFile},
    {"savedisk", "save it on disk, waiting for the disk", Unit::None, 0, BM_SaveDataFileToDisk},
    {"print", "print: build + write the document (`stampa`)", Unit::EnginePasses, 150,
     BM_PrintCalculation},
    {"tabella", "open the rate table (`tabella`)", Unit::TabellaRepaints, 3, BM_OpenRateTable},
    {"tus", "\"&TUS\" (`ricaric(2)`)", Unit::TabellaRepaints, 2, BM_Tus},
    {"copy", "copy of the 98-row table (`copias(1)`)", Unit::DatiRepaints, 5, BM_CopyDiscountTable},
    {"tablescroll", "page of the rate table's `VScroll1`", Unit::TabellaRepaints, 2,
     BM_RateTableScroll},
    {"tableprint", "print the rate table: build + write", Unit::EnginePasses, 100,
     BM_PrintRateTable},
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
    const auto median = [&](const char* name) {
        const auto found = medians.ms.find(name);
        return found == medians.ms.end() ? 0.0 : found->second;
    };
    const double engine = median("engine");
    const double dati = median("repaint");
    const double tabella = median("tablerepaint");
    std::printf("| Action, 200 periods (rate table: the 98 rows of \"&TUS\") | Median | Engine "
                "passes | Repaints of its window | Target | |\n");
    std::printf("|---|---:|---:|---:|---:|---|\n");
    for (const Action& a : kActions) {
        const auto found = medians.ms.find(a.name);
        if (found == medians.ms.end()) continue;
        const double ms = found->second;
        const double passes = engine > 0 ? ms / engine : 0;
        const double unitMs = a.unit == Unit::TabellaRepaints ? tabella : dati;
        const double repaints = unitMs > 0 ? ms / unitMs : 0;
        std::string target;
        const char* verdict = "";
        if (a.unit != Unit::None) {
            const bool inPasses = a.unit == Unit::EnginePasses;
            const double measured = inPasses ? passes : repaints;
            target = "<= " + std::to_string(int(a.target)) + (inPasses ? " passes" : " repaints");
            verdict = measured <= a.target ? "ok" : "MISSED";
        }
        std::printf("| %s | %.3f ms | %.1f | %.2f | %s | %s |\n", a.what, ms, passes, repaints,
                    target.c_str(), verdict);
    }
    for (const auto& [name, message] : medians.errors)
        std::printf("%s: %s\n", name.c_str(), message.c_str());
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const TestFixture fixture;
    if (argc > 1 && qstrcmp(argv[1], "--list") == 0) {
        for (const Action& a : kActions)
            std::printf("%s\t%s\n", a.name, a.what);
        return 0;
    }
    for (const Action& a : kActions)
        benchmark::RegisterBenchmark(a.name, a.run)
            ->Iterations(a.unit == Unit::None ? 20 * kIterations : kIterations)
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
