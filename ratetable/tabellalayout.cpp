// SPDX-License-Identifier: GPL-3.0-or-later
// The controls of the rate-table window and their designed places, in twips.
#include "platform/clickablelabel.h"
#include "platform/commandbars.h"
#include "platform/formbackground.h"
#include "platform/formcontrols.h"
#include "platform/modfenoverra.h"
#include "platform/programcontext.h"
#include "platform/programresources.h"
#include "platform/scrollbars.h"
#include "platform/titlelabel.h"
#include "platform/windowregistry.h"
#include "ratetable/tabella.h"

#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>

using namespace FormControls;

namespace {

// Designed client size of the window.
constexpr int kFormWidth = 9600;
constexpr int kFormHeight = 6825;
// The band at the top left to the menu bar and the toolbar.
constexpr int kBarsBand = 760;

// The 15 lines.
constexpr int kFirstLineTop = 1560;
constexpr int kLinePitch = 240;
constexpr int kLineHeight = 240;
constexpr int kHeadingTop = kFirstLineTop - 270;

// Columns of the lines: left edge and width.
struct Column {
    int left;
    int width;
};
constexpr Column kVScroll1{120, 255};
constexpr Column kNum{390, 420};
constexpr Column kDelriga{825, 255};
constexpr Column kPeriod{1095, 900};
constexpr Column kDscroll{2010, 1200};
constexpr Column kAl{3225, 900};
constexpr Column kTassuf{4140, 700};
constexpr Column kHscroll1{4855, 1200};
constexpr Column kCopias{6070, 360};

QLabel* heading(QWidget* form, const char* name, const QString& caption, const QString& tip,
                const Column& c) {
    auto* label = new QLabel(caption, form);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setToolTip(tip);
    label->setAlignment(Qt::AlignCenter);
    place(label, c.left, kHeadingTop, c.width, 240);
    return label;
}

ClickableLabel* cell(QWidget* form, const char* name, int i, const Column& c, int top,
                     const QColor& background, Qt::Alignment align) {
    auto* label = new ClickableLabel(form);
    label->setObjectName(indexed(name, i));
    label->setFrameShape(QFrame::Box);
    label->setAlignment(align | Qt::AlignVCenter);
    label->setMargin(0);
    label->setIndent(2);
    paint(label, background, kBlack);
    place(label, c.left, top, c.width, kLineHeight);
    return label;
}

QPushButton* button(QWidget* parent, const char* name, const QString& caption, const QString& tip,
                    int left, int top, int width, int height) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setToolTip(tip);
    place(b, left, top, width, height);
    return b;
}

} // namespace

void Tabella::costruisci() {
    useWindowFont(this);
    setMouseTracking(true);

    appunti_ = new TitleLabel(this);
    appunti_->setObjectName("appunti");
    appunti_->setTextFormat(Qt::PlainText);
    appunti_->setToolTip("indicazione della tipologia dei tassi indicati nella tabella");
    appunti_->setAlignment(Qt::AlignCenter);
    appunti_->setFrameShape(QFrame::Panel);
    appunti_->setFrameShadow(QFrame::Sunken);
    makeBold(appunti_);
    place(appunti_, 120, kBarsBand, 9360, 480);

    heading(this, "Label3", "n.", "numero d'ordine", kNum);
    heading(this, "labeldal", "dal", "data dalla quale si applica il tasso", kPeriod);
    heading(this, "labelal", "al", "data fino alla quale si applica il tasso", kAl);
    heading(this, "Label1", "%", "tasso in percento", kTassuf);

    costruisciLinee();

    vscroll1_ = new QScrollBar(Qt::Vertical, this);
    vscroll1_->setObjectName("VScroll1");
    vscroll1_->setRange(1, core::RateTable::kLastFirstRow);
    vscroll1_->setSingleStep(1);
    vscroll1_->setPageStep(kLines);
    place(vscroll1_, kVScroll1.left, kFirstLineTop, kVScroll1.width, kLines * kLinePitch);

    auto* frame1 = new QGroupBox("Tabelle tassi:", this);
    frame1->setObjectName("Frame1");
    place(frame1, 6600, kHeadingTop, 2880, 2520);
    const char* captions[] = {"", "Tassi &legali", "&TUS"};
    const char* tips[] = {
        "", "cliccare per caricare la tabella dei tassi legali",
        "cliccare per caricare la tabella dei tassi ufficiali di sconto (dal 2004 tasso BCE)"};
    for (int n = 1; n <= 2; ++n) {
        ricaric_[n] = new QPushButton(captions[n], frame1);
        ricaric_[n]->setObjectName(indexed("ricaric", n));
        ricaric_[n]->setToolTip(tips[n]);
        place(ricaric_[n], 240, 360 + (n - 1) * 540, 2400, 420);
    }
    label2_ = new QLabel("Dal 2004 il TUS è sostituito dal tasso di riferimento della BCE", frame1);
    label2_->setObjectName("Label2");
    label2_->setTextFormat(Qt::PlainText);
    label2_->setWordWrap(true);
    label2_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    place(label2_, 240, 1500, 2400, 900);

    progressBar1_ = new QProgressBar(this);
    progressBar1_->setObjectName("ProgressBar1");
    progressBar1_->setRange(0, 200);
    progressBar1_->setValue(0);
    progressBar1_->setTextVisible(false);
    progressBar1_->hide();
    place(progressBar1_, 120, 5250, 9360, 165);

    passo_ = new ClickableLabel(this);
    passo_->setObjectName("passo");
    passo_->setToolTip("indicazioni sul corretto uso della tabella");
    passo_->setFrameShape(QFrame::Box);
    passo_->setWordWrap(true);
    passo_->setAlignment(Qt::AlignCenter);
    makeBold(passo_);
    paint(passo_, kYellow, kBlack);
    place(passo_, 3060, 5520, 3480, 1080);

    costruisciPulsanti();
    costruisciComandi();
    CommandBars::fitBelowBars(this, {kFormWidth, kFormHeight}, kBarsBand);
    // The colour dialog opens on the window's own colour until one is chosen.
    dialogo_.Color = FormBackground::colour(this);
}

void Tabella::costruisciLinee() {
    const QIcon cross = ProgramResources::icon("elimina-riga");
    const QIcon copy = ProgramResources::icon("copia");
    for (int i = 1; i <= kLines; ++i) {
        const int top = kFirstLineTop + (i - 1) * kLinePitch;
        Line& l = lines_[i];
        l.number = cell(this, "num", i, kNum, top, kCyan, Qt::AlignCenter);
        l.number->setCursor(Qt::PointingHandCursor);

        l.deleteButton = new QPushButton(this);
        l.deleteButton->setObjectName(indexed("delriga", i));
        l.deleteButton->setIcon(cross);
        l.deleteButton->setFocusPolicy(Qt::NoFocus);
        place(l.deleteButton, kDelriga.left, top, kDelriga.width, kLineHeight);

        l.start = cell(this, "period", i, kPeriod, top, kWhite, Qt::AlignCenter);
        l.startDateBar = new QScrollBar(this);
        l.startDateBar->setObjectName(indexed("dscroll", i));
        ScrollBars::setUpDateBar(l.startDateBar, core::kStartDateBar);
        place(l.startDateBar, kDscroll.left, top, kDscroll.width, kLineHeight);

        l.end = cell(this, "al", i, kAl, top, kYellow, Qt::AlignCenter);
        l.rate = cell(this, "tassuf", i, kTassuf, top, kWhite, Qt::AlignRight);
        l.rateBar = new QScrollBar(this);
        l.rateBar->setObjectName(indexed("hscroll1", i));
        ScrollBars::setUpRateBar(l.rateBar);
        place(l.rateBar, kHscroll1.left, top, kHscroll1.width, kLineHeight);

        l.copyButton = new QPushButton(this);
        l.copyButton->setObjectName(indexed("copias", i));
        l.copyButton->setIcon(copy);
        l.copyButton->setFocusPolicy(Qt::NoFocus);
        place(l.copyButton, kCopias.left, top, kCopias.width, kLineHeight);
    }
}

void Tabella::costruisciPulsanti() {
    const int top = 5820;
    const int height = 480;
    auto* aiuto =
        button(this, "aiuto", "&AIUTO", "cliccare per avere indicazioni sull'uso della finestra",
               120, top, 1300, height);
    connect(aiuto, &QPushButton::clicked, this, [this] { showHelp(); });
    auto* guida =
        button(this, "guidainlinea", "&Guida in linea",
               "cliccare per visualizzare il Sommario della guida", 1500, top, 1450, height);
    connect(guida, &QPushButton::clicked, this, [] { WindowRegistry::show("sommario"); });
    auto* indietro = button(this, "indietro", "&Dati", "cliccare per visualizzare la finestra Dati",
                            6660, top, 1300, height);
    connect(indietro, &QPushButton::clicked, this, [] { WindowRegistry::show("dati"); });
    auto* cmdesci = button(this, "cmdesci", "&USCITA", "cliccare per uscire da Fenoverra", 8080,
                           top, 1400, height);
    connect(cmdesci, &QPushButton::clicked, this, [this] { context_.confermauscita(); });
}

// The row number under the mouse is yellow, the others cyan.
void Tabella::highlightNumbers() {
    for (int i = 1; i <= kLines; ++i) {
        ClickableLabel* number = lines_[i].number;
        if (number->palette().color(QPalette::Window) != kCyan) paint(number, kCyan, kBlack);
    }
}

void Tabella::highlightNumber(int i) {
    highlightNumbers();
    paint(lines_[i].number, kYellow, kBlack);
}
