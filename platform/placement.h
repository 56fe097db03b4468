// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where a small window appears: over the window the user was working in.

class QWidget;

namespace Placement {

// Centres `window` over the active window (when there is one other than
// itself), kept on that window's screen.
void centreOverActiveWindow(QWidget* window);

} // namespace Placement
