// SPDX-License-Identifier: GPL-3.0-or-later
#include "help/frmtip.h"
#include "platform/placement.h"

#include "files/tipsfile.h"
#include "help/helpfonts.h"
#include "platform/formcontrols.h"
#include "platform/programfiles.h"
#include "platform/twips.h"
#include "platform/windownames.h"

#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QShowEvent>

using FormControls::place;

namespace {

constexpr int kFormWidth = 6195;
constexpr int kFormHeight = 3285;

// A lit bulb: the illustration beside the tip.
QPixmap bulb(QSize size) {
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const double w = size.width();
    const double h = size.height();
    p.setPen(QPen(QColor(255, 200, 0), w * 0.04, Qt::SolidLine, Qt::RoundCap));
    for (int ray = 0; ray < 7; ++ray) {
        p.save();
        p.translate(w / 2, h * 0.38);
        p.rotate(-90 + (ray - 3) * 30);
        p.drawLine(QPointF(w * 0.34, 0), QPointF(w * 0.46, 0));
        p.restore();
    }
    QRadialGradient glass(QPointF(w * 0.45, h * 0.32), w * 0.3);
    glass.setColorAt(0, QColor(255, 255, 220));
    glass.setColorAt(1, QColor(255, 225, 60));
    p.setBrush(glass);
    p.setPen(QPen(QColor(150, 110, 0), w * 0.025));
    QPainterPath outline;
    outline.addEllipse(QPointF(w / 2, h * 0.38), w * 0.25, w * 0.25);
    outline.addRect(QRectF(w * 0.39, h * 0.55, w * 0.22, h * 0.12));
    p.drawPath(outline.simplified());
    p.setBrush(QColor(140, 140, 150));
    p.setPen(QPen(QColor(80, 80, 90), w * 0.02));
    for (int thread = 0; thread < 3; ++thread)
        p.drawRoundedRect(QRectF(w * 0.38, h * (0.67 + thread * 0.07), w * 0.24, h * 0.06), 2, 2);
    return pixmap;
}

} // namespace

QString frmTip::defaultTipsPath() {
    return ProgramFiles::path(QString::fromLatin1(TipsFile::kFileName));
}

QString frmTip::missingFileText() {
    const QString name = QString::fromLatin1(TipsFile::kFileName);
    const QString crlf = QStringLiteral("\r\n");
    return QStringLiteral("Impossibile trovare il file ") + name + crlf + crlf +
           QStringLiteral("Creare un file di testo denominato ") + name +
           QStringLiteral(" utilizzando il Blocco note e inserendo un suggerimento per ogni "
                          "riga. ") +
           QStringLiteral("Inserire il file nella stessa directory dell'applicazione. ");
}

frmTip::frmTip(const QString& tipsPath, QWidget* parent) : QWidget(parent) {
    setObjectName(WindowName::frmTip);
    setWindowTitle(QStringLiteral("Suggerimento del giorno"));
    setAttribute(Qt::WA_DeleteOnClose);
    costruisci();
    if (!LoadTips(tipsPath)) lblTipText_->setText(missingFileText());
}

void frmTip::costruisci() {
    setFont(HelpFonts::sansSerif(8));
    Twips::setFixedWindowSize(this, kFormWidth, kFormHeight);

    auto* panel = new QWidget(this);
    panel->setAutoFillBackground(true);
    QPalette white = panel->palette();
    white.setColor(QPalette::Window, QColor(255, 255, 255));
    panel->setPalette(white);
    place(panel, 120, 120, kFormWidth - 240, 2415);

    auto* picture1 = new QLabel(this);
    picture1->setObjectName(QStringLiteral("Picture1"));
    picture1->setAlignment(Qt::AlignCenter);
    place(picture1, 180, 240, 840, 1080);
    picture1->setPixmap(bulb(picture1->size()));

    auto* label1 = new QLabel(QStringLiteral("Non tutti sanno che..."), this);
    label1->setObjectName(QStringLiteral("Label1"));
    label1->setFont(HelpFonts::sansSerif(12, true));
    place(label1, 1140, 240, kFormWidth - 1140 - 240, 420);

    lblTipText_ = new QLabel(this);
    lblTipText_->setObjectName(QStringLiteral("lblTipText"));
    lblTipText_->setTextFormat(Qt::PlainText);
    lblTipText_->setWordWrap(true);
    lblTipText_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblTipText_->setFont(HelpFonts::sansSerif(9));
    place(lblTipText_, 1140, 720, kFormWidth - 1140 - 300, 1740);

    struct Button {
        const char* name;
        const char* caption;
        void (frmTip::*action)();
    };
    const Button buttons[] = {
        {"cmdprecedente", "&Precedente", &frmTip::cmdprecedente_Click},
        {"cmdNextTip", "&Successivo", &frmTip::cmdNextTip_Click},
        {"cmdOK", "&Chiudi", &frmTip::cmdOK_Click},
    };
    constexpr int width = 1215;
    constexpr int gap = 120;
    int left = kFormWidth - 120 - 3 * width - 2 * gap;
    for (const Button& b : buttons) {
        auto* button = new QPushButton(QString::fromUtf8(b.caption), this);
        button->setObjectName(QString::fromLatin1(b.name));
        place(button, left, 2700, width, 375);
        connect(button, &QPushButton::clicked, this,
                [this, action = b.action] { (this->*action)(); });
        left += width + gap;
    }

    panel->lower();
}

bool frmTip::LoadTips(const QString& path) {
    const std::optional<QStringList> lines = TipsFile::read(path);
    if (!lines) return false;
    TipList.append(*lines);
    AdvanceTip();
    return true;
}

void frmTip::AdvanceTip() {
    ++TipIndex;
    if (TipIndex > TipList.size()) TipIndex = 1;
    DisplayCurrentTip();
}

void frmTip::DisplayCurrentTip() {
    if (TipList.isEmpty()) return;
    lblTipText_->setText(TipList.at(TipIndex - 1));
}

void frmTip::cmdNextTip_Click() {
    AdvanceTip();
}

// Going back never jumps from the first tip to the last.
void frmTip::cmdprecedente_Click() {
    if (TipIndex <= 1) return;
    --TipIndex;
    DisplayCurrentTip();
}

void frmTip::cmdOK_Click() {
    hide();
}

// Opened over the window that asked for it, where the user is looking.
void frmTip::showEvent(QShowEvent* event) {
    if (!event->spontaneous()) Placement::centreOverActiveWindow(this);
    QWidget::showEvent(event);
}
