// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Data window `dati`: where a calculation is entered and its results read.
// Constructing it performs the whole loading of the window.
//
// Parts, top to bottom (built in datilayout.cpp):
//   - the menu bar and the toolbar `Toolbar1` (daticommands.cpp);
//   - the header: capital `capiniz` and currency `moneta` (its name heads the
//     money columns, `eur(1..3)`), final date `datfin` with its bar
//     `scrollafinale`, reference `riferimento`, calculation type
//     `Option1(1..3)` in `Frame1`;
//   - the final sums `capitales`, `capitalec`, `differ` and "&calcola";
//   - the period table: headings and kRows rows (Riga) over the 200 slots of
//     core::periodi(), scrolled by `VScroll1`; row r shows period
//     primoperiodo_ + r - 1. Each row: number `num` (click inserts), X
//     `delriga`, start date `data1` with its bar `hscroll1`, end date `al`,
//     rate `tas` with its bar `scrollatassi`, then days and the results;
//   - `ProgressBar1`, the yellow guidance box `passo`, the buttons along the
//     bottom.
//
// Chain of reactions. The row cells are CaptionLabels: a caption that really
// changes emits captionChanged, and its reaction stores the caption in the
// list (data1 the start date, al the end date, tas the rate and a recount).
// A stored start date redraws the rows (mostraperiodi); drawing sets every
// caption and bar again from the list, and a bar the drawing moves runs its
// reaction as a user's move would (new caption, a reminder in `passo`,
// results out of date). The chain ends because drawing puts back what is
// already there, and an unchanged caption emits nothing.
//
// Drawing-depth guard. `disegno_` counts the drawings under way. A start date
// stored while a drawing runs does not start a nested one (it would only
// repeat the rows the outer drawing goes through anyway): it sets
// `guidaInSospeso_`, and the outermost drawing runs aggiornaguida when it
// ends, after every bar it moved has left its reminder, which is the order
// the guidance would have had.
//
// Calculation. The engine runs the sequence (core/calculationsequence.h) on
// the capital, final date and final sums shown; the window's hooks update
// the guidance at each pass, draw the rows from the period being computed
// and step the progress bar. Painting is frozen meanwhile and the sums are
// shown at the end (calcolaSulleSomme).

#include "core/date.h"
#include "core/interest.h"
#include "datawindow/datacheck.h"
#include "datawindow/periodtexts.h"
#include "files/format/datafile.h"
#include "platform/calculationwindow.h"
#include "platform/clsresize.h"
#include "platform/commondialog.h"

#include <QWidget>
#include <array>
#include <functional>

class CaptionLabel;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QScrollBar;

class Dati : public QWidget, public CalculationWindow {
    Q_OBJECT
public:
    explicit Dati(QWidget* parent = nullptr);
    ~Dati() override;

    static constexpr int kRows = 10;

    // Draws the ten rows from the period list.
    void mostraperiodi();
    // Puts the guidance for the next step into the yellow box.
    void aggiornaguida();
    void risultatiattuali();
    void risultatiscaduti();
    // The results count as current while the first row's capital is enabled.
    bool risultaticorrenti() const;
    void evidenzianumeri();
    // One pass for calculation type `tipo`, drawing the rows as it goes.
    void ricalcola(int tipo);

    int tipocalcolo() const { return tipocalcolo_; }

    QString datfinText() const override;
    void setDatfinText(const QString& text) override;
    QString capinizText() const override;
    void setCapinizText(const QString& text) override;
    void mostraPagina(int first) override;

    // What a data file holds, taken from the window.
    fileformat::DataFileContent contenuto() const;
    // Puts a data file's content into the (cleared) window and computes it.
    void carica(const fileformat::DataFileContent& content);

    // The window's one common dialog and its current data file name.
    CommonDialog& dialogo() { return dialogo_; }
    QString nomefile;

public slots:
    // The "&calcola" button.
    void calcola() override;
    // Selects Option1(tipo) and runs its reaction, as a click does.
    void sceglitipo(int tipo) override;
    // The data check; returns whether the data passed. Silent: a message
    // only when it fails.
    bool controlla(DataCheck::Mode mode = DataCheck::Mode::Report);
    // Empties every field, the period list and the results.
    void cancella() override;
    void apri();
    void salva();
    // The calculation report (CalculationPrint).
    void stampa();
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
    struct Riga {
        CaptionLabel* num = nullptr;
        QPushButton* delriga = nullptr;
        CaptionLabel* data1 = nullptr;
        QScrollBar* hscroll1 = nullptr;
        CaptionLabel* al = nullptr;
        CaptionLabel* tas = nullptr;
        QScrollBar* scrollatassi = nullptr;
        CaptionLabel* giorn = nullptr;
        CaptionLabel* interes = nullptr;
        CaptionLabel* totint = nullptr;
        CaptionLabel* capital = nullptr;
    };

    void costruisci();
    void costruisciRighe();
    void costruisciPulsanti();
    // The menu bar and the toolbar (daticommands.cpp).
    void costruisciComandi();
    void collega();
    void collegaRiga(int r);

    // Reactions.
    void capinizCambiato();
    void datfinCambiato(const QString& text);
    void scrollafinaleCambiato(int value);
    void monetaCambiata();
    void data1Cambiato(int r, const QString& caption);
    void data1Cliccato(int r);
    // A start date moved by its bar or its click: results out of date.
    void dataInizialeSpostata(int r, core::Date date);
    void alCambiato(int r, const QString& caption);
    void tasCambiato(int r, const QString& caption);
    void hscroll1Cambiato(int r, int value);
    void scrollatassiCambiato(int r, int value);
    void numCliccato(int r);
    void numSorvolato(int r);
    void delrigaCliccato(int r);
    void tipoScelto(int tipo);

    void abilitaRisultati(bool attuali);
    int periodoDellaRiga(int r) const;
    void disegnaRiga(int r, int k);
    core::PassInput datiDelCalcolo(int tipo) const;
    // Drawing the rows and stepping the progress bar while the engine works.
    core::CalculationHooks agganci();
    // Runs the engine on the final sums shown and shows them afterwards,
    // painting the window once at the end.
    void calcolaSulleSomme(const std::function<void(core::FinalSums&)>& calcolo);
    void mostraUltimiPeriodi(); // the last ten, when there are more
    void avanzaProgresso();
    void nascondiProgresso();
    void mostraPeriodoInPrima(int k);
    void avvisaDivisioneRifiutata(int needed);

    // The period shown in the first row (1..191), taken from VScroll1 each
    // time the rows are drawn; the rows' reactions find their period by it.
    int primoperiodo_ = 1;
    // Depth of row drawing under way, and a guidance update it owes.
    int disegno_ = 0;
    bool guidaInSospeso_ = false;

    PeriodTexts testi_;
    std::string datfinTesto_; // the final date as the engine reads it
    clsResize resize_;
    CommonDialog dialogo_;
    int tipocalcolo_ = 1;

    QLineEdit* capiniz_ = nullptr;
    QComboBox* moneta_ = nullptr;
    std::array<CaptionLabel*, 4> eur_{};
    QLineEdit* datfin_ = nullptr;
    QScrollBar* scrollafinale_ = nullptr;
    QLineEdit* riferimento_ = nullptr;
    QGroupBox* frame1_ = nullptr;
    std::array<QRadioButton*, 4> option1_{};
    CaptionLabel* capitales_ = nullptr;
    CaptionLabel* capitalec_ = nullptr;
    CaptionLabel* differ_ = nullptr;
    QPushButton* calcolare_ = nullptr;
    CaptionLabel* passo_ = nullptr;
    QProgressBar* progressBar1_ = nullptr;
    QScrollBar* vscroll1_ = nullptr;
    std::array<Riga, kRows + 1> righe_{};
};
