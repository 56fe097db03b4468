// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The rate table as the `tabella` window shows it: rows 1..200, each a
// start-date text (`datetab`) and a rate text (`tassitab`), the number of
// rows with a rate (`righetab`), the title, and the 15 lines that show the
// rows with a date bar and a rate bar each.
//
// Every change a user can make is a method here; the window calls it and
// then draws itself once. As in the Data window, showing the rows is not
// neutral: a line whose bars stand elsewhere than its row's date or rate
// moves them, and a moved bar writes its own form of the text back into the
// row ("7/06/58" becomes "07/06/58", "4,00" becomes "4"); a date written so
// shows the table again from inside the showing, which ends once every line
// already stands where its row says.

#include "core/barpositions.h"
#include "core/date.h"
#include "core/presets.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace core {

struct TableRow {
    std::string date;
    std::string rate;
};

// Where the two bars of one of the 15 lines stand.
struct LineState {
    int dateBar = kStartDateBar.newest;
    int rateBar = kRateBarLowest;
};

class RateTable {
public:
    static constexpr int kMaxRows = 200;
    static constexpr int kLines = 15;
    // The highest first row: rows 186..200 fill the last page.
    static constexpr int kLastFirstRow = kMaxRows - kLines + 1;

    // ---- what the window shows
    // Rows 1..200; any other row reads empty.
    const std::string& date(int r) const;
    const std::string& rate(int r) const;
    // The end date shown for row r: the day before the next row's start;
    // empty for row 200, when the next row has no date or one that is not a date.
    std::string endOf(int r) const;
    int rowCount() const { return righetab_; }
    int firstRow() const { return firstRow_; }
    int rowOfLine(int i) const { return firstRow_ + i - 1; }
    const LineState& line(int i) const;
    // What kind of rates the table holds, or the path of the file it was
    // read from. A carriage return breaks the line.
    const std::string& title() const { return title_; }
    Presets::Choice presetChoice() const { return choice_; }

    // ---- what the user does
    // The window opens: an empty table, then the preset chosen last in this
    // run of the program (the legal rates the first time).
    void openWindow(Date today);
    // A preset button: the lines' bars go back to their ends, the table is
    // emptied and the preset loaded as when the window opens.
    void choosePreset(Presets::Choice choice, Date today);
    void scrollTo(int firstRow, Date today);
    void moveDateBar(int i, int value, Date today);
    void moveRateBar(int i, int value);
    // A date or a rate typed into line i: the bar is put on its value and
    // reacts as when moved there, even when it stood there already.
    void enterDate(int i, int value, Date today);
    void enterRate(int i, int value);
    // A click on a line's number doubles its row; false, with nothing
    // changed, when row 200 is taken.
    bool insertAt(int i, Date today);
    // A click on a line's X removes its row when the line shows a date and a rate.
    void deleteAt(int i, Date today);
    // Every row emptied; the title stays.
    void clear(Date today);
    // A table file's rows in place of the table (cleared first), its path as the title.
    void loadRows(const std::vector<TableRow>& rows, const std::string& path, Date today);
    // Rows 11.. shown in turn, as far as the table goes, so that every row
    // has been shown (and written in the lines' form) before it is printed.
    void showEveryRow(Date today);

    // ---- what commands read
    // The last row holding a date or a rate (0 when none). Rows can be left
    // empty in between, so insertion, deletion and saving go this far.
    int lastUsedRow() const;
    // Rows 1.. up to the last one holding a date or a rate, as a file keeps them.
    std::vector<TableRow> rowsToSave() const;
    // The rows from the one on line i to the end of the table, as the copy takes them.
    std::vector<TableRow> rowsFromLine(int i) const;
    // The lowest row with a date and no rate, or a rate and no date.
    struct Fault {
        int row;
        bool rateMissing; // otherwise the date is missing
    };
    std::optional<Fault> firstFault() const;

private:
    void redisplay(Date today);
    void showLine(int i, int r, Date today);
    void dateBarMoved(int i, int value, Date today);
    void rateBarMoved(int i, int value);
    void setFirstRow(int first, Date today);
    void loadChosenPreset(Date today);
    void recount();
    std::string& dateAt(int r);
    std::string& rateAt(int r);

    std::array<std::string, kMaxRows + 1> dates_{};
    std::array<std::string, kMaxRows + 1> rates_{};
    std::string scratch_;
    int righetab_ = 0;
    int firstRow_ = 1;
    std::array<LineState, kLines + 1> lines_{};
    std::string title_;
    Presets::Choice choice_ = Presets::Choice::None;
};

} // namespace core
