// SPDX-License-Identifier: GPL-3.0-or-later
// Help page text: printing.
#include "help/pagetexts.h"

QString PageTexts::guidastampa() {
    return QString::fromUtf8(
        "Ogni pagina di questa guida si mette su carta con il suo tasto 'Stampa', e il tasto "
        "'Stampa' del Sommario riunisce tutte le pagine nel documento Fenoverra-guida.doc: un "
        "piccolo manuale da tenere sulla scrivania. Anche i dati di ciascuna finestra di "
        "lavoro si stampano, con il tasto della stampante sulla barra degli strumenti oppure "
        "dal menu File, voce Stampa. Il programma non comanda direttamente la stampante: "
        "scrive un documento nella cartella Documenti, sottocartella Fenoverra, e lo apre con "
        "il programma di videoscrittura, dal quale lo si stampa, lo si corregge o lo si salva; "
        "se nessun programma riesce ad aprirlo, un messaggio indica dove è stato scritto. La "
        "finestra Tabella tassi stampa le due tabelle predefinite e ogni tabella aperta da un "
        "file. La finestra Dati, dopo averne controllato i dati, stampa il capitale, il "
        "riferimento e i risultati del solo tipo di calcolo scelto; con 'entrambi i tipi' "
        "stampa le due somme finali e la loro differenza, seguite dal dettaglio dei periodi ad "
        "interessi semplici, mentre il dettaglio ad interessi composti si ottiene stampando "
        "dopo aver scelto gli interessi composti. Conviene archiviare ogni calcolo: "
        "riaprendolo, per un nuovo conteggio sugli stessi periodi basta digitare il nuovo "
        "capitale.");
}
