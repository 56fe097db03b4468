// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The name of each of the program's windows: the window registry makes and
// finds a window by it, and it is the window's objectName.

namespace WindowName {

inline constexpr const char* dati = "dati";
inline constexpr const char* tabella = "tabella";
inline constexpr const char* sommario = "sommario";
inline constexpr const char* manuale = "manuale";
inline constexpr const char* guidafunzionamento = "guidafunzionamento";
inline constexpr const char* guidaarchivio = "guidaarchivio";
inline constexpr const char* guidastampa = "guidastampa";
inline constexpr const char* guidadati = "guidadati";
inline constexpr const char* guidatabella = "guidatabella";
inline constexpr const char* frmTip = "frmTip";
inline constexpr const char* informa = "informa";
// The closing screen: made by the exit itself, never through the registry.
inline constexpr const char* frmSplash = "frmSplash";

} // namespace WindowName
