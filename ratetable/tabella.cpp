// SPDX-License-Identifier: GPL-3.0-or-later
#include "ratetable/tabella.h"

#include "platform/clickablelabel.h"
#include "platform/clock.h"
#include "platform/formcontrols.h"
#include "platform/messagebox.h"
#include "platform/modfenoverra.h"
#include "platform/programcontext.h"
#include "platform/scrollbars.h"
#include "platform/signalsblocked.h"
#include "platform/twips.h"
#include "ratetable/tablefilecommands.h"
#include "reports/documentviewer.h"
#include "reports/ratetablereport.h"

#include <QLabel>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>

namespace {

QString q(const std::string& s) {
    return QString::fromStdString(s);
}

// What the label shows for a title: a carriage return breaks the line.
QString shownTitle(QString titolo) {
    return titolo.replace("\r\n", "\n").replace('\r', '\n');
}

const QString kGuidance =
    "Prelevare i dati dall'archivio o scegliere una tabella preimpostata tramite i pulsanti "
    "posti sulla destra, oppure digitare nuovi dati.";

} // namespace

Tabella::Tabella(ProgramContext& context, QWidget* parent)
    : QWidget(parent), context_(context), model_(context.rateTable) {
    setObjectName("tabella");
    setWindowTitle("Fenoverra: tabella dei tassi");
    setAttribute(Qt::WA_DeleteOnClose);
    costruisci();
    connectControls();
    resize_.setSourceForm(this);
    resetSize();
    model_.openWindow(Clock::today());
    draw();
}

Tabella::~Tabella() = default;

void Tabella::connectControls() {
    connect(vscroll1_, &QScrollBar::valueChanged, this, [this](int value) {
        model_.scrollTo(value, Clock::today());
        draw();
    });
    for (int n = 1; n <= 2; ++n)
        connect(ricaric_[n], &QPushButton::clicked, this, [this, n] { ricaric(n); });
    inputs_ = {vscroll1_};
    for (int i = 1; i <= kLines; ++i) {
        const Line& l = lines_[i];
        connect(l.number, &ClickableLabel::clicked, this, [this, i] {
            if (!model_.insertAt(i, Clock::today()))
                MessageBox::show(
                    this, "Siamo già a 200 periodi: non è possibile aggiungerne degli altri.",
                    MsgStyle::OkOnly | MsgStyle::Information, ModFenoverra::titolocontrollo);
            draw();
        });
        connect(l.number, &ClickableLabel::mouseMoved, this, [this, i] { highlightNumber(i); });
        connect(l.deleteButton, &QPushButton::clicked, this, [this, i] {
            model_.deleteAt(i, Clock::today());
            draw();
        });
        connect(l.startDateBar, &QScrollBar::valueChanged, this, [this, i](int value) {
            model_.moveDateBar(i, value, Clock::today());
            draw();
        });
        connect(l.rateBar, &QScrollBar::valueChanged, this, [this, i](int value) {
            model_.moveRateBar(i, value);
            draw();
        });
        connect(l.copyButton, &QPushButton::clicked, this, [this, i] { copias(i); });
        inputs_.push_back(l.startDateBar);
        inputs_.push_back(l.rateBar);
    }
}

void Tabella::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    resize_.ResizeControls();
}

void Tabella::mouseMoveEvent(QMouseEvent* event) {
    QWidget::mouseMoveEvent(event);
    highlightNumbers();
}

void Tabella::resetSize() {
    // The same layout object throughout: it holds the designed places, so
    // the window comes back to them exactly however often it is reloaded.
    resize_.SizeFormToScreen(75);
    Twips::resizeWindow(this, 9600, 6825);
    // Shrunk further, the controls would crowd into each other.
    setMinimumSize(size() / 2);
    resize_.ResizeControls();
}

QString Tabella::titolo() const {
    return q(model_.title());
}

// ---------------------------------------------------------------- drawing

void Tabella::draw() {
    const SignalsBlocked quiet(inputs_);
    const QString title = shownTitle(titolo());
    if (appunti_->text() != title) appunti_->setText(title);
    passo_->setTextIfChanged(printing_ ? QStringLiteral("sto caricando WORD") : kGuidance);
    ScrollBars::show(vscroll1_, model_.firstRow());
    for (int i = 1; i <= kLines; ++i)
        drawLine(i);
}

void Tabella::drawLine(int i) {
    const Line& l = lines_[i];
    const int r = model_.rowOfLine(i);
    const QString number = QString::number(r);
    l.number->setTextIfChanged(number);
    l.start->setTextIfChanged(q(model_.date(r)));
    l.end->setTextIfChanged(q(model_.endOf(r)));
    l.rate->setTextIfChanged(q(model_.rate(r)));
    FormControls::setToolTipIfChanged(l.deleteButton,
                                      "cliccare per eliminare la riga n. " + number);
    FormControls::setToolTipIfChanged(l.number, "cliccare per inserire una riga al n. " + number);
    FormControls::setToolTipIfChanged(
        l.copyButton,
        "cliccare per copiare in Dati tutti i tassi e le date dalla riga n. " + number + " in poi");
    ScrollBars::show(l.startDateBar, model_.line(i).dateBar);
    ScrollBars::show(l.rateBar, model_.line(i).rateBar);
}

// ---------------------------------------------------------------- commands

void Tabella::ricaric(int n) {
    model_.choosePreset(static_cast<Presets::Choice>(n), Clock::today());
    resetSize();
    printing_ = false;
    draw();
}

void Tabella::showHelp() {
    MessageBox::show(
        this,
        "- Visualizzare una tabella di dati cliccando su un tasto di scelta sulla destra;\r"
        "- aprire un file archiviato per prelevare i dati della tabella (Fenoverra-tab-...);\r"
        "- formare una nuova tabella usando le frecce per le date ed i tassi;\r"
        "- inserire o eliminare una riga cliccando sui numeri o sulle X a sinistra;\r"
        "- copiare i dati e trasportarli nella finestra di calcolo con i tasti a destra delle "
        "freccette.",
        MsgStyle::OkOnly | MsgStyle::Information, ModFenoverra::titoloaiuto);
}

void Tabella::controlla() {
    const auto fault = model_.firstFault();
    if (!fault) {
        MessageBox::show(this, "I dati sono stati immessi correttamente",
                         MsgStyle::OkOnly | MsgStyle::Information, ModFenoverra::titolocontrollo);
        return;
    }
    const QString row = " " + QString::number(fault->row);
    MessageBox::show(this,
                     fault->rateMissing ? "Digitare il tasso del periodo n." + row
                                        : "Digitare il periodo di partenza del tasso n." + row,
                     MsgStyle::OkOnly | MsgStyle::Exclamation, ModFenoverra::titolocontrollo);
}

void Tabella::cancella() {
    model_.clear(Clock::today());
    draw();
}

fileformat::RateTableRows Tabella::tableFileRows() const {
    fileformat::RateTableRows rows;
    for (const core::TableRow& row : model_.rowsToSave())
        rows.push_back({row.date, row.rate});
    return rows;
}

void Tabella::loadTableFile(const fileformat::RateTableRows& rows, const QString& path) {
    std::vector<core::TableRow> table;
    for (const fileformat::RateTableRow& row : rows)
        table.push_back({row.date, row.rate});
    model_.loadRows(table, path.toStdString(), Clock::today());
    draw();
}

void Tabella::apri() {
    TableFileCommands::apri(*this);
}
void Tabella::salva() {
    TableFileCommands::salva(*this);
}
void Tabella::salvanome() {
    TableFileCommands::salvanome(*this);
}
void Tabella::elimina() {
    TableFileCommands::elimina(*this);
}

void Tabella::stampa() {
    stampaCome(false);
}
void Tabella::esportapdf() {
    stampaCome(true);
}

void Tabella::stampaCome(bool pdf) {
    model_.showEveryRow(Clock::today());
    const bool printingBefore = printing_;
    if (!pdf) printing_ = true;
    draw();
    RateTableReport::Table table{titolo(), {}, {}, model_.rowCount()};
    for (int r = 1; r <= core::RateTable::kMaxRows; ++r) {
        table.dates << q(model_.date(r));
        table.rates << q(model_.rate(r));
    }
    // When nothing could open it, the guidance is put back.
    QPointer<Tabella> still(this);
    DocumentViewer::show(RateTableReport::build(table),
                         pdf ? DocumentViewer::Format::Pdf : DocumentViewer::Format::Text,
                         [still, printingBefore] {
                             if (!still) return;
                             still->printing_ = printingBefore;
                             still->draw();
                         });
}
