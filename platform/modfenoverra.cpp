#include "platform/modfenoverra.h"

#include "platform/builddate.h"

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
    versione = QStringLiteral("1.0");
    datarilascio = QStringLiteral("07/12/2026");
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
