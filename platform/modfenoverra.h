// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Program-wide values and message titles read by every window, and the exit
// command every window offers.
//
// What the exit does (unload every window, show the closing screen) knows
// the windows, so it lives in the shell, which installs it at start-up; the
// windows only reach it through confermauscita() here.

#include <QString>
#include <functional>

namespace ModFenoverra {

extern QString nomeprogramma;
extern QString descrizione;
extern QString versione;
extern QString datarilascio;     // gg/mm/aaaa
extern QString datacompilazione; // ggmmaa
extern QString titolocontrollo;
extern QString titoloaiuto;
extern QString titoloelimina;

void impostavalori();
void impostatesti();

// The program's name, also before impostatesti has run: the title of
// message boxes that have none of their own.
QString programTitle();

// The exit command: runs the handler the shell installed (nothing without one).
void confermauscita();
void setExitHandler(std::function<void()> handler);

} // namespace ModFenoverra
