// SPDX-License-Identifier: GPL-3.0-or-later
#include "datawindow/dati.h"

#include "core/numbertext.h"
#include "datawindow/calculationprint.h"
#include "datawindow/datacheck.h"
#include "datawindow/datafilecommands.h"
#include "platform/clickablelabel.h"
#include "platform/clock.h"
#include "platform/formcontrols.h"
#include "platform/hourglass.h"
#include "platform/messagebox.h"
#include "platform/modfenoverra.h"
#include "platform/programcontext.h"
#include "platform/scrollbars.h"
#include "platform/signalsblocked.h"
#include "platform/twips.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <algorithm>

namespace {

QString q(const std::string& s) {
    return QString::fromStdString(s);
}
std::string s(const QString& q) {
    return q.toStdString();
}

QString numberOrEmpty(const std::optional<double>& v) {
    return v ? q(core::numberText(*v)) : QString();
}

QString guidanceText(core::Guidance guidance) {
    using core::Guidance;
    switch (guidance) {
    case Guidance::EnterCapital:
        return "Scegliere la valuta e digitare il capitale iniziale o aprire un file con i dati "
               "archiviati.";
    case Guidance::EnterFinalDate:
        return "Digitare la data finale del calcolo o aprire un file archiviato.";
    case Guidance::EnterReference:
        return "Digitare il dato del 'riferimento del calcolo'.";
    case Guidance::EnterFirstRate:
        return " Scegliere il tipo di calcolo e digitare la data del primo tasso.";
    case Guidance::Proceed:
        return "Correggere, archiviare quanto immesso, digitare ulteriori dati, andare oltre "
               "(stampa, altro calcolo).";
    case Guidance::DatesMoved:
        return "Cliccare sul tasto 'calcola' per aggiornare i risultati se sono stati modificate "
               "le date.";
    case Guidance::RatesMoved:
        return "Cliccare sul tasto 'calcola' per aggiornare i risultati se sono stati modificati "
               "i tassi.";
    case Guidance::LoadingDocument:
        return "sto caricando WORD";
    }
    return {};
}

void setTextIfChanged(QLineEdit* edit, const QString& text) {
    // Setting the same text would move the cursor of the field being typed in.
    if (edit->text() != text) edit->setText(text);
}

const QStringList kValute = {"euro", "lire", "dollari", "franchi", "sterline", "yen", "rubli"};

} // namespace

Dati::Dati(ProgramContext& context, QWidget* parent)
    : QWidget(parent), context_(context), model_(context.calculation) {
    setObjectName("dati");
    setWindowTitle("Fenoverra: dati per il calcolo");
    setAttribute(Qt::WA_DeleteOnClose);
    costruisci();
    connectControls();

    resize_.setSourceForm(this);
    resize_.SizeFormToScreen(75);
    Twips::resizeWindow(this, 9600, 6825);
    // Shrunk further, the controls would crowd into each other.
    setMinimumSize(size() / 2);
    resize_.ResizeControls();
    {
        const SignalsBlocked quiet(inputs_);
        moneta_->addItems(kValute);
    }
    for (int r = 1; r <= kRows; ++r)
        rows_[r].start->setToolTip("cliccare per andare indietro di 365 giorni");
    present(model_.openWindow(Clock::today()));
}

Dati::~Dati() = default;

void Dati::connectControls() {
    const auto today = [] { return Clock::today(); };
    connect(capiniz_, &QLineEdit::textChanged, this,
            [this, today](const QString& text) { present(model_.setCapital(s(text), today())); });
    const auto currency = [this] { present(model_.setCurrency(s(moneta_->currentText()))); };
    connect(moneta_, &QComboBox::currentTextChanged, this, currency);
    connect(moneta_, &QComboBox::activated, this, currency);
    connect(riferimento_, &QLineEdit::textChanged, this,
            [this](const QString& text) { present(model_.setReference(s(text))); });
    connect(datfin_, &QLineEdit::textChanged, this,
            [this, today](const QString& text) { present(model_.setFinalDate(s(text), today())); });
    connect(scrollafinale_, &QScrollBar::valueChanged, this, [this, today](int value) {
        longWork([&] { return model_.moveFinalDateBar(value, today()); });
    });
    for (int t = 1; t <= 3; ++t)
        connect(option1_[t], &QRadioButton::clicked, this,
                [this, t] { sceglitipo(static_cast<core::CalculationType>(t)); });
    connect(calcolare_, &QPushButton::clicked, this, &Dati::calcola);
    connect(vscroll1_, &QScrollBar::valueChanged, this,
            [this, today](int value) { present(model_.scrollTo(value, today())); });
    for (int r = 1; r <= kRows; ++r)
        connectRow(r);
    inputs_ = {capiniz_, moneta_, datfin_, scrollafinale_, riferimento_, vscroll1_};
    for (int t = 1; t <= 3; ++t)
        inputs_.push_back(option1_[t]);
    for (int r = 1; r <= kRows; ++r) {
        inputs_.push_back(rows_[r].startDateBar);
        inputs_.push_back(rows_[r].rateBar);
    }
}

void Dati::connectRow(int r) {
    const Row& row = rows_[r];
    connect(row.number, &ClickableLabel::clicked, this,
            [this, r] { present(model_.insertAt(r, Clock::today())); });
    connect(row.number, &ClickableLabel::mouseMoved, this, [this, r] { highlightNumber(r); });
    connect(row.deleteButton, &QPushButton::clicked, this,
            [this, r] { present(model_.deleteAt(r, Clock::today())); });
    connect(row.start, &ClickableLabel::clicked, this,
            [this, r] { present(model_.stepStartDateBack(r, Clock::today())); });
    connect(row.startDateBar, &QScrollBar::valueChanged, this,
            [this, r](int v) { present(model_.moveStartDateBar(r, v, Clock::today())); });
    connect(row.rateBar, &QScrollBar::valueChanged, this,
            [this, r](int v) { present(model_.moveRateBar(r, v, Clock::today())); });
}

void Dati::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    resize_.ResizeControls();
}

void Dati::mouseMoveEvent(QMouseEvent* event) {
    QWidget::mouseMoveEvent(event);
    highlightNumbers();
}

// ---------------------------------------------------------------- drawing

void Dati::present(const core::Changes& changes) {
    draw(changes.rowsDrawn);
    tell(changes);
}

void Dati::tell(const core::Changes& changes) {
    if (changes.capitalNotANumber) {
        const DataCheck::Outcome why = DataCheck::capitalMissing();
        MessageBox::show(this, why.message, why.style, ModFenoverra::titolocontrollo);
    }
    if (changes.listFull)
        MessageBox::show(this, "Siamo già a 200 periodi: non è possibile aggiungerne degli altri.",
                         MsgStyle::OkOnly | MsgStyle::Information, ModFenoverra::titolocontrollo);
    if (changes.splitRefusedNeeding > 0) {
        // The list has no room for a period at every 1 January: it is left
        // as it is, and the user must know that compounding will miss some
        // year starts.
        MessageBox::show(
            this,
            "Per calcolare gli interessi composti bisognerebbe suddividere i periodi al "
            "1° gennaio di ogni anno, ma servirebbero" +
                QString(" %1 periodi, oltre il massimo di %2.")
                    .arg(changes.splitRefusedNeeding)
                    .arg(core::kMaxPeriods) +
                "\rI periodi non sono stati suddivisi: il risultato degli interessi "
                "composti non sarà corretto.",
            MsgStyle::OkOnly | MsgStyle::Exclamation, ModFenoverra::titolocontrollo);
    }
}

template <typename Work> void Dati::longWork(Work work) {
    core::Changes changes;
    {
        const Hourglass hourglass;
        if (model_.periods().numperiodi > kRows) progressBar1_->show();
        changes = work();
        progressBar1_->hide();
        draw(changes.rowsDrawn);
    }
    // Told after the hourglass has gone, so the box does not wait under it.
    tell(changes);
}

void Dati::draw(bool rowsDrawn) {
    const SignalsBlocked quiet(inputs_);
    const core::Calculation& m = model_;
    setTextIfChanged(capiniz_, q(m.capital()));
    if (moneta_->currentText() != q(m.currency())) moneta_->setCurrentText(q(m.currency()));
    for (int i = 1; i <= 3; ++i)
        eur_[i]->setTextIfChanged(moneta_->currentText());
    setTextIfChanged(datfin_, q(m.finalDate()));
    ScrollBars::show(scrollafinale_, m.finalDateBar());
    setTextIfChanged(riferimento_, q(m.reference()));
    QRadioButton* chosen = option1_[static_cast<int>(m.chosenType())];
    if (!chosen->isChecked()) chosen->setChecked(true);
    capitales_->setTextIfChanged(q(m.sums().capitales));
    capitalec_->setTextIfChanged(q(m.sums().capitalec));
    differ_->setTextIfChanged(q(m.sums().differ));
    passo_->setTextIfChanged(guidanceText(m.guidance()));
    ScrollBars::show(vscroll1_, m.firstPeriod());
    if (rowsDrawn) highlightNumbers();
    for (int r = 1; r <= kRows; ++r)
        drawRow(r);
    drawResultsState();
}

void Dati::drawRow(int r) {
    const Row& row = rows_[r];
    const int k = model_.periodOfRow(r);
    const core::PeriodSlot& slot = model_.periods().slot(k);
    const QString number = QString::number(k);
    row.number->setTextIfChanged(number);
    row.start->setTextIfChanged(q(model_.row(r).shownStart));
    row.end->setTextIfChanged(q(slot.end));
    row.rate->setTextIfChanged(q(slot.rate));
    row.days->setTextIfChanged(slot.days ? QString::number(*slot.days) : QString());
    row.interest->setTextIfChanged(numberOrEmpty(slot.interest));
    row.total->setTextIfChanged(numberOrEmpty(slot.total));
    row.capital->setTextIfChanged(numberOrEmpty(slot.capital));
    FormControls::setToolTipIfChanged(row.deleteButton,
                                      "cliccare per eliminare la riga n. " + number);
    FormControls::setToolTipIfChanged(row.number, "cliccare per inserire una riga al n. " + number);
    ScrollBars::show(row.startDateBar, model_.row(r).dateBar);
    ScrollBars::show(row.rateBar, model_.row(r).rateBar);
}

// Current results are shown enabled, out-of-date ones greyed: the 33
// result labels change together.
void Dati::drawResultsState() {
    const bool current = model_.resultsCurrent();
    if (current == resultsShownCurrent_) return;
    resultsShownCurrent_ = current;
    for (int r = 1; r <= kRows; ++r)
        for (QWidget* w : {rows_[r].interest, rows_[r].total, rows_[r].capital})
            w->setEnabled(current);
    for (QWidget* w : {capitales_, capitalec_, differ_})
        w->setEnabled(current);
}

void Dati::showGuidance(core::Guidance guidance) {
    draw(model_.setGuidance(guidance).rowsDrawn);
}

// ---------------------------------------------------------------- commands

void Dati::calcola() {
    longWork([this] { return model_.calcola(Clock::today()); });
}

void Dati::sceglitipo(core::CalculationType tipo) {
    longWork([&] { return model_.chooseType(tipo, Clock::today()); });
}

void Dati::calcolaSemplice() {
    longWork(
        [this] { return model_.chooseType(core::CalculationType::Simple, Clock::today(), false); });
}

bool Dati::controlla(DataCheck::Mode mode) {
    present(model_.prepareCheck(Clock::today()));
    const DataCheck::Outcome outcome = DataCheck::check(q(model_.capital()), q(model_.finalDate()),
                                                        q(model_.reference()), model_.periods());
    if (outcome.passed && mode == DataCheck::Mode::Silent) return true;
    MessageBox::show(this, outcome.message, outcome.style, ModFenoverra::titolocontrollo);
    return outcome.passed;
}

void Dati::cancella() {
    present(model_.clear(Clock::today()));
}

void Dati::copyRates(const std::vector<core::TableRow>& rows) {
    longWork([&] { return model_.copyRates(rows, Clock::today()); });
}

void Dati::enterPeriods(const std::vector<core::TableRow>& rows) {
    present(model_.enterPeriods(rows, Clock::today()));
}

// ---------------------------------------------------------------- file contents

fileformat::DataFileContent Dati::dataFileContent() const {
    fileformat::DataFileContent content;
    content.capital = model_.capital();
    content.type = static_cast<int>(model_.type());
    content.reference = model_.reference();
    const core::PeriodList& list = model_.periods();
    for (int i = 1; i <= list.numperiodi; ++i) {
        const core::PeriodSlot& slot = list.slot(i);
        content.periods.push_back({slot.start, slot.end, slot.rate});
    }
    return content;
}

void Dati::loadDataFile(const fileformat::DataFileContent& content) {
    core::SavedCalculation saved;
    saved.capital = content.capital;
    saved.type = static_cast<core::CalculationType>(std::clamp(content.type, 1, 3));
    saved.reference = content.reference;
    for (const fileformat::DataFilePeriod& p : content.periods)
        saved.periods.push_back({p.start, p.end, p.rate});
    longWork([&] { return model_.load(saved, Clock::today()); });
}

void Dati::apri() {
    DataFileCommands::apri(*this);
}
void Dati::salva() {
    DataFileCommands::salva(*this);
}
void Dati::salvanome() {
    DataFileCommands::salvanome(*this);
}
void Dati::eliminare() {
    DataFileCommands::eliminare(*this);
}

void Dati::stampa() {
    CalculationPrint::stampa(*this);
}
void Dati::esportapdf() {
    CalculationPrint::esportaPdf(*this);
}
