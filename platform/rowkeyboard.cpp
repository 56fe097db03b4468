// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/rowkeyboard.h"

#include "core/barpositions.h"
#include "core/typedentry.h"
#include "platform/clickablelabel.h"
#include "platform/clock.h"
#include "platform/messagebox.h"
#include "platform/modfenoverra.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScrollBar>

namespace {

QString fullDate(core::Date d) {
    return QString::asprintf("%02d/%02d/%04d", d.day, d.month, d.year);
}

QString refusal(RowKeyboard::Field field, core::Date today) {
    if (field == RowKeyboard::Field::Rate)
        return "Tasso non accettato: digitare un tasso da 0,01 a 100, con al massimo due "
               "decimali (ad esempio 4,5).";
    const core::Date oldest = core::dateOfBarValue(core::kStartDateBar.oldest, today);
    return "Data non accettata: digitare una data dal " + fullDate(oldest) + " al " +
           fullDate(today) + " (ad esempio 15/06/2000, 15/06/00 oppure 15062000).";
}

// Shift+Tab comes as Backtab, or as Tab with Shift held.
bool isForward(const QKeyEvent* event) {
    return event->key() == Qt::Key_Tab && !(event->modifiers() & Qt::ShiftModifier);
}

} // namespace

RowKeyboard::RowKeyboard(QWidget* window, QScrollBar* pageBar, std::function<int()> periodsInUse,
                         Entered entered)
    : QObject(window), window_(window), pageBar_(pageBar), periodsInUse_(std::move(periodsInUse)),
      entered_(std::move(entered)) {
    // The editor belongs to the rows it stood over: scrolling closes it.
    connect(pageBar_, &QScrollBar::valueChanged, this, [this] { close(); });
}

void RowKeyboard::addRow(const FormControls::PeriodRow& row) {
    const int r = static_cast<int>(rows_.size());
    rows_.push_back(row);
    for (QScrollBar* bar : {row.startDateBar, row.rateBar}) {
        bar->setFocusPolicy(Qt::StrongFocus);
        bar->installEventFilter(this);
    }
    if (r > 1) QWidget::setTabOrder(rows_[r - 1].rateBar, row.startDateBar);
    QWidget::setTabOrder(row.startDateBar, row.rateBar);
    row.start->reportDoubleClicks();
    row.rate->reportDoubleClicks();
    connect(row.start, &ClickableLabel::doubleClicked, this,
            [this, r] { edit(r, Field::StartDate); });
    connect(row.rate, &ClickableLabel::doubleClicked, this, [this, r] { edit(r, Field::Rate); });
}

QScrollBar* RowKeyboard::barAt(Place place) const {
    const auto& row = rows_[static_cast<std::size_t>(place.row)];
    return place.field == Field::StartDate ? row.startDateBar : row.rateBar;
}

QLabel* RowKeyboard::cellAt(Place place) const {
    const auto& row = rows_[static_cast<std::size_t>(place.row)];
    return place.field == Field::StartDate ? row.start : row.rate;
}

bool RowKeyboard::findBar(const QObject* object, Place& place) const {
    for (int r = 1; r < static_cast<int>(rows_.size()); ++r) {
        for (Field field : {Field::StartDate, Field::Rate}) {
            if (barAt({r, field}) == object) {
                place = {r, field};
                return true;
            }
        }
    }
    return false;
}

QLineEdit* RowKeyboard::openEditor() const {
    return editor_ && editor_->isVisible() ? editor_ : nullptr;
}

void RowKeyboard::edit(int r, Field field) {
    if (r < 1 || r >= static_cast<int>(rows_.size())) return;
    if (!editor_) {
        editor_ = new QLineEdit(window_);
        editor_->setObjectName("immissione");
        editor_->installEventFilter(this);
        connect(editor_, &QLineEdit::returnPressed, this, [this] { commit(); });
    }
    editing_ = {r, field};
    QLabel* cell = cellAt(editing_);
    editor_->setGeometry(cell->geometry().united(barAt(editing_)->geometry()));
    editor_->setAlignment(cell->alignment());
    editor_->setText(cell->text());
    editor_->selectAll();
    editor_->show();
    editor_->raise();
    editor_->setFocus(Qt::OtherFocusReason);
}

bool RowKeyboard::commit() {
    if (!openEditor()) return false;
    const core::Date today = Clock::today();
    const std::string typed = editor_->text().toStdString();
    const auto value = editing_.field == Field::StartDate
                           ? core::typedStartDateBarValue(typed, today)
                           : core::typedRateBarValue(typed);
    if (!value) {
        refusing_ = true;
        MessageBox::show(window_, refusal(editing_.field, today),
                         MsgStyle::OkOnly | MsgStyle::Exclamation, ModFenoverra::titolocontrollo);
        refusing_ = false;
        editor_->selectAll();
        editor_->setFocus(Qt::OtherFocusReason);
        return false;
    }
    const Place place = editing_;
    close();
    entered_(place.row, place.field, *value);
    return true;
}

void RowKeyboard::close() {
    if (!openEditor()) return;
    editor_->hide();
    barAt(editing_)->setFocus(Qt::OtherFocusReason);
}

bool RowKeyboard::tabAtEdge(Place from, bool forward) {
    const int lastRow = static_cast<int>(rows_.size()) - 1;
    // Forward, the rows scroll as far as the first period not yet entered.
    const int periodInLastRow = pageBar_->value() + lastRow - 1;
    if (forward && from.row == lastRow && from.field == Field::Rate &&
        pageBar_->value() < pageBar_->maximum() && periodInLastRow <= periodsInUse_()) {
        pageBar_->setValue(pageBar_->value() + 1);
        barAt({lastRow, Field::StartDate})->setFocus(Qt::TabFocusReason);
        return true;
    }
    if (!forward && from.row == 1 && from.field == Field::StartDate &&
        pageBar_->value() > pageBar_->minimum()) {
        pageBar_->setValue(pageBar_->value() - 1);
        barAt({1, Field::Rate})->setFocus(Qt::BacktabFocusReason);
        return true;
    }
    return false;
}

bool RowKeyboard::moveBar(QScrollBar* bar, int key) {
    // The date bars hold their highest value at the left.
    const bool rightAdds = !bar->isRightToLeft();
    const auto towards = [&](bool right, bool page) {
        const bool add = right == rightAdds;
        if (page)
            return add ? QAbstractSlider::SliderPageStepAdd : QAbstractSlider::SliderPageStepSub;
        return add ? QAbstractSlider::SliderSingleStepAdd : QAbstractSlider::SliderSingleStepSub;
    };
    switch (key) {
    case Qt::Key_Right:
    case Qt::Key_Up:
        bar->triggerAction(towards(true, false));
        return true;
    case Qt::Key_Left:
    case Qt::Key_Down:
        bar->triggerAction(towards(false, false));
        return true;
    case Qt::Key_PageUp:
        bar->triggerAction(towards(true, true));
        return true;
    case Qt::Key_PageDown:
        bar->triggerAction(towards(false, true));
        return true;
    case Qt::Key_Home:
        bar->triggerAction(rightAdds ? QAbstractSlider::SliderToMinimum
                                     : QAbstractSlider::SliderToMaximum);
        return true;
    case Qt::Key_End:
        bar->triggerAction(rightAdds ? QAbstractSlider::SliderToMaximum
                                     : QAbstractSlider::SliderToMinimum);
        return true;
    default:
        return false;
    }
}

bool RowKeyboard::editorKey(const QKeyEvent* event) {
    const int key = event->key();
    switch (key) {
    case Qt::Key_Escape:
        close();
        return true;
    case Qt::Key_Tab:
    case Qt::Key_Backtab: {
        // Typed, then on to the next bar, as from the bar itself.
        const Place place = editing_;
        if (commit()) {
            QKeyEvent tab(QEvent::KeyPress, key, event->modifiers());
            QCoreApplication::sendEvent(barAt(place), &tab);
        }
        return true;
    }
    default:
        return false;
    }
}

bool RowKeyboard::eventFilter(QObject* watched, QEvent* event) {
    if (watched == editor_) {
        if (event->type() == QEvent::KeyPress) return editorKey(static_cast<QKeyEvent*>(event));
        if (event->type() == QEvent::FocusOut && !refusing_ && editor_->isVisible()) {
            // Leaving the editor some other way changes nothing.
            editor_->hide();
        }
        return false;
    }
    Place place;
    if (!findBar(watched, place)) return false;
    switch (event->type()) {
    case QEvent::KeyPress: {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_F2) {
            edit(place.row, place.field);
            return true;
        }
        if (key == Qt::Key_Tab || key == Qt::Key_Backtab)
            return tabAtEdge(place, isForward(static_cast<QKeyEvent*>(event)));
        return moveBar(barAt(place), key);
    }
    case QEvent::FocusIn:
        cellAt(place)->setLineWidth(2);
        return false;
    case QEvent::FocusOut:
        cellAt(place)->setLineWidth(1);
        return false;
    default:
        return false;
    }
}
