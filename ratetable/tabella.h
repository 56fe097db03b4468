// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The rate-table window `tabella`: 15 lines over the 200 rows of a rate
// table, built and changed with a date bar and a rate bar per line; rows
// inserted and deleted with the row number and the cross; the two preset
// tables; the copy of a table into the Data window; the table files; the
// menu bar and the toolbar above it all (WorkingWindow).
//
// Everything it shows of the table comes from the rate-table model
// (core::RateTable, in the program's context), lines and bars included. A
// user's gesture goes from the control to one method of the model, then
// draw() shows the model once with the controls' signals blocked.

#include "core/ratetable.h"
#include "files/filecommands.h"
#include "files/ratetablefileio.h"
#include "platform/formcontrols.h"
#include "platform/rowkeyboard.h"

#include <array>

class ClickableLabel;
class QLabel;
class QProgressBar;
class QPushButton;
class QScrollBar;

class Tabella : public FileWindow<RateTableFiles> {
    Q_OBJECT
public:
    explicit Tabella(ProgramContext& context, QWidget* parent = nullptr);
    ~Tabella() override;

    static constexpr int kLines = core::RateTable::kLines;

    const core::RateTable& table() const { return model_; }
    // The caption of `appunti`: what kind of rates the table holds, or the
    // path of the file it was read from. A carriage return breaks the line.
    QString titolo() const;

    // What a table file holds, taken from the table.
    fileformat::RateTableRows fileContent() const override;
    // A table file's rows in place of the table, its path as the title.
    void loadFile(const fileformat::RateTableRows& rows, const QString& path) override;

    // A preset button: its table loaded as a new window loads it.
    void choosePreset(Presets::Choice choice);
    // Copies the rows from the one on line i to the end into the Data window.
    void copyFromLine(int i);

    // The commands of the menus and the toolbar (the file commands: FileWindow).
    // The printed table: rows 11.. are scrolled through first, so every row
    // reaches the paper in the form the window writes it. The same as PDF.
    void stampa() override;
    void esportapdf() override;
    // The background colour of this window, from its colour dialog.
    void colorare() override;
    // Reports the lowest row with a date and no rate or the other way round.
    void controlla() override;
    // Empties every row; the title stays.
    void cancella() override;

private:
    // A row's controls, then the button that copies from it.
    struct Line : FormControls::PeriodRow {
        QPushButton* copyButton = nullptr;
    };

    // tabellalayout.cpp
    void buildControls();
    void buildLines();
    void connectControls();
    void connectLine(int i);

    void print(bool pdf);
    void draw();
    void drawLine(int i);

    core::RateTable& model_;
    bool printing_ = false;
    bool colourChosen_ = false;
    RowKeyboard* keyboard_ = nullptr;

    QLabel* title_ = nullptr;
    std::array<QPushButton*, 3> presetButtons_{};
    ClickableLabel* guidance_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QScrollBar* pageBar_ = nullptr;
    std::array<Line, kLines + 1> lines_{};
};
