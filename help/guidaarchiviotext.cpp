// SPDX-License-Identifier: GPL-3.0-or-later
// Help page text: the archive of calculations and tables.
#include "help/pagetexts.h"

QString PageTexts::guidaarchivio() {
    return QString::fromUtf8(
        "Entrambe le finestre di lavoro aprono e salvano i propri file, dal menu File o con i "
        "tasti della barra degli strumenti. La finestra Dati archivia i calcoli: capitale "
        "iniziale, tipo di calcolo, riferimento e, per ogni periodo, le date e il tasso; i "
        "risultati non si salvano, perché il programma li ricalcola all'apertura. La finestra "
        "Tabella tassi archivia i tassi con le date dei periodi in cui si applicano. I nomi "
        "dei file sono in parte già impostati, così che il contenuto si riconosca dal nome: i "
        "calcoli iniziano con Fenoverra-dati- e le tabelle con Fenoverra-tab-, e basta "
        "completarli con un nome che ricordi la pratica, per esempio "
        "Fenoverra-dati-prestito-Rossi. Le due tabelle predefinite, dei tassi legali e dei "
        "tassi ufficiali di sconto, si richiamano con i loro tasti nella finestra Tabella "
        "tassi; quando i tassi cambiano conviene aggiornarle con le nuove righe e salvarle, "
        "perché la copia nella finestra Dati resti valida. Con il programma sono fornite tre "
        "tabelle già aggiornate, da aprire nella finestra Tabella tassi con File, Apri: "
        "Fenoverra-tab-legali-aggiornata, Fenoverra-tab-BCE-aggiornata e "
        "Fenoverra-tab-mora-aggiornata, con il tasso di mora delle transazioni commerciali. Il "
        "comando Elimina cancella il file scelto senza altre domande.");
}
