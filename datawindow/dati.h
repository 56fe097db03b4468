// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Data window `dati`: where a calculation is entered and its results read.
//
// Parts, top to bottom (made in datilayout.cpp from its tables):
//   - the menu bar and the toolbar `Toolbar1` (WorkingWindow);
//   - the header: capital `capiniz` and currency `moneta` (its name heads the
//     money columns, `eur(1..3)`), final date `datfin` with its bar
//     `scrollafinale`, reference `riferimento`, calculation type
//     `Option1(1..3)` in `Frame1`;
//   - the final sums `capitales`, `capitalec`, `differ` and "&calcola";
//   - the period table: headings and ten rows over the 200 period slots,
//     scrolled by `VScroll1`. Each row: number `num` (click inserts), X
//     `delriga`, start date `data1` with its bar `hscroll1`, end date `al`,
//     rate `tas` with its bar `scrollatassi`, then days and the results;
//   - `ProgressBar1`, the yellow guidance box `passo`, the buttons along the
//     bottom.
//
// How data flows. Everything the window shows is held by the calculation
// model (core::Calculation, in the program's context): the header, the
// periods and their results, the sums, whether the results are current,
// the guidance, the page of rows and where every bar stands. A user's
// gesture goes from the control to one method of the model (setCapital,
// moveRateBar, chooseType...), which does all the gesture means, the
// calculation included; then draw() shows the model once, with the
// controls' signals blocked so that nothing drawn comes back as a gesture.
// Nothing else writes into the model.

#include "core/calculation.h"
#include "datawindow/datacheck.h"
#include "files/datafileio.h"
#include "files/filecommands.h"
#include "platform/calculationwindow.h"
#include "platform/formcontrols.h"
#include "platform/rowkeyboard.h"

#include <array>
#include <optional>
#include <vector>

class ClickableLabel;
class QComboBox;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QScrollBar;

class Dati : public FileWindow<DataFiles>, public CalculationWindow {
    Q_OBJECT
public:
    explicit Dati(ProgramContext& context, QWidget* parent = nullptr);
    ~Dati() override;

    static constexpr int kRows = core::Calculation::kRows;

    const core::Calculation& calculation() const { return model_; }
    // The results count as current while their labels are enabled.
    bool risultaticorrenti() const { return model_.resultsCurrent(); }
    core::CalculationType tipocalcolo() const { return model_.type(); }

    // What a data file holds, taken from the calculation.
    fileformat::DataFileContent fileContent() const override;
    // A data file's content put into the (cleared) window and computed.
    void loadFile(const fileformat::DataFileContent& content, const QString& path) override;

    // Rows of a rate table copied in as the calculation's periods.
    void copyRates(const std::vector<core::TableRow>& rows) override;
    // Periods written into slots 1.. as they are and the rows drawn: how
    // tools and tests build a calculation without moving bars.
    void enterPeriods(const std::vector<core::TableRow>& rows);

    // The guidance box during a print, and back after it.
    void showGuidance(core::Guidance guidance);

    // "&calcola": the results brought up to date; nothing when they are
    // current already, or when the capital is not a number (which it says).
    void updateStaleResults();
    // Selects Option1(type) and runs its reaction, as a click does.
    void chooseType(core::CalculationType type);
    // Runs simple interest, as printing does for both types, leaving
    // Option1 as it is.
    void computeSimpleInterest();
    // The data check; returns whether the data passed. Silent: a message
    // only when it fails.
    bool checkData(DataCheck::Mode mode);

    // The commands of the menus and the toolbar (the file commands: FileWindow).
    // The calculation report (CalculationPrint), and the same as PDF.
    void stampa() override;
    void esportapdf() override;
    // The background colour: grey for both windows, or a colour of one's own.
    void colorare() override;
    // The data check, which always speaks.
    void controlla() override;
    // Empties every field, the period list and the results.
    void cancella() override;

private:
    // A period's controls, then its days and results.
    struct Row : FormControls::PeriodRow {
        ClickableLabel* days = nullptr;
        ClickableLabel* interest = nullptr;
        ClickableLabel* total = nullptr;
        ClickableLabel* capital = nullptr;
    };

    // datilayout.cpp
    void buildControls();
    void buildRows();
    void connectControls();
    void connectRow(int r);

    // A save checks the data first, silently but for a failure.
    bool readyToSave() override;

    // A gesture's outcome: the window drawn once, then what the user must be told.
    void present(const core::Changes& changes);
    void tell(const core::Changes& changes);
    // Long work (a calculation over more than a page) under the hourglass
    // and the progress bar.
    template <typename Work> void longWork(Work work);
    void draw(bool rowsDrawn);
    void drawRow(int r);
    void drawResultsState();

    core::Calculation& model_;
    bool resultsShownCurrent_ = true;
    // The calculation before a click stepped a start date back.
    std::optional<core::Calculation> beforeStepBack_;
    RowKeyboard* keyboard_ = nullptr;

    QLineEdit* capital_ = nullptr;
    QComboBox* currency_ = nullptr;
    std::array<ClickableLabel*, 4> currencyUnits_{};
    QLineEdit* finalDate_ = nullptr;
    QScrollBar* finalDateBar_ = nullptr;
    QLineEdit* reference_ = nullptr;
    std::array<QRadioButton*, 4> typeButtons_{};
    ClickableLabel* simpleSum_ = nullptr;
    ClickableLabel* compoundSum_ = nullptr;
    ClickableLabel* difference_ = nullptr;
    QPushButton* calculateButton_ = nullptr;
    ClickableLabel* guidance_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QScrollBar* pageBar_ = nullptr;
    std::array<Row, kRows + 1> rows_{};
};
