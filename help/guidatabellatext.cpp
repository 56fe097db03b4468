// SPDX-License-Identifier: GPL-3.0-or-later
// Help page text: the Rate-table window.
#include "help/pagetexts.h"

QString PageTexts::guidatabella() {
    return QString::fromUtf8(
        "La finestra Tabella tassi mostra i tassi con i periodi in cui si applicano: ogni riga "
        "ha la data da cui vale il tasso e, in giallo, quella fino alla quale vale, ricavata "
        "dalla riga successiva. I tasti 'Tassi legali' e 'TUS' a destra caricano le due "
        "tabelle predefinite, dei tassi legali e dei tassi ufficiali di sconto (dal 2004 il "
        "tasso di riferimento della BCE), che come ogni tabella si possono modificare e "
        "salvare. Date e tassi si cambiano con le barre di scorrimento: le frecce della data la "
        "spostano di un giorno, un clic nella barra di un mese; le frecce del tasso lo "
        "spostano di un centesimo, un clic nella barra di un punto, da 0,01 a 100. Si possono "
        "anche digitare, come nella finestra Dati: F2 sulla barra attiva o un doppio clic sulla "
        "data o sul tasso, il valore, poi Invio; Tab passa da una barra all'altra. Un clic sul "
        "numero di riga inserisce una riga, il tasto con la "
        "X la elimina; la barra verticale a sinistra scorre le righe, fino a 200. Il comando "
        "Controllo dati immessi del menu Modifica segnala le righe incomplete. Il tasto a "
        "destra delle frecce di ogni riga copia nella finestra Dati, dopo una conferma, tutte "
        "le date e i tassi da quella riga in poi: la finestra Dati viene svuotata, riceve i "
        "periodi a partire dal primo, la data odierna come data finale e 1000 come capitale, e "
        "calcola subito gli interessi semplici. Basta poi digitare il capitale vero e "
        "correggere la data finale.");
}
