#pragma once
// Driving the Data window in tests: a fresh window on a fixed day, with
// message boxes and file dialogs answered by their doubles.

#include "core/date.h"
#include "datawindow/dati.h"

#include <QString>
#include <memory>

class QScrollBar;
class QLabel;

namespace DatiTest {

// The day the tests run on.
inline constexpr core::Date kToday{2026, 12, 8};

// Empties the shared period list, fixes today, switches the doubles on and
// loads a new window.
std::unique_ptr<Dati> newWindow();

QString text(Dati& w, const QString& name);           // caption or field text
QScrollBar* bar(Dati& w, const QString& name);
QString row(const char* name, int r);                 // "data1(3)"

// Bar value of a date text for the start-date bar.
int daysBefore(const QString& dateText);

// Types into a field key by key, after emptying it.
void type(Dati& w, const QString& field, const QString& text);
// Moves the start-date bar and then the rate bar of row r, as a user does.
void enterPeriod(Dati& w, int r, const QString& dateText, int rateHundredths);
// Periods written straight into the list (start, rate), then drawn.
void fillPeriods(Dati& w, const QList<QPair<QString, QString>>& periods);
void chooseType(Dati& w, int type);
void click(Dati& w, const QString& name);            // a button or a clickable label

} // namespace DatiTest
