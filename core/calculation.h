// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One calculation as the Data window shows it: the header (capital,
// currency, final date, reference, type), the 200 period slots with their
// results, the final sums, whether the results are current, the guidance,
// and the ten rows that show the periods.
//
// Every change a user can make is a method here; the window calls it and
// then draws itself once from what the model holds. The rows are part of
// the model because drawing them is not neutral: a row whose bars stand
// elsewhere than its period's date or rate moves them, and a moved bar
// writes its own form of the text back ("1/1/2010" becomes "01/01/10",
// "4,00" becomes "4"), marks the results out of date and leaves a reminder
// in the guidance, exactly as when the user moves it. The rules of that
// drawing are in calculationrows.cpp; the window only shows their outcome.

#include "core/barpositions.h"
#include "core/date.h"
#include "core/interest.h"
#include "core/periodderivation.h"
#include "core/periodlist.h"
#include "core/ratetable.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace core {

// What the yellow guidance box says (the window holds the texts).
enum class Guidance {
    EnterCapital,
    EnterFinalDate,
    EnterReference,
    EnterFirstRate,
    Proceed,
    DatesMoved,      // reminder after a start date was moved
    RatesMoved,      // reminder after a rate was moved
    LoadingDocument, // while a print is under way
};

// One of the ten rows: the start date it shows and where its two bars stand.
struct RowState {
    std::string shownStart;
    int dateBar = kStartDateBar.newest;
    int rateBar = kRateBarLowest;
};

// A period as a data file or a rate table gives it.
struct PeriodEntry {
    std::string start;
    std::string end; // empty when not known
    std::string rate;
};

struct SavedCalculation {
    std::string capital;
    CalculationType type = CalculationType::Simple;
    std::string reference;
    std::vector<PeriodEntry> periods; // the first 200 are taken
};

// What a change did, for the window to draw and to tell the user.
struct Changes {
    bool rowsDrawn = false;         // the rows were drawn again
    bool periodsChanged = false;    // a start date, end date, rate or count changed
    bool resultsChanged = false;    // a sum, or whether the results are current
    bool listFull = false;          // an insertion refused: 200 periods already
    bool capitalNotANumber = false; // "&calcola" refused: nothing can be computed
    int splitRefusedNeeding = 0;    // a year split refused: the periods it needed
};

class Calculation {
public:
    static constexpr int kRows = 10;
    // The highest first row: rows 191..200 fill the last page.
    static constexpr int kLastFirstPeriod = kMaxPeriods - kRows + 1;

    // ---- what the window shows
    const std::string& capital() const { return capital_; }
    const std::string& currency() const { return currency_; }
    const std::string& finalDate() const { return finalDate_; }
    const std::string& reference() const { return reference_; }
    // The type the next calculation runs (tipocalcolo).
    CalculationType type() const { return type_; }
    // The option the user chose; printing runs type 1 without choosing it.
    CalculationType chosenType() const { return chosenType_; }
    const PeriodList& periods() const { return list_; }
    const FinalSums& sums() const { return sums_; }
    bool resultsCurrent() const { return resultsCurrent_; }
    Guidance guidance() const { return guidance_; }
    // The period in the first row (primoperiodo), 1..191.
    int firstPeriod() const { return firstPeriod_; }
    int periodOfRow(int r) const { return firstPeriod_ + r - 1; }
    const RowState& row(int r) const;
    int finalDateBar() const { return finalDateBar_; }

    // ---- what the user does
    // The window opens: header, sums, rows and bars as new, today as the
    // final date. The periods stay: they belong to the program.
    Changes openWindow(Date today);
    // Each keystroke: the results recomputed at once.
    Changes setCapital(const std::string& text, Date today);
    Changes setCurrency(const std::string& text);
    Changes setFinalDate(const std::string& text, Date today);
    Changes moveFinalDateBar(int value, Date today);
    Changes setReference(const std::string& text);
    // An option button (type 2 and 3 split the periods at each 1 January
    // first). `chosen` false: the type runs without the option changing.
    Changes chooseType(CalculationType type, Date today, bool chosen = true);
    // "&calcola": nothing when the results are current, nor when the
    // capital is not a number (the results stay out of date).
    Changes updateStaleResults(Date today);
    // VScroll1.
    Changes scrollTo(int firstPeriod, Date today);
    Changes moveStartDateBar(int r, int value, Date today);
    // A click on a start date: 365 days before its bar's date.
    Changes stepStartDateBack(int r, Date today);
    Changes moveRateBar(int r, int value, Date today);
    // A start date or a rate typed into row r: the bar is put on its value
    // and reacts as when moved there, even when it stood there already.
    Changes enterStartDate(int r, int value, Date today);
    Changes enterRate(int r, int value);
    // A click on a row number doubles the period shown there.
    Changes insertAt(int r, Date today);
    // A click on a row's X removes its period when the row shows a start
    // date and a rate.
    Changes deleteAt(int r, Date today);
    // Before the data check: every period's end and days derived, rows drawn.
    Changes prepareCheck(Date today);
    // The clear command: every field, period and result emptied.
    Changes clear(Date today);
    // A data file's content put into a cleared calculation and computed.
    Changes load(const SavedCalculation& saved, Date today);
    // Rates copied from a rate table as periods 1..n: the calculation is
    // cleared, given today and 1000 when it has no final date or capital,
    // set to simple interest and computed page by page.
    Changes copyRates(const std::vector<TableRow>& rows, Date today);
    // Periods written into slots 1.. as they are, the rows drawn (tools and
    // tests build calculations with it).
    Changes enterPeriods(const std::vector<TableRow>& rows, Date today);
    // What the guidance box says while a command is under way, and after.
    Changes setGuidance(Guidance guidance);

private:
    struct Snapshot {
        std::uint64_t draws, version;
        FinalSums sums;
        bool current;
    };
    Snapshot snapshot() const;
    Changes changesSince(const Snapshot& before) const;

    // ---- drawing the rows (calculationrows.cpp)
    void drawRows(Date today);
    void drawRow(int r, int k, Date today);
    void showStartInRow(int r, const std::string& text, Date today);
    void startDateMoved(int r, const std::string& text, Date today);
    void rateBarMoved(int r, const std::string& text);
    void setFirstPeriod(int first, Date today);
    void showPeriodFirst(int k, Date today);
    void derive(int k);

    // ---- calculating
    void runPass(CalculationType type, Date today);
    void runPasses(CalculationType type, Date today);
    void showLastPeriods(Date today);
    void writePeriods(const std::vector<TableRow>& rows);
    void updateGuidance();
    // A capital typed that is not a number: nothing can be computed on it.
    bool capitalUnusable() const;
    // Marks derived ends, days and bar positions as stale.
    void touch() { ++version_; }

    std::string capital_;
    std::string currency_ = "euro";
    std::string finalDate_;
    std::string reference_;
    CalculationType type_ = CalculationType::Simple;
    CalculationType chosenType_ = CalculationType::Simple;
    PeriodList list_;
    FinalSums sums_;
    bool resultsCurrent_ = true;
    Guidance guidance_ = Guidance::EnterCapital;

    int firstPeriod_ = 1;
    std::array<RowState, kRows + 1> rows_{};
    int finalDateBar_ = kFinalDateBar.newest;
    int drawing_ = 0;
    bool guidanceOwed_ = false;
    std::uint64_t draws_ = 0;

    // What the rows derive and position again and again, kept until a text
    // it depends on changes.
    std::uint64_t version_ = 1;
    std::array<std::uint64_t, kMaxPeriods + 2> derivedAt_{};
    // Where a slot's texts put a row's bars, and the texts those bars write.
    struct BarCache {
        std::uint64_t version = 0; // of the texts it was worked out from
        Date today{0, 0, 0};
        BarPosition date, rateBar;
        std::string startAsBarWrites, rateAsBarWrites;
    };
    const BarCache& barsOf(int k, Date today);
    std::array<BarCache, kMaxPeriods + 2> bars_{};
};

} // namespace core
