// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's own values and the titles of its messages, the same in
// every window for the whole run.

#include "platform/programversion.h"

#include <QString>

namespace ModFenoverra {

inline const QString nomeprogramma = QStringLiteral("Fenoverra");
inline const QString descrizione = QStringLiteral("calcolo di interessi semplici e composti");
inline const QString versione = QString::fromLatin1(ProgramVersion::kVersion);
inline const QString datarilascio = QString::fromLatin1(ProgramVersion::kReleaseDate); // gg/mm/aaaa
// ggmmaa, stamped when the program is built.
QString datacompilazione();

// The title of every check, row, copy and print message.
inline const QString titolocontrollo =
    nomeprogramma + QStringLiteral(": controllo dati immessi nella finestra attiva");
inline const QString titoloaiuto = nomeprogramma + QStringLiteral(": aiuto in linea");
// The title of the dialogs that choose a file to delete.
inline const QString titoloelimina =
    QStringLiteral("Elimina: seleziona il file desiderato e clicca su Apri per cancellarlo");

// The title of message boxes that have none of their own.
inline QString programTitle() {
    return nomeprogramma;
}

} // namespace ModFenoverra
