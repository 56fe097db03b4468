// SPDX-License-Identifier: GPL-3.0-or-later
// The copy of a rate table, from the row on a line to its end, into the
// Data window's periods, which it then calculates page by page.
#include "platform/calculationwindow.h"
#include "platform/hourglass.h"
#include "platform/messagebox.h"
#include "platform/modfenoverra.h"
#include "platform/windownames.h"
#include "platform/windowregistry.h"
#include "ratetable/tabella.h"

#include <QProgressBar>

void Tabella::copyFromLine(int i) {
    // A line with a date still waiting for its rate has nothing to copy either.
    const int p = model_.rowOfLine(i);
    if (model_.date(p).empty() || model_.rate(p).empty()) {
        MessageBox::show(this, "Non vi sono dati da copiare: scegliere un tasto precedente.",
                         MsgStyle::OkOnly | MsgStyle::Exclamation, ModFenoverra::titolocontrollo);
        return;
    }
    const QString question = "Verranno copiati i tassi con le relative date dal n." +
                             QString::number(p) + " al n. " + " " +
                             QString::number(model_.rowCount()) + " nella finestra Dati.";
    if (MessageBox::show(this, question, MsgStyle::YesNo | MsgStyle::Question,
                         ModFenoverra::titolocontrollo) != MsgAnswer::Yes)
        return;

    {
        // The whole copy takes a fraction of a frame: the bar says that work
        // is under way until the Data window shows its outcome.
        const Hourglass hourglass;
        progress_->show();
        if (auto* dati = WindowRegistry::loadAs<CalculationWindow>(WindowName::dati)) {
            dati->copyRates(model_.rowsFromLine(i));
            WindowRegistry::show(WindowName::dati);
        }
    }
    progress_->hide();
}
