// SPDX-License-Identifier: GPL-3.0-or-later
// Help page text: the Data window.
#include "help/pagetexts.h"

QString PageTexts::guidadati() {
    return QString::fromUtf8(
        "La finestra Dati è una griglia di periodi: ogni riga riporta la data iniziale e il "
        "tasso annuo di un periodo, che si impostano con le frecce della barra accanto a "
        "ciascun campo oppure si digitano. Le frecce della data la spostano di un giorno, un clic "
        "nella barra di 30 giorni e un clic sulla data stessa la riporta indietro di un anno. "
        "Le frecce del tasso lo spostano di un centesimo di punto, un clic nella barra tra le "
        "frecce di un punto intero. Per digitarli: F2 sulla barra attiva o un doppio clic sul "
        "campo, il valore (15/06/2000 o 15062000; 4,5) e Invio; Esc annulla. Tab passa da una "
        "barra all'altra, riga per riga; le frecce della tastiera, Pag su, Pag giù, Inizio e "
        "Fine muovono la barra attiva. La data finale digitata in alto passa da sola nella "
        "casella 'al' dell'ultimo periodo; tutte le altre date finali le ricava il programma "
        "da solo, come giorno che precede l'inizio del periodo successivo. La barra verticale "
        "a destra mostra i periodi successivi, fino al duecentesimo; la casella gialla indica "
        "il passo seguente. Il calcolo parte appena ci sono il capitale "
        "iniziale, le date e i tassi: il capitale e il tipo di calcolo mostrano subito i nuovi "
        "risultati, mentre dopo aver spostato date o tassi i risultati si fanno grigi fino a "
        "un clic su 'calcola'. Date e tassi impostati con le frecce non si possono sbagliare: "
        "il dato da digitare con più cura è il capitale iniziale, scritto in cifre con la "
        "virgola per i decimali e senza alcun altro simbolo, né punti né valuta, per esempio "
        "15250,50.");
}
