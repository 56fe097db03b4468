// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The texts and bar positions of each period as the rows show them.
//
// A calculation draws the ten rows once per period, so every period is drawn
// about ten times per pass; converting and formatting its fields once per
// change instead of once per drawing keeps a 200-period pass within a frame.

#include "core/date.h"
#include "core/periodlist.h"
#include "platform/scrollbars.h"

#include <QString>
#include <array>
#include <optional>
#include <string>

class PeriodTexts {
public:
    struct Texts {
        QString number, start, end, rate, days, interest, total, capital;
        QString insertTip, deleteTip;
        std::optional<core::Date> startDate;
        RateBarPosition rateBar;
    };

    // The texts of slot k (1..200), brought up to date with the slot.
    const Texts& of(const core::PeriodList& list, int k);

private:
    struct Entry {
        bool filled = false;
        std::string start, end, rate;
        std::optional<long> days;
        std::optional<double> interest, total, capital;
        Texts texts;
    };
    std::array<Entry, core::kMaxPeriods + 2> entries_{};
};
