// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/formcontrols.h"

#include "core/barpositions.h"
#include "platform/clickablelabel.h"
#include "platform/scrollbars.h"
#include "platform/titlelabel.h"
#include "platform/twips.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <algorithm>
#include <cmath>

namespace FormControls {

namespace {

QLabel* caption(QWidget* parent, const Control& c) {
    auto* label = new QLabel(QString::fromUtf8(c.caption), parent);
    label->setTextFormat(Qt::PlainText);
    return label;
}

// A label the window writes, boxed.
ClickableLabel* box(QWidget* parent, const QColor& background, const QColor& text) {
    auto* label = new ClickableLabel(parent);
    label->setFrameShape(QFrame::Box);
    paint(label, background, text);
    return label;
}

QWidget* makeWidget(QWidget* parent, const Control& c) {
    switch (c.kind) {
    case Kind::Caption:
    case Kind::BoxedCaption: {
        QLabel* label = caption(parent, c);
        label->setAlignment(c.align | Qt::AlignVCenter);
        if (c.kind == Kind::BoxedCaption) {
            label->setFrameShape(QFrame::Box);
            makeBold(label);
        }
        return label;
    }
    case Kind::Title: {
        auto* label = new TitleLabel(parent);
        label->setTextFormat(Qt::PlainText);
        label->setAlignment(Qt::AlignCenter);
        label->setFrameShape(QFrame::Panel);
        label->setFrameShadow(QFrame::Sunken);
        makeBold(label);
        return label;
    }
    case Kind::Note: {
        QLabel* label = caption(parent, c);
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        return label;
    }
    case Kind::Unit: {
        auto* label = new ClickableLabel(parent);
        label->setAlignment(Qt::AlignCenter);
        return label;
    }
    case Kind::Sum: {
        ClickableLabel* label = box(parent, kRed, kYellow);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        label->setIndent(4);
        makeBold(label);
        return label;
    }
    case Kind::Guidance: {
        ClickableLabel* label = box(parent, kYellow, kBlack);
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignCenter);
        makeBold(label);
        return label;
    }
    case Kind::Field: {
        auto* field = new QLineEdit(parent);
        if (c.align) field->setAlignment(c.align);
        return field;
    }
    case Kind::Choice:
        return new QComboBox(parent);
    case Kind::Button:
        return new QPushButton(QString::fromUtf8(c.caption), parent);
    case Kind::Group:
        return new QGroupBox(QString::fromUtf8(c.caption), parent);
    case Kind::Option:
        return new QRadioButton(QString::fromUtf8(c.caption), parent);
    case Kind::FinalDateBar: {
        auto* bar = new QScrollBar(parent);
        ScrollBars::setUpDateBar(bar, core::kFinalDateBar);
        return bar;
    }
    case Kind::PageBar: {
        auto* bar = new QScrollBar(Qt::Vertical, parent);
        bar->setRange(1, c.last);
        bar->setSingleStep(1);
        bar->setPageStep(c.page);
        return bar;
    }
    case Kind::Progress: {
        auto* bar = new QProgressBar(parent);
        bar->setRange(0, c.last);
        bar->setValue(0);
        bar->setTextVisible(false);
        bar->hide();
        return bar;
    }
    }
    return nullptr;
}

} // namespace

QWidget* make(QWidget* form, const Control& c) {
    QWidget* parent = c.group ? form->findChild<QGroupBox*>(c.group) : form;
    QWidget* control = makeWidget(parent, c);
    control->setObjectName(c.name);
    if (*c.tip) control->setToolTip(QString::fromUtf8(c.tip));
    place(control, c.place);
    return control;
}

RowMaker::RowMaker(QWidget* form, int row, int top, int height)
    : form_(form), row_(row), top_(top), height_(height) {}

void RowMaker::place(QWidget* control, const RowColumn& column) const {
    control->setObjectName(indexed(column.name, row_));
    FormControls::place(control, column.left, top_, column.width, height_);
}

ClickableLabel* RowMaker::cell(const RowColumn& column) const {
    auto* label = new ClickableLabel(form_);
    label->setFrameShape(QFrame::Box);
    label->setAlignment(column.align | Qt::AlignVCenter);
    label->setMargin(0);
    label->setIndent(2);
    paint(label, *column.background, kBlack);
    place(label, column);
    return label;
}

ClickableLabel* RowMaker::number(const RowColumn& column) const {
    ClickableLabel* label = cell(column);
    label->setCursor(Qt::PointingHandCursor);
    return label;
}

QPushButton* RowMaker::button(const RowColumn& column, const QIcon& picture) const {
    auto* button = new QPushButton(form_);
    button->setIcon(picture);
    button->setFocusPolicy(Qt::NoFocus);
    place(button, column);
    return button;
}

QScrollBar* RowMaker::startDateBar(const RowColumn& column) const {
    auto* bar = new QScrollBar(form_);
    ScrollBars::setUpDateBar(bar, core::kStartDateBar);
    place(bar, column);
    return bar;
}

QScrollBar* RowMaker::rateBar(const RowColumn& column) const {
    auto* bar = new QScrollBar(form_);
    ScrollBars::setUpRateBar(bar);
    place(bar, column);
    return bar;
}

PeriodRow RowMaker::period(const PeriodColumns& columns, const QIcon& cross) const {
    return {.number = number(columns.number),
            .deleteButton = button(columns.deleteButton, cross),
            .start = cell(columns.start),
            .startDateBar = startDateBar(columns.startDateBar),
            .end = cell(columns.end),
            .rate = cell(columns.rate),
            .rateBar = rateBar(columns.rateBar)};
}

void useWindowFont(QWidget* form) {
    QFont small = form->font();
    small.setFamilies({"MS Sans Serif", "Arial", "Liberation Sans", "DejaVu Sans"});
    small.setPointSize(8);
    form->setFont(small);
}

void place(QWidget* w, int left, int top, int width, int height) {
    w->setGeometry(Twips::toPixels(left, top, width, height));
}

void place(QWidget* w, const Place& p) {
    place(w, p.left, p.top, p.width, p.height);
}

namespace {

double luminance(const QColor& c) {
    const auto channel = [](double v) {
        return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}

// A dark grey where it reads well, otherwise black or white: out-of-date
// results stay apart from current ones and readable on every cell colour.
QColor greyedTextOn(const QColor& background) {
    for (const QColor& candidate : {QColor(96, 96, 96), QColor(Qt::black), QColor(Qt::white)})
        if (contrast(candidate, background) >= 4.5) return candidate;
    return Qt::black;
}

} // namespace

double contrast(const QColor& a, const QColor& b) {
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

void paint(QWidget* w, const QColor& background, const QColor& text) {
    QPalette p = w->palette();
    p.setColor(QPalette::Window, background);
    p.setColor(QPalette::WindowText, text);
    p.setColor(QPalette::Disabled, QPalette::WindowText, greyedTextOn(background));
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

void makeBold(QWidget* w) {
    QFont bold = w->font();
    bold.setBold(true);
    w->setFont(bold);
}

QString indexed(const char* name, int i) {
    return QString("%1(%2)").arg(name).arg(i);
}

void setToolTipIfChanged(QWidget* w, const QString& tip) {
    if (w->toolTip() != tip) w->setToolTip(tip);
}

} // namespace FormControls
