// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The rate-table window `tabella`: 15 lines over the 200 rows of a rate
// table, built and changed with a date bar and a rate bar per line; rows
// inserted and deleted with the row number and the cross; the two preset
// tables; the copy of a table into the Data window; the table files; the
// menu bar and the toolbar above it all.
// Constructing it performs the whole loading of the window.

#include "platform/clsresize.h"
#include "platform/commondialog.h"
#include "ratetable/ratetable.h"

#include <QWidget>
#include <array>

class CaptionLabel;
class QLabel;
class QProgressBar;
class QPushButton;
class QScrollBar;

class Tabella : public QWidget {
    Q_OBJECT
public:
    explicit Tabella(QWidget* parent = nullptr);
    ~Tabella() override;

    static constexpr int kLines = 15;

    RateTable& tabella() { return tabella_; }
    const RateTable& tabella() const { return tabella_; }

    // The caption of `appunti`: what kind of rates the table holds, or the
    // path of the file it was read from. A carriage return breaks the line.
    QString titolo() const { return titolo_; }
    void setTitolo(const QString& titolo);

    // The window's one common dialog and its current table file name.
    CommonDialog& dialogo() { return dialogo_; }
    QString nomefile;

public slots:
    // Shows rows primariga.. on the 15 lines, positions their bars and
    // recounts righetab; the reaction of VScroll1.
    void ridisegna();
    // Loads preset n (1 legal rates, 2 discount rates) as a new load does.
    void ricaric(int n);
    // Reports the lowest row with a date and no rate or the other way round.
    void controlla();
    // Empties every row; the title stays.
    void cancella();
    void guidatab();
    void evidenziarighe();
    // Copies the rows from the one on line i to the end into the Data window.
    void copias(int i);
    void apri();
    void salva();
    void salvanome();
    void elimina();
    // The printed table: rows 11.. are scrolled through first, so every row
    // reaches the paper in the form the window writes it.
    void stampa();
    // A click on the toolbar's button at that position (1..17); a position
    // the toolbar does not have opens a table file, as button 1 does.
    void toolbar1(int position);
    // "Finestra Tabella tassi": asks whether to show this window's help page.
    void domandaguida();
    // The background colour of this window, from its colour dialog.
    void colorare();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    struct Linea {
        CaptionLabel* num = nullptr;
        QPushButton* delriga = nullptr;
        CaptionLabel* period = nullptr;
        QScrollBar* dscroll = nullptr;
        CaptionLabel* al = nullptr;
        CaptionLabel* tassuf = nullptr;
        QScrollBar* hscroll1 = nullptr;
        QPushButton* copias = nullptr;
    };

    void costruisci();
    void costruisciLinee();
    void costruisciPulsanti();
    // The menu bar and the toolbar (tabellacommands.cpp).
    void costruisciComandi();
    void collega();

    // The window's load: its size, then the preset sceltatab names.
    void carica();
    void impostaFinestra();
    void caricaTabella();

    int rigaDellaLinea(int i) const;
    void mostraLinea(int i, int r);

    // Reactions.
    void dscrollCambiato(int i, int value);
    void hscroll1Cambiato(int i, int value);
    void numCliccato(int i);
    void numSorvolato(int i);
    void delrigaCliccato(int i);
    void aiutoCliccato();

    // The copy's progress, in tenths of the bar's 0..200.
    void avanzaProgresso(int tenths);

    RateTable tabella_;
    QString titolo_;
    clsResize resize_;
    CommonDialog dialogo_;
    int progresso_ = 0;

    QLabel* appunti_ = nullptr;
    QLabel* label2_ = nullptr;
    std::array<QPushButton*, 3> ricaric_{};
    CaptionLabel* passo_ = nullptr;
    QProgressBar* progressBar1_ = nullptr;
    QScrollBar* vscroll1_ = nullptr;
    std::array<Linea, kLines + 1> linee_{};
};
