// SPDX-License-Identifier: GPL-3.0-or-later
// Help page text: how the program computes.
#include "help/pagetexts.h"

QString PageTexts::guidafunzionamento() {
    return QString::fromUtf8(
        "Per ogni periodo il programma conta i giorni che separano la data iniziale da quella "
        "finale esaminando le date giorno per giorno, con la diversa lunghezza dei mesi e gli "
        "anni bisestili; i giorni di tutti i periodi sommati danno esattamente quelli che "
        "separano la prima data dalla data finale del calcolo. L'interesse di un periodo è il "
        "capitale per il tasso annuo per i giorni, diviso per 100 e per 365, arrotondato al "
        "centesimo: un anno bisestile intero rende perciò poco più del tasso annuo. Con gli "
        "interessi semplici il capitale resta sempre quello iniziale: gli interessi dei "
        "periodi si sommano tra loro, ma non producono a loro volta interessi. Con gli "
        "interessi composti, invece, gli interessi maturati si aggiungono al capitale ogni 31 "
        "dicembre, e dal 1° gennaio il tasso si applica al capitale così accresciuto; per "
        "questo, scegliendo gli interessi composti, il programma divide da sé al 1° gennaio i "
        "periodi che attraversano la fine di un anno. Scegliendo 'entrambi i tipi', la "
        "finestra Dati mostra una accanto all'altra la somma finale ad interessi semplici e "
        "quella ad interessi composti, con la maggiore somma dovuta alla capitalizzazione, "
        "così da confrontarle a colpo d'occhio. Anche la stampa segue il tipo di calcolo "
        "scelto: per avere su carta entrambe le somme finali occorre scegliere 'entrambi i "
        "tipi' prima di stampare.");
}
