// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/placement.h"

#include <QApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace Placement {

void centreOverActiveWindow(QWidget* window) {
    QWidget* opener = QApplication::activeWindow();
    if (!opener || opener == window) return;
    QRect frame = window->frameGeometry();
    frame.moveCenter(opener->frameGeometry().center());
    if (const QScreen* screen = opener->screen()) {
        const QRect room = screen->availableGeometry();
        frame.moveLeft(std::clamp(frame.left(), room.left(),
                                  std::max(room.left(), room.right() - frame.width())));
        frame.moveTop(std::clamp(frame.top(), room.top(),
                                 std::max(room.top(), room.bottom() - frame.height())));
    }
    window->move(frame.topLeft());
}

} // namespace Placement
