// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// FENOVERRA_EXIT_WHEN_SHOWN: when this environment variable is set, the
// program ends as soon as its first window has been shown and painted,
// without its usual tidying up (nothing is open that could be lost). Only
// the start-up timing (scripts/startup-time.sh) sets it, to measure the time
// from launch to the first window; a user never needs it.

class QWidget;

namespace ExitWhenShown {

// Ends the program once `window` has been exposed on screen, if asked to.
void watch(QWidget* window);

} // namespace ExitWhenShown
