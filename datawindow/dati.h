// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Data window `dati`: where a calculation is entered and its results read.
//
// Parts, top to bottom (built in datilayout.cpp):
//   - the menu bar and the toolbar `Toolbar1` (daticommands.cpp);
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
#include "files/format/datafile.h"
#include "platform/calculationwindow.h"
#include "platform/clsresize.h"
#include "platform/commondialog.h"

#include <QWidget>
#include <array>
#include <vector>

class ClickableLabel;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QScrollBar;
struct ProgramContext;

class Dati : public QWidget, public CalculationWindow {
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
    fileformat::DataFileContent dataFileContent() const;
    // A data file's content put into the (cleared) window and computed.
    void loadDataFile(const fileformat::DataFileContent& content);
    // Rows of a rate table copied in as the calculation's periods.
    void copyRates(const std::vector<core::TableRow>& rows) override;
    // Periods written into slots 1.. as they are and the rows drawn: how
    // tools and tests build a calculation without moving bars.
    void enterPeriods(const std::vector<core::TableRow>& rows);

    // The guidance box during a print, and back after it.
    void showGuidance(core::Guidance guidance);

    // The window's one common dialog and its current data file name.
    CommonDialog& dialogo() { return dialogo_; }
    QString nomefile;

public slots:
    // The "&calcola" button.
    void calcola();
    // Selects Option1(tipo) and runs its reaction, as a click does.
    void sceglitipo(core::CalculationType tipo);
    // Runs type 1, as printing does for both types, leaving Option1 as it is.
    void calcolaSemplice();
    // The data check; returns whether the data passed. Silent: a message
    // only when it fails.
    bool controlla(DataCheck::Mode mode = DataCheck::Mode::Report);
    // Empties every field, the period list and the results.
    void cancella();
    void apri();
    void salva();
    // The calculation report (CalculationPrint), and the same as PDF.
    void stampa();
    void esportapdf();
    void salvanome();
    void eliminare();
    // A click on the toolbar's button at that position (1..17).
    void toolbar1(int position);
    // "Finestra Dati": asks whether to show this window's help page.
    void domandaguida();
    // The help message of "&AIUTO".
    void aiuto();
    // The background colour: grey for both windows, or a colour of one's own.
    void colorare();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    struct Row {
        ClickableLabel* number = nullptr;
        QPushButton* deleteButton = nullptr;
        ClickableLabel* start = nullptr;
        QScrollBar* startDateBar = nullptr;
        ClickableLabel* end = nullptr;
        ClickableLabel* rate = nullptr;
        QScrollBar* rateBar = nullptr;
        ClickableLabel* days = nullptr;
        ClickableLabel* interest = nullptr;
        ClickableLabel* total = nullptr;
        ClickableLabel* capital = nullptr;
    };

    void costruisci();
    void costruisciRighe();
    void costruisciPulsanti();
    // The menu bar and the toolbar (daticommands.cpp).
    void costruisciComandi();
    void connectControls();
    void connectRow(int r);

    // A gesture's outcome: the window drawn once, then what the user must be told.
    void present(const core::Changes& changes);
    void tell(const core::Changes& changes);
    // Long work (a calculation over more than a page) under the hourglass
    // and the progress bar.
    template <typename Work> void longWork(Work work);
    void draw(bool rowsDrawn);
    void drawRow(int r);
    void drawResultsState();
    void highlightNumbers();
    void highlightNumber(int r);

    ProgramContext& context_;
    core::Calculation& model_;
    clsResize resize_;
    CommonDialog dialogo_;
    bool resultsShownCurrent_ = true;
    // What draw() blocks: every control whose change is a gesture.
    std::vector<QObject*> inputs_;

    QLineEdit* capiniz_ = nullptr;
    QComboBox* moneta_ = nullptr;
    std::array<ClickableLabel*, 4> eur_{};
    QLineEdit* datfin_ = nullptr;
    QScrollBar* scrollafinale_ = nullptr;
    QLineEdit* riferimento_ = nullptr;
    QGroupBox* frame1_ = nullptr;
    std::array<QRadioButton*, 4> option1_{};
    ClickableLabel* capitales_ = nullptr;
    ClickableLabel* capitalec_ = nullptr;
    ClickableLabel* differ_ = nullptr;
    QPushButton* calcolare_ = nullptr;
    ClickableLabel* passo_ = nullptr;
    QProgressBar* progressBar1_ = nullptr;
    QScrollBar* vscroll1_ = nullptr;
    std::array<Row, kRows + 1> rows_{};
};
