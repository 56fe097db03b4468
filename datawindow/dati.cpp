// SPDX-License-Identifier: GPL-3.0-or-later
#include "datawindow/dati.h"

#include "core/calculationsequence.h"
#include "core/numbertext.h"
#include "core/periodderivation.h"
#include "core/scrollbardate.h"
#include "core/sharedcalculation.h"
#include "datawindow/calculationprint.h"
#include "datawindow/datacheck.h"
#include "datawindow/datafilecommands.h"
#include "platform/captionlabel.h"
#include "platform/clock.h"
#include "platform/formcontrols.h"
#include "platform/hourglass.h"
#include "platform/messagebox.h"
#include "platform/modfenoverra.h"
#include "platform/scrollbars.h"
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

const QString kDateReminder =
    "Cliccare sul tasto 'calcola' per aggiornare i risultati se sono stati modificate le date.";
const QString kRateReminder =
    "Cliccare sul tasto 'calcola' per aggiornare i risultati se sono stati modificati i tassi.";

QString q(const std::string& s) {
    return QString::fromStdString(s);
}
std::string s(const QString& q) {
    return q.toStdString();
}

// Painting held back while a widget changes many times over.
class FrozenPainting {
public:
    explicit FrozenPainting(QWidget* w) : w_(w), was_(w->updatesEnabled()) {
        if (was_) w_->setUpdatesEnabled(false);
    }
    ~FrozenPainting() {
        if (was_) w_->setUpdatesEnabled(true);
    }
    FrozenPainting(const FrozenPainting&) = delete;
    FrozenPainting& operator=(const FrozenPainting&) = delete;

private:
    QWidget* w_;
    bool was_;
};

const QStringList kValute = {"euro", "lire", "dollari", "franchi", "sterline", "yen", "rubli"};

} // namespace

Dati::Dati(QWidget* parent) : QWidget(parent) {
    setObjectName("dati");
    setWindowTitle("Fenoverra: dati per il calcolo");
    setAttribute(Qt::WA_DeleteOnClose);
    costruisci();
    collega();

    // Loading, in its order.
    resize_.setSourceForm(this);
    resize_.SizeFormToScreen(75);
    Twips::resizeWindow(this, 9600, 6825);
    resize_.ResizeControls();
    ModFenoverra::impostatesti();
    tipocalcolo_ = 1;
    aggiornaguida();
    moneta_->addItems(kValute);
    moneta_->setCurrentIndex(0);
    primoperiodo_ = 1;
    for (int r = 1; r <= kRows; ++r)
        righe_[r].data1->setToolTip("cliccare per andare indietro di 365 giorni");
    datfin_->setText(q(core::dateText(Clock::today())));
}

Dati::~Dati() = default;

void Dati::collega() {
    connect(capiniz_, &QLineEdit::textChanged, this, [this] { capinizCambiato(); });
    connect(moneta_, &QComboBox::currentTextChanged, this, [this] { monetaCambiata(); });
    connect(moneta_, &QComboBox::activated, this, [this] { monetaCambiata(); });
    connect(riferimento_, &QLineEdit::textChanged, this, [this] { aggiornaguida(); });
    connect(datfin_, &QLineEdit::textChanged, this, &Dati::datfinCambiato);
    connect(scrollafinale_, &QScrollBar::valueChanged, this, &Dati::scrollafinaleCambiato);
    for (int t = 1; t <= 3; ++t)
        connect(option1_[t], &QRadioButton::clicked, this, [this, t] { tipoScelto(t); });
    connect(calcolare_, &QPushButton::clicked, this, &Dati::calcola);
    connect(vscroll1_, &QScrollBar::valueChanged, this, [this] { mostraperiodi(); });
    for (int r = 1; r <= kRows; ++r)
        collegaRiga(r);
}

void Dati::collegaRiga(int r) {
    const Riga& row = righe_[r];
    connect(row.num, &CaptionLabel::clicked, this, [this, r] { numCliccato(r); });
    connect(row.num, &CaptionLabel::mouseMoved, this, [this, r] { numSorvolato(r); });
    connect(row.delriga, &QPushButton::clicked, this, [this, r] { delrigaCliccato(r); });
    connect(row.data1, &CaptionLabel::captionChanged, this,
            [this, r](const QString& c) { data1Cambiato(r, c); });
    connect(row.data1, &CaptionLabel::clicked, this, [this, r] { data1Cliccato(r); });
    connect(row.hscroll1, &QScrollBar::valueChanged, this,
            [this, r](int v) { hscroll1Cambiato(r, v); });
    connect(row.al, &CaptionLabel::captionChanged, this,
            [this, r](const QString& c) { alCambiato(r, c); });
    connect(row.tas, &CaptionLabel::captionChanged, this,
            [this, r](const QString& c) { tasCambiato(r, c); });
    connect(row.scrollatassi, &QScrollBar::valueChanged, this,
            [this, r](int v) { scrollatassiCambiato(r, v); });
}

void Dati::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    resize_.ResizeControls();
}

void Dati::mouseMoveEvent(QMouseEvent* event) {
    QWidget::mouseMoveEvent(event);
    evidenzianumeri();
}

// ---------------------------------------------------------------- drawing

int Dati::periodoDellaRiga(int r) const {
    return primoperiodo_ + r - 1;
}

void Dati::mostraperiodi() {
    const CaptionLabel::Batch batch;
    ++disegno_;
    evidenzianumeri();
    primoperiodo_ = vscroll1_->value();
    for (int r = 1; r <= kRows; ++r)
        disegnaRiga(r, periodoDellaRiga(r));
    --disegno_;
    if (disegno_ == 0 && guidaInSospeso_) {
        guidaInSospeso_ = false;
        aggiornaguida();
    }
}

void Dati::disegnaRiga(int r, int k) {
    // Each caption below may run its reaction, which can redraw every row and
    // change the slot: the texts are therefore fetched afresh at each step.
    core::PeriodList& list = core::periodi();
    const Riga& row = righe_[r];
    row.num->setCaption(testi_.of(list, k).number);
    row.data1->setCaption(testi_.of(list, k).start);
    core::deriveEndAndDays(list, k, datfinTesto_);
    row.al->setCaption(testi_.of(list, k).end);
    row.tas->setCaption(testi_.of(list, k).rate);
    const PeriodTexts::Texts& t = testi_.of(list, k);
    row.giorn->setCaption(t.days);
    row.interes->setCaption(t.interest);
    row.totint->setCaption(t.total);
    row.capital->setCaption(t.capital);
    FormControls::setToolTipIfChanged(row.delriga, t.deleteTip);
    FormControls::setToolTipIfChanged(row.num, t.insertTip);
    if (!list.slot(k).start.empty())
        ScrollBars::showDate(row.hscroll1, testi_.of(list, k).startDate, Clock::today(),
                             core::kStartDateBar);
    const PeriodTexts::Texts& shown = testi_.of(list, k);
    const QString rate = row.tas->caption();
    if (!rate.isEmpty())
        ScrollBars::showRate(row.scrollatassi,
                             rate == shown.rate ? shown.rateBar : rateBarPosition(s(rate)));
}

void Dati::aggiornaguida() {
    QString text;
    if (capiniz_->text().isEmpty())
        text = "Scegliere la valuta e digitare il capitale iniziale o aprire un file con i dati "
               "archiviati.";
    else if (datfin_->text().isEmpty())
        text = "Digitare la data finale del calcolo o aprire un file archiviato.";
    else if (riferimento_->text().isEmpty())
        text = "Digitare il dato del 'riferimento del calcolo'.";
    else if (core::periodi().numperiodi == 0)
        text = " Scegliere il tipo di calcolo e digitare la data del primo tasso.";
    else
        text = "Correggere, archiviare quanto immesso, digitare ulteriori dati, andare oltre "
               "(stampa, altro calcolo).";
    passo_->setCaption(text);
}

// ---------------------------------------------------------------- results

// The 33 labels only ever change together, so the first capital tells
// whether there is anything to do.
void Dati::risultatiattuali() {
    if (!risultaticorrenti()) abilitaRisultati(true);
}

void Dati::risultatiscaduti() {
    if (risultaticorrenti()) abilitaRisultati(false);
}

void Dati::abilitaRisultati(bool attuali) {
    for (int r = 1; r <= kRows; ++r)
        for (QWidget* w : {righe_[r].interes, righe_[r].totint, righe_[r].capital})
            w->setEnabled(attuali);
    for (QWidget* w : {capitales_, capitalec_, differ_})
        w->setEnabled(attuali);
}

bool Dati::risultaticorrenti() const {
    // Only the label's own state counts, not whether the whole window is enabled.
    return righe_[1].capital->isEnabledTo(this);
}

void Dati::avanzaProgresso() {
    if (progressBar1_->value() >= progressBar1_->maximum()) progressBar1_->setValue(0);
    progressBar1_->setValue(progressBar1_->value() + 1);
}

void Dati::mostraPeriodoInPrima(int k) {
    const int first = std::min(k, vscroll1_->maximum());
    if (vscroll1_->value() != first)
        vscroll1_->setValue(first); // its reaction draws the rows
    else
        mostraperiodi();
}

core::PassInput Dati::datiDelCalcolo(int tipo) const {
    return {tipo, s(capiniz_->text()), s(datfin_->text())};
}

core::CalculationHooks Dati::agganci() {
    core::CalculationHooks hooks;
    hooks.passStarting = [this] { aggiornaguida(); };
    hooks.beforePeriod = [this](int i) {
        mostraPeriodoInPrima(i);
        avanzaProgresso();
    };
    hooks.passEnded = [this] { mostraperiodi(); };
    return hooks;
}

void Dati::calcolaSulleSomme(const std::function<void(core::FinalSums&)>& calcolo) {
    core::FinalSums sums{s(capitales_->caption()), s(capitalec_->caption()), s(differ_->caption())};
    // A pass redraws the rows once per period; the window paints what changed
    // once control returns. Only the progress bar paints itself at once on
    // each step: it waits too. (Freezing the whole window would repaint all
    // of it afterwards, the unchanged parts included.)
    const FrozenPainting frozen(progressBar1_);
    const CaptionLabel::Batch batch;
    calcolo(sums);
    capitales_->setCaption(q(sums.capitales));
    capitalec_->setCaption(q(sums.capitalec));
    differ_->setCaption(q(sums.differ));
}

void Dati::ricalcola(int tipo) {
    calcolaSulleSomme([&](core::FinalSums& sums) {
        core::ricalcola(core::periodi(), datiDelCalcolo(tipo), sums, agganci());
    });
}

void Dati::calcola() {
    if (risultaticorrenti()) return;
    const Hourglass hourglass;
    if (core::periodi().numperiodi > kRows) progressBar1_->show();
    avanzaProgresso();
    calcolaSulleSomme([&](core::FinalSums& sums) {
        core::calcolaTipo(core::periodi(), datiDelCalcolo(tipocalcolo_), sums, agganci());
    });
    mostraUltimiPeriodi();
    risultatiattuali();
    nascondiProgresso();
}

void Dati::sceglitipo(int tipo) {
    if (tipo < 1 || tipo > 3) return;
    option1_[tipo]->setChecked(true);
    tipoScelto(tipo);
}

void Dati::tipoScelto(int tipo) {
    tipocalcolo_ = tipo;
    core::YearSplitOutcome split;
    {
        const Hourglass hourglass;
        core::CalculationHooks hooks = agganci();
        hooks.passesStarting = [this] {
            if (core::periodi().numperiodi > kRows) progressBar1_->show();
        };
        calcolaSulleSomme([&](core::FinalSums& sums) {
            split = core::scegliTipo(core::periodi(), datiDelCalcolo(tipo), sums, hooks);
        });
    }
    nascondiProgresso();
    mostraUltimiPeriodi();
    risultatiattuali();
    // Told after the hourglass has gone, so the box does not wait under it.
    if (split.refused) avvisaDivisioneRifiutata(split.needed);
}

void Dati::mostraUltimiPeriodi() {
    const int n = core::periodi().numperiodi;
    if (n > kRows) vscroll1_->setValue(n - (kRows - 1));
}

void Dati::nascondiProgresso() {
    progressBar1_->setValue(0);
    progressBar1_->hide();
}

void Dati::avvisaDivisioneRifiutata(int needed) {
    // The list has no room for a period at every 1 January: it is left as it
    // is, and the user must know that compounding will miss some year starts.
    MessageBox::show(
        this,
        "Per calcolare gli interessi composti bisognerebbe suddividere i periodi al "
        "1° gennaio di ogni anno, ma servirebbero" +
            QString(" %1 periodi, oltre il massimo di %2.").arg(needed).arg(core::kMaxPeriods) +
            "\rI periodi non sono stati suddivisi: il risultato degli interessi "
            "composti non sarà corretto.",
        MsgStyle::OkOnly | MsgStyle::Exclamation, ModFenoverra::titolocontrollo);
}

// ---------------------------------------------------------------- header reactions

void Dati::capinizCambiato() {
    risultatiattuali();
    ricalcola(tipocalcolo_);
    // The pass computed nothing: the results of an earlier capital must not
    // pass for this one's.
    if (!core::parseNumber(s(capiniz_->text()))) risultatiscaduti();
}

void Dati::monetaCambiata() {
    for (int i = 1; i <= 3; ++i)
        eur_[i]->setCaption(moneta_->currentText());
}

void Dati::datfinCambiato(const QString& text) {
    datfinTesto_ = s(text);
    core::PeriodList& list = core::periodi();
    if (list.numperiodi > 1) list.slot(list.numperiodi).end = s(text);
    mostraperiodi();
}

void Dati::scrollafinaleCambiato(int value) {
    datfin_->setText(q(core::dateText(core::dateOfBarValue(value, Clock::today()))));
    vscroll1_->setValue(1);
    mostraperiodi();
    calcola();
}

// ---------------------------------------------------------------- row reactions

void Dati::data1Cambiato(int r, const QString& caption) {
    core::periodi().slot(periodoDellaRiga(r)).start = s(caption);
    if (caption.isEmpty()) return;
    if (disegno_ > 0) {
        // A drawing is under way and goes on through every row anyway: a
        // nested drawing would only repeat it. The guidance update comes once
        // that drawing ends, after every bar it moves, as it would have.
        guidaInSospeso_ = true;
        return;
    }
    mostraperiodi();
    aggiornaguida();
}

void Dati::alCambiato(int r, const QString& caption) {
    core::periodi().slot(periodoDellaRiga(r)).end = s(caption);
}

void Dati::tasCambiato(int r, const QString& caption) {
    std::string& rate = core::periodi().slot(periodoDellaRiga(r)).rate;
    const std::string text = s(caption);
    if (rate == text) return; // the count cannot change
    rate = text;
    core::periodi().contaperiodi();
}

void Dati::hscroll1Cambiato(int r, int value) {
    dataInizialeSpostata(r, core::dateOfBarValue(value, Clock::today()));
}

void Dati::data1Cliccato(int r) {
    dataInizialeSpostata(r, core::stepBack365(righe_[r].hscroll1->value(), Clock::today()));
}

void Dati::dataInizialeSpostata(int r, core::Date date) {
    righe_[r].data1->setCaption(q(core::dateText(date)));
    passo_->setCaption(kDateReminder);
    risultatiscaduti();
}

void Dati::scrollatassiCambiato(int r, int value) {
    righe_[r].tas->setCaption(q(core::rateBarText(value)));
    passo_->setCaption(kRateReminder);
    risultatiscaduti();
}

void Dati::numCliccato(int r) {
    const int k = righe_[r].num->caption().toInt();
    if (k < 1 || k > core::kMaxPeriods) return;
    if (core::periodi().insert(k) == core::InsertOutcome::ListFull)
        MessageBox::show(this, "Siamo già a 200 periodi: non è possibile aggiungerne degli altri.",
                         MsgStyle::OkOnly | MsgStyle::Information, ModFenoverra::titolocontrollo);
    righe_[r].data1->setCaption(q(core::periodi().slot(k).start));
    mostraperiodi();
}

void Dati::delrigaCliccato(int r) {
    const Riga& row = righe_[r];
    if (row.data1->caption().isEmpty() || row.tas->caption().isEmpty()) return;
    core::periodi().remove(row.num->caption().toInt());
    mostraperiodi();
}

// ---------------------------------------------------------------- check and clear

bool Dati::controlla(DataCheck::Mode mode) {
    // A rate just set with its bar does not redraw the rows, so the last
    // period may not have its end date and days yet: derive them as the next
    // drawing would, or a complete calculation reads as "giorni nulli".
    core::PeriodList& list = core::periodi();
    for (int k = 1; k <= list.numperiodi; ++k)
        core::deriveEndAndDays(list, k, datfinTesto_);
    mostraperiodi();
    const DataCheck::Outcome outcome =
        DataCheck::check(capiniz_->text(), datfin_->text(), riferimento_->text(), core::periodi());
    if (outcome.passed && mode == DataCheck::Mode::Silent) return true;
    MessageBox::show(this, outcome.message, outcome.style, ModFenoverra::titolocontrollo);
    return outcome.passed;
}

void Dati::cancella() {
    capiniz_->setText(QString());
    datfin_->setText(QString());
    riferimento_->setText(QString());
    for (CaptionLabel* sum : {capitales_, capitalec_, differ_})
        sum->setCaption(QString());
    // Every slot, not only the counted periods: dates left without a rate
    // would otherwise come back into view later.
    core::periodi().clear();
    for (int r = 1; r <= kRows; ++r) {
        const Riga& row = righe_[r];
        for (CaptionLabel* c :
             {row.data1, row.al, row.tas, row.giorn, row.interes, row.totint, row.capital})
            c->setCaption(QString());
    }
    vscroll1_->setValue(1);
    aggiornaguida();
}

// ---------------------------------------------------------------- for other windows

QString Dati::datfinText() const {
    return datfin_->text();
}
void Dati::setDatfinText(const QString& text) {
    datfin_->setText(text);
}
QString Dati::capinizText() const {
    return capiniz_->text();
}
void Dati::setCapinizText(const QString& text) {
    capiniz_->setText(text);
}

void Dati::mostraPagina(int first) {
    vscroll1_->setValue(first);
    mostraperiodi();
}

// ---------------------------------------------------------------- file contents

fileformat::DataFileContent Dati::contenuto() const {
    fileformat::DataFileContent content;
    content.capital = s(capiniz_->text());
    content.type = tipocalcolo_;
    content.reference = s(riferimento_->text());
    const core::PeriodList& list = core::periodi();
    for (int i = 1; i <= list.numperiodi; ++i) {
        const core::PeriodSlot& slot = list.slot(i);
        content.periods.push_back({slot.start, slot.end, slot.rate});
    }
    return content;
}

void Dati::carica(const fileformat::DataFileContent& content) {
    core::PeriodList& list = core::periodi();
    list.clear();
    const int n =
        static_cast<int>(std::min<std::size_t>(content.periods.size(), core::kMaxPeriods));
    for (int i = 1; i <= n; ++i) {
        const fileformat::DataFilePeriod& p = content.periods[static_cast<std::size_t>(i - 1)];
        list.slot(i).start = p.start;
        list.slot(i).end = p.end;
        list.slot(i).rate = p.rate;
    }
    list.contaperiodi();
    datfin_->setText(n > 0 ? q(list.slot(n).end) : QString());
    capiniz_->setText(q(content.capital));
    riferimento_->setText(q(content.reference));
    sceglitipo(std::clamp(content.type, 1, 3));
    // The view stays where the calculation left it. Setting primoperiodo_
    // back to 1 alone would part it from VScroll1, and the rows' reactions,
    // which find their period through it, would write into periods not shown.
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
    // The type-1 choice without checking Option1(1): the buttons keep showing
    // the type the user chose.
    CalculationPrint::stampa(*this, [this] { tipoScelto(1); });
}
