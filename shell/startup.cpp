// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/startup.h"

#include "datawindow/datafilecommands.h"
#include "datawindow/dati.h"
#include "files/filekind.h"
#include "help/frmtip.h"
#include "help/helppage.h"
#include "help/informa.h"
#include "help/sommario.h"
#include "platform/programresources.h"
#include "platform/windowregistry.h"
#include "ratetable/tabella.h"
#include "ratetable/tablefilecommands.h"
#include "shell/exit.h"
#include "shell/exitwhenshown.h"
#include "shell/lastwindowquit.h"

#include <QApplication>
#include <QFileInfo>
#include <QIcon>
#include <QLibraryInfo>
#include <QTranslator>

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

void wireWindows() {
    WindowRegistry::define(QStringLiteral("dati"), [] { return new Dati; });
    WindowRegistry::define(QStringLiteral("tabella"), [] { return new Tabella; });
    WindowRegistry::define(QStringLiteral("sommario"), [] { return new Sommario; });
    for (const HelpPageDesign& page : HelpPages::all())
        WindowRegistry::define(page.form, [page] { return new HelpPage(page); });
    WindowRegistry::define(QStringLiteral("frmTip"), [] { return new frmTip; });
    WindowRegistry::define(QStringLiteral("informa"), [] { return new informa; });
    Exit::install();
}

void showFirstWindows(const QString& name) {
    ExitWhenShown::watch(WindowRegistry::load(QStringLiteral("dati")));
    auto* dati = qobject_cast<Dati*>(WindowRegistry::show(QStringLiteral("dati")));
    if (name.isEmpty() || !dati) return;
    // The full path, as the open dialog gives it: the title and messages show it.
    const QString file = QFileInfo(name).absoluteFilePath();
    if (FileKind::of(file) == FileKind::Kind::Data) {
        DataFileCommands::apriFile(*dati, file);
    } else if (auto* tabella =
                   qobject_cast<Tabella*>(WindowRegistry::show(QStringLiteral("tabella")))) {
        TableFileCommands::apriFile(*tabella, file);
    }
}

void start(QApplication& app, const QString& file) {
    QCoreApplication::setApplicationName(QStringLiteral("Fenoverra"));
    ProgramResources::init();
    QApplication::setWindowIcon(ProgramResources::icon(QStringLiteral("fenoverra")));
    loadItalianTranslations(app);
    LastWindowQuit::install(app);
    wireWindows();
    showFirstWindows(file);
}

} // namespace Startup
