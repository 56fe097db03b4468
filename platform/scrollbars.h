// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The date and rate scroll bars of both working windows: how they are set up
// and how drawing a row puts them on the position of a text.

#include "core/date.h"
#include "core/scrollbardate.h"

#include <optional>
#include <string>

class QScrollBar;

struct RateBarPosition {
    std::optional<int> value; // nothing when the text is not a number
    bool exact = false;       // the bar shows exactly this rate
};

// Where a rate bar (hundredths, 1..10000) stands for a rate text.
RateBarPosition rateBarPosition(const std::string& rateText);

namespace ScrollBars {

// A date bar counts days before today with the oldest date at the left end:
// the arrows and the track move it by 1 and 30 days in the direction they point.
void setUpDateBar(QScrollBar* bar, core::DateBarRange range);
// Hundredths of a percent, 0,01 .. 100,00, steps 0,01 and 1,00.
void setUpRateBar(QScrollBar* bar);

// When the bar can hold the date or rate, it moves as if the user had moved
// it (its reaction runs). A text it cannot hold is never rewritten: the bar is
// held at its nearest position without a reaction, or left where it is when
// the text is not a date / number at all.
void showDate(QScrollBar* bar, const std::optional<core::Date>& date, core::Date today,
              core::DateBarRange range);
void showRate(QScrollBar* bar, const RateBarPosition& position);

} // namespace ScrollBars
