#pragma once
// Menu bars and toolbars of the working windows, built from tables.
//
// A menu entry is a QAction of the window, named as the entry (tests and
// the window find it with findChild<QAction*>(name)); an action the window
// already made under that name is reused, so its handler stays where the
// window defined it. Separators are actions too ("-"), named when the
// table names them.
//
// The last title of both windows' menu bars is itself a command, its
// caption preceded by many blanks so that it stands at the right end: the
// action keeps that caption, and a flat button in the bar's right corner
// shows it without the blanks.

#include <QKeySequence>
#include <QList>
#include <QString>
#include <functional>

class QAction;
class QMenuBar;
class QToolBar;
class QWidget;

namespace CommandBars {

struct MenuEntry {
    QString name;    // objectName of the action; may be empty for a separator
    QString caption; // "-" for a separator
    QKeySequence shortcut = {};
    bool checked = false; // shown with a check mark
};

struct Menu {
    QString name;
    QString caption;
    QList<MenuEntry> entries;
};

// The window's action of that name, made (with this caption) when missing.
QAction* actionOf(QWidget* window, const QString& name, const QString& caption);

QMenuBar* buildMenuBar(QWidget* window, const QList<Menu>& menus);

// The right-hand title command ("finestra").
QAction* addCornerCommand(QMenuBar* bar, const QString& name, const QString& caption);

// The toolbar both working windows share (`Toolbar1`): 17 positions with
// separators at 5, 8, 10 and 14. A click calls `clicked` with the button's
// 1-based position.
QToolBar* buildWindowToolbar(QWidget* window, std::function<void(int position)> clicked);

// Tooltips of the 17 positions, empty for separators.
QStringList windowToolbarTooltips();

} // namespace CommandBars
