// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Driving the rate-table window in tests, with the Data window beside it,
// both made by the window registry as the program makes them.

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

// The table as "date=rate" pairs, rows from..to blank-separated; an empty
// text shows as nothing on its side of the "=".
QString rows(const Tabella& w, int from, int to);
// A table written straight into rows 1.. (the rest emptied), then redisplayed.
void fill(Tabella& w, const QString& rowsText);

} // namespace TabellaTest
