// SPDX-License-Identifier: GPL-3.0-or-later
#include "ratetable/ratetable.h"

#include "core/date.h"

namespace {

const QString kEmpty;

bool inTable(int r) {
    return r >= 1 && r <= RateTable::kMaxRows;
}

} // namespace

const QString& RateTable::datetab(int r) const {
    return inTable(r) ? date_[static_cast<std::size_t>(r)] : kEmpty;
}
const QString& RateTable::tassitab(int r) const {
    return inTable(r) ? tassi_[static_cast<std::size_t>(r)] : kEmpty;
}
QString& RateTable::datetab(int r) {
    scratch_.clear();
    return inTable(r) ? date_[static_cast<std::size_t>(r)] : scratch_;
}
QString& RateTable::tassitab(int r) {
    scratch_.clear();
    return inTable(r) ? tassi_[static_cast<std::size_t>(r)] : scratch_;
}

void RateTable::contarighe() {
    righetab = 0;
    for (int r = 1; r <= kMaxRows; ++r)
        if (!tassitab(r).isEmpty()) ++righetab;
}

int RateTable::ultimaRiga() const {
    for (int r = kMaxRows; r >= 1; --r)
        if (!datetab(r).isEmpty() || !tassitab(r).isEmpty()) return r;
    return 0;
}

QString RateTable::fine(int r) const {
    if (r >= kMaxRows) return {};
    const auto end = core::dayBeforeText(datetab(r + 1).toStdString());
    return end ? QString::fromStdString(*end) : QString();
}

void RateTable::svuota() {
    for (int r = 1; r <= kMaxRows; ++r) {
        datetab(r).clear();
        tassitab(r).clear();
    }
}

void RateTable::carica(std::span<const Presets::Row> rows) {
    int r = 0;
    for (const Presets::Row& row : rows) {
        ++r;
        datetab(r) = QString::fromUtf8(row.date);
        tassitab(r) = QString::fromUtf8(row.rate);
    }
}

void RateTable::carica(const fileformat::RateTableRows& rows) {
    int r = 0;
    for (const fileformat::RateTableRow& row : rows) {
        ++r;
        datetab(r) = QString::fromStdString(row.date);
        tassitab(r) = QString::fromStdString(row.rate);
    }
}

fileformat::RateTableRows RateTable::righe() const {
    fileformat::RateTableRows rows;
    const int last = ultimaRiga();
    rows.reserve(static_cast<std::size_t>(last));
    for (int r = 1; r <= last; ++r)
        rows.push_back({datetab(r).toStdString(), tassitab(r).toStdString()});
    return rows;
}

bool RateTable::inserisci(int p) {
    const int last = ultimaRiga();
    if (last >= kMaxRows) return false;
    for (int k = last; k >= p && k >= 1; --k) {
        datetab(k + 1) = datetab(k);
        tassitab(k + 1) = tassitab(k);
    }
    ++righetab;
    return true;
}

void RateTable::elimina(int p) {
    const int last = ultimaRiga();
    if (!inTable(p) || p > last) return;
    for (int k = p; k < last; ++k) {
        datetab(k) = datetab(k + 1);
        tassitab(k) = tassitab(k + 1);
    }
    datetab(last).clear();
    tassitab(last).clear();
    --righetab;
}

std::optional<RateTable::Difetto> RateTable::primoDifetto() const {
    for (int r = 1; r <= kMaxRows; ++r) {
        const bool data = !datetab(r).isEmpty();
        const bool tasso = !tassitab(r).isEmpty();
        if (data != tasso) return Difetto{r, data};
    }
    return std::nullopt;
}
