// SPDX-License-Identifier: GPL-3.0-or-later
// The controls of the rate-table window and their designed places, in twips.
#include "ratetable/tabella.h"

#include "platform/clickablelabel.h"
#include "platform/formcontrols.h"
#include "platform/programresources.h"

#include <QIcon>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>

using namespace FormControls;

namespace {

// The 15 lines.
constexpr int kFirstLineTop = 1560;
constexpr int kLinePitch = 240;
constexpr int kLineHeight = 240;

// Columns of the lines.
constexpr RowColumn kNum{"num", 390, 420, &kCyan};
constexpr RowColumn kDelriga{"delriga", 825, 255};
constexpr RowColumn kPeriod{"period", 1095, 900};
constexpr RowColumn kDscroll{"dscroll", 2010, 1200};
constexpr RowColumn kAl{"al", 3225, 900, &kYellow};
constexpr RowColumn kTassuf{"tassuf", 4140, 700, &kWhite, Qt::AlignRight};
constexpr RowColumn kHscroll1{"hscroll1", 4855, 1200};
constexpr RowColumn kCopias{"copias", 6070, 360};
constexpr PeriodColumns kPeriodColumns{.number = kNum,
                                       .deleteButton = kDelriga,
                                       .start = kPeriod,
                                       .startDateBar = kDscroll,
                                       .end = kAl,
                                       .rate = kTassuf,
                                       .rateBar = kHscroll1};

// The headings stand just above the lines.
constexpr int kHeadingTop = kFirstLineTop - 270;

constexpr Place over(const RowColumn& column) {
    return {column.left, kHeadingTop, column.width, 240};
}

using enum Kind;

// clang-format off

// Everything above the lines, in the order it is made.
constexpr Control kAboveLines[] = {
    {Title, "appunti", {120, WorkingWindow::kBarsBand, 9360, 480}, "", "indicazione della tipologia dei tassi indicati nella tabella"},
    {Caption, "Label3", over(kNum), "n.", "numero d'ordine", Qt::AlignHCenter},
    {Caption, "labeldal", over(kPeriod), "dal", "data dalla quale si applica il tasso", Qt::AlignHCenter},
    {Caption, "labelal", over(kAl), "al", "data fino alla quale si applica il tasso", Qt::AlignHCenter},
    {Caption, "Label1", over(kTassuf), "%", "tasso in percento", Qt::AlignHCenter},
};

// Everything below and beside the lines, in the order it is made. The
// buttons along the bottom stand where the Data window has its own.
constexpr Control kBelowLines[] = {
    {.kind = PageBar, .name = "VScroll1", .place = {120, kFirstLineTop, 255, Tabella::kLines * kLinePitch}, .last = core::RateTable::kLastFirstRow, .page = Tabella::kLines},
    {Group, "Frame1", {6600, kHeadingTop, 2880, 2520}, "Tabelle tassi:"},
    {Button, "ricaric(1)", {240, 360, 2400, 420}, "Tassi &legali", "cliccare per caricare la tabella dei tassi legali", {}, "Frame1"},
    {Button, "ricaric(2)", {240, 900, 2400, 420}, "&TUS", "cliccare per caricare la tabella dei tassi ufficiali di sconto (dal 2004 tasso BCE)", {}, "Frame1"},
    {Note, "Label2", {240, 1500, 2400, 900}, Presets::kNotaBce, "", {}, "Frame1"},
    {.kind = Progress, .name = "ProgressBar1", .place = {120, 5250, 9360, 165}, .last = core::RateTable::kMaxRows}, // a step per row
    {Guidance, "passo", {3060, 5520, 3480, 1080}, "", "indicazioni sul corretto uso della tabella"},
    {Button, "aiuto", {120, 5820, 1300, 480}, "&AIUTO", "cliccare per avere indicazioni sull'uso della finestra"},
    {Button, "guidainlinea", {1500, 5820, 1450, 480}, "&Guida in linea", "cliccare per visualizzare il Sommario della guida"},
    {Button, "indietro", {6660, 5820, 1300, 480}, "&Dati", "cliccare per visualizzare la finestra Dati"},
    {Button, "cmdesci", {8080, 5820, 1400, 480}, "&USCITA", "cliccare per uscire da Fenoverra"},
};

// clang-format on

} // namespace

void Tabella::buildControls() {
    makeControls(
        kAboveLines, [this] { buildLines(); }, kBelowLines);

    title_ = findChild<QLabel*>("appunti");
    for (int n = 1; n <= 2; ++n)
        presetButtons_[n] = findChild<QPushButton*>(indexed("ricaric", n));
    pageBar_ = findChild<QScrollBar*>("VScroll1");
    progress_ = findChild<QProgressBar*>("ProgressBar1");
    guidance_ = findChild<ClickableLabel*>("passo");
}

void Tabella::buildLines() {
    const QIcon cross = ProgramResources::icon("elimina-riga");
    const QIcon copy = ProgramResources::icon("copia");
    for (int i = 1; i <= kLines; ++i) {
        const RowMaker make(this, i, kFirstLineTop + (i - 1) * kLinePitch, kLineHeight);
        lines_[i] = {make.period(kPeriodColumns, cross), make.button(kCopias, copy)};
    }
}
