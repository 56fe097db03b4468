// SPDX-License-Identifier: GPL-3.0-or-later
// The yardstick of the start-up time: a bare Qt window of the Data window's
// size, empty, or with one line of text (barewindow TEXT) so that it loads
// and draws a font as any window with words does. Started like the program
// (scripts/startup-time.sh); with FENOVERRA_EXIT_WHEN_SHOWN set it ends once
// the window has been shown and painted, as the program does
// (shell/exitwhenshown.h).
#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <cstdlib>

namespace {

class ExitWhenExposed : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Expose && static_cast<QWindow*>(watched)->isExposed()) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, [] { std::_Exit(0); });
        }
        return false;
    }
};

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Finestra vuota"));
    window.resize(640, 455); // 9600 x 6825 twips, as the Data window
    if (argc > 1) (new QLabel(QString::fromLocal8Bit(argv[1]), &window))->move(20, 20);
    ExitWhenExposed exitWhenExposed;
    if (qEnvironmentVariableIsSet("FENOVERRA_EXIT_WHEN_SHOWN")) {
        window.winId();
        window.windowHandle()->installEventFilter(&exitWhenExposed);
    }
    window.show();
    return app.exec();
}
