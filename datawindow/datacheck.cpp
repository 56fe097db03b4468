// SPDX-License-Identifier: GPL-3.0-or-later
#include "datawindow/datacheck.h"

#include "platform/messagebox.h"

namespace DataCheck {

namespace {

// A number as the program writes it into messages: a blank where a plus sign would go.
QString signedNumber(long n) {
    return n < 0 ? QString::number(n) : " " + QString::number(n);
}

Outcome fail(const QString& message, int icon) {
    return {false, message, MsgStyle::OkOnly | icon};
}

} // namespace

Outcome check(const QString& capital, const QString& finalDate, const QString& reference,
              const core::PeriodList& list) {
    if (capital.isEmpty())
        return fail("Digitare il valore del capitale iniziale.", MsgStyle::Critical);
    if (finalDate.isEmpty())
        return fail("Digitare la data finale a cui va riferito il calcolo.", MsgStyle::Critical);
    if (reference.isEmpty())
        return fail("Digitare il dato del 'riferimento del calcolo'.", MsgStyle::Critical);
    const int n = list.numperiodi;
    if (n == 0)
        return fail("Non esistono dati riconosciuti:\r"
                    "- per procedere è necessario digitare almeno la prima data ed il tasso n.1;\r"
                    "- il controllo viene effettuato solo sui dati per i quali esiste il tasso.",
                    MsgStyle::Exclamation);
    for (int i = 1; i <= n; ++i) {
        // A rate further on counts a period here that has no date or no rate:
        // it would be saved incomplete and the rate beyond it lost.
        const core::PeriodSlot& slot = list.slot(i);
        if (slot.start.empty() || slot.rate.empty())
            return fail("Periodo n." + signedNumber(i) +
                            ": la data iniziale o il tasso non sono stati immessi;"
                            "\r- completare il periodo usando le frecce laterali.",
                        MsgStyle::Exclamation);
        // Days never derived count as none at all.
        const long days = list.slot(i).days.value_or(0);
        if (days > 0) continue;
        const QString what =
            days < 0 ? "i giorni di calcolo sono negativi;" : "i giorni di calcolo sono nulli;";
        return fail(
            "Periodo n." + signedNumber(i) + ": " + what +
                "\r- la data iniziale del periodo deve essere almeno uguale a quella finale.",
            MsgStyle::Exclamation);
    }
    return {true,
            "I dati sono stati immessi correttamente (per numero " + signedNumber(n) + " periodi).",
            MsgStyle::OkOnly | MsgStyle::Information};
}

} // namespace DataCheck
