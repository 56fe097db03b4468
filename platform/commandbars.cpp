// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/commandbars.h"

#include "platform/clsresize.h"
#include "platform/modfenoverra.h"
#include "platform/programresources.h"
#include "platform/twips.h"
#include "platform/windowregistry.h"

#include <QAction>
#include <QIcon>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>

namespace CommandBars {

namespace {

struct ToolButton {
    const char* tooltip; // nullptr: a separator
    const char* icon;
};

constexpr ToolButton kWindowToolbar[] = {
    {"apri file", "apri"},
    {"salva file", "salva"},
    {"elimina file", "elimina"},
    {"stampa dati finestra", "stampa"},
    {nullptr, nullptr},
    {"visualizza finestra Dati", "finestradati"},
    {"visualizza finestra Tabella tassi", "finestratabella"},
    {nullptr, nullptr},
    {"colore di sfondo", "colore"},
    {nullptr, nullptr},
    {"guida in linea", "guida"},
    {"suggerimenti", "suggerimenti"},
    {"informazioni su Fenoverra", "informazioni"},
    {nullptr, nullptr},
    {"controllo dati immessi", "controllo"},
    {"cancella dati finestra", "cancella"},
    {"uscita da Fenoverra", "uscita"},
};

QString indexed(const char* name, int i) {
    return QStringLiteral("%1(%2)").arg(name).arg(i);
}

} // namespace

QAction* actionOf(QWidget* window, const QString& name, const QString& caption) {
    if (!name.isEmpty()) {
        for (QAction* action : window->actions())
            if (action->objectName() == name) return action;
    }
    const bool separator = caption == QLatin1String("-");
    // A separator with a text would be drawn as a titled section.
    auto* action = new QAction(separator ? QString() : caption, window);
    action->setObjectName(name);
    action->setSeparator(separator);
    window->addAction(action);
    return action;
}

QMenuBar* buildMenuBar(QWidget* window, const QList<Menu>& menus) {
    auto* bar = new QMenuBar(window);
    bar->setObjectName(QStringLiteral("menuBar"));
    for (const Menu& menuTable : menus) {
        QMenu* menu = bar->addMenu(menuTable.caption);
        menu->setObjectName(menuTable.name);
        menu->menuAction()->setObjectName(menuTable.name);
        for (const MenuEntry& entry : menuTable.entries) {
            QAction* action = actionOf(window, entry.name, entry.caption);
            if (entry.run) QObject::connect(action, &QAction::triggered, window, entry.run);
            if (!entry.shortcut.isEmpty()) {
                action->setShortcut(entry.shortcut);
                action->setShortcutContext(Qt::WindowShortcut);
            }
            if (entry.checked) {
                action->setCheckable(true);
                action->setChecked(true);
                // A check mark, not a switch: a click must leave it on.
                QObject::connect(action, &QAction::toggled, action, [action](bool on) {
                    if (!on) action->setChecked(true);
                });
            }
            menu->addAction(action);
        }
    }
    return bar;
}

QAction* addCornerCommand(QMenuBar* bar, const QString& name, const QString& caption,
                          std::function<void()> run) {
    QWidget* window = bar->parentWidget();
    QAction* action = actionOf(window, name, caption);
    if (run) QObject::connect(action, &QAction::triggered, window, std::move(run));
    auto* button = new QToolButton(bar);
    button->setObjectName(name + QStringLiteral("Titolo"));
    button->setText(caption.trimmed());
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    QObject::connect(button, &QToolButton::clicked, action, &QAction::trigger);
    bar->setCornerWidget(button, Qt::TopRightCorner);
    return action;
}

QToolBar* buildWindowToolbar(QWidget* window, std::function<void(int position)> clicked) {
    auto* bar = new QToolBar(window);
    bar->setObjectName(QStringLiteral("Toolbar1"));
    bar->setMovable(false);
    bar->setFloatable(false);
    bar->setIconSize(QSize(24, 24));
    int position = 0;
    for (const ToolButton& button : kWindowToolbar) {
        ++position;
        if (!button.tooltip) {
            bar->addSeparator()->setObjectName(indexed("Toolbar1", position));
            continue;
        }
        QAction* action = bar->addAction(ProgramResources::icon(QLatin1String(button.icon)),
                                         QString::fromUtf8(button.tooltip));
        action->setObjectName(indexed("Toolbar1", position));
        action->setToolTip(QString::fromUtf8(button.tooltip));
        QObject::connect(action, &QAction::triggered, bar,
                         [clicked, position] { clicked(position); });
    }
    return bar;
}

bool runSharedToolbarCommand(int position) {
    switch (position) {
    case 7:
        WindowRegistry::show(QStringLiteral("tabella"));
        return true;
    case 11:
        WindowRegistry::show(QStringLiteral("sommario"));
        return true;
    case 12:
        WindowRegistry::show(QStringLiteral("frmTip"));
        return true;
    case 13:
        WindowRegistry::show(QStringLiteral("informa"));
        return true;
    case 17:
        ModFenoverra::confermauscita();
        return true;
    default:
        return false;
    }
}

QStringList windowToolbarTooltips() {
    QStringList tips;
    for (const ToolButton& button : kWindowToolbar)
        tips << (button.tooltip ? QString::fromUtf8(button.tooltip) : QString());
    return tips;
}

int barsHeight(QWidget* window) {
    int height = 0;
    for (QObject* child : window->children()) {
        auto* bar = qobject_cast<QWidget*>(child);
        if (!bar || bar->isHidden()) continue;
        if (!qobject_cast<QMenuBar*>(bar) && !qobject_cast<QToolBar*>(bar)) continue;
        height += bar->hasHeightForWidth() ? bar->heightForWidth(window->width())
                                           : bar->sizeHint().height();
    }
    return height;
}

void fitBelowBars(QWidget* window, QSize designed, int bandTwips) {
    window->resize(Twips::toPixelsX(designed.width()), window->height());
    const int bars = barsHeight(window);
    const int shift = bars - Twips::toPixelsY(bandTwips);
    for (QWidget* control : clsResize::controlsOf(window))
        if (control->parentWidget() == window) control->move(control->pos() + QPoint(0, shift));
    window->resize(window->width(), Twips::toPixelsY(designed.height() - bandTwips) + bars);
}

} // namespace CommandBars
