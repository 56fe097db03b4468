// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/ratetable.h"

#include "core/numbertext.h"

#include <algorithm>

namespace core {

namespace {

const std::string kEmpty;
constexpr LineState kNewLine{};

bool inTable(int r) {
    return r >= 1 && r <= RateTable::kMaxRows;
}

} // namespace

const std::string& RateTable::date(int r) const {
    return inTable(r) ? dates_[static_cast<std::size_t>(r)] : kEmpty;
}
const std::string& RateTable::rate(int r) const {
    return inTable(r) ? rates_[static_cast<std::size_t>(r)] : kEmpty;
}
std::string& RateTable::dateAt(int r) {
    scratch_.clear();
    return inTable(r) ? dates_[static_cast<std::size_t>(r)] : scratch_;
}
std::string& RateTable::rateAt(int r) {
    scratch_.clear();
    return inTable(r) ? rates_[static_cast<std::size_t>(r)] : scratch_;
}

const LineState& RateTable::line(int i) const {
    return i >= 1 && i <= kLines ? lines_[static_cast<std::size_t>(i)] : kNewLine;
}

std::string RateTable::endOf(int r) const {
    if (r >= kMaxRows) return {};
    return dayBeforeText(date(r + 1)).value_or(std::string());
}

void RateTable::recount() {
    righetab_ = static_cast<int>(
        std::count_if(rates_.begin() + 1, rates_.end(), [](const auto& t) { return !t.empty(); }));
}

int RateTable::lastUsedRow() const {
    for (int r = kMaxRows; r >= 1; --r)
        if (!date(r).empty() || !rate(r).empty()) return r;
    return 0;
}

// ---------------------------------------------------------------- showing the rows

void RateTable::redisplay(Date today) {
    for (int i = 1; i <= kLines; ++i)
        showLine(i, rowOfLine(i), today);
    recount();
}

void RateTable::showLine(int i, int r, Date today) {
    if (!rate(r).empty()) {
        const BarPosition at = rateBarPosition(rate(r));
        LineState& l = lines_[static_cast<std::size_t>(i)];
        if (at.value && *at.value != l.rateBar) {
            l.rateBar = *at.value;
            if (at.moves) rateBarMoved(i, l.rateBar);
        }
    }
    if (!date(r).empty()) {
        const BarPosition at = dateBarPosition(date(r), today, kStartDateBar);
        LineState& l = lines_[static_cast<std::size_t>(i)];
        if (at.value && *at.value != l.dateBar) {
            l.dateBar = *at.value;
            if (at.moves) dateBarMoved(i, l.dateBar, today);
        }
    }
}

// A date written by its bar shows the table again: the lines after it may
// now end on another day.
void RateTable::dateBarMoved(int i, int value, Date today) {
    dateAt(rowOfLine(i)) = dateText(dateOfBarValue(value, today));
    redisplay(today);
}

// Counted at once: a table saved or copied right after its last rate was
// set must include that row.
void RateTable::rateBarMoved(int i, int value) {
    rateAt(rowOfLine(i)) = rateBarText(value);
    recount();
}

void RateTable::setFirstRow(int first, Date today) {
    first = std::clamp(first, 1, kLastFirstRow);
    if (first == firstRow_) return;
    firstRow_ = first;
    redisplay(today);
}

// ---------------------------------------------------------------- presets

namespace {

template <std::size_t N>
void writeRows(std::array<std::string, RateTable::kMaxRows + 1>& dates,
               std::array<std::string, RateTable::kMaxRows + 1>& rates,
               const std::array<Presets::Row, N>& rows) {
    std::size_t r = 0;
    for (const Presets::Row& row : rows) {
        ++r;
        dates[r] = row.date;
        rates[r] = row.rate;
    }
}

} // namespace

void RateTable::openWindow(Date today) {
    dates_ = {};
    rates_ = {};
    righetab_ = 0;
    firstRow_ = 1;
    lines_ = {};
    title_.clear();
    loadChosenPreset(today);
}

// The preset's rows go into rows 1.., the rows after them stay as they are.
void RateTable::loadChosenPreset(Date today) {
    if (choice_ == Presets::Choice::None) choice_ = Presets::Choice::LegalRates;
    if (choice_ == Presets::Choice::DiscountRates) {
        title_ = std::string(Presets::kTitoloSconto) + "\r(" + Presets::kNotaBce + ")";
        writeRows(dates_, rates_, Presets::kSconto);
    } else {
        title_ = Presets::kTitoloLegali;
        writeRows(dates_, rates_, Presets::kLegali);
    }
    redisplay(today);
}

void RateTable::choosePreset(Presets::Choice choice, Date today) {
    for (int i = 1; i <= kLines; ++i) {
        moveDateBar(i, kStartDateBar.newest, today);
        moveRateBar(i, kRateBarLowest);
    }
    dates_ = {};
    rates_ = {};
    setFirstRow(1, today);
    choice_ = choice;
    loadChosenPreset(today);
}

// ---------------------------------------------------------------- editing

void RateTable::scrollTo(int firstRow, Date today) {
    setFirstRow(firstRow, today);
}

void RateTable::moveDateBar(int i, int value, Date today) {
    if (i < 1 || i > kLines) return;
    LineState& l = lines_[static_cast<std::size_t>(i)];
    if (l.dateBar == value) return;
    l.dateBar = value;
    dateBarMoved(i, value, today);
}

void RateTable::moveRateBar(int i, int value) {
    if (i < 1 || i > kLines) return;
    LineState& l = lines_[static_cast<std::size_t>(i)];
    if (l.rateBar == value) return;
    l.rateBar = value;
    rateBarMoved(i, value);
}

void RateTable::enterDate(int i, int value, Date today) {
    if (i < 1 || i > kLines) return;
    lines_[static_cast<std::size_t>(i)].dateBar = value;
    dateBarMoved(i, value, today);
}

void RateTable::enterRate(int i, int value) {
    if (i < 1 || i > kLines) return;
    lines_[static_cast<std::size_t>(i)].rateBar = value;
    rateBarMoved(i, value);
}

bool RateTable::insertAt(int i, Date today) {
    const int p = rowOfLine(i);
    const int last = lastUsedRow();
    if (last >= kMaxRows) return false;
    for (int k = last; k >= p && k >= 1; --k) {
        dateAt(k + 1) = date(k);
        rateAt(k + 1) = rate(k);
    }
    redisplay(today);
    return true;
}

void RateTable::deleteAt(int i, Date today) {
    const int p = rowOfLine(i);
    if (date(p).empty() || rate(p).empty()) return;
    const int last = lastUsedRow();
    for (int k = p; k < last; ++k) {
        dateAt(k) = date(k + 1);
        rateAt(k) = rate(k + 1);
    }
    dateAt(last).clear();
    rateAt(last).clear();
    redisplay(today);
}

void RateTable::clear(Date today) {
    dates_ = {};
    rates_ = {};
    redisplay(today);
}

void RateTable::loadRows(const std::vector<TableRow>& rows, const std::string& path, Date today) {
    clear(today);
    const std::size_t n = std::min<std::size_t>(rows.size(), kMaxRows);
    for (std::size_t r = 1; r <= n; ++r) {
        dates_[r] = rows[r - 1].date;
        rates_[r] = rows[r - 1].rate;
    }
    title_ = path;
    redisplay(today);
}

void RateTable::showEveryRow(Date today) {
    constexpr int kFirstPositionToScroll = 11;
    const int last = std::min(righetab_, kLastFirstRow);
    for (int p = kFirstPositionToScroll; p <= last; ++p)
        setFirstRow(p, today);
}

// ---------------------------------------------------------------- reading

std::vector<TableRow> RateTable::rowsToSave() const {
    std::vector<TableRow> rows;
    const int last = lastUsedRow();
    rows.reserve(static_cast<std::size_t>(last));
    for (int r = 1; r <= last; ++r)
        rows.push_back({date(r), rate(r)});
    return rows;
}

std::vector<TableRow> RateTable::rowsFromLine(int i) const {
    std::vector<TableRow> rows;
    for (int k = rowOfLine(i); k <= righetab_; ++k)
        rows.push_back({date(k), rate(k)});
    return rows;
}

std::optional<RateTable::Fault> RateTable::firstFault() const {
    for (int r = 1; r <= kMaxRows; ++r) {
        const bool hasDate = !date(r).empty();
        const bool hasRate = !rate(r).empty();
        if (hasDate != hasRate) return Fault{r, hasDate};
    }
    return std::nullopt;
}

} // namespace core
