// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/frmsplash.h"

#include "platform/mmcontrol.h"
#include "platform/modfenoverra.h"
#include "platform/twips.h"
#include "platform/windownames.h"
#include "platform/windowregistry.h"
#include "shell/exit.h"
#include "shell/splashpicture.h"

#include <QCloseEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <array>

namespace {

const QColor paper(0xFB, 0xF7, 0xEE);
const QColor wine(0x8B, 0x1E, 0x2D);
const QColor gold(0xC9, 0xA2, 0x27);

// Design-time rectangles, in twips.
struct Rect {
    int left, top, width, height;
};

struct TextLine {
    int index;
    const char* caption;
    QStringList families; // empty: the window's default font
    double points;
    bool bold;
    bool italic;
    Qt::Alignment alignment;
    Rect rect;
};

struct Bar {
    int index;
    QColor colour;
    Rect rect;
};

const QStringList sansSerif{QStringLiteral("MS Sans Serif"), QStringLiteral("DejaVu Sans")};

const std::array<TextLine, 6> textLines{{
    {1,
     "Studio Fenoverra",
     {QStringLiteral("Monotype Corsiva"), QStringLiteral("URW Chancery L"), QStringLiteral("Z003"),
      QStringLiteral("DejaVu Serif")},
     21.75,
     true,
     true,
     Qt::AlignCenter,
     {480, 420, 7830, 660}},
    {2,
     "                        presenta",
     sansSerif,
     12,
     false,
     false,
     Qt::AlignLeft | Qt::AlignVCenter,
     {480, 1080, 7830, 400}},
    {3,
     "",
     {QStringLiteral("Arial Black"), QStringLiteral("DejaVu Sans")},
     27.75,
     true,
     false,
     Qt::AlignLeft | Qt::AlignVCenter,
     {2880, 1620, 5400, 840}},
    {4, "", sansSerif, 12, false, false, Qt::AlignLeft | Qt::AlignVCenter, {2880, 2520, 5400, 420}},
    {5, "", {}, 0, false, false, Qt::AlignLeft | Qt::AlignVCenter, {2880, 3060, 5400, 320}},
    {8,
     "(cliccare sulla finestra per iniziare; premere un tasto per uscire)",
     {},
     0,
     false,
     false,
     Qt::AlignCenter,
     {480, 4620, 7830, 320}},
}};

const std::array<Bar, 4> bars{{
    {0, wine, {0, 0, 8790, 150}},
    {9, wine, {0, 5265, 8790, 150}},
    {10, gold, {8640, 0, 150, 5415}},
    {11, gold, {0, 0, 150, 5415}},
}};

QRect pixels(const Rect& r) {
    return Twips::toPixels(r.left, r.top, r.width, r.height);
}

QString arrayName(const char* name, int index) {
    return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index);
}

bool isModifierOnly(int key) {
    switch (key) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Meta:
    case Qt::Key_CapsLock:
    case Qt::Key_NumLock:
    case Qt::Key_unknown:
        return true;
    default:
        return false;
    }
}

} // namespace

frmSplash::frmSplash(QWidget* parent) : QWidget(parent), music_(new MMControl(this)) {
    setObjectName(WindowName::frmSplash);
    setAttribute(Qt::WA_DeleteOnClose);
    setFocusPolicy(Qt::StrongFocus);
    Twips::setFixedWindowSize(this, 8790, 5415);
    // A closing screen stands in the middle of the screen.
    const QSize screen = Twips::screenSize();
    Twips::setWindowLeft(this, (screen.width() - 8790) / 2.0);
    Twips::setWindowTop(this, (screen.height() - 5415) / 2.0);
    QPalette background = palette();
    background.setColor(QPalette::Window, paper);
    background.setColor(QPalette::WindowText, QColor(0x20, 0x20, 0x20));
    setPalette(background);
    setAutoFillBackground(true);

    auto* shape = new QFrame(this);
    shape->setObjectName(QStringLiteral("Shape1"));
    shape->setFrameShape(QFrame::Box);
    shape->setLineWidth(2);
    QPalette shapePalette = shape->palette();
    shapePalette.setColor(QPalette::WindowText, wine);
    shape->setPalette(shapePalette);
    shape->setGeometry(pixels({300, 300, 8190, 4815}));

    auto* image = new QLabel(this);
    image->setObjectName(QStringLiteral("Image1"));
    const QRect imageRect = pixels({600, 1560, 1920, 1920});
    image->setGeometry(imageRect);
    image->setPixmap(SplashPicture::draw(imageRect.size()));

    for (const Bar& bar : bars) {
        auto* label = new QLabel(this);
        label->setObjectName(arrayName("label", bar.index));
        QPalette barPalette = label->palette();
        barPalette.setColor(QPalette::Window, bar.colour);
        label->setPalette(barPalette);
        label->setAutoFillBackground(true);
        label->setGeometry(pixels(bar.rect));
        labels_.insert(bar.index, label);
    }
    for (const TextLine& line : textLines) {
        auto* label = new QLabel(QString::fromUtf8(line.caption), this);
        label->setObjectName(arrayName("label", line.index));
        label->setTextFormat(Qt::PlainText);
        label->setAlignment(line.alignment);
        if (!line.families.isEmpty()) {
            QFont font = label->font();
            font.setFamilies(line.families);
            font.setPointSizeF(line.points);
            font.setBold(line.bold);
            font.setItalic(line.italic);
            label->setFont(font);
        }
        if (line.index == 1 || line.index == 3) {
            QPalette ink = label->palette();
            ink.setColor(QPalette::WindowText, wine);
            label->setPalette(ink);
        }
        label->setGeometry(pixels(line.rect));
        labels_.insert(line.index, label);
    }

    // Loading: the music first, then the texts.
    music_->setObjectName(QStringLiteral("MMControl1"));
    music_->FileName = QStringLiteral("Internet.mid");
    music_->setCommand(QStringLiteral("open"));
    music_->setCommand(QStringLiteral("play"));
    setWindowTitle(ModFenoverra::nomeprogramma);
    setLabelCaption(3, ModFenoverra::nomeprogramma);
    setLabelCaption(4, ModFenoverra::descrizione);
    setLabelCaption(5,
                    QStringLiteral("EDIZIONE PROFESSIONALE - VERSIONE ") + ModFenoverra::versione);
}

void frmSplash::setLabelCaption(int index, const QString& caption) {
    if (QLabel* line = labels_.value(index)) line->setText(caption);
}

void frmSplash::Form_Click() {
    music_->setCommand(QStringLiteral("pause"));
    Exit::mostradati();
}

// Clicks on the labels and the picture reach the window too: they ignore the mouse.
void frmSplash::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
    event->accept();
}

void frmSplash::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = pressed_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    pressed_ = false;
    event->accept();
    if (click) Form_Click();
}

// Any key that types or acts; a lone Shift, Ctrl or Alt (as when switching
// windows) does not end the program.
void frmSplash::keyPressEvent(QKeyEvent* event) {
    if (isModifierOnly(event->key())) {
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
    closeMusic();
    WindowRegistry::unload(this);
}

void frmSplash::closeEvent(QCloseEvent* event) {
    closeMusic();
    QWidget::closeEvent(event);
}

void frmSplash::closeMusic() {
    if (musicClosed_) return;
    musicClosed_ = true;
    music_->setCommand(QStringLiteral("close"));
}
