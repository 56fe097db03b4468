// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What another window may ask of the Data window, which it reaches by name
// through the window registry (WindowRegistry::loadAs<CalculationWindow>("dati")).
// The rate table's copy uses it; the period list itself is core::periodi().

#include <QString>

class CalculationWindow {
public:
    virtual ~CalculationWindow() = default;

    // The window's clear command.
    virtual void cancella() = 0;
    // The final date and capital fields; setting them runs their reactions.
    virtual QString datfinText() const = 0;
    virtual void setDatfinText(const QString& text) = 0;
    virtual QString capinizText() const = 0;
    virtual void setCapinizText(const QString& text) = 0;
    // Option1(tipo) chosen, with its reaction.
    virtual void sceglitipo(int tipo) = 0;
    // VScroll1 set to `first` and the rows drawn (mostraperiodi).
    virtual void mostraPagina(int first) = 0;
    // The "&calcola" button's action.
    virtual void calcola() = 0;
};
