// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Leaving the program and coming back: the exit question, the unloading of
// every window, the closing screen, and the Data window opened again from it.

struct ProgramContext;

namespace Exit {

// Asks; on Yes unloads every window the registry defines, in the order
// defined, and shows the closing screen with its music. Installed as the
// context's exit command at start-up.
void confermauscita();

// Creates the Data window if it is not loaded and shows it.
void mostradati();

// Makes the context's exit command run the exit above.
void install(ProgramContext& context);

} // namespace Exit
