// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/formcontrols.h"

#include "platform/twips.h"

#include <QWidget>

namespace FormControls {

void useWindowFont(QWidget* form) {
    QFont small = form->font();
    small.setFamilies({"MS Sans Serif", "Arial", "Liberation Sans", "DejaVu Sans"});
    small.setPointSize(8);
    form->setFont(small);
}

void place(QWidget* w, int left, int top, int width, int height) {
    w->setGeometry(Twips::toPixels(left, top, width, height));
}

void paint(QWidget* w, const QColor& background, const QColor& text) {
    QPalette p = w->palette();
    p.setColor(QPalette::Window, background);
    p.setColor(QPalette::WindowText, text);
    p.setColor(QPalette::Disabled, QPalette::WindowText, kGreyedText);
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
