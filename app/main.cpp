// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/commandline.h"
#include "shell/startup.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    if (const std::optional<int> answered = CommandLine::answerEarly(argc, argv)) return *answered;
    QApplication app(argc, argv);
    const CommandLine::Request request = CommandLine::read(QApplication::arguments());
    if (request.exitCode) return *request.exitCode;
    Startup::start(app, request.file);
    return app.exec();
}
