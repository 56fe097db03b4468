#include "shell/startup.h"

#include "datawindow/dati.h"
#include "shell/lastwindowquit.h"
#include "shell/splashpicture.h"

#include <QApplication>
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

void start(QApplication& app) {
    QCoreApplication::setApplicationName(QStringLiteral("Fenoverra"));
    QApplication::setWindowIcon(QIcon(SplashPicture::draw(QSize(64, 64))));
    loadItalianTranslations(app);
    LastWindowQuit::install(app);
    auto* dati = new Dati;
    dati->show();
}

} // namespace Startup
