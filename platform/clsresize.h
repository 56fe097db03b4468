// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Keeps a window's controls in proportion when the window changes size.
//
// Records, once, the client size and every control's geometry; every later
// resize sets each control to its recorded geometry times the ratio between
// the current and the recorded client size (never from the current geometry,
// so nothing drifts). A control's "Tag" property ("@", "@LT", ...) limits
// what is scaled. Font sizes never change.
//
// The window's controls are its named descendant widgets, parents before
// their children in creation order: a widget whose objectName is empty or
// starts with "qt_", a widget placed by a layout, and a separate window are
// not controls, and neither is anything inside them. A nested control keeps
// its place relative to its container, which is scaled too. A horizontal
// line frame keeps its thickness (its height), a vertical one its width,
// and a combo box its height.
//
// The area the controls are scaled in excludes the window's menu bars,
// toolbars and status bars, which are never scaled. A QMainWindow docks its
// own bars and its controls are those of its central widget; any other
// window gets its bars docked here (menu bars, then toolbars, along the top,
// status bars along the bottom, each at its own height across the width),
// and its controls keep their place in the area between.
//
// The window must have its designed client size when recording happens.
//
// Usage in a window:
//   resize_.setSourceForm(this);
//   resize_.SizeFormToScreen(75);
//   Twips::resizeWindow(this, width, height);   // the window's own size, in twips
//   void resizeEvent(QResizeEvent*) override { resize_.ResizeControls(); }

#include <QPointer>
#include <QVector>
#include <QWidget>

class clsResize {
public:
    clsResize() = default;
    ~clsResize();

    void setSourceForm(QWidget* form) { sourceForm_ = form; }

    void ReInitialise();
    // Sizes the window to Percent % of the screen, centres it, rearranges.
    void SizeFormToScreen(unsigned char percent);
    void ResizeControls();

    // The controls clsResize manages on a window, in recording order.
    static QList<QWidget*> controlsOf(QWidget* form);

private:
    struct ControlLayout {
        QPointer<QWidget> Ctl;
        int LeftOrX1 = 0;
        int TopOrY1 = 0;
        int WidthOrX2 = 0;
        int HeightOrY2 = 0;
    };
    void Initialise();

    QPointer<QWidget> sourceForm_;
    int OrigWidth = 0;
    int OrigHeight = 0;
    QVector<ControlLayout> Layout;
    bool NeedsInit = true;
};
