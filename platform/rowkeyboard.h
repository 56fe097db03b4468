// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Periods entered from the keyboard, in either working window.
//
// Every row bar takes the focus. The arrows move it as its arrow buttons do
// (Up as Right, Down as Left), Page Up and Page Down as a click on its track
// to the right or the left, Home and End to its left and right ends, so the
// window reacts as to the mouse. Tab and Shift+Tab go from a row's start-date bar to its rate bar
// and on to the next row; past the last row (as far as the first period
// not yet entered) or before the first, the rows scroll by one, so the
// focused bar is always in view. The cell beside the focused bar is framed
// more heavily.
//
// F2 on a bar, or a double-click on its cell, opens an editor over the cell
// and its bar. Enter (or Tab) hands the window the bar value the typed
// start date or rate stands for, as if the bar had been moved there; a text
// that is no such value is refused with a message naming the limits, and
// the editor stays open. Esc, or leaving the editor, changes nothing.

#include "platform/formcontrols.h"

#include <QObject>
#include <functional>
#include <vector>

class QKeyEvent;
class QLabel;
class QLineEdit;
class QScrollBar;
class QWidget;

class RowKeyboard : public QObject {
    Q_OBJECT
public:
    enum class Field { StartDate, Rate };
    using Entered = std::function<void(int row, Field field, int barValue)>;

    // `pageBar` scrolls the rows, `periodsInUse` says how many periods (or
    // table rows) are entered, `entered` takes a typed value for a row.
    RowKeyboard(QWidget* window, QScrollBar* pageBar, std::function<int()> periodsInUse,
                Entered entered);

    // The next row, from row 1 down.
    void addRow(const FormControls::PeriodRow& row);
    // Opens the editor on row r's start date or rate, showing its cell's text.
    void edit(int r, Field field);
    // The editor ("immissione"), or nullptr while none is open.
    QLineEdit* openEditor() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Place {
        int row = 0;
        Field field = Field::StartDate;
    };
    QScrollBar* barAt(Place place) const;
    QLabel* cellAt(Place place) const;
    // Which bar this is, if it is one of the rows'.
    bool findBar(const QObject* object, Place& place) const;
    // Tab at the edge of the rows: scrolls by one and keeps the focus in
    // the rows; false where the rows end and the focus leaves them.
    bool tabAtEdge(Place from, bool forward);
    bool moveBar(QScrollBar* bar, int key);
    bool editorKey(const QKeyEvent* event);
    bool commit();
    void close();

    QWidget* window_;
    QScrollBar* pageBar_;
    std::function<int()> periodsInUse_;
    Entered entered_;
    std::vector<FormControls::PeriodRow> rows_{1}; // from 1
    QLineEdit* editor_ = nullptr;
    Place editing_;
    // The refusal's message box takes the focus from the editor for a moment.
    bool refusing_ = false;
};
