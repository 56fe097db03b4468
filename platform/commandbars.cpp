// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/commandbars.h"

#include "platform/clsresize.h"
#include "platform/formcontrols.h"
#include "platform/programresources.h"
#include "platform/twips.h"

#include <QAction>
#include <QIcon>
#include <QKeySequence>
#include <QList>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>

namespace CommandBars {

namespace {

// Shortcuts, the same in both windows. Ctrl+A and Ctrl+B show the windows;
// the Alt letters are the captions' own.
namespace Keys {
const QKeySequence apri{Qt::CTRL | Qt::Key_O};
const QKeySequence salva{Qt::CTRL | Qt::Key_S};
const QKeySequence salvanome{Qt::CTRL | Qt::SHIFT | Qt::Key_S};
const QKeySequence stampa{Qt::CTRL | Qt::Key_P};
const QKeySequence esci{Qt::CTRL | Qt::Key_Q};
const QKeySequence guida{Qt::Key_F1};
const QKeySequence finestraDati{Qt::CTRL | Qt::Key_A};
const QKeySequence finestraTabella{Qt::CTRL | Qt::Key_B};
} // namespace Keys

struct MenuEntry {
    QString name;    // objectName of the action; may be empty for a separator
    QString caption; // "-" for a separator
    Command command = {};
    QKeySequence shortcut = {};
};

struct Menu {
    QString name;
    QString caption;
    QList<MenuEntry> entries;
};

QList<Menu> menusOf(const Spelling& s) {
    const auto line = [&s](int i) { return MenuEntry{s.separators[i], "-"}; };
    return {
        {"file",
         "&File",
         {
             {"apri", "&Apri...", Command::Apri, Keys::apri},
             line(0),
             {"salva", "&Salva", Command::Salva, Keys::salva},
             {"salvanome", "Salva con &nome...", Command::SalvaNome, Keys::salvanome},
             line(1),
             {s.elimina.name, s.elimina.caption, Command::Elimina},
             line(2),
             {"stampa", "S&tampa", Command::Stampa, Keys::stampa},
             {"esportapdf", "Esporta PDF...", Command::EsportaPdf},
             line(3),
             {s.esci.name, s.esci.caption, Command::Esci, Keys::esci},
         }},
        {"modif",
         "&Modifica",
         {
             {"colorare", "&Colore di sfondo", Command::Colorare},
             line(4),
             {"controlla", "Controllo &dati immessi", Command::Controlla},
             line(5),
             {"cancella", "C&ancella dati finestra", Command::Cancella},
         }},
        {s.viewMenu,
         "&Visualizza",
         {
             {"fin1", "Finestra Dati", Command::FinestraDati, Keys::finestraDati},
             {"fin2", "Finestra Tabella tassi", Command::FinestraTabella, Keys::finestraTabella},
         }},
        {s.helpMenu,
         "&?",
         {
             {"guida", "&Guida in linea", Command::Guida, Keys::guida},
             {"suggerimenti", s.suggerimenti, Command::Suggerimenti},
             line(6),
             {"informazioni", "&Informazioni su Fenoverra", Command::Informazioni},
         }},
    };
}

// The toolbar of both windows, left to right; a button without a tooltip
// is a separator.
struct ToolButton {
    const char* tooltip = nullptr;
    const char* icon = nullptr;
    Command command = {};
};

constexpr ToolButton kSeparator{};

constexpr ToolButton kWindowToolbar[] = {
    {"apri file", "apri", Command::Apri},
    {"salva file", "salva", Command::Salva},
    {"elimina file", "elimina", Command::Elimina},
    {"stampa dati finestra", "stampa", Command::Stampa},
    kSeparator,
    {"visualizza finestra Dati", "finestradati", Command::FinestraDati},
    {"visualizza finestra Tabella tassi", "finestratabella", Command::MostraTabella},
    kSeparator,
    {"colore di sfondo", "colore", Command::Colorare},
    kSeparator,
    {"guida in linea", "guida", Command::Guida},
    {"suggerimenti", "suggerimenti", Command::Suggerimenti},
    {"informazioni su Fenoverra", "informazioni", Command::Informazioni},
    kSeparator,
    {"controllo dati immessi", "controllo", Command::Controlla},
    {"cancella dati finestra", "cancella", Command::Cancella},
    {"uscita da Fenoverra", "uscita", Command::Esci},
};

// A new action of the window; a separator with a text would be drawn as a
// titled section.
QAction* newAction(QWidget* window, const QString& name, const QString& caption) {
    const bool separator = caption == QLatin1String("-");
    auto* action = new QAction(separator ? QString() : caption, window);
    action->setObjectName(name);
    action->setSeparator(separator);
    window->addAction(action);
    return action;
}

QMenuBar* buildMenuBar(QWidget* window, const Spelling& spelling,
                       const std::function<void(Command)>& run) {
    auto* bar = new QMenuBar(window);
    bar->setObjectName(QStringLiteral("menuBar"));
    for (const Menu& menuTable : menusOf(spelling)) {
        QMenu* menu = bar->addMenu(menuTable.caption);
        menu->setObjectName(menuTable.name);
        menu->menuAction()->setObjectName(menuTable.name);
        for (const MenuEntry& entry : menuTable.entries) {
            QAction* action = newAction(window, entry.name, entry.caption);
            if (!action->isSeparator())
                QObject::connect(action, &QAction::triggered, window,
                                 [run, command = entry.command] { run(command); });
            if (!entry.shortcut.isEmpty()) {
                action->setShortcut(entry.shortcut);
                action->setShortcutContext(Qt::WindowShortcut);
            }
            if (!action->isSeparator() && entry.command == spelling.ownWindow) {
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

void addCornerCommand(QMenuBar* bar, const QString& name, const QString& caption,
                      std::function<void()> run) {
    QWidget* window = bar->parentWidget();
    QAction* action = newAction(window, name, caption);
    QObject::connect(action, &QAction::triggered, window, std::move(run));
    auto* button = new QToolButton(bar);
    button->setObjectName(name + QStringLiteral("Titolo"));
    button->setText(caption.trimmed());
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    QObject::connect(button, &QToolButton::clicked, action, &QAction::trigger);
    bar->setCornerWidget(button, Qt::TopRightCorner);
}

void buildToolbar(QWidget* window, const std::function<void(Command)>& run) {
    auto* bar = new QToolBar(window);
    bar->setObjectName(QStringLiteral("Toolbar1"));
    bar->setMovable(false);
    bar->setFloatable(false);
    bar->setIconSize(QSize(24, 24));
    int position = 0;
    for (const ToolButton& button : kWindowToolbar) {
        const QString name = FormControls::indexed("Toolbar1", ++position);
        if (!button.tooltip) {
            bar->addSeparator()->setObjectName(name);
            continue;
        }
        QAction* action = bar->addAction(ProgramResources::icon(QLatin1String(button.icon)),
                                         QString::fromUtf8(button.tooltip));
        action->setObjectName(name);
        action->setToolTip(QString::fromUtf8(button.tooltip));
        QObject::connect(action, &QAction::triggered, bar,
                         [run, command = button.command] { run(command); });
    }
}

} // namespace

void build(QWidget* window, const Spelling& spelling, const std::function<void(Command)>& run) {
    QMenuBar* bar = buildMenuBar(window, spelling, run);
    addCornerCommand(bar, "finestra",
                     QString(126, u' ') + QString("Fi&nestra n.%1 di 2").arg(spelling.number),
                     [run] { run(Command::Finestra); });
    buildToolbar(window, run);
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
