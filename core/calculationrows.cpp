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
    showStartInRow(r, list_.slot(k).start, today);
    derive(k);
    if (!list_.slot(k).start.empty()) {
        const BarPosition at = dateBarOf(k, today);
        RowState& row = rows_[r];
        if (at.value && *at.value != row.dateBar) {
            row.dateBar = *at.value;
            if (at.moves) startDateMoved(r, dateOfBarValue(row.dateBar, today), today);
        }
    }
    if (!list_.slot(k).rate.empty()) {
        const BarPosition at = rateBarOf(k);
        RowState& row = rows_[r];
        if (at.value && *at.value != row.rateBar) {
            row.rateBar = *at.value;
            if (at.moves) rateBarMoved(r, row.rateBar);
        }
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

void Calculation::startDateMoved(int r, Date date, Date today) {
    showStartInRow(r, dateText(date), today);
    guidance_ = Guidance::DatesMoved;
    resultsCurrent_ = false;
}

void Calculation::rateBarMoved(int r, int value) {
    const std::string text = rateBarText(value);
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

BarPosition Calculation::dateBarOf(int k, Date today) {
    BarCache& c = bars_[static_cast<std::size_t>(k)];
    const std::string& start = list_.slot(k).start;
    if (!c.startKnown || c.start != start || !(c.today == today)) {
        c.start = start;
        c.today = today;
        c.date = dateBarPosition(start, today, kStartDateBar);
        c.startKnown = true;
    }
    return c.date;
}

BarPosition Calculation::rateBarOf(int k) {
    BarCache& c = bars_[static_cast<std::size_t>(k)];
    const std::string& rate = list_.slot(k).rate;
    if (!c.rateKnown || c.rate != rate) {
        c.rate = rate;
        c.rateBar = rateBarPosition(rate);
        c.rateKnown = true;
    }
    return c.rateBar;
}

} // namespace core
