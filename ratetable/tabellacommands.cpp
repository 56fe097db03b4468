// SPDX-License-Identifier: GPL-3.0-or-later
// The commands of the rate-table window: its menu bar, its toolbar, the
// help question and the background colour.
#include "ratetable/tabella.h"

#include "platform/commandbars.h"
#include "platform/formbackground.h"
#include "platform/messagebox.h"
#include "platform/modfenoverra.h"
#include "platform/programcontext.h"
#include "platform/windowregistry.h"

using CommandBars::MenuEntry;
namespace Keys = CommandBars::Keys;

namespace {

void mostra(const char* window) {
    WindowRegistry::show(QString::fromLatin1(window));
}

} // namespace

void Tabella::costruisciComandi() {
    const QList<CommandBars::Menu> menus = {
        {"file",
         "&File",
         {
             {"apri", "&Apri...", [this] { apri(); }, Keys::apri},
             {"linea1", "-"},
             {"salva", "&Salva", [this] { salva(); }, Keys::salva},
             {"salvanome", "Salva con &nome...", [this] { salvanome(); }, Keys::salvanome},
             {"linea2", "-"},
             {"elimina", "&Eminina...", [this] { elimina(); }},
             {"l5", "-"},
             {"stampa", "S&tampa", [this] { stampa(); }, Keys::stampa},
             {"esportapdf", "Esporta PDF...", [this] { esportapdf(); }},
             {"linea5", "-"},
             {"esci", "&Esci", [this] { context_.confermauscita(); }, Keys::esci},
         }},
        {"modif",
         "&Modifica",
         {
             {"colorare", "&Colore di sfondo", [this] { colorare(); }},
             {"l7", "-"},
             {"controlla", "Controllo &dati immessi", [this] { controlla(); }},
             {"l8", "-"},
             {"cancella", "C&ancella dati finestra", [this] { cancella(); }},
         }},
        {"finestre",
         "&Visualizza",
         {
             {"fin1", "Finestra Dati", [] { mostra("dati"); }, Keys::finestraDati},
             {"fin2", "Finestra Tabella tassi", [this] { domandaguida(); }, Keys::finestraTabella,
              true},
         }},
        {"help",
         "&?",
         {
             {"guida", "&Guida in linea", [] { mostra("sommario"); }, Keys::guida},
             {"suggerimenti", "&Suggerimenti", [] { mostra("frmTip"); }},
             {"linea4", "-"},
             {"informazioni", "&Informazioni su Fenoverra", [] { mostra("informa"); }},
         }},
    };
    QMenuBar* bar = CommandBars::buildMenuBar(this, menus);
    CommandBars::addCornerCommand(bar, "finestra", QString(126, u' ') + "Fi&nestra n.2 di 2",
                                  [] { mostra("guidatabella"); });
    CommandBars::buildWindowToolbar(this, [this](int position) { toolbar1(position); });
}

void Tabella::toolbar1(int position) {
    if (CommandBars::runSharedToolbarCommand(position, [this] { context_.confermauscita(); }))
        return;
    switch (position) {
    case 2:
        salva();
        break;
    case 3:
        elimina();
        break;
    case 4:
        stampa();
        break;
    case 6:
        mostra("dati");
        break;
    case 9:
        colorare();
        break;
    case 15:
        controlla();
        break;
    case 16:
        cancella();
        break;
    default: // button 1, and any position the list does not name
        apri();
        break;
    }
}

void Tabella::domandaguida() {
    const MsgAnswer answer = MessageBox::show(
        this, "E' questa la finestra 'Tabella dei tassi': si vuole la guida della finestra?",
        MsgStyle::YesNo | MsgStyle::Question, ModFenoverra::titoloaiuto);
    if (answer == MsgAnswer::Yes) mostra("guidatabella");
}

void Tabella::colorare() {
    // Until a colour is chosen here, the dialog opens on the colour the
    // window shows, grey included when the Data window gave it.
    if (!colourChosen_) dialogo_.Color = FormBackground::colour(this);
    if (FormBackground::chooseWithDialog(this, dialogo_)) colourChosen_ = true;
}
