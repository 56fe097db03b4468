// Writes a picture of windows of the program, each with something in it, so
// that a change can be looked at: grabwindows DIR [window...] (all windows
// when none is named). Run through scripts/grab-windows.sh.
#include "core/sharedcalculation.h"
#include "platform/calculationwindow.h"
#include "platform/windowregistry.h"
#include "shell/startup.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QTextStream>
#include <QWidget>
#include <algorithm>

namespace {

// Ten quarterly periods from April 2022; both types split them into twelve.
void calculation(QWidget* window) {
    auto* dati = dynamic_cast<CalculationWindow*>(window);
    if (!dati) return;
    const char* periods[][2] = {{"15/04/22", "3"},   {"15/07/22", "3"},   {"15/10/22", "3,5"},
                                {"15/01/23", "3,5"}, {"15/04/23", "4"},   {"15/07/23", "4"},
                                {"15/10/23", "4,5"}, {"15/01/24", "4,5"}, {"15/04/24", "4"},
                                {"15/07/24", "3,75"}};
    core::PeriodList& list = core::periodi();
    list.clear();
    int k = 0;
    for (const auto& [start, rate] : periods) {
        list.slot(++k).start = start;
        list.slot(k).rate = rate;
    }
    list.contaperiodi();
    dati->setDatfinText("31/12/24");
    dati->setCapinizText("10000");
    if (auto* reference = window->findChild<QLineEdit*>("riferimento"))
        reference->setText("Prestito a Mario, è già scaduto");
    dati->mostraPagina(1);
    dati->sceglitipo(3);
}

// One line per window: its name and what to put into it first (or nothing).
struct Scene {
    const char* window;
    void (*prepare)(QWidget*);
};
const Scene kScenes[] = {
    {"dati", calculation},
    {"tabella", nullptr},
    {"sommario", nullptr},
    {"manuale", nullptr},
    {"guidafunzionamento", nullptr},
    {"guidaarchivio", nullptr},
    {"guidastampa", nullptr},
    {"guidadati", nullptr},
    {"guidatabella", nullptr},
    {"frmTip", nullptr},
    {"informa", nullptr},
};

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
    Startup::wireWindows();

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
        const QString file = dir.filePath(QString(scene.window) + ".png");
        if (!window->grab().save(file)) {
            err << "cannot write " << file << "\n";
            status = 1;
            continue;
        }
        QTextStream(stdout) << file << "\n";
        WindowRegistry::unload(window);
    }
    return status;
}
