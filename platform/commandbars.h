// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The menu bar and the toolbar of the working windows, built from tables.
//
// Both windows have the same menus, but for a few names and captions each
// spells its own way (Spelling), and the same toolbar. Every menu entry and
// toolbar button names the command it runs; the window runs it.
//
// A menu entry is a QAction of the window, named as the entry (tests and
// the window find it with findChild<QAction*>(name)). Separators are
// actions too ("-"), named when the window names them.
//
// The last title of both menu bars is itself a command, its caption
// preceded by many blanks so that it stands at the right end: the action
// keeps that caption, and a flat button in the bar's right corner shows it
// without the blanks (its & letter works with Alt as a menu's does).
//
// The windows leave a band at the top of their designed layout for the
// bars; fitBelowBars() puts the controls just below the bars as they are on
// this screen, before clsResize records the layout.

#include <QSize>
#include <QString>
#include <array>
#include <functional>

class QAction;
class QWidget;

namespace CommandBars {

enum class Command {
    Apri,
    Salva,
    SalvaNome,
    Elimina,
    Stampa,
    EsportaPdf,
    Esci,
    Colorare,
    Controlla,
    Cancella,
    // "Finestra Dati", "Finestra Tabella tassi": the other window shown;
    // the window's own asks about its help page.
    FinestraDati,
    FinestraTabella,
    // The rate-table window brought forward from either window, itself included.
    MostraTabella,
    Guida,
    Suggerimenti,
    Informazioni,
    // The right-hand title: the window's help page.
    Finestra,
    // The "&AIUTO" button: how to use the window.
    Aiuto,
};

// What one window's menus call differently from the other's.
struct Spelling {
    struct Entry {
        const char* name;
        const char* caption;
    };
    const char* viewMenu; // the object names of "&Visualizza" and "&?"
    const char* helpMenu;
    // The object names of the separator lines, top to bottom ("": none).
    std::array<const char*, 7> separators;
    Entry elimina;
    Entry esci;
    const char* suggerimenti; // its caption
    // The "Finestra" entry of the window itself, shown checked.
    Command ownWindow;
    // "Fi&nestra n.1 di 2": the window's number.
    int number;
};

// The menu bar, its right-hand title command and the toolbar `Toolbar1` (17
// positions, separators at 5, 8, 10 and 14; button i is the action
// "Toolbar1(i)"). Each entry and button calls `run` with its command.
void build(QWidget* window, const Spelling& spelling, const std::function<void(Command)>& run);

// Height in pixels of the window's menu bars and toolbars at its width.
int barsHeight(QWidget* window);

// The window's controls were placed in twips below a band of `bandTwips`
// left for the bars: moves them to just below the bars and sizes the window
// so that the area between the bars is the designed one, `designed` less
// the band. The designed layout then scales into whatever the bars leave.
void fitBelowBars(QWidget* window, QSize designed, int bandTwips);

} // namespace CommandBars
