// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/startup.h"

#include "datawindow/dati.h"
#include "files/filekind.h"
#include "help/frmtip.h"
#include "help/helppage.h"
#include "help/informa.h"
#include "help/sommario.h"
#include "platform/programresources.h"
#include "platform/windownames.h"
#include "platform/windowregistry.h"
#include "ratetable/tabella.h"
#include "shell/exit.h"
#include "shell/exitwhenshown.h"
#include "shell/lastwindowquit.h"

#include <QApplication>
#include <QFileInfo>
#include <QIcon>
#include <QLibraryInfo>
#include <QPointer>
#include <QTranslator>

#include <csignal>

namespace Startup {

bool loadItalianTranslations(QApplication& app) {
    auto* translator = new QTranslator(&app);
    if (!translator->load(QStringLiteral("qtbase_it"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    QCoreApplication::installTranslator(translator);
    return true;
}

void wireWindows(ProgramContext& context) {
    WindowRegistry::define(WindowName::dati, [&context] { return new Dati(context); });
    WindowRegistry::define(WindowName::tabella, [&context] { return new Tabella(context); });
    WindowRegistry::define(WindowName::sommario, [&context] { return new Sommario(context); });
    for (const HelpPageDesign& page : HelpPages::all())
        WindowRegistry::define(page.form, [page] { return new HelpPage(page); });
    WindowRegistry::define(WindowName::frmTip, [] { return new frmTip; });
    WindowRegistry::define(WindowName::informa, [] { return new informa; });
    Exit::install(context);
}

void showFirstWindows(const QString& name) {
    ExitWhenShown::watch(WindowRegistry::load(WindowName::dati));
    auto* dati = qobject_cast<Dati*>(WindowRegistry::show(WindowName::dati));
    if (name.isEmpty() || !dati) return;
    // The full path, as the open dialog gives it: the title and messages show it.
    const QString file = QFileInfo(name).absoluteFilePath();
    if (FileKind::of(file) == FileKind::Kind::Data) {
        dati->apriFile(file);
    } else if (auto* tabella = qobject_cast<Tabella*>(WindowRegistry::show(WindowName::tabella))) {
        tabella->apriFile(file);
    }
}

void surviveFileSizeLimit() {
    std::signal(SIGXFSZ, SIG_IGN);
}

Session::Session(QApplication& app, const QString& file) {
    surviveFileSizeLimit();
    QCoreApplication::setApplicationName(QStringLiteral("Fenoverra"));
    ProgramResources::init();
    QApplication::setWindowIcon(ProgramResources::icon(QStringLiteral("fenoverra")));
    loadItalianTranslations(app);
    LastWindowQuit::install(app);
    wireWindows(context_);
    showFirstWindows(file);
}

int Session::exec() {
    const int status = QApplication::exec();
    QList<QPointer<QWidget>> windows;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (!window->parentWidget()) windows << window;
    for (const QPointer<QWidget>& window : windows)
        delete window.data(); // null when an earlier one took it along
    return status;
}

int run(QApplication& app, const QString& file) {
    Session session(app, file);
    return session.exec();
}

} // namespace Startup
