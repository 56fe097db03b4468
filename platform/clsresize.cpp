#include "platform/clsresize.h"

#include "platform/twips.h"

#include <QComboBox>
#include <QFrame>
#include <QLayout>
#include <cmath>

namespace {

// Rounds to the nearest integer, halves to even.
int roundHalfEven(double value) {
    return static_cast<int>(std::nearbyint(value));
}

bool isControl(const QWidget* widget) {
    if (widget->isWindow()) return false;
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
    if (form) collectControls(form, controls);
    return controls;
}

void clsResize::Initialise() {
    QWidget* form = sourceForm_;
    if (!form) return;
    const QSize client = Twips::clientSize(form);
    OrigWidth = client.width();
    OrigHeight = client.height();

    Layout.clear();
    for (QWidget* control : controlsOf(form)) {
        const QRect g = control->geometry();
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
    if (controlsOf(form).isEmpty()) return;
    if (form->isMinimized()) return;
    if (NeedsInit) {
        Initialise();
        return;
    }

    const bool updatesWereEnabled = form->updatesEnabled();
    form->setUpdatesEnabled(false);

    const double verticalRatio = Twips::fromPixelsY(form->height()) / OrigHeight;
    const double horizontalRatio = Twips::fromPixelsX(form->width()) / OrigWidth;

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
        control->setGeometry(g);
    }

    form->setUpdatesEnabled(updatesWereEnabled);
}

QVector<clsResize::RecordedControl> clsResize::recordedLayout() const {
    QVector<RecordedControl> recorded;
    for (const ControlLayout& record : Layout)
        recorded.append(
            {record.Ctl, record.LeftOrX1, record.TopOrY1, record.WidthOrX2, record.HeightOrY2});
    return recorded;
}
