// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Leaving the program and coming back: the exit question, the unloading of
// every window, the closing screen, and the Data window opened again from it.

#include <QStringList>

namespace Exit {

// The windows a confirmed exit unloads, in order.
QStringList windowsUnloadedAtExit();

// Asks; on Yes unloads every window in order and shows the closing screen
// with its music. Installed as ModFenoverra::confermauscita at start-up.
void confermauscita();

// Creates the Data window if it is not loaded and shows it.
void mostradati();

// Makes ModFenoverra::confermauscita run the exit above.
void install();

} // namespace Exit
