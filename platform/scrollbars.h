// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The date and rate scroll bars of both working windows.

#include "core/barpositions.h"

class QScrollBar;

namespace ScrollBars {

// A date bar counts days before today with the oldest date at the left end:
// the arrows and the track move it by 1 and 30 days in the direction they point.
void setUpDateBar(QScrollBar* bar, core::DateBarRange range);
// Hundredths of a percent, 0,01 .. 100,00, steps 0,01 and 1,00.
void setUpRateBar(QScrollBar* bar);

// Puts a bar where the model says it stands, without its reaction.
void show(QScrollBar* bar, int value);

} // namespace ScrollBars
