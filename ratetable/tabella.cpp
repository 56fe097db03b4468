// SPDX-License-Identifier: GPL-3.0-or-later
#include "ratetable/tabella.h"

#include "core/date.h"
#include "core/numbertext.h"
#include "core/scrollbardate.h"
#include "platform/captionlabel.h"
#include "platform/clock.h"
#include "platform/formcontrols.h"
#include "platform/messagebox.h"
#include "platform/modfenoverra.h"
#include "platform/scrollbars.h"
#include "platform/twips.h"
#include "ratetable/presets.h"
#include "ratetable/tablefilecommands.h"
#include "reports/ratetablereport.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>

namespace {

QString q(const std::string& s) {
    return QString::fromStdString(s);
}

// What the label shows for a title: a carriage return breaks the line, and
// a long path may break after each folder.
QString shownTitle(QString titolo) {
    titolo.replace("\r\n", "\n").replace('\r', '\n');
    titolo.replace('/', QStringLiteral("/\u200B")).replace('\\', QStringLiteral("\\\u200B"));
    return titolo;
}

} // namespace

Tabella::Tabella(QWidget* parent) : QWidget(parent) {
    setObjectName("tabella");
    setWindowTitle("Fenoverra: tabella dei tassi");
    setAttribute(Qt::WA_DeleteOnClose);
    costruisci();
    collega();
    resize_.setSourceForm(this);
    carica();
}

Tabella::~Tabella() = default;

void Tabella::collega() {
    connect(vscroll1_, &QScrollBar::valueChanged, this, [this] { ridisegna(); });
    for (int n = 1; n <= 2; ++n)
        connect(ricaric_[n], &QPushButton::clicked, this, [this, n] { ricaric(n); });
    for (int i = 1; i <= kLines; ++i) {
        const Linea& l = linee_[i];
        connect(l.num, &CaptionLabel::clicked, this, [this, i] { numCliccato(i); });
        connect(l.num, &CaptionLabel::mouseMoved, this, [this, i] { numSorvolato(i); });
        connect(l.delriga, &QPushButton::clicked, this, [this, i] { delrigaCliccato(i); });
        connect(l.dscroll, &QScrollBar::valueChanged, this,
                [this, i](int v) { dscrollCambiato(i, v); });
        connect(l.hscroll1, &QScrollBar::valueChanged, this,
                [this, i](int v) { hscroll1Cambiato(i, v); });
        connect(l.copias, &QPushButton::clicked, this, [this, i] { copias(i); });
    }
}

void Tabella::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    resize_.ResizeControls();
}

void Tabella::mouseMoveEvent(QMouseEvent* event) {
    QWidget::mouseMoveEvent(event);
    evidenziarighe();
}

// ---------------------------------------------------------------- loading

void Tabella::carica() {
    impostaFinestra();
    caricaTabella();
}

void Tabella::impostaFinestra() {
    // The same layout object throughout: it holds the designed places, so
    // the window comes back to them exactly however often it is reloaded.
    resize_.SizeFormToScreen(75);
    Twips::resizeWindow(this, 9600, 6825);
    resize_.ResizeControls();
}

void Tabella::caricaTabella() {
    tabella_.primariga = 1;
    if (Presets::sceltatab == Presets::kNessuna) Presets::sceltatab = Presets::kTassiLegali;
    if (Presets::sceltatab == Presets::kTassiSconto) {
        setTitolo(QString::fromUtf8(Presets::kTitoloSconto) + "\r(" + label2_->text() + ")");
        tabella_.carica(Presets::kSconto);
    } else {
        setTitolo(QString::fromUtf8(Presets::kTitoloLegali));
        tabella_.carica(Presets::kLegali);
    }
    ridisegna();
    guidatab();
}

void Tabella::ricaric(int n) {
    for (int i = 1; i <= kLines; ++i) {
        linee_[i].dscroll->setValue(core::kStartDateBar.newest);
        linee_[i].hscroll1->setValue(linee_[i].hscroll1->minimum());
    }
    tabella_.svuota();
    vscroll1_->setValue(1);
    Presets::sceltatab = n;
    carica();
}

void Tabella::setTitolo(const QString& titolo) {
    titolo_ = titolo;
    appunti_->setText(shownTitle(titolo));
}

void Tabella::guidatab() {
    passo_->setCaption("Prelevare i dati dall'archivio o scegliere una tabella preimpostata "
                       "tramite i pulsanti posti sulla destra, oppure digitare nuovi dati.");
}

// ---------------------------------------------------------------- redisplay

int Tabella::rigaDellaLinea(int i) const {
    return tabella_.primariga + i - 1;
}

void Tabella::ridisegna() {
    // A date a line's bar rewrites redisplays the table inside this one; the
    // lines already shown then change nothing, so the nesting ends.
    const CaptionLabel::Batch batch;
    tabella_.primariga = vscroll1_->value();
    for (int i = 1; i <= kLines; ++i)
        mostraLinea(i, rigaDellaLinea(i));
    tabella_.contarighe();
}

void Tabella::mostraLinea(int i, int r) {
    const Linea& l = linee_[i];
    const QString number = QString::number(r);
    l.num->setCaption(number);
    l.period->setCaption(tabella_.datetab(r));
    l.al->setCaption(tabella_.fine(r));
    l.tassuf->setCaption(tabella_.tassitab(r));
    FormControls::setToolTipIfChanged(l.delriga, "cliccare per eliminare la riga n. " + number);
    FormControls::setToolTipIfChanged(l.num, "cliccare per inserire una riga al n. " + number);
    FormControls::setToolTipIfChanged(
        l.copias, "cliccare per copiare in Dati tutti i tassi e le date dalla riga "
                  "n. " +
                      number + " in poi");
    // Each bar moved here runs its reaction as a user's move does; a text
    // the bar cannot hold is never rewritten.
    const QString rate = l.tassuf->caption();
    if (!rate.isEmpty()) ScrollBars::showRate(l.hscroll1, rateBarPosition(rate.toStdString()));
    const QString date = tabella_.datetab(r);
    if (!date.isEmpty())
        ScrollBars::showDate(l.dscroll, core::parseDate(date.toStdString()), Clock::today(),
                             core::kStartDateBar);
}

// ---------------------------------------------------------------- line reactions

void Tabella::dscrollCambiato(int i, int value) {
    const QString text = q(core::dateText(core::dateOfBarValue(value, Clock::today())));
    linee_[i].period->setCaption(text);
    tabella_.datetab(rigaDellaLinea(i)) = text;
    ridisegna();
}

void Tabella::hscroll1Cambiato(int i, int value) {
    const QString text = q(core::rateBarText(value));
    linee_[i].tassuf->setCaption(text);
    tabella_.tassitab(rigaDellaLinea(i)) = text;
    // Counted at once: a table saved or copied right after its last rate was
    // set must include that row.
    tabella_.contarighe();
}

void Tabella::numCliccato(int i) {
    const int p = linee_[i].num->caption().toInt();
    if (!tabella_.inserisci(p)) {
        MessageBox::show(this, "Siamo già a 200 periodi: non è possibile aggiungerne degli altri.",
                         MsgStyle::OkOnly | MsgStyle::Information, ModFenoverra::titolocontrollo);
        return;
    }
    ridisegna();
}

void Tabella::delrigaCliccato(int i) {
    const Linea& l = linee_[i];
    if (l.period->caption().isEmpty() || l.tassuf->caption().isEmpty()) return;
    tabella_.elimina(l.num->caption().toInt());
    ridisegna();
}

void Tabella::aiutoCliccato() {
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

// ---------------------------------------------------------------- check and clear

void Tabella::controlla() {
    const auto difetto = tabella_.primoDifetto();
    if (!difetto) {
        MessageBox::show(this, "I dati sono stati immessi correttamente",
                         MsgStyle::OkOnly | MsgStyle::Information, ModFenoverra::titolocontrollo);
        return;
    }
    const QString riga = " " + QString::number(difetto->riga);
    MessageBox::show(this,
                     difetto->mancaTasso ? "Digitare il tasso del periodo n." + riga
                                         : "Digitare il periodo di partenza del tasso n." + riga,
                     MsgStyle::OkOnly | MsgStyle::Exclamation, ModFenoverra::titolocontrollo);
}

void Tabella::cancella() {
    tabella_.svuota();
    ridisegna();
}

// ---------------------------------------------------------------- files

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
    // Every position from 11 on shows rows not yet shown; the redisplay each
    // triggers rewrites them as the window writes dates and rates.
    constexpr int kFirstPositionToScroll = 11;
    const int last = std::min(tabella_.righetab, vscroll1_->maximum());
    for (int p = kFirstPositionToScroll; p <= last; ++p)
        vscroll1_->setValue(p);
    passo_->setCaption(QStringLiteral("sto caricando WORD"));
    RateTableReport::Table table{titolo_, {}, {}, tabella_.righetab};
    for (int r = 1; r <= RateTable::kMaxRows; ++r) {
        table.dates << tabella_.datetab(r);
        table.rates << tabella_.tassitab(r);
    }
    RateTableReport::build(table);
}
