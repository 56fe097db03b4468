// SPDX-License-Identifier: GPL-3.0-or-later
// Writes a picture of windows of the program, each with something in it, so
// that a change can be looked at: grabwindows DIR [window...] (all windows
// when none is named). Run through scripts/grab-windows.sh.
#include "datawindow/dati.h"
#include "platform/windownames.h"
#include "platform/windowregistry.h"
#include "shell/startup.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QScrollBar>
#include <QTextStream>
#include <QWidget>
#include <algorithm>

namespace {

// Ten quarterly periods from April 2022; both types split them into twelve.
void calculation(QWidget* window) {
    auto* dati = qobject_cast<Dati*>(window);
    if (!dati) return;
    dati->cancella();
    dati->enterPeriods({{"15/04/22", "3"},
                        {"15/07/22", "3"},
                        {"15/10/22", "3,5"},
                        {"15/01/23", "3,5"},
                        {"15/04/23", "4"},
                        {"15/07/23", "4"},
                        {"15/10/23", "4,5"},
                        {"15/01/24", "4,5"},
                        {"15/04/24", "4"},
                        {"15/07/24", "3,75"}});
    for (const auto& [field, text] :
         {std::pair{"datfin", "31/12/24"}, std::pair{"capiniz", "10000"},
          std::pair{"riferimento", "Prestito a Mario, è già scaduto"}})
        if (auto* edit = window->findChild<QLineEdit*>(field))
            edit->setText(QString::fromUtf8(text));
    if (auto* rows = window->findChild<QScrollBar*>("VScroll1")) rows->setValue(1);
    dati->chooseType(core::CalculationType::Both);
}

// The discount table, its later rows in view.
void discountTable(QWidget* window) {
    if (auto* preset = window->findChild<QAbstractButton*>("ricaric(2)")) preset->click();
    if (auto* rows = window->findChild<QScrollBar*>("VScroll1")) rows->setValue(84);
}

// One line per picture: the window, what to put into it first (or nothing),
// and a menu to open over it (or none); the picture is named after the
// window, and after the menu when one is open.
struct Scene {
    const char* window;
    void (*prepare)(QWidget*);
    const char* menu = nullptr;
};
const Scene kScenes[] = {
    {WindowName::dati, calculation},
    {WindowName::dati, calculation, "file"},
    {WindowName::dati, calculation, "visu"},
    {WindowName::tabella, discountTable},
    {WindowName::tabella, discountTable, "file"},
    {WindowName::tabella, discountTable, "finestre"},
    {WindowName::sommario, nullptr},
    {WindowName::manuale, nullptr},
    {WindowName::guidafunzionamento, nullptr},
    {WindowName::guidaarchivio, nullptr},
    {WindowName::guidastampa, nullptr},
    {WindowName::guidadati, nullptr},
    {WindowName::guidatabella, nullptr},
    {WindowName::frmTip, nullptr},
    {WindowName::informa, nullptr},
};

// Opens the window's menu of that name as a click on its title does and
// draws it over the window's picture, where it stands on the screen.
bool withMenuOpen(QWidget* window, const char* name, QPixmap& shot) {
    auto* bar = window->findChild<QMenuBar*>();
    auto* menu = window->findChild<QMenu*>(name);
    if (!bar || !menu) return false;
    bar->setActiveAction(menu->menuAction());
    QApplication::processEvents();
    shot = window->grab();
    QPainter painter(&shot);
    painter.drawPixmap(menu->mapToGlobal(QPoint(0, 0)) - window->mapToGlobal(QPoint(0, 0)),
                       menu->grab());
    menu->close();
    return true;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList args = app.arguments().mid(1);
    if (args.isEmpty()) {
        err << "usage: grabwindows DIR [window...]\n";
        return 2;
    }
    const QDir dir(args[0]);
    const QStringList wanted = args.mid(1);
    Startup::loadItalianTranslations(app);
    ProgramContext context;
    Startup::wireWindows(context);

    int status = 0;
    for (const QString& name : wanted) {
        const bool known = std::any_of(std::begin(kScenes), std::end(kScenes),
                                       [&](const Scene& s) { return name == s.window; });
        if (!known) {
            err << "no window named " << name << "\n";
            status = 1;
        }
    }
    for (const Scene& scene : kScenes) {
        if (!wanted.isEmpty() && !wanted.contains(scene.window)) continue;
        QWidget* window = WindowRegistry::load(scene.window);
        if (!window) {
            err << "the window " << scene.window << " cannot be made\n";
            status = 1;
            continue;
        }
        if (scene.prepare) scene.prepare(window);
        window->show();
        QApplication::processEvents();
        QString picture = scene.window;
        QPixmap shot = window->grab();
        if (scene.menu) {
            picture += QStringLiteral("-menu-") + scene.menu;
            if (!withMenuOpen(window, scene.menu, shot)) {
                err << "no menu " << scene.menu << " in " << scene.window << "\n";
                status = 1;
            }
        }
        const QString file = dir.filePath(picture + ".png");
        if (!shot.save(file)) {
            err << "cannot write " << file << "\n";
            status = 1;
            continue;
        }
        QTextStream(stdout) << file << "\n";
        WindowRegistry::unload(window);
    }
    return status;
}
