// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/programresources.h"

#include <QFile>
#include <QGuiApplication>

// Q_INIT_RESOURCE may not stand inside a namespace.
static void initResources() {
    Q_INIT_RESOURCE(resources);
}

namespace ProgramResources {

void init() {
    initResources();
}

QIcon icon(const QString& name) {
    init();
    // Each file added is decoded at once: only the size drawn, and its double
    // where the screen needs it.
    const bool denseScreen = qApp && qApp->devicePixelRatio() > 1.0;
    QIcon picture;
    for (const int size : {16, 24, 64}) {
        const auto file = [&](int s) {
            return QStringLiteral(":/icons/png/%1-%2.png").arg(name).arg(s);
        };
        if (!QFile::exists(file(size))) continue;
        picture.addFile(file(size), QSize(size, size));
        if (denseScreen) picture.addFile(file(2 * size), QSize(2 * size, 2 * size));
        break;
    }
    return picture;
}

} // namespace ProgramResources
