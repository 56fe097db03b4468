// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/clsresize.h"

#include "platform/twips.h"

#include <QComboBox>
#include <QFrame>
#include <QLayout>
#include <QMainWindow>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>
#include <algorithm>
#include <cmath>
#include <vector>

namespace {

// Rounds to the nearest integer, halves to even.
int roundHalfEven(double value) {
    return static_cast<int>(std::nearbyint(value));
}

// Menu bars, toolbars and status bars belong to the window's frame, not to
// its drawing: they are never scaled.
bool isBar(const QWidget* widget) {
    return qobject_cast<const QMenuBar*>(widget) || qobject_cast<const QToolBar*>(widget) ||
           qobject_cast<const QStatusBar*>(widget);
}

bool isControl(const QWidget* widget) {
    if (widget->isWindow() || isBar(widget)) return false;
    const QString name = widget->objectName();
    if (name.isEmpty() || name.startsWith(QLatin1String("qt_"))) return false;
    const QWidget* parent = widget->parentWidget();
    if (parent && parent->layout() && parent->layout()->indexOf(widget) >= 0) return false;
    return true;
}

void collectControls(QWidget* container, QList<QWidget*>& controls) {
    for (QObject* child : container->children()) {
        auto* widget = qobject_cast<QWidget*>(child);
        if (!widget || !isControl(widget)) continue;
        controls.append(widget);
        collectControls(widget, controls);
    }
}

// The widget that holds the controls: a main window's central widget (its
// own layout docks the bars around it), any other window itself.
QWidget* containerOf(QWidget* form) {
    if (auto* main = qobject_cast<QMainWindow*>(form)) return main->centralWidget();
    return form;
}

int heightOf(QWidget* bar, int width) {
    return bar->hasHeightForWidth() ? bar->heightForWidth(width) : bar->sizeHint().height();
}

// A window that is not a main window has nobody to dock its bars: menu bars
// and then toolbars go along the top, status bars along the bottom, each at
// its own height across the whole width. Returns the inner area between
// them, in the window's pixels.
QRect dockBars(QWidget* form) {
    QList<QWidget*> menus, toolbars, bottom;
    for (QObject* child : form->children()) {
        auto* bar = qobject_cast<QWidget*>(child);
        if (!bar || !isBar(bar) || bar->isWindow() || bar->isHidden()) continue;
        if (qobject_cast<QMenuBar*>(bar))
            menus.append(bar);
        else if (qobject_cast<QToolBar*>(bar))
            toolbars.append(bar);
        else
            bottom.append(bar);
    }
    const QList<QWidget*> top = menus + toolbars;
    const int width = form->width();
    int y = 0;
    for (QWidget* bar : top) {
        const int h = heightOf(bar, width);
        bar->setGeometry(0, y, width, h);
        y += h;
    }
    int bottomY = form->height();
    for (auto it = bottom.rbegin(); it != bottom.rend(); ++it) {
        const int h = heightOf(*it, width);
        bottomY -= h;
        (*it)->setGeometry(0, bottomY, width, h);
    }
    return QRect(0, y, width, std::max(0, bottomY - y));
}

// The area the controls are scaled in, in the container's pixels.
QRect innerArea(QWidget* form) {
    if (qobject_cast<QMainWindow*>(form)) {
        QWidget* container = containerOf(form);
        return container ? container->rect() : QRect();
    }
    return dockBars(form);
}

enum class LineKind { None, Horizontal, Vertical };

LineKind lineKindOf(const QWidget* control) {
    const auto* frame = qobject_cast<const QFrame*>(control);
    if (!frame) return LineKind::None;
    if (frame->frameShape() == QFrame::HLine) return LineKind::Horizontal;
    if (frame->frameShape() == QFrame::VLine) return LineKind::Vertical;
    return LineKind::None;
}

struct ScaledParts {
    bool left = true, top = true, width = true, height = true;
};

// An empty tag or one not starting with "@" scales everything; after "@"
// the letters L, T, W and H, anywhere and in either case, choose the parts.
ScaledParts scaledPartsOf(const QWidget* control) {
    const QString tag = control->property("Tag").toString().toUpper();
    if (!tag.startsWith(u'@')) return {};
    return {tag.contains(u'L'), tag.contains(u'T'), tag.contains(u'W'), tag.contains(u'H')};
}

} // namespace

clsResize::~clsResize() {
    Layout.clear();
    sourceForm_.clear();
}

QList<QWidget*> clsResize::controlsOf(QWidget* form) {
    QList<QWidget*> controls;
    if (QWidget* container = form ? containerOf(form) : nullptr)
        collectControls(container, controls);
    return controls;
}

void clsResize::Initialise() {
    QWidget* form = sourceForm_;
    if (!form) return;
    const QRect inner = innerArea(form);
    OrigWidth = static_cast<int>(std::lround(Twips::fromPixelsX(inner.width())));
    OrigHeight = static_cast<int>(std::lround(Twips::fromPixelsY(inner.height())));

    Layout.clear();
    QWidget* container = containerOf(form);
    for (QWidget* control : controlsOf(form)) {
        QRect g = control->geometry();
        // Controls placed on the window itself keep their place in the inner area.
        if (control->parentWidget() == container) g.translate(-inner.topLeft());
        ControlLayout record;
        record.Ctl = control;
        record.LeftOrX1 = roundHalfEven(Twips::fromPixelsX(g.x()));
        record.TopOrY1 = roundHalfEven(Twips::fromPixelsY(g.y()));
        record.WidthOrX2 = roundHalfEven(Twips::fromPixelsX(g.width()));
        record.HeightOrY2 = roundHalfEven(Twips::fromPixelsY(g.height()));
        Layout.append(record);
    }
    // A window recorded without a client area has nothing to scale from: it
    // records again at the next call instead of dividing by zero.
    NeedsInit = OrigWidth <= 0 || OrigHeight <= 0;
}

void clsResize::ReInitialise() {
    Initialise();
}

void clsResize::SizeFormToScreen(unsigned char percent) {
    QWidget* form = sourceForm_;
    if (!form) return;
    if (NeedsInit) Initialise();

    const QSize screen = Twips::screenSize();
    const int h = static_cast<int>(std::floor(percent / 100.0 * screen.height()));
    const int w = static_cast<int>(std::floor(percent / 100.0 * screen.width()));
    const QPoint origin = Twips::screenOriginPixels();
    form->move(origin.x() + Twips::toPixelsX((screen.width() - w) / 2.0),
               origin.y() + Twips::toPixelsY((screen.height() - h) / 2.0));
    Twips::resizeWindow(form, w, h);
    ResizeControls();
}

void clsResize::ResizeControls() {
    QWidget* form = sourceForm_;
    if (!form) return;
    if (form->isMinimized()) return;
    const QRect inner = innerArea(form); // docks the bars first
    if (controlsOf(form).isEmpty()) return;
    if (NeedsInit) {
        Initialise();
        return;
    }

    const double verticalRatio = Twips::fromPixelsY(inner.height()) / OrigHeight;
    const double horizontalRatio = Twips::fromPixelsX(inner.width()) / OrigWidth;
    QWidget* container = containerOf(form);

    std::vector<std::pair<QWidget*, QRect>> moves;
    for (const ControlLayout& record : std::as_const(Layout)) {
        QWidget* control = record.Ctl;
        if (!control) continue; // destroyed since recording
        const ScaledParts parts = scaledPartsOf(control);
        const LineKind line = lineKindOf(control);
        const bool fixedHeight = line == LineKind::Horizontal || qobject_cast<QComboBox*>(control);
        const bool fixedWidth = line == LineKind::Vertical;

        QRect g = control->geometry();
        if (parts.left) g.moveLeft(Twips::toPixelsX(record.LeftOrX1 * horizontalRatio));
        if (parts.top) g.moveTop(Twips::toPixelsY(record.TopOrY1 * verticalRatio));
        if (parts.width && !fixedWidth)
            g.setWidth(Twips::toPixelsX(record.WidthOrX2 * horizontalRatio));
        if (parts.height && !fixedHeight)
            g.setHeight(Twips::toPixelsY(record.HeightOrY2 * verticalRatio));
        if (control->parentWidget() == container && parts.left) g.moveLeft(g.x() + inner.x());
        if (control->parentWidget() == container && parts.top) g.moveTop(g.y() + inner.y());
        if (g != control->geometry()) moves.push_back({control, g});
    }
    // Re-enabling updates repaints the whole window: only when something moved.
    if (moves.empty()) return;
    const bool updatesWereEnabled = form->updatesEnabled();
    form->setUpdatesEnabled(false);
    for (const auto& [control, g] : moves)
        control->setGeometry(g);
    form->setUpdatesEnabled(updatesWereEnabled);
}
