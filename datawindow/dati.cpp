// SPDX-License-Identifier: GPL-3.0-or-later
#include "datawindow/dati.h"

#include "core/numbertext.h"
#include "datawindow/calculationprint.h"
#include "datawindow/datacheck.h"
#include "platform/clickablelabel.h"
#include "platform/clock.h"
#include "platform/formbackground.h"
#include "platform/formcontrols.h"
#include "platform/hourglass.h"
#include "platform/messagebox.h"
#include "platform/modfenoverra.h"
#include "platform/programcontext.h"
#include "platform/scrollbars.h"
#include "platform/signalsblocked.h"
#include "platform/stringconversion.h"
#include "platform/windownames.h"
#include "platform/windowregistry.h"

#include <QComboBox>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

namespace {

QString numberOrEmpty(const std::optional<double>& v) {
    return v ? toQt(core::numberText(*v)) : QString();
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

WindowDesign design() {
    using CommandBars::Command;
    return {
        .name = WindowName::dati,
        .title = "Fenoverra: dati per il calcolo",
        .helpPage = WindowName::guidadati,
        .helpQuestion = "E' questa la finestra 'Dati': si vuole la guida della finestra?",
        .helpQuestionTitle = ModFenoverra::nomeprogramma,
        .usage = "- Aprire un file archiviato per prelevare i dati (Fenoverra-dati-...);\r"
                 "- digitare i dati seguendo le indicazioni della casella gialla posta in basso;\r"
                 "- visualizzare i periodi successivi con la barra di scorrimento verticale;\r"
                 "- inserire e modificare le date e i tassi con le barre di scorrimento "
                 "laterali;\r"
                 "- inserire o eliminare una riga cliccando sui numeri o sulle X a sinistra;\r"
                 "- effettuare i controlli dei dati cliccando sul tasto ABC.",
        .menus =
            {
                .viewMenu = "visu",
                .helpMenu = "inter",
                .separators = {}, // unnamed
                .elimina = {"eliminare", "&Elimina..."},
                .esci = {"usci", "Es&ci"},
                .suggerimenti = "&Suggerimenti...",
                .ownWindow = Command::FinestraDati,
                .number = 1,
            },
    };
}

} // namespace

Dati::Dati(ProgramContext& context, QWidget* parent)
    : FileWindow(context, design(), parent), model_(context.calculation) {
    buildControls();
    connectControls();
    fitDesignedSize();
    {
        const SignalsBlocked quiet(inputs_);
        currency_->addItems(kValute);
    }
    present(model_.openWindow(Clock::today()));
}

Dati::~Dati() = default;

void Dati::connectControls() {
    const auto today = [] { return Clock::today(); };
    connect(capital_, &QLineEdit::textChanged, this, [this, today](const QString& text) {
        present(model_.setCapital(fromQt(text), today()));
    });
    const auto currency = [this] { present(model_.setCurrency(fromQt(currency_->currentText()))); };
    connect(currency_, &QComboBox::currentTextChanged, this, currency);
    connect(currency_, &QComboBox::activated, this, currency);
    connect(reference_, &QLineEdit::textChanged, this,
            [this](const QString& text) { present(model_.setReference(fromQt(text))); });
    connect(finalDate_, &QLineEdit::textChanged, this, [this, today](const QString& text) {
        present(model_.setFinalDate(fromQt(text), today()));
    });
    connect(finalDateBar_, &QScrollBar::valueChanged, this, [this, today](int value) {
        longWork([&] { return model_.moveFinalDateBar(value, today()); });
    });
    for (int t = 1; t <= 3; ++t)
        connect(typeButtons_[t], &QRadioButton::clicked, this,
                [this, t] { chooseType(static_cast<core::CalculationType>(t)); });
    connect(calculateButton_, &QPushButton::clicked, this, &Dati::updateStaleResults);
    connect(pageBar_, &QScrollBar::valueChanged, this,
            [this, today](int value) { present(model_.scrollTo(value, today())); });
    for (int r = 1; r <= kRows; ++r)
        connectRow(r);
    // After the rows' own reactions: a double-click first undoes its click.
    const auto periodsInUse = [this] { return model_.periods().numperiodi; };
    keyboard_ = new RowKeyboard(this, pageBar_, periodsInUse,
                                [this](int r, RowKeyboard::Field field, int value) {
                                    present(field == RowKeyboard::Field::StartDate
                                                ? model_.enterStartDate(r, value, Clock::today())
                                                : model_.enterRate(r, value));
                                });
    for (int r = 1; r <= kRows; ++r)
        keyboard_->addRow(rows_[r]);
    runOnClick("aiuto", Command::Aiuto);
    runOnClick("guidainlinea", Command::Guida);
    runOnClick("disconto", Command::FinestraTabella);
    runOnClick("esco", Command::Esci);

    inputs_ = {capital_, currency_, finalDate_, finalDateBar_, reference_, pageBar_};
    for (int t = 1; t <= 3; ++t)
        inputs_.push_back(typeButtons_[t]);
    for (int r = 1; r <= kRows; ++r) {
        inputs_.push_back(rows_[r].startDateBar);
        inputs_.push_back(rows_[r].rateBar);
    }
}

void Dati::connectRow(int r) {
    const Row& row = rows_[r];
    connect(row.number, &ClickableLabel::clicked, this,
            [this, r] { present(model_.insertAt(r, Clock::today())); });
    lightUnderMouse(row.number);
    connect(row.deleteButton, &QPushButton::clicked, this,
            [this, r] { present(model_.deleteAt(r, Clock::today())); });
    connect(row.start, &ClickableLabel::clicked, this, [this, r] {
        beforeStepBack_ = model_;
        present(model_.stepStartDateBack(r, Clock::today()));
    });
    // A double-click opens the date for typing: its first click's step back
    // is undone.
    connect(row.start, &ClickableLabel::doubleClicked, this, [this] {
        if (!beforeStepBack_) return;
        model_ = std::move(*beforeStepBack_);
        beforeStepBack_.reset();
        draw(true);
    });
    connect(row.startDateBar, &QScrollBar::valueChanged, this,
            [this, r](int v) { present(model_.moveStartDateBar(r, v, Clock::today())); });
    connect(row.rateBar, &QScrollBar::valueChanged, this,
            [this, r](int v) { present(model_.moveRateBar(r, v, Clock::today())); });
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
    if (changes.listFull) tellListFull();
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
        if (model_.periods().numperiodi > kRows) progress_->show();
        changes = work();
        progress_->hide();
        draw(changes.rowsDrawn);
    }
    // Told after the hourglass has gone, so the box does not wait under it.
    tell(changes);
}

void Dati::draw(bool rowsDrawn) {
    const SignalsBlocked quiet(inputs_);
    const core::Calculation& m = model_;
    setTextIfChanged(capital_, toQt(m.capital()));
    if (currency_->currentText() != toQt(m.currency()))
        currency_->setCurrentText(toQt(m.currency()));
    for (int i = 1; i <= 3; ++i)
        currencyUnits_[i]->setTextIfChanged(currency_->currentText());
    setTextIfChanged(finalDate_, toQt(m.finalDate()));
    ScrollBars::show(finalDateBar_, m.finalDateBar());
    setTextIfChanged(reference_, toQt(m.reference()));
    QRadioButton* chosen = typeButtons_[static_cast<int>(m.chosenType())];
    if (!chosen->isChecked()) chosen->setChecked(true);
    simpleSum_->setTextIfChanged(toQt(m.sums().capitales));
    compoundSum_->setTextIfChanged(toQt(m.sums().capitalec));
    difference_->setTextIfChanged(toQt(m.sums().differ));
    guidance_->setTextIfChanged(guidanceText(m.guidance()));
    ScrollBars::show(pageBar_, m.firstPeriod());
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
    row.start->setTextIfChanged(toQt(model_.row(r).shownStart));
    row.end->setTextIfChanged(toQt(slot.end));
    row.rate->setTextIfChanged(toQt(slot.rate));
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
    for (QWidget* w : {simpleSum_, compoundSum_, difference_})
        w->setEnabled(current);
}

void Dati::showGuidance(core::Guidance guidance) {
    draw(model_.setGuidance(guidance).rowsDrawn);
}

// ---------------------------------------------------------------- commands

void Dati::updateStaleResults() {
    longWork([this] { return model_.updateStaleResults(Clock::today()); });
}

void Dati::chooseType(core::CalculationType type) {
    longWork([&] { return model_.chooseType(type, Clock::today()); });
}

void Dati::computeSimpleInterest() {
    longWork(
        [this] { return model_.chooseType(core::CalculationType::Simple, Clock::today(), false); });
}

bool Dati::checkData(DataCheck::Mode mode) {
    present(model_.prepareCheck(Clock::today()));
    const DataCheck::Outcome outcome =
        DataCheck::check(toQt(model_.capital()), toQt(model_.finalDate()), toQt(model_.reference()),
                         model_.periods());
    if (outcome.passed && mode == DataCheck::Mode::Silent) return true;
    MessageBox::show(this, outcome.message, outcome.style, ModFenoverra::titolocontrollo);
    return outcome.passed;
}

void Dati::controlla() {
    checkData(DataCheck::Mode::Report);
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

void Dati::colorare() {
    using FormBackground::kGrigio;
    if (FormBackground::colour(this) != kGrigio) {
        const MsgAnswer answer =
            MessageBox::show(this, "Colori uguali e riposanti (grigio) per tutte le finestre?",
                             MsgStyle::YesNo, ModFenoverra::nomeprogramma + ": colore di sfondo");
        if (answer == MsgAnswer::Yes) {
            FormBackground::setColour(this, kGrigio);
            // Loaded unseen when it is not open: it shows grey when opened.
            if (QWidget* tabella = WindowRegistry::load(WindowName::tabella))
                FormBackground::setColour(tabella, kGrigio);
            return;
        }
    }
    FormBackground::chooseWithDialog(this, dialogo_);
}

// ---------------------------------------------------------------- files

fileformat::DataFileContent Dati::fileContent() const {
    fileformat::DataFileContent content;
    content.capital = model_.capital();
    content.type = static_cast<int>(model_.type()); // the number the file writes
    content.reference = model_.reference();
    const core::PeriodList& list = model_.periods();
    for (int i = 1; i <= list.numperiodi; ++i) {
        const core::PeriodSlot& slot = list.slot(i);
        content.periods.push_back({slot.start, slot.end, slot.rate});
    }
    return content;
}

void Dati::loadFile(const fileformat::DataFileContent& content, const QString&) {
    core::SavedCalculation saved;
    saved.capital = content.capital;
    saved.type = static_cast<core::CalculationType>(content.type); // 1..3 once read
    saved.reference = content.reference;
    for (const fileformat::DataFilePeriod& p : content.periods)
        saved.periods.push_back({p.start, p.end, p.rate});
    longWork([&] { return model_.load(saved, Clock::today()); });
}

bool Dati::readyToSave() {
    return checkData(DataCheck::Mode::Silent);
}

void Dati::stampa() {
    CalculationPrint::stampa(*this);
}
void Dati::esportapdf() {
    CalculationPrint::esportaPdf(*this);
}
