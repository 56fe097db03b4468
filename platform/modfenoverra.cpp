// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/modfenoverra.h"

#include "platform/builddate.h"
#include "platform/programversion.h"

namespace ModFenoverra {

QString nomeprogramma;
QString descrizione;
QString versione;
QString datarilascio;
QString datacompilazione;
QString titolocontrollo;
QString titoloaiuto;
QString titoloelimina;

namespace {
std::function<void()>& exitHandler() {
    static std::function<void()> handler;
    return handler;
}
} // namespace

void impostavalori() {
    nomeprogramma = QStringLiteral("Fenoverra");
    descrizione = QStringLiteral("calcolo di interessi semplici e composti");
    versione = QString::fromLatin1(ProgramVersion::kVersion);
    datarilascio = QString::fromLatin1(ProgramVersion::kReleaseDate);
    datacompilazione = QString::fromLatin1(BuildDate::code());
}

void impostatesti() {
    impostavalori();
    titolocontrollo =
        nomeprogramma + QStringLiteral(": controllo dati immessi nella finestra attiva");
    titoloaiuto = nomeprogramma + QStringLiteral(": aiuto in linea");
    titoloelimina =
        QStringLiteral("Elimina: seleziona il file desiderato e clicca su Apri per cancellarlo");
}

QString programTitle() {
    return nomeprogramma.isEmpty() ? QStringLiteral("Fenoverra") : nomeprogramma;
}

void confermauscita() {
    if (exitHandler()) exitHandler()();
}

void setExitHandler(std::function<void()> handler) {
    exitHandler() = std::move(handler);
}

} // namespace ModFenoverra
