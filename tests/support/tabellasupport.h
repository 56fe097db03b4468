// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Driving the rate-table window in tests, with the Data window beside it,
// both made by the window registry as the program makes them.

#include "periodfixtures.h"
#include "ratetable/tabella.h"
#include "testfixture.h"
#include "testsupport.h"

class Dati;

namespace TabellaTest {

using ::bar;

// Wires the windows as the program does and opens the rate-table window
// (or brings the open one forward).
Tabella& open();
// The loaded Data window, or nullptr.
Dati* dati();
// Unloads and deletes every window the registry made.
void closeWindows();

inline QString line(const char* name, int i) {
    return row(name, i); // "period(3)"
}

// Rows from..to of the table, each its date and rate.
Periods rows(const Tabella& w, int from, int to);
// A table written straight into rows 1.. (the rest emptied), then redisplayed.
void fill(Tabella& w, const Periods& rows);
// The texts of a column's fifteen line cells.
QStringList column(Tabella& w, const char* name);

} // namespace TabellaTest
