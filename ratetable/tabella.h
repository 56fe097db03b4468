// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The rate-table window `tabella`: 15 lines over the 200 rows of a rate
// table, built and changed with a date bar and a rate bar per line; rows
// inserted and deleted with the row number and the cross; the two preset
// tables; the copy of a table into the Data window; the table files; the
// menu bar and the toolbar above it all.
//
// Everything it shows of the table comes from the rate-table model
// (core::RateTable, in the program's context), lines and bars included. A
// user's gesture goes from the control to one method of the model, then
// draw() shows the model once with the controls' signals blocked.

#include "core/ratetable.h"
#include "files/format/ratetablefile.h"
#include "platform/clsresize.h"
#include "platform/commondialog.h"

#include <QWidget>
#include <array>
#include <vector>

class ClickableLabel;
class QLabel;
class QProgressBar;
class QPushButton;
class QScrollBar;
struct ProgramContext;

class Tabella : public QWidget {
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
    fileformat::RateTableRows tableFileRows() const;
    // A table file's rows in place of the table, its path as the title.
    void loadTableFile(const fileformat::RateTableRows& rows, const QString& path);

    // The window's one common dialog and its current table file name.
    CommonDialog& dialogo() { return dialogo_; }
    QString nomefile;

public slots:
    // Loads preset n (1 legal rates, 2 discount rates) as a new load does.
    void ricaric(int n);
    // Reports the lowest row with a date and no rate or the other way round.
    void controlla();
    // Empties every row; the title stays.
    void cancella();
    // Copies the rows from the one on line i to the end into the Data window.
    void copias(int i);
    void apri();
    void salva();
    void salvanome();
    void elimina();
    // The printed table: rows 11.. are scrolled through first, so every row
    // reaches the paper in the form the window writes it. The same as PDF.
    void stampa();
    void esportapdf();
    // A click on the toolbar's button at that position (1..17); a position
    // the toolbar does not have opens a table file, as button 1 does.
    void toolbar1(int position);
    // "Finestra Tabella tassi": asks whether to show this window's help page.
    void domandaguida();
    // The background colour of this window, from its colour dialog.
    void colorare();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    struct Line {
        ClickableLabel* number = nullptr;
        QPushButton* deleteButton = nullptr;
        ClickableLabel* start = nullptr;
        QScrollBar* startDateBar = nullptr;
        ClickableLabel* end = nullptr;
        ClickableLabel* rate = nullptr;
        QScrollBar* rateBar = nullptr;
        QPushButton* copyButton = nullptr;
    };

    void stampaCome(bool pdf);
    void costruisci();
    void costruisciLinee();
    void costruisciPulsanti();
    // The menu bar and the toolbar (tabellacommands.cpp).
    void costruisciComandi();
    void connectControls();

    // The window's size as designed, then the table as the window opens.
    void resetSize();
    void draw();
    void drawLine(int i);
    void highlightNumbers();
    void highlightNumber(int i);
    void showHelp();

    ProgramContext& context_;
    core::RateTable& model_;
    clsResize resize_;
    CommonDialog dialogo_;
    bool printing_ = false;
    bool colourChosen_ = false;
    std::vector<QObject*> inputs_;

    QLabel* appunti_ = nullptr;
    QLabel* label2_ = nullptr;
    std::array<QPushButton*, 3> ricaric_{};
    ClickableLabel* passo_ = nullptr;
    QProgressBar* progressBar1_ = nullptr;
    QScrollBar* vscroll1_ = nullptr;
    std::array<Line, kLines + 1> lines_{};
};
