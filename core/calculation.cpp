// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/calculation.h"

#include "core/numbertext.h"

#include <algorithm>

namespace core {

namespace {

constexpr RowState kNewRow{};

} // namespace

const RowState& Calculation::row(int r) const {
    return r >= 1 && r <= kRows ? rows_[static_cast<std::size_t>(r)] : kNewRow;
}

Calculation::Snapshot Calculation::snapshot() const {
    return {draws_, version_, sums_, resultsCurrent_};
}

Changes Calculation::changesSince(const Snapshot& before) const {
    Changes c;
    c.rowsDrawn = draws_ != before.draws;
    c.periodsChanged = version_ != before.version;
    c.resultsChanged = c.periodsChanged || c.rowsDrawn || !(sums_ == before.sums) ||
                       resultsCurrent_ != before.current;
    return c;
}

// ---------------------------------------------------------------- the guidance

void Calculation::updateGuidance() {
    if (capital_.empty())
        guidance_ = Guidance::EnterCapital;
    else if (finalDate_.empty())
        guidance_ = Guidance::EnterFinalDate;
    else if (reference_.empty())
        guidance_ = Guidance::EnterReference;
    else if (list_.numperiodi == 0)
        guidance_ = Guidance::EnterFirstRate;
    else
        guidance_ = Guidance::Proceed;
}

// ---------------------------------------------------------------- calculating

// A pass shows the rows from each period it reaches before computing it,
// and those drawings may rewrite texts the pass then reads ("01/01" starts
// a compounding period): the drawings come first, the engine after.
void Calculation::runPass(CalculationType type, Date today) {
    updateGuidance();
    const bool capitalIsNumber = parseNumber(capital_).has_value();
    for (int i = 1; i <= list_.numperiodi; ++i) {
        derive(i);
        showPeriodFirst(i, today);
        if (!passComputes(list_.slot(i), capitalIsNumber)) break;
    }
    ricalcola(list_, {type, capital_, finalDate_}, sums_);
    drawRows(today);
}

// Type 3 is a simple pass, then a compound pass whose difference is taken
// against the simple sum just written.
void Calculation::runPasses(CalculationType type, Date today) {
    if (type != CalculationType::Both) {
        runPass(type, today);
        return;
    }
    runPass(CalculationType::Simple, today);
    runPass(CalculationType::Compound, today);
}

void Calculation::showLastPeriods(Date today) {
    const int n = list_.numperiodi;
    if (n > kRows) setFirstPeriod(n - (kRows - 1), today);
}

// ---------------------------------------------------------------- the header

Changes Calculation::openWindow(Date today) {
    const Snapshot before = snapshot();
    capital_.clear();
    reference_.clear();
    finalDate_.clear();
    currency_ = "euro";
    type_ = chosenType_ = CalculationType::Simple;
    sums_ = {};
    resultsCurrent_ = true;
    firstPeriod_ = 1;
    rows_ = {};
    finalDateBar_ = kFinalDateBar.newest;
    updateGuidance();
    setFinalDate(dateText(today), today);
    return changesSince(before);
}

Changes Calculation::setCapital(const std::string& text, Date today) {
    if (text == capital_) return {};
    const Snapshot before = snapshot();
    capital_ = text;
    resultsCurrent_ = true;
    runPass(type_, today);
    // Nothing was computed for it: the results of an earlier capital must
    // not pass for this one's.
    if (!parseNumber(capital_)) resultsCurrent_ = false;
    return changesSince(before);
}

Changes Calculation::setCurrency(const std::string& text) {
    currency_ = text;
    return {};
}

Changes Calculation::setFinalDate(const std::string& text, Date today) {
    if (text == finalDate_) return {};
    const Snapshot before = snapshot();
    finalDate_ = text;
    if (list_.numperiodi > 1) list_.slot(list_.numperiodi).end = text;
    touch();
    drawRows(today);
    return changesSince(before);
}

Changes Calculation::moveFinalDateBar(int value, Date today) {
    if (value == finalDateBar_) return {};
    const Snapshot before = snapshot();
    finalDateBar_ = value;
    setFinalDate(dateText(dateOfBarValue(value, today)), today);
    setFirstPeriod(1, today);
    drawRows(today);
    updateStaleResults(today);
    return changesSince(before);
}

Changes Calculation::setReference(const std::string& text) {
    if (text == reference_) return {};
    reference_ = text;
    updateGuidance();
    return {};
}

Changes Calculation::chooseType(CalculationType type, Date today, bool chosen) {
    const Snapshot before = snapshot();
    if (chosen) chosenType_ = type;
    type_ = type;
    YearSplitOutcome split;
    if (type == CalculationType::Simple) {
        sums_.capitalec.clear();
        sums_.differ.clear();
    } else {
        split = dividianni(list_);
        if (split.inserted > 0) touch();
    }
    runPasses(type, today);
    // Only the sum of the chosen type is left.
    if (type == CalculationType::Compound) {
        sums_.capitales.clear();
        sums_.differ.clear();
    }
    showLastPeriods(today);
    // The results of an earlier capital must not pass for this one's.
    resultsCurrent_ = !capitalUnusable();
    Changes changes = changesSince(before);
    if (split.refused) changes.splitRefusedNeeding = split.needed;
    return changes;
}

bool Calculation::capitalUnusable() const {
    return !capital_.empty() && !parseNumber(capital_);
}

Changes Calculation::updateStaleResults(Date today) {
    if (resultsCurrent_) return {};
    if (capitalUnusable()) {
        Changes refused;
        refused.capitalNotANumber = true;
        return refused;
    }
    const Snapshot before = snapshot();
    runPasses(type_, today);
    showLastPeriods(today);
    resultsCurrent_ = true;
    return changesSince(before);
}

// ---------------------------------------------------------------- the rows

Changes Calculation::scrollTo(int firstPeriod, Date today) {
    const Snapshot before = snapshot();
    setFirstPeriod(firstPeriod, today);
    return changesSince(before);
}

Changes Calculation::moveStartDateBar(int r, int value, Date today) {
    if (r < 1 || r > kRows || rows_[r].dateBar == value) return {};
    const Snapshot before = snapshot();
    rows_[r].dateBar = value;
    startDateMoved(r, dateText(dateOfBarValue(value, today)), today);
    return changesSince(before);
}

Changes Calculation::stepStartDateBack(int r, Date today) {
    if (r < 1 || r > kRows) return {};
    const Snapshot before = snapshot();
    startDateMoved(r, dateText(stepBack365(rows_[r].dateBar, today)), today);
    return changesSince(before);
}

Changes Calculation::moveRateBar(int r, int value, Date) {
    if (r < 1 || r > kRows || rows_[r].rateBar == value) return {};
    const Snapshot before = snapshot();
    rows_[r].rateBar = value;
    rateBarMoved(r, rateBarText(value));
    return changesSince(before);
}

Changes Calculation::enterStartDate(int r, int value, Date today) {
    if (r < 1 || r > kRows) return {};
    const Snapshot before = snapshot();
    rows_[r].dateBar = value;
    startDateMoved(r, dateText(dateOfBarValue(value, today)), today);
    return changesSince(before);
}

Changes Calculation::enterRate(int r, int value) {
    if (r < 1 || r > kRows) return {};
    const Snapshot before = snapshot();
    rows_[r].rateBar = value;
    rateBarMoved(r, rateBarText(value));
    return changesSince(before);
}

Changes Calculation::insertAt(int r, Date today) {
    const int k = periodOfRow(r);
    if (r < 1 || r > kRows || k > kMaxPeriods) return {};
    const Snapshot before = snapshot();
    const InsertOutcome outcome = list_.insert(k);
    if (outcome == InsertOutcome::Inserted) touch();
    showStartInRow(r, list_.slot(k).start, today);
    drawRows(today);
    Changes changes = changesSince(before);
    changes.listFull = outcome == InsertOutcome::ListFull;
    return changes;
}

Changes Calculation::deleteAt(int r, Date today) {
    if (r < 1 || r > kRows) return {};
    const int k = periodOfRow(r);
    if (rows_[r].shownStart.empty() || list_.slot(k).rate.empty()) return {};
    const Snapshot before = snapshot();
    if (list_.remove(k)) touch();
    drawRows(today);
    return changesSince(before);
}

// ---------------------------------------------------------------- whole calculations

Changes Calculation::prepareCheck(Date today) {
    const Snapshot before = snapshot();
    // A rate just set with its bar does not draw the rows, so the last
    // period may not have its end date and days yet.
    for (int k = 1; k <= list_.numperiodi; ++k)
        derive(k);
    drawRows(today);
    return changesSince(before);
}

Changes Calculation::clear(Date today) {
    const Snapshot before = snapshot();
    setCapital({}, today);
    setFinalDate({}, today);
    setReference({});
    sums_ = {};
    // Every slot, not only the counted periods: dates left without a rate
    // would otherwise come back into view later.
    list_.clear();
    touch();
    for (int r = 1; r <= kRows; ++r)
        rows_[r].shownStart.clear();
    setFirstPeriod(1, today);
    updateGuidance();
    return changesSince(before);
}

Changes Calculation::load(const SavedCalculation& saved, Date today) {
    const Snapshot before = snapshot();
    list_.clear();
    const int n = static_cast<int>(std::min<std::size_t>(saved.periods.size(), kMaxPeriods));
    for (int i = 1; i <= n; ++i) {
        const PeriodEntry& p = saved.periods[static_cast<std::size_t>(i - 1)];
        PeriodSlot& slot = list_.slot(i);
        slot.start = p.start;
        slot.end = p.end;
        slot.rate = p.rate;
    }
    list_.contaperiodi();
    touch();
    setFinalDate(n > 0 ? list_.slot(n).end : std::string(), today);
    setCapital(saved.capital, today);
    setReference(saved.reference);
    const Changes typed = chooseType(saved.type, today);
    // The view stays where the calculation left it.
    Changes changes = changesSince(before);
    changes.splitRefusedNeeding = typed.splitRefusedNeeding;
    return changes;
}

void Calculation::writePeriods(const std::vector<TableRow>& rows) {
    const int n = static_cast<int>(std::min<std::size_t>(rows.size(), kMaxPeriods));
    for (int j = 1; j <= n; ++j) {
        list_.slot(j).start = rows[static_cast<std::size_t>(j - 1)].date;
        list_.slot(j).rate = rows[static_cast<std::size_t>(j - 1)].rate;
    }
    list_.contaperiodi();
    touch();
}

Changes Calculation::enterPeriods(const std::vector<TableRow>& rows, Date today) {
    const Snapshot before = snapshot();
    writePeriods(rows);
    drawRows(today);
    return changesSince(before);
}

Changes Calculation::setGuidance(Guidance guidance) {
    guidance_ = guidance;
    return {};
}

Changes Calculation::copyRates(const std::vector<TableRow>& rows, Date today) {
    const Snapshot before = snapshot();
    clear(today);
    writePeriods(rows);
    const int n = static_cast<int>(std::min<std::size_t>(rows.size(), kMaxPeriods));
    if (finalDate_.empty()) setFinalDate(dateText(today), today);
    if (capital_.empty()) setCapital("1000", today);
    chooseType(CalculationType::Simple, today);
    // Each page shown and calculated in turn.
    for (int m = 1; m <= n; m += kRows) {
        setFirstPeriod(m, today);
        drawRows(today);
        updateStaleResults(today);
    }
    // A short copy is seen from its first period: ending on the last one
    // would hide the others above the first row. The rows moved only to
    // show what was just calculated.
    if (n <= kRows) {
        const Guidance guidance = guidance_;
        const bool current = resultsCurrent_;
        setFirstPeriod(1, today);
        guidance_ = guidance;
        resultsCurrent_ = current;
    }
    return changesSince(before);
}

} // namespace core
