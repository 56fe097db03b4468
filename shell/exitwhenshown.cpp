#include "shell/exitwhenshown.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace ExitWhenShown {

namespace {

// Quits once control is back in the event loop after the first expose:
// by then the window has been painted.
class ExposeWatcher : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Expose && static_cast<QWindow*>(watched)->isExposed()) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, QCoreApplication::instance(), &QCoreApplication::quit);
        }
        return false;
    }
};

} // namespace

void watch(QWidget* window) {
    if (!window || !qEnvironmentVariableIsSet("FENOVERRA_EXIT_WHEN_SHOWN")) return;
    window->winId(); // makes the native window, so there is one to watch
    window->windowHandle()->installEventFilter(new ExposeWatcher(window));
}

} // namespace ExitWhenShown
