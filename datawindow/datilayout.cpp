// SPDX-License-Identifier: GPL-3.0-or-later
// The controls of the Data window and their designed places, in twips.
#include "datawindow/dati.h"

#include "core/periodlist.h"
#include "platform/clickablelabel.h"
#include "platform/formcontrols.h"
#include "platform/programresources.h"

#include <QComboBox>
#include <QIcon>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

using namespace FormControls;

namespace {

// Rows of the period table.
constexpr int kFirstRowTop = 3270;
constexpr int kRowPitch = 240;
constexpr int kRowHeight = 240;

// Columns of the period table.
constexpr RowColumn kNum{"num", 120, 420, &kCyan};
constexpr RowColumn kDelriga{"delriga", 555, 255};
constexpr RowColumn kData1{"data1", 825, 840};
constexpr RowColumn kHscroll1{"hscroll1", 1680, 990};
constexpr RowColumn kAl{"al", 2685, 840, &kYellow};
constexpr RowColumn kTas{"tas", 3540, 600, &kWhite, Qt::AlignRight};
constexpr RowColumn kScrollatassi{"scrollatassi", 4155, 990};
constexpr RowColumn kGiorn{"giorn", 5160, 560, &kCyan, Qt::AlignRight};
constexpr RowColumn kInteres{"interes", 5735, 1000, &kCyan, Qt::AlignRight};
constexpr RowColumn kTotint{"totint", 6750, 1350, &kCyan, Qt::AlignRight};
constexpr RowColumn kCapital{"capital", 8115, 1080, &kCyan, Qt::AlignRight};
constexpr PeriodColumns kPeriodColumns{.number = kNum,
                                       .deleteButton = kDelriga,
                                       .start = kData1,
                                       .startDateBar = kHscroll1,
                                       .end = kAl,
                                       .rate = kTas,
                                       .rateBar = kScrollatassi};

// Headings over the columns: the captions of the two groups of columns,
// of each column, and of its unit.
constexpr int kGroupTop = 2520;
constexpr int kCaptionTop = 2760;
constexpr int kUnitTop = 3000;

constexpr Place over(const RowColumn& from, const RowColumn& to, int top) {
    return {from.left, top, to.left + to.width - from.left, 240};
}
constexpr Place over(const RowColumn& column, int top) {
    return over(column, column, top);
}

using enum Kind;

// clang-format off

// Everything above the rows, in the order it is made.
constexpr Control kAboveRows[] = {
    {Caption, "Label26", {120, 790, 2040, 240}, "Capitale iniziale", "capitale sul quale calcolare gli interessi", Qt::AlignRight},
    {Field, "capiniz", {2250, 760, 1450, 300}},
    {Choice, "moneta", {3780, 760, 1100, 300}},
    {Caption, "Label27", {4900, 790, 1900, 240}, "data finale di calcolo", "data fino a cui deve giungere il calcolo degli interessi", Qt::AlignRight},
    {Field, "datfin", {6870, 760, 950, 300}, "", "", Qt::AlignCenter},
    {FinalDateBar, "scrollafinale", {7890, 782, 1580, 255}},
    {Caption, "rifer", {120, 1190, 2040, 240}, "Riferimenti del calcolo:", "utile per l'archivio o per la stampa", Qt::AlignRight},
    {Field, "riferimento", {2250, 1160, 3950, 300}},
    {Group, "Frame1", {6300, 1140, 3170, 1080}, "Tipo di calcolo:", "scegliere il tipo di calcolo che interessa"},
    {Option, "Option1(1)", {240, 240, 2800, 240}, " interessi semplici", "", {}, "Frame1"},
    {Option, "Option1(2)", {240, 495, 2800, 240}, " interessi composti", "", {}, "Frame1"},
    {Option, "Option1(3)", {240, 750, 2800, 240}, " entrambi i tipi", "", {}, "Frame1"},
    {Caption, "Label1", {120, 1590, 3480, 240}, "Somma finale ad interessi semplici", "somma comprensiva degli interessi", Qt::AlignRight},
    {Sum, "capitales", {3690, 1580, 1500, 260}},
    {Caption, "Label2", {120, 1875, 3480, 240}, "Somma finale ad interessi composti", "somma comprensiva degli interessi composti progressivi", Qt::AlignRight},
    {Sum, "capitalec", {3690, 1865, 1500, 260}},
    {Caption, "Label12", {120, 2160, 3480, 240}, "Maggiore somma per interessi composti", "differenza tra i due tipi di calcoli", Qt::AlignRight},
    {Sum, "differ", {3690, 2150, 1500, 260}},
    {Button, "calcolare", {5300, 1650, 900, 540}, "&calcola", "cliccare per aggiornare i risultati"},
    {BoxedCaption, "Label28", over(kNum, kScrollatassi, kGroupTop), "dati per ogni singolo periodo", "digitare i dati relativi o prelevarli dalla finestra Tabelle", Qt::AlignHCenter},
    {BoxedCaption, "Label29", over(kGiorn, kCapital, kGroupTop), "risultati del calcolo", "i risultati per ogni singolo periodo", Qt::AlignHCenter},
    {Caption, "Label3", over(kNum, kCaptionTop), "n.", "numero d'ordine", Qt::AlignHCenter},
    {Caption, "Label4", over(kData1, kCaptionTop), "dal", "data da cui parte il singolo tasso", Qt::AlignHCenter},
    {Caption, "label7", over(kData1, kHscroll1, kUnitTop), "gg/mm/aa", "inserire le date usando le frecce laterali", Qt::AlignHCenter},
    {Caption, "Label13", over(kAl, kCaptionTop), "al", "data a cui arriva il singolo tasso", Qt::AlignHCenter},
    // A little wider than its column: the unit needs a few more pixels.
    {Caption, "Label14", {2670, kUnitTop, 870, 240}, "gg/mm/aa", "queste date vengono calcolate in automatico", Qt::AlignHCenter},
    {Caption, "Label5", over(kTas, kCaptionTop), "tasso", "tasso di interesse", Qt::AlignHCenter},
    {Caption, "Label8", over(kTas, kScrollatassi, kUnitTop), "%", "immettere il valore usando le freccette laterali", Qt::AlignHCenter},
    {Caption, "Label6", over(kGiorn, kCaptionTop), "giorni", "numero di giorni ai quali viene riferito il tasso", Qt::AlignHCenter},
    {Caption, "Label9", over(kGiorn, kUnitTop), "num.", "numero di giorni ai quali viene riferito il tasso", Qt::AlignHCenter},
    {Caption, "Label20", over(kInteres, kCaptionTop), "interessi", "interessi del singolo periodo", Qt::AlignHCenter},
    {Caption, "Label22", over(kTotint, kCaptionTop), "totali interessi", "totale progressivo degli interessi maturati", Qt::AlignHCenter},
    {Caption, "Label10", over(kCapital, kCaptionTop), "capitale", "capitale progressivo maturato", Qt::AlignHCenter},
    {Unit, "eur(1)", over(kInteres, kUnitTop)},
    {Unit, "eur(2)", over(kTotint, kUnitTop)},
    {Unit, "eur(3)", over(kCapital, kUnitTop)},
};

// Everything below and beside the rows, in the order it is made. The
// buttons stand where the rate-table window has its own: help on the left,
// the other window and the exit on the right.
constexpr Control kBelowRows[] = {
    {.kind = PageBar, .name = "VScroll1", .place = {9215, kFirstRowTop, 255, Dati::kRows * kRowPitch}, .last = core::Calculation::kLastFirstPeriod, .page = Dati::kRows},
    {.kind = Progress, .name = "ProgressBar1", .place = {120, 5700, 9350, 165}, .last = core::kMaxPeriods}, // a step per period
    {Guidance, "passo", {120, 5910, 9350, 380}, "", "indicazioni sulla corretta procedura di immissione dei dati"},
    {Button, "aiuto", {120, 6370, 1300, 360}, "&AIUTO", "cliccare per avere gli aiuti in linea"},
    {Button, "guidainlinea", {1500, 6370, 1450, 360}, "&Guida in linea", "cliccare per visualizzare il Sommario della guida"},
    {Button, "disconto", {6660, 6370, 1300, 360}, "&Tabella tassi", "cliccare per visualizzare la finestra Tabella tassi"},
    {Button, "esco", {8080, 6370, 1400, 360}, "&USCITA", "cliccare per uscire da Fenoverra"},
};

// clang-format on

} // namespace

void Dati::buildControls() {
    makeControls(
        kAboveRows, [this] { buildRows(); }, kBelowRows);

    capital_ = findChild<QLineEdit*>("capiniz");
    currency_ = findChild<QComboBox*>("moneta");
    finalDate_ = findChild<QLineEdit*>("datfin");
    finalDateBar_ = findChild<QScrollBar*>("scrollafinale");
    reference_ = findChild<QLineEdit*>("riferimento");
    for (int t = 1; t <= 3; ++t)
        typeButtons_[t] = findChild<QRadioButton*>(indexed("Option1", t));
    simpleSum_ = findChild<ClickableLabel*>("capitales");
    compoundSum_ = findChild<ClickableLabel*>("capitalec");
    difference_ = findChild<ClickableLabel*>("differ");
    calculateButton_ = findChild<QPushButton*>("calcolare");
    for (int i = 1; i <= 3; ++i)
        currencyUnits_[i] = findChild<ClickableLabel*>(indexed("eur", i));
    pageBar_ = findChild<QScrollBar*>("VScroll1");
    progress_ = findChild<QProgressBar*>("ProgressBar1");
    guidance_ = findChild<ClickableLabel*>("passo");
}

void Dati::buildRows() {
    const QIcon cross = ProgramResources::icon("elimina-riga");
    for (int r = 1; r <= kRows; ++r) {
        const RowMaker make(this, r, kFirstRowTop + (r - 1) * kRowPitch, kRowHeight);
        rows_[r] = {make.period(kPeriodColumns, cross), make.cell(kGiorn), make.cell(kInteres),
                    make.cell(kTotint), make.cell(kCapital)};
        rows_[r].start->setToolTip("cliccare per andare indietro di 365 giorni");
    }
}
