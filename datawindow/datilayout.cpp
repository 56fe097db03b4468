// SPDX-License-Identifier: GPL-3.0-or-later
// The controls of the Data window and their designed places, in twips.
#include "datawindow/dati.h"
#include "platform/clickablelabel.h"
#include "platform/scrollbars.h"

#include "core/periodlist.h"
#include "platform/commandbars.h"
#include "platform/formbackground.h"
#include "platform/formcontrols.h"
#include "platform/modfenoverra.h"
#include "platform/programcontext.h"
#include "platform/programresources.h"
#include "platform/windowregistry.h"

#include <QComboBox>
#include <QGroupBox>
#include <QIcon>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

using namespace FormControls;

namespace {

// Designed client size of the window, and the band at its top left to the
// menu bar and the toolbar.
constexpr int kFormWidth = 9600;
constexpr int kFormHeight = 6825;
constexpr int kBarsBand = 760;

const QColor kRed(255, 0, 0);

// Headings of the period table: group captions, column captions, units.
constexpr int kGroupTop = 2520;
constexpr int kCaptionTop = 2760;
constexpr int kUnitTop = 3000;

// Rows of the period table.
constexpr int kFirstRowTop = 3270;
constexpr int kRowPitch = 240;
constexpr int kRowHeight = 240;

// Columns of the period table: left edge and width.
struct Column {
    int left;
    int width;
};
constexpr Column kNum{120, 420};
constexpr Column kDelriga{555, 255};
constexpr Column kData1{825, 840};
constexpr Column kHscroll1{1680, 990};
constexpr Column kAl{2685, 840};
constexpr Column kAlUnit{2670, 870};
constexpr Column kTas{3540, 600};
constexpr Column kScrollatassi{4155, 990};
constexpr Column kGiorn{5160, 560};
constexpr Column kInteres{5735, 1000};
constexpr Column kTotint{6750, 1350};
constexpr Column kCapital{8115, 1080};
constexpr Column kVScroll1{9215, 255};

QLabel* heading(QWidget* form, const char* name, const QString& caption, const QString& tip,
                int left, int top, int width, Qt::Alignment align = Qt::AlignCenter) {
    auto* label = new QLabel(caption, form);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setToolTip(tip);
    label->setAlignment(align | Qt::AlignVCenter);
    place(label, left, top, width, 240);
    return label;
}

ClickableLabel* cell(QWidget* form, const QString& name, const Column& c, int top,
                     const QColor& background, Qt::Alignment align) {
    auto* label = new ClickableLabel(form);
    label->setObjectName(name);
    label->setFrameShape(QFrame::Box);
    label->setAlignment(align | Qt::AlignVCenter);
    label->setMargin(0);
    label->setIndent(2);
    paint(label, background, kBlack);
    place(label, c.left, top, c.width, kRowHeight);
    return label;
}

} // namespace

void Dati::costruisci() {
    useWindowFont(this);
    setMouseTracking(true);

    heading(this, "Label26", "Capitale iniziale", "capitale sul quale calcolare gli interessi", 120,
            790, 2040, Qt::AlignRight);
    capiniz_ = new QLineEdit(this);
    capiniz_->setObjectName("capiniz");
    place(capiniz_, 2250, 760, 1450, 300);

    moneta_ = new QComboBox(this);
    moneta_->setObjectName("moneta");
    place(moneta_, 3780, 760, 1100, 300);

    heading(this, "Label27", "data finale di calcolo",
            "data fino a cui deve giungere il calcolo degli interessi", 4900, 790, 1900,
            Qt::AlignRight);
    datfin_ = new QLineEdit(this);
    datfin_->setObjectName("datfin");
    datfin_->setAlignment(Qt::AlignCenter);
    place(datfin_, 6870, 760, 950, 300);
    scrollafinale_ = new QScrollBar(this);
    scrollafinale_->setObjectName("scrollafinale");
    ScrollBars::setUpDateBar(scrollafinale_, core::kFinalDateBar);
    place(scrollafinale_, 7890, 782, 1580, 255);

    heading(this, "rifer", "Riferimenti del calcolo:", "utile per l'archivio o per la stampa", 120,
            1190, 2040, Qt::AlignRight);
    riferimento_ = new QLineEdit(this);
    riferimento_->setObjectName("riferimento");
    place(riferimento_, 2250, 1160, 3950, 300);

    frame1_ = new QGroupBox("Tipo di calcolo:", this);
    frame1_->setObjectName("Frame1");
    frame1_->setToolTip("scegliere il tipo di calcolo che interessa");
    place(frame1_, 6300, 1140, 3170, 1080);
    const char* tipi[] = {"", " interessi semplici", " interessi composti", " entrambi i tipi"};
    for (int t = 1; t <= 3; ++t) {
        option1_[t] = new QRadioButton(tipi[t], frame1_);
        option1_[t]->setObjectName(indexed("Option1", t));
        place(option1_[t], 240, 240 + (t - 1) * 255, 2800, 240);
    }
    option1_[1]->setChecked(true);

    struct Sum {
        const char* labelName;
        const char* caption;
        const char* tip;
        const char* name;
        ClickableLabel** target;
    };
    const Sum sums[] = {
        {"Label1", "Somma finale ad interessi semplici", "somma comprensiva degli interessi",
         "capitales", &capitales_},
        {"Label2", "Somma finale ad interessi composti",
         "somma comprensiva degli interessi composti progressivi", "capitalec", &capitalec_},
        {"Label12", "Maggiore somma per interessi composti", "differenza tra i due tipi di calcoli",
         "differ", &differ_},
    };
    for (int i = 0; i < 3; ++i) {
        const int top = 1590 + i * 285;
        heading(this, sums[i].labelName, sums[i].caption, sums[i].tip, 120, top, 3480,
                Qt::AlignRight);
        auto* sum = new ClickableLabel(this);
        sum->setObjectName(sums[i].name);
        sum->setFrameShape(QFrame::Box);
        sum->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        sum->setIndent(4);
        makeBold(sum);
        paint(sum, kRed, kYellow);
        place(sum, 3690, top - 10, 1500, 260);
        *sums[i].target = sum;
    }

    calcolare_ = new QPushButton("&calcola", this);
    calcolare_->setObjectName("calcolare");
    calcolare_->setToolTip("cliccare per aggiornare i risultati");
    place(calcolare_, 5300, 1650, 900, 540);

    // Headings of the period table: the two group captions over the input
    // and result columns, the column captions, and the units below them.
    struct Heading {
        const char* name;
        const char* caption;
        const char* tip;
        Column from, to; // the columns it spans
        int top;
    };
    const Heading headings[] = {
        {"Label28", "dati per ogni singolo periodo",
         "digitare i dati relativi o prelevarli dalla finestra Tabelle", kNum, kScrollatassi,
         kGroupTop},
        {"Label29", "risultati del calcolo", "i risultati per ogni singolo periodo", kGiorn,
         kCapital, kGroupTop},
        {"Label3", "n.", "numero d'ordine", kNum, kNum, kCaptionTop},
        {"Label4", "dal", "data da cui parte il singolo tasso", kData1, kData1, kCaptionTop},
        {"label7", "gg/mm/aa", "inserire le date usando le frecce laterali", kData1, kHscroll1,
         kUnitTop},
        {"Label13", "al", "data a cui arriva il singolo tasso", kAl, kAl, kCaptionTop},
        // A little wider than its column: the unit needs a few more pixels.
        {"Label14", "gg/mm/aa", "queste date vengono calcolate in automatico", kAlUnit, kAlUnit,
         kUnitTop},
        {"Label5", "tasso", "tasso di interesse", kTas, kTas, kCaptionTop},
        {"Label8", "%", "immettere il valore usando le freccette laterali", kTas, kScrollatassi,
         kUnitTop},
        {"Label6", "giorni", "numero di giorni ai quali viene riferito il tasso", kGiorn, kGiorn,
         kCaptionTop},
        {"Label9", "num.", "numero di giorni ai quali viene riferito il tasso", kGiorn, kGiorn,
         kUnitTop},
        {"Label20", "interessi", "interessi del singolo periodo", kInteres, kInteres, kCaptionTop},
        {"Label22", "totali interessi", "totale progressivo degli interessi maturati", kTotint,
         kTotint, kCaptionTop},
        {"Label10", "capitale", "capitale progressivo maturato", kCapital, kCapital, kCaptionTop},
    };
    for (const Heading& h : headings) {
        QLabel* label =
            heading(this, h.name, QString::fromUtf8(h.caption), QString::fromUtf8(h.tip),
                    h.from.left, h.top, h.to.left + h.to.width - h.from.left);
        if (h.top == kGroupTop) {
            label->setFrameShape(QFrame::Box);
            makeBold(label);
        }
    }
    const Column money[] = {{}, kInteres, kTotint, kCapital};
    for (int i = 1; i <= 3; ++i) {
        eur_[i] = new ClickableLabel(this);
        eur_[i]->setObjectName(indexed("eur", i));
        eur_[i]->setAlignment(Qt::AlignCenter);
        place(eur_[i], money[i].left, kUnitTop, money[i].width, 240);
    }

    costruisciRighe();

    vscroll1_ = new QScrollBar(Qt::Vertical, this);
    vscroll1_->setObjectName("VScroll1");
    vscroll1_->setRange(1, core::kMaxPeriods - kRows + 1);
    vscroll1_->setSingleStep(1);
    vscroll1_->setPageStep(kRows); // a page of rows
    place(vscroll1_, kVScroll1.left, kFirstRowTop, kVScroll1.width, kRows * kRowPitch);

    progressBar1_ = new QProgressBar(this);
    progressBar1_->setObjectName("ProgressBar1");
    progressBar1_->setRange(0, core::kMaxPeriods); // a step per period
    progressBar1_->setValue(0);
    progressBar1_->setTextVisible(false);
    progressBar1_->hide();
    place(progressBar1_, 120, 5700, 9350, 165);

    passo_ = new ClickableLabel(this);
    passo_->setObjectName("passo");
    passo_->setToolTip("indicazioni sulla corretta procedura di immissione dei dati");
    passo_->setFrameShape(QFrame::Box);
    passo_->setWordWrap(true);
    passo_->setAlignment(Qt::AlignCenter);
    makeBold(passo_);
    paint(passo_, kYellow, kBlack);
    place(passo_, 120, 5910, 9350, 380);

    costruisciPulsanti();
    costruisciComandi();
    CommandBars::fitBelowBars(this, {kFormWidth, kFormHeight}, kBarsBand);
    // The colour dialog opens on the window's own colour until one is chosen.
    dialogo_.Color = FormBackground::colour(this);
}

void Dati::costruisciRighe() {
    const QIcon cross = ProgramResources::icon("elimina-riga");
    for (int r = 1; r <= kRows; ++r) {
        const int top = kFirstRowTop + (r - 1) * kRowPitch;
        Row& row = rows_[r];
        row.number = cell(this, indexed("num", r), kNum, top, kCyan, Qt::AlignCenter);
        row.number->setCursor(Qt::PointingHandCursor);

        row.deleteButton = new QPushButton(this);
        row.deleteButton->setObjectName(indexed("delriga", r));
        row.deleteButton->setIcon(cross);
        row.deleteButton->setFocusPolicy(Qt::NoFocus);
        place(row.deleteButton, kDelriga.left, top, kDelriga.width, kRowHeight);

        row.start = cell(this, indexed("data1", r), kData1, top, kWhite, Qt::AlignCenter);
        row.startDateBar = new QScrollBar(this);
        row.startDateBar->setObjectName(indexed("hscroll1", r));
        ScrollBars::setUpDateBar(row.startDateBar, core::kStartDateBar);
        place(row.startDateBar, kHscroll1.left, top, kHscroll1.width, kRowHeight);

        row.end = cell(this, indexed("al", r), kAl, top, kYellow, Qt::AlignCenter);
        row.rate = cell(this, indexed("tas", r), kTas, top, kWhite, Qt::AlignRight);
        row.rateBar = new QScrollBar(this);
        row.rateBar->setObjectName(indexed("scrollatassi", r));
        ScrollBars::setUpRateBar(row.rateBar);
        place(row.rateBar, kScrollatassi.left, top, kScrollatassi.width, kRowHeight);

        row.days = cell(this, indexed("giorn", r), kGiorn, top, kCyan, Qt::AlignRight);
        row.interest = cell(this, indexed("interes", r), kInteres, top, kCyan, Qt::AlignRight);
        row.total = cell(this, indexed("totint", r), kTotint, top, kCyan, Qt::AlignRight);
        row.capital = cell(this, indexed("capital", r), kCapital, top, kCyan, Qt::AlignRight);
    }
}

// Along the bottom, in the same places as in the rate-table window: help
// on the left, the other window and the exit on the right.
void Dati::costruisciPulsanti() {
    struct Pulsante {
        const char* name;
        const char* caption;
        const char* tip;
        int left, width;
        std::function<void()> click;
    };
    const Pulsante pulsanti[] = {
        {"aiuto", "&AIUTO", "cliccare per avere gli aiuti in linea", 120, 1300,
         [this] { aiuto(); }},
        {"guidainlinea", "&Guida in linea", "cliccare per visualizzare il Sommario della guida",
         1500, 1450, [] { WindowRegistry::show("sommario"); }},
        {"disconto", "&Tabella tassi", "cliccare per visualizzare la finestra Tabella tassi", 6660,
         1300, [] { WindowRegistry::show("tabella"); }},
        {"esco", "&USCITA", "cliccare per uscire da Fenoverra", 8080, 1400,
         [this] { context_.confermauscita(); }},
    };
    for (const Pulsante& p : pulsanti) {
        auto* button = new QPushButton(p.caption, this);
        button->setObjectName(p.name);
        button->setToolTip(p.tip);
        connect(button, &QPushButton::clicked, this, p.click);
        place(button, p.left, 6370, p.width, 360);
    }
}

// The row number under the mouse is yellow, the others cyan.
void Dati::highlightNumbers() {
    for (int r = 1; r <= kRows; ++r) {
        ClickableLabel* number = rows_[r].number;
        if (number->palette().color(QPalette::Window) != kCyan) paint(number, kCyan, kBlack);
    }
}

void Dati::highlightNumber(int r) {
    highlightNumbers();
    paint(rows_[r].number, kYellow, kBlack);
}
