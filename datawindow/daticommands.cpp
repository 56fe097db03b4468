// SPDX-License-Identifier: GPL-3.0-or-later
// The commands of the Data window: its menu bar, its toolbar, the help
// question and message, and the background colour.
#include "datawindow/dati.h"

#include "platform/commandbars.h"
#include "platform/formbackground.h"
#include "platform/messagebox.h"
#include "platform/modfenoverra.h"
#include "platform/windowregistry.h"

using CommandBars::MenuEntry;
namespace Keys = CommandBars::Keys;

namespace {

void mostra(const char* window) {
    WindowRegistry::show(QString::fromLatin1(window));
}

} // namespace

void Dati::costruisciComandi() {
    const MenuEntry separatore{{}, "-"};
    const QList<CommandBars::Menu> menus = {
        {"file",
         "&File",
         {
             {"apri", "&Apri...", [this] { apri(); }, Keys::apri},
             separatore,
             {"salva", "&Salva", [this] { salva(); }, Keys::salva},
             {"salvanome", "Salva con &nome...", [this] { salvanome(); }, Keys::salvanome},
             separatore,
             {"eliminare", "&Elimina...", [this] { eliminare(); }},
             separatore,
             {"stampa", "S&tampa", [this] { stampa(); }, Keys::stampa},
             separatore,
             {"usci", "Es&ci", [] { ModFenoverra::confermauscita(); }, Keys::esci},
         }},
        {"modif",
         "&Modifica",
         {
             {"colorare", "&Colore di sfondo", [this] { colorare(); }},
             separatore,
             {"controlla", "Controllo &dati immessi", [this] { controlla(); }},
             separatore,
             {"cancella", "C&ancella dati finestra", [this] { cancella(); }},
         }},
        {"visu",
         "&Visualizza",
         {
             {"fin1", "Finestra Dati", [this] { domandaguida(); }, Keys::finestraDati, true},
             {"fin2", "Finestra Tabella tassi", [] { mostra("tabella"); }, Keys::finestraTabella},
         }},
        {"inter",
         "&?",
         {
             {"guida", "&Guida in linea", [] { mostra("sommario"); }, Keys::guida},
             {"suggerimenti", "&Suggerimenti...", [] { mostra("frmTip"); }},
             separatore,
             {"informazioni", "&Informazioni su Fenoverra", [] { mostra("informa"); }},
         }},
    };
    QMenuBar* bar = CommandBars::buildMenuBar(this, menus);
    CommandBars::addCornerCommand(bar, "finestra", QString(126, u' ') + "Fi&nestra n.1 di 2",
                                  [] { mostra("guidadati"); });
    CommandBars::buildWindowToolbar(this, [this](int position) { toolbar1(position); });
}

void Dati::toolbar1(int position) {
    if (CommandBars::runSharedToolbarCommand(position)) return;
    switch (position) {
    case 1:
        apri();
        break;
    case 2:
        salva();
        break;
    case 3:
        eliminare();
        break;
    case 4:
        stampa();
        break;
    case 6:
        domandaguida();
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
    default:
        break;
    }
}

void Dati::domandaguida() {
    const MsgAnswer answer =
        MessageBox::show(this, "E' questa la finestra 'Dati': si vuole la guida della finestra?",
                         MsgStyle::YesNo | MsgStyle::Question, ModFenoverra::nomeprogramma);
    if (answer == MsgAnswer::Yes) mostra("guidadati");
}

void Dati::aiuto() {
    MessageBox::show(
        this,
        "- Aprire un file archiviato per prelevare i dati (Fenoverra-dati-...);\r"
        "- digitare i dati seguendo le indicazioni della casella gialla posta in basso;\r"
        "- visualizzare i periodi successivi con la barra di scorrimento verticale;\r"
        "- inserire e modificare le date e i tassi con le barre di scorrimento laterali;\r"
        "- inserire o eliminare una riga cliccando sui numeri o sulle X a sinistra;\r"
        "- effettuare i controlli dei dati cliccando sul tasto ABC.",
        MsgStyle::OkOnly | MsgStyle::Information, ModFenoverra::titoloaiuto);
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
            if (QWidget* tabella = WindowRegistry::load("tabella"))
                FormBackground::setColour(tabella, kGrigio);
            return;
        }
    }
    FormBackground::chooseWithDialog(this, dialogo_);
}
