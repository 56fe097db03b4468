// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Driving the Data window in tests (testsupport.h finds and clicks its
// controls). The test fixture fixes the day and switches the doubles on.

#include "core/date.h"
#include "datawindow/dati.h"
#include "testfixture.h"
#include "testsupport.h"

#include <QPair>
#include <memory>

namespace DatiTest {

inline constexpr core::Date kToday = kTestToday;

// Periods as (start date, rate) texts.
using Periods = QList<QPair<QString, QString>>;

// Loads a new window (the fixture has reset everything before).
std::unique_ptr<Dati> newWindow();

// The ten row cells of a column, blank-separated, trailing empties dropped.
QString column(Dati& w, const char* name);

int daysBefore(const QString& dateText);

// Types into a field key by key, after emptying it.
void type(Dati& w, const QString& field, const QString& text);
// Moves the start-date bar and then the rate bar of row r, as a user does.
void enterPeriod(Dati& w, int r, const QString& dateText, int rateHundredths);
// Periods written straight into the list, then drawn.
void fillPeriods(Dati& w, const Periods& periods);
// "01/01/01=3 01/07/01=2,5 01/01/02=": blank-separated start=rate pairs.
Periods periodsOf(const QString& text);
// Fields as "capital|final date|reference", then the periods; forgets the
// message boxes shown meanwhile.
void enter(Dati& w, const QString& fields, const QString& periods);
void chooseType(Dati& w, int type);

// n periods a month apart from 15/01/08, rates 3,75 and 2,5 by turns.
Periods monthsFrom2008(int n);
// The long calculation of the benchmarks and the bad-input tests: these
// periods, final date 31/12/25, capital 10000, reference "prova"; it passes
// the data check up to 200 periods.
void enterLong(Dati& w, const Periods& periods);

} // namespace DatiTest
