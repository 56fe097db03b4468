// SPDX-License-Identifier: GPL-3.0-or-later
#include "ratetable/tabella.h"

#include "platform/clickablelabel.h"
#include "platform/clock.h"
#include "platform/formbackground.h"
#include "platform/formcontrols.h"
#include "platform/messagebox.h"
#include "platform/modfenoverra.h"
#include "platform/programcontext.h"
#include "platform/scrollbars.h"
#include "platform/signalsblocked.h"
#include "platform/stringconversion.h"
#include "platform/windownames.h"
#include "reports/documentviewer.h"
#include "reports/ratetablereport.h"

#include <QLabel>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>

namespace {

// What the label shows for a title: a carriage return breaks the line.
QString shownTitle(QString titolo) {
    return titolo.replace("\r\n", "\n").replace('\r', '\n');
}

const QString kGuidance =
    "Prelevare i dati dall'archivio o scegliere una tabella preimpostata tramite i pulsanti "
    "posti sulla destra, oppure digitare nuovi dati.";

WindowDesign design() {
    using CommandBars::Command;
    return {
        .name = WindowName::tabella,
        .title = "Fenoverra: tabella dei tassi",
        .helpPage = WindowName::guidatabella,
        .helpQuestion =
            "E' questa la finestra 'Tabella dei tassi': si vuole la guida della finestra?",
        .helpQuestionTitle = ModFenoverra::titoloaiuto,
        .usage = "- Visualizzare una tabella di dati cliccando su un tasto di scelta sulla "
                 "destra;\r"
                 "- aprire un file archiviato per prelevare i dati della tabella "
                 "(Fenoverra-tab-...);\r"
                 "- formare una nuova tabella usando le frecce per le date ed i tassi;\r"
                 "- inserire o eliminare una riga cliccando sui numeri o sulle X a sinistra;\r"
                 "- copiare i dati e trasportarli nella finestra di calcolo con i tasti a "
                 "destra delle freccette.",
        .menus =
            {
                .viewMenu = "finestre",
                .helpMenu = "help",
                .separators = {"linea1", "linea2", "l5", "linea5", "l7", "l8", "linea4"},
                .elimina = {"elimina", "&Eminina..."},
                .esci = {"esci", "&Esci"},
                .suggerimenti = "&Suggerimenti",
                .ownWindow = Command::FinestraTabella,
                .number = 2,
            },
    };
}

} // namespace

Tabella::Tabella(ProgramContext& context, QWidget* parent)
    : FileWindow(context, design(), parent), model_(context.rateTable) {
    buildControls();
    connectControls();
    fitDesignedSize();
    model_.openWindow(Clock::today());
    draw();
}

Tabella::~Tabella() = default;

void Tabella::connectControls() {
    connect(pageBar_, &QScrollBar::valueChanged, this, [this](int value) {
        model_.scrollTo(value, Clock::today());
        draw();
    });
    for (int n = 1; n <= 2; ++n)
        connect(presetButtons_[n], &QPushButton::clicked, this,
                [this, n] { choosePreset(static_cast<Presets::Choice>(n)); });
    inputs_ = {pageBar_};
    for (int i = 1; i <= kLines; ++i)
        connectLine(i);
    const auto rowsInUse = [this] { return model_.lastUsedRow(); };
    keyboard_ = new RowKeyboard(this, pageBar_, rowsInUse,
                                [this](int i, RowKeyboard::Field field, int value) {
                                    if (field == RowKeyboard::Field::StartDate)
                                        model_.enterDate(i, value, Clock::today());
                                    else
                                        model_.enterRate(i, value);
                                    draw();
                                });
    for (int i = 1; i <= kLines; ++i)
        keyboard_->addRow(lines_[i]);
    runOnClick("aiuto", Command::Aiuto);
    runOnClick("guidainlinea", Command::Guida);
    runOnClick("indietro", Command::FinestraDati);
    runOnClick("cmdesci", Command::Esci);
}

void Tabella::connectLine(int i) {
    const Line& l = lines_[i];
    connect(l.number, &ClickableLabel::clicked, this, [this, i] {
        if (!model_.insertAt(i, Clock::today())) tellListFull();
        draw();
    });
    lightUnderMouse(l.number);
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
    connect(l.copyButton, &QPushButton::clicked, this, [this, i] { copyFromLine(i); });
    inputs_.push_back(l.startDateBar);
    inputs_.push_back(l.rateBar);
}

QString Tabella::titolo() const {
    return toQt(model_.title());
}

// ---------------------------------------------------------------- drawing

void Tabella::draw() {
    const SignalsBlocked quiet(inputs_);
    const QString title = shownTitle(titolo());
    if (title_->text() != title) title_->setText(title);
    guidance_->setTextIfChanged(printing_ ? QStringLiteral("sto caricando WORD") : kGuidance);
    ScrollBars::show(pageBar_, model_.firstRow());
    for (int i = 1; i <= kLines; ++i)
        drawLine(i);
}

void Tabella::drawLine(int i) {
    const Line& l = lines_[i];
    const int r = model_.rowOfLine(i);
    const QString number = QString::number(r);
    l.number->setTextIfChanged(number);
    l.start->setTextIfChanged(toQt(model_.date(r)));
    l.end->setTextIfChanged(toQt(model_.endOf(r)));
    l.rate->setTextIfChanged(toQt(model_.rate(r)));
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

void Tabella::choosePreset(Presets::Choice choice) {
    model_.choosePreset(choice, Clock::today());
    fitDesignedSize();
    printing_ = false;
    draw();
}

void Tabella::colorare() {
    // Until a colour is chosen here, the dialog opens on the colour the
    // window shows, grey included when the Data window gave it.
    if (!colourChosen_) dialogo_.Color = FormBackground::colour(this);
    if (FormBackground::chooseWithDialog(this, dialogo_)) colourChosen_ = true;
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

void Tabella::stampa() {
    print(false);
}
void Tabella::esportapdf() {
    print(true);
}

void Tabella::print(bool pdf) {
    model_.showEveryRow(Clock::today());
    const bool printingBefore = printing_;
    if (!pdf) printing_ = true;
    draw();
    RateTableReport::Table table{titolo(), {}, {}, model_.rowCount()};
    for (int r = 1; r <= core::RateTable::kMaxRows; ++r) {
        table.dates << toQt(model_.date(r));
        table.rates << toQt(model_.rate(r));
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

// ---------------------------------------------------------------- files

fileformat::RateTableRows Tabella::fileContent() const {
    fileformat::RateTableRows rows;
    for (const core::TableRow& row : model_.rowsToSave())
        rows.push_back({row.date, row.rate});
    return rows;
}

void Tabella::loadFile(const fileformat::RateTableRows& rows, const QString& path) {
    std::vector<core::TableRow> table;
    for (const fileformat::RateTableRow& row : rows)
        table.push_back({row.date, row.rate});
    model_.loadRows(table, fromQt(path), Clock::today());
    draw();
}
