// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/formbackground.h"

#include "platform/commondialog.h"
#include "platform/modfenoverra.h"

#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QPaintEvent>
#include <QPainter>
#include <QRadioButton>
#include <QWidget>

namespace FormBackground {

namespace {

const char* const kColourProperty = "BackColor";

// Paints the form's colour before the form paints itself; its children are
// drawn afterwards, over it, each with its own palette.
class Painter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            auto* form = static_cast<QWidget*>(watched);
            QPainter painter(form);
            painter.fillRect(static_cast<QPaintEvent*>(event)->rect(), colour(form));
        }
        return false;
    }
};

} // namespace

QColor colour(const QWidget* form) {
    const QVariant set = form->property(kColourProperty);
    return set.isValid() ? set.value<QColor>() : form->palette().color(QPalette::Window);
}

namespace {

// Labels, frames and option buttons are drawn over the form's colour unless
// they paint their own: they keep theirs, so their text stays readable on
// any colour chosen for the form.
void keepChildrenColours(QWidget* form) {
    for (QWidget* child : form->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        const bool ownColour = qobject_cast<QLabel*>(child) || qobject_cast<QGroupBox*>(child) ||
                               qobject_cast<QRadioButton*>(child);
        if (ownColour && !child->autoFillBackground()) child->setAutoFillBackground(true);
    }
}

} // namespace

void setColour(QWidget* form, const QColor& colour) {
    if (!form->property(kColourProperty).isValid()) {
        form->installEventFilter(new Painter(form));
        keepChildrenColours(form);
    }
    form->setProperty(kColourProperty, colour);
    form->update();
}

bool chooseWithDialog(QWidget* form, CommonDialog& dialog) {
    dialog.DialogTitle = ModFenoverra::nomeprogramma + QStringLiteral(": colore di sfondo");
    if (!dialog.ShowColor(form)) return false;
    setColour(form, dialog.Color);
    return true;
}

} // namespace FormBackground
