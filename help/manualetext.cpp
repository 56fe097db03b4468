// SPDX-License-Identifier: GPL-3.0-or-later
// Help page text: quick manual.
#include "help/pagetexts.h"

QString PageTexts::manuale() {
    return QString::fromUtf8(
        "Fenoverra lavora con due finestre: la finestra Dati, nella quale si imposta il "
        "calcolo e se ne leggono i risultati, e la finestra Tabella tassi, che mostra come "
        "cambia il tasso da un periodo all'altro e nella quale si possono comporre e "
        "archiviare tabelle personali. Due tabelle sono già pronte: quella dei tassi legali e "
        "quella dei tassi ufficiali di sconto, che dal 2004 prosegue con il tasso di "
        "riferimento della BCE. La via più rapida per impostare un calcolo è aprire la tabella "
        "che interessa e cliccare sul tasto a destra delle freccette della riga da cui "
        "partire: date e tassi da quella riga in poi passano nella finestra Dati, con la data "
        "odierna come data finale e 1000 come capitale, da correggere subito dopo. Senza la "
        "copia, si impostano prima i dati principali (valuta e capitale iniziale, data finale, "
        "riferimento del calcolo e tipo di calcolo) e poi, riga per riga, la data iniziale e "
        "il tasso di ogni periodo, con le piccole frecce accanto a ciascun campo. La casella "
        "gialla in basso al centro della finestra Dati indica sempre il passo successivo. "
        "Date, tassi, capitale e tipo di calcolo si possono cambiare in qualsiasi momento: il "
        "capitale e il tipo di calcolo aggiornano subito i risultati, mentre dopo aver "
        "spostato una data o un tasso i risultati diventano grigi finché non si clicca su "
        "'calcola'. Il programma tratta fino a 200 periodi, e fino a 200 righe nella tabella "
        "dei tassi; con molti periodi il calcolo richiede qualche istante in più. Il risultato "
        "non dipende dalla valuta scelta, che serve solo a intestare le colonne e la stampa; "
        "nemmeno il riferimento del calcolo incide sui conti: compare nella stampa e viene "
        "salvato nell'archivio insieme al capitale, al tipo di calcolo e ai periodi. In "
        "entrambe le finestre un clic sul numero di una riga inserisce una riga in quel punto, "
        "e un clic sul tasto con la X accanto al numero la elimina. Ogni oggetto delle "
        "finestre mostra una breve spiegazione se vi si lascia fermo sopra il puntatore del "
        "mouse per qualche secondo.");
}
