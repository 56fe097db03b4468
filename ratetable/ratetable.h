// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The rate table the `tabella` window holds: rows 1..200, each a start-date
// text (`datetab`) and a rate text (`tassitab`), kept exactly as loaded, read
// from a file or written back by the window's bars. Numbers and dates are
// read from the texts only where they are used.

#include "files/format/ratetablefile.h"
#include "ratetable/presets.h"

#include <QString>
#include <array>
#include <optional>
#include <span>

class RateTable {
public:
    static constexpr int kMaxRows = 200;

    // Rows 1..200; any other row reads empty, and writes to it are lost.
    const QString& datetab(int r) const;
    const QString& tassitab(int r) const;
    QString& datetab(int r);
    QString& tassitab(int r);

    int righetab = 0;  // rows among 1..200 whose rate is not empty
    int primariga = 1; // row shown on the window's first line, 1..186

    void contarighe();
    // Highest row holding a date or a rate, 0 when none. Rows can be left
    // empty in between (a row built on a line below the table's end), so
    // this, not righetab, is where insertion, deletion and saving must stop
    // to leave every row in place.
    int ultimaRiga() const;

    // The end date shown for row r: the day before the next row's start;
    // empty for row 200, when the next row has no date or a text that is not one.
    QString fine(int r) const;

    // Rows 1..200 emptied.
    void svuota();
    // The rows written into rows 1.., the rows after them untouched.
    void carica(std::span<const Presets::Row> rows);
    void carica(const fileformat::RateTableRows& rows);
    // Rows 1..ultimaRiga(), as a table file holds them.
    fileformat::RateTableRows righe() const;

    // Doubles row p: the rows from p on move one down. False, with nothing
    // changed, when row 200 is taken and would be pushed out.
    bool inserisci(int p);
    // Removes row p: the rows after it move one up.
    void elimina(int p);

    // The lowest row with a date and no rate, or a rate and no date.
    struct Difetto {
        int riga;
        bool mancaTasso; // otherwise the date is missing
    };
    std::optional<Difetto> primoDifetto() const;

private:
    std::array<QString, kMaxRows + 1> date_{};
    std::array<QString, kMaxRows + 1> tassi_{};
    QString scratch_;
};
