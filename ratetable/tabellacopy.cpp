// SPDX-License-Identifier: GPL-3.0-or-later
// The copy of a rate table, from the row on a line to its end, into the
// Data window's periods, which it then calculates page by page.
#include "core/date.h"
#include "core/sharedcalculation.h"
#include "platform/calculationwindow.h"
#include "platform/captionlabel.h"
#include "platform/clock.h"
#include "platform/hourglass.h"
#include "platform/messagebox.h"
#include "platform/modfenoverra.h"
#include "platform/windowregistry.h"
#include "ratetable/tabella.h"

#include <QProgressBar>

namespace {

// The bar runs 0..200 and the copy moves it by 0,2 a row and 5 twice a page.
constexpr int kProgressTenths = 2000;
constexpr int kRowStep = 2;
constexpr int kPageStep = 50;

constexpr int kPageLength = 10; // the Data window's rows

} // namespace

void Tabella::avanzaProgresso(int tenths) {
    // Back to the start once it reaches its end, also when a step carries
    // it past the end (long tables).
    progresso_ += tenths;
    if (progresso_ >= kProgressTenths) progresso_ = 0;
    progressBar1_->setValue(progresso_ / 10);
}

void Tabella::copias(int i) {
    const Linea& l = linee_[i];
    if (l.period->caption().isEmpty()) {
        MessageBox::show(this, "Non vi sono dati da copiare: scegliere un tasto precedente.",
                         MsgStyle::OkOnly | MsgStyle::Exclamation, ModFenoverra::titolocontrollo);
        return;
    }
    const int p = l.num->caption().toInt();
    const int last = tabella_.righetab;
    const QString question = "Verranno copiati i tassi con le relative date dal n." +
                             QString::number(p) + " al n. " + " " + QString::number(last) +
                             " nella finestra Dati.";
    if (MessageBox::show(this, question, MsgStyle::YesNo | MsgStyle::Question,
                         ModFenoverra::titolocontrollo) != MsgAnswer::Yes)
        return;

    {
        const Hourglass hourglass;
        progresso_ = 0;
        progressBar1_->setValue(0);
        progressBar1_->show();

        if (auto* dati = WindowRegistry::loadAs<CalculationWindow>("dati")) {
            dati->cancella();
            core::PeriodList& list = core::periodi();
            int j = 1;
            for (int k = p; k <= last; ++k) {
                avanzaProgresso(kRowStep);
                list.slot(j).start = tabella_.datetab(k).toStdString();
                list.slot(j).rate = tabella_.tassitab(k).toStdString();
                ++j;
            }
            const int n = j - 1;
            // Written straight into the list, the rates do not pass through the
            // rows' reaction that counts them: without the count nothing is
            // calculated.
            list.contaperiodi();

            if (dati->datfinText().isEmpty())
                dati->setDatfinText(QString::fromStdString(core::dateText(Clock::today())));
            if (dati->capinizText().isEmpty()) dati->setCapinizText("1000");
            dati->sceglitipo(1);
            for (int m = 1; m <= n; m += kPageLength) {
                avanzaProgresso(kPageStep);
                dati->mostraPagina(m);
                avanzaProgresso(kPageStep);
                dati->calcola();
            }
            WindowRegistry::show("dati");
        }
    }
    progresso_ = 0;
    progressBar1_->setValue(0);
    progressBar1_->hide();
}
