// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Building a window's controls at their designed places in twips, with the
// program's colours and font.
//
// A working window describes its controls in tables, in the order they are
// made (which is the order Tab moves through them): a Control for each one
// above and below the rows, a RowColumn for each column of the rows. Each
// kind of control looks the same wherever it stands.

#include <QColor>
#include <QString>

class ClickableLabel;
class QIcon;
class QPushButton;
class QScrollBar;
class QWidget;

namespace FormControls {

inline const QColor kWhite(255, 255, 255);
inline const QColor kYellow(255, 255, 0);
inline const QColor kCyan(0, 255, 255);
inline const QColor kRed(255, 0, 0);
inline const QColor kBlack(0, 0, 0);

// A designed place and size, in twips.
struct Place {
    int left;
    int top;
    int width;
    int height;
};

enum class Kind {
    Caption,      // text on the form, vertically centred (`align` across)
    BoxedCaption, // a bold caption in a box, over a group of columns
    Title,        // bold, centred and word-wrapped in a sunken panel
    Note,         // word-wrapped, centred at the top
    Unit,         // a centred label the window writes: the currency over a column
    Sum,          // a final sum: bold yellow on red in a box, to the right
    Guidance,     // the yellow box that says what to do next
    Field,        // a line of text typed in (`align`, when given)
    Choice,       // a drop-down list
    Button,       // a push button with a caption
    Group,        // a captioned frame; a control naming it as `group` stands inside
    Option,       // a radio button
    FinalDateBar, // the date bar of the final date
    PageBar,      // the vertical bar that pages through the rows
    Progress,     // the progress bar of long work, hidden until then
};

struct Control {
    Kind kind;
    const char* name;
    Place place;
    const char* caption = "";
    const char* tip = "";
    Qt::Alignment align = {};
    const char* group = nullptr;
    int last = 0; // PageBar: the highest first row; Progress: the steps
    int page = 0; // PageBar: the rows a page shows
};

// Makes the control on the form (inside its group, made before it).
QWidget* make(QWidget* form, const Control& control);

// A column of the rows: row r's control there is named "name(r)"; a text
// cell has a box, a background and its text to one side.
struct RowColumn {
    const char* name;
    int left;
    int width;
    const QColor* background = &kWhite;
    Qt::Alignment align = Qt::AlignCenter;
};

// What a row of either window begins with: the number, which inserts, the
// cross, which deletes, the start date and its bar, the end date, the rate
// and its bar.
struct PeriodRow {
    ClickableLabel* number = nullptr;
    QPushButton* deleteButton = nullptr;
    ClickableLabel* start = nullptr;
    QScrollBar* startDateBar = nullptr;
    ClickableLabel* end = nullptr;
    ClickableLabel* rate = nullptr;
    QScrollBar* rateBar = nullptr;
};

struct PeriodColumns {
    RowColumn number;
    RowColumn deleteButton;
    RowColumn start;
    RowColumn startDateBar;
    RowColumn end;
    RowColumn rate;
    RowColumn rateBar;
};

// The controls of one row, each in its column.
class RowMaker {
public:
    RowMaker(QWidget* form, int row, int top, int height);

    ClickableLabel* cell(const RowColumn& column) const;
    // A cell that takes clicks: the row number.
    ClickableLabel* number(const RowColumn& column) const;
    // A small button with a picture and no focus: the cross, the copy.
    QPushButton* button(const RowColumn& column, const QIcon& picture) const;
    QScrollBar* startDateBar(const RowColumn& column) const;
    QScrollBar* rateBar(const RowColumn& column) const;
    PeriodRow period(const PeriodColumns& columns, const QIcon& cross) const;

private:
    void place(QWidget* control, const RowColumn& column) const;

    QWidget* form_;
    int row_;
    int top_;
    int height_;
};

// The small sans-serif font of the working windows, for the window and all it holds.
void useWindowFont(QWidget* form);
// The control at its designed place and size, in twips.
void place(QWidget* w, int left, int top, int width, int height);
void place(QWidget* w, const Place& place);
// An opaque background and a text colour. Disabled, the text is greyed,
// still readable on that background (a contrast of at least 4.5 to 1).
void paint(QWidget* w, const QColor& background, const QColor& text);
// The contrast ratio of two colours, 1 to 21, as accessibility guidelines
// measure it.
double contrast(const QColor& a, const QColor& b);
void makeBold(QWidget* w);
// Setting a tooltip always sends an event, and rows are drawn very often:
// only a real change is set.
void setToolTipIfChanged(QWidget* w, const QString& tip);
// The name of element i of a control array: "period(3)".
QString indexed(const char* name, int i);

} // namespace FormControls
