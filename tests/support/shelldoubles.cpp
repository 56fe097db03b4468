#include "shelldoubles.h"

#include "reports/wordprocessor.h"
#include "shell/commondialog.h"
#include "shell/messagebox.h"
#include "shell/mmcontrol.h"
#include "shell/twips.h"

#include <QApplication>
#include <QWidget>

ShellDoubles::ShellDoubles() { reset(); }

ShellDoubles::~ShellDoubles() {
    MessageBox::useDouble(false);
    CommonDialog::useDouble(false);
    WordApplication::useDouble(false);
    MMControl::useDouble(false);
    Twips::setScreenForTesting(std::nullopt);
}

void ShellDoubles::reset() {
    MessageBox::useDouble(true);
    CommonDialog::useDouble(true);
    WordApplication::useDouble(true);
    MMControl::useDouble(true);
}

void closeAllShellWindows() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        window->close();
        window->deleteLater();
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
