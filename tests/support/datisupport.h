// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Driving the Data window in tests (testsupport.h finds and clicks its
// controls). The test fixture fixes the day and switches the doubles on.

#include "core/date.h"
#include "datawindow/dati.h"
#include "periodfixtures.h"
#include "testfixture.h"
#include "testsupport.h"

#include <memory>

namespace DatiTest {

inline constexpr core::Date kToday = kTestToday;

using ::Periods; // the benchmarks name it here

// The fields of the header, as typed.
struct Header {
    QString capital;
    QString finalDate;
    QString reference;
};

// Loads a new window (the fixture has reset everything before).
std::unique_ptr<Dati> newWindow();
// The periods of the calculation the windows work on.
const core::PeriodList& periods();

// The texts of a column's ten row cells, the empty ones at the end dropped.
QStringList column(Dati& w, const char* name);

int daysBefore(const QString& dateText);

// Types into a field key by key, after emptying it.
void type(Dati& w, const QString& field, const QString& text);
// Moves the start-date bar and then the rate bar of row r, as a user does.
void enterPeriod(Dati& w, int r, const QString& dateText, int rateHundredths);
// Periods written straight into the list, then drawn.
void fillPeriods(Dati& w, const Periods& periods);
// The final date first, then the periods, the capital and the reference;
// forgets the message boxes shown meanwhile.
void enter(Dati& w, const Header& header, const Periods& periods);
void chooseType(Dati& w, core::CalculationType type);

// What a window holds and shows, to see it again after a round trip: the
// type, the fields, the final sums, the file, and each period's attributes
// a list.
struct Held { // every member initialised, for designated initialisers
    core::CalculationType type{};
    QString capital{}, finalDate{}, reference{}, simpleSum{}, compoundSum{}, file{};
    QStringList starts{}, ends{}, rates{}, capitals{}; // a capital not worked out: ""
    QList<int> days{};                                 // -1: not worked out
};
Held held(Dati& w);
// Field by field; a caller returns on QTest::currentTestFailed().
void compareHeld(const Held& actual, const Held& expected);

// n periods a month apart from 15/01/08, rates 3,75 and 2,5 by turns.
Periods monthsFrom2008(int n);
// The long calculation of the benchmarks and the bad-input tests: these
// periods, final date 31/12/25, capital 10000, reference "prova"; it passes
// the data check up to 200 periods.
void enterLong(Dati& w, const Periods& periods);

} // namespace DatiTest

Q_DECLARE_METATYPE(DatiTest::Header)
