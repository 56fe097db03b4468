// SPDX-License-Identifier: GPL-3.0-or-later
// Drawing the ten rows of the Data window, as a rule of the model: what a
// drawing changes besides what is shown.
#include "core/calculation.h"

#include "core/numbertext.h"

#include <algorithm>

namespace core {

void Calculation::drawRows(Date today) {
    ++drawing_;
    ++draws_;
    for (int r = 1; r <= kRows; ++r)
        drawRow(r, periodOfRow(r), today);
    --drawing_;
    // A start date shown anew asks for the guidance once the rows are drawn,
    // after every bar the drawing moved has left its reminder.
    if (drawing_ == 0 && guidanceOwed_) {
        guidanceOwed_ = false;
        updateGuidance();
    }
}

void Calculation::drawRow(int r, int k, Date today) {
    const PeriodSlot& slot = list_.slot(k);
    showStartInRow(r, slot.start, today);
    derive(k);
    if (slot.start.empty() && slot.rate.empty()) return;
    const BarCache& bars = barsOf(k, today);
    RowState& row = rows_[r];
    // Each bar moved runs its reaction as a user's move does, writing its own
    // form of the text (copied: writing it may make the cache stale).
    std::string rateWritten = bars.rateBar.moves ? bars.rateAsBarWrites : std::string();
    if (!slot.start.empty() && bars.date.value && *bars.date.value != row.dateBar) {
        row.dateBar = *bars.date.value;
        if (bars.date.moves) startDateMoved(r, std::string(bars.startAsBarWrites), today);
    }
    if (!slot.rate.empty() && bars.rateBar.value && *bars.rateBar.value != row.rateBar) {
        row.rateBar = *bars.rateBar.value;
        if (bars.rateBar.moves) rateBarMoved(r, rateWritten);
    }
}

// A start date shown in a row is the period's start date; a new one, not
// empty, draws the rows and updates the guidance (at the end of a drawing
// under way).
void Calculation::showStartInRow(int r, const std::string& text, Date today) {
    RowState& row = rows_[r];
    if (row.shownStart == text) return;
    row.shownStart = text;
    std::string& start = list_.slot(periodOfRow(r)).start;
    if (start != text) {
        start = text;
        touch();
    }
    if (text.empty()) return;
    if (drawing_ > 0) {
        guidanceOwed_ = true;
        return;
    }
    drawRows(today);
    updateGuidance();
}

void Calculation::startDateMoved(int r, const std::string& text, Date today) {
    showStartInRow(r, text, today);
    guidance_ = Guidance::DatesMoved;
    resultsCurrent_ = false;
}

void Calculation::rateBarMoved(int r, const std::string& text) {
    std::string& rate = list_.slot(periodOfRow(r)).rate;
    if (rate != text) {
        rate = text;
        list_.contaperiodi();
        touch();
    }
    guidance_ = Guidance::RatesMoved;
    resultsCurrent_ = false;
}

void Calculation::setFirstPeriod(int first, Date today) {
    first = std::clamp(first, 1, kLastFirstPeriod);
    if (first == firstPeriod_) return;
    firstPeriod_ = first;
    drawRows(today);
}

// The page that starts at period k (or the last page), drawn even when it
// is already the page shown.
void Calculation::showPeriodFirst(int k, Date today) {
    const int first = std::min(k, kLastFirstPeriod);
    if (first != firstPeriod_)
        setFirstPeriod(first, today);
    else
        drawRows(today);
}

void Calculation::derive(int k) {
    auto& at = derivedAt_[static_cast<std::size_t>(std::clamp(k, 0, kMaxPeriods + 1))];
    if (at == version_) return;
    deriveEndAndDays(list_, k, finalDate_);
    at = version_;
}

const Calculation::BarCache& Calculation::barsOf(int k, Date today) {
    BarCache& c = bars_[static_cast<std::size_t>(k)];
    if (c.version == version_ && c.today == today) return c;
    const PeriodSlot& slot = list_.slot(k);
    c.version = version_;
    c.today = today;
    c.date = dateBarPosition(slot.start, today, kStartDateBar);
    c.startAsBarWrites =
        c.date.moves ? dateText(dateOfBarValue(*c.date.value, today)) : std::string();
    c.rateBar = rateBarPosition(slot.rate);
    c.rateAsBarWrites = c.rateBar.moves ? rateBarText(*c.rateBar.value) : std::string();
    return c;
}

} // namespace core
