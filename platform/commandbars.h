// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Menu bars and toolbars of the working windows, built from tables.
//
// A menu entry is a QAction of the window, named as the entry (tests and
// the window find it with findChild<QAction*>(name)); an action the window
// already made under that name is reused. Separators are actions too ("-"),
// named when the table names them.
//
// The last title of both windows' menu bars is itself a command, its
// caption preceded by many blanks so that it stands at the right end: the
// action keeps that caption, and a flat button in the bar's right corner
// shows it without the blanks (its & letter works with Alt as a menu's does).
//
// The windows leave a band at the top of their designed layout for the
// bars; fitBelowBars() puts the controls just below the bars as they are on
// this screen, before clsResize records the layout.

#include <QKeySequence>
#include <QList>
#include <QSize>
#include <QString>
#include <QStringList>
#include <functional>

class QAction;
class QMenuBar;
class QToolBar;
class QWidget;

namespace CommandBars {

struct MenuEntry {
    QString name;    // objectName of the action; may be empty for a separator
    QString caption; // "-" for a separator
    std::function<void()> run = {};
    QKeySequence shortcut = {};
    bool checked = false; // shown with a check mark, which a click leaves on
};

struct Menu {
    QString name;
    QString caption;
    QList<MenuEntry> entries;
};

// Shortcuts of the commands both windows have, the same in each. The
// windows' own Ctrl+A and Ctrl+B show the windows; the Alt letters are the
// captions' own.
namespace Keys {
inline const QKeySequence apri{Qt::CTRL | Qt::Key_O};
inline const QKeySequence salva{Qt::CTRL | Qt::Key_S};
inline const QKeySequence salvanome{Qt::CTRL | Qt::SHIFT | Qt::Key_S};
inline const QKeySequence stampa{Qt::CTRL | Qt::Key_P};
inline const QKeySequence esci{Qt::CTRL | Qt::Key_Q};
inline const QKeySequence guida{Qt::Key_F1};
inline const QKeySequence finestraDati{Qt::CTRL | Qt::Key_A};
inline const QKeySequence finestraTabella{Qt::CTRL | Qt::Key_B};
} // namespace Keys

// The window's action of that name, made (with this caption) when missing.
QAction* actionOf(QWidget* window, const QString& name, const QString& caption);

QMenuBar* buildMenuBar(QWidget* window, const QList<Menu>& menus);

// The right-hand title command ("finestra").
QAction* addCornerCommand(QMenuBar* bar, const QString& name, const QString& caption,
                          std::function<void()> run);

// The toolbar both working windows share (`Toolbar1`): 17 positions with
// separators at 5, 8, 10 and 14; button i is the action "Toolbar1(i)". A
// click calls `clicked` with the button's position.
QToolBar* buildWindowToolbar(QWidget* window, std::function<void(int position)> clicked);

// Runs what a position of that toolbar does the same in either window:
// another window (7, 11, 12, 13) or the exit (17). False for the positions
// each window answers itself.
bool runSharedToolbarCommand(int position);

// Tooltips of the 17 positions, empty for separators.
QStringList windowToolbarTooltips();

// Height in pixels of the window's menu bars and toolbars at its width.
int barsHeight(QWidget* window);

// The window's controls were placed in twips below a band of `bandTwips`
// left for the bars: moves them to just below the bars and sizes the window
// so that the area between the bars is the designed one, `designed` less
// the band. The designed layout then scales into whatever the bars leave.
void fitBelowBars(QWidget* window, QSize designed, int bandTwips);

} // namespace CommandBars
