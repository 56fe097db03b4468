// SPDX-License-Identifier: GPL-3.0-or-later
#include "help/helppage.h"
#include "platform/placement.h"

#include "help/helpfonts.h"
#include "help/pagetexts.h"
#include "platform/formcontrols.h"
#include "platform/twips.h"
#include "platform/windownames.h"
#include "platform/windowregistry.h"
#include "reports/helppagedocument.h"

#include <QLabel>
#include <QPushButton>
#include <QShowEvent>

namespace HelpPages {

const QList<HelpPageDesign>& all() {
    static const QList<HelpPageDesign> pages = {
        {WindowName::manuale, "MANUALE D'USO RAPIDO", 9600, std::nullopt, "cmdchiudi", "cmdstampa",
         "cmdsommario", true, 9, &PageTexts::manuale},
        {WindowName::guidafunzionamento, "FUNZIONAMENTO DEL PROGRAMMA", 5640, 5467, "cmdChiudi",
         "cmdStampa", "CmdSommario", false, 8, &PageTexts::guidafunzionamento},
        {WindowName::guidaarchivio, "ARCHIVIO DATI", 5640, 5467, "cmdChiudi", "cmdStampa",
         "cmdSommario", false, 8, &PageTexts::guidaarchivio},
        {WindowName::guidastampa, "COME STAMPARE", 5640, 5467, "cmdChiudi", "cmdStampa",
         "cmdSommario", false, 8, &PageTexts::guidastampa},
        {WindowName::guidadati, "Finestra DATI", 5640, 5467, "cmdChiudi", "cmdStampa",
         "cmdSommario", false, 8, &PageTexts::guidadati},
        {WindowName::guidatabella, "Finestra TABELLA TASSI", 5640, 5467, "cmdChiudi", "cmdStampa",
         "cmdSommario", false, 8, &PageTexts::guidatabella},
    };
    return pages;
}

} // namespace HelpPages

using FormControls::place;

namespace {

// Designed places, in twips.
constexpr int kMargin = 240;
constexpr int kTitleTop = 150;
constexpr int kTitleHeight = 420;
constexpr int kTextTop = 690;
constexpr int kButtonWidth = 1440;
constexpr int kButtonHeight = 375;
constexpr int kButtonGap = 180;
constexpr int kButtonTop = HelpPages::kHeight - kButtonHeight - 180;
constexpr int kTextHeight = kButtonTop - 150 - kTextTop;

} // namespace

HelpPage::HelpPage(const HelpPageDesign& design, QWidget* parent) : QWidget(parent) {
    setObjectName(design.form);
    setWindowTitle(QStringLiteral("Guida in linea"));
    setAttribute(Qt::WA_DeleteOnClose);
    costruisci(design);

    resize_.setSourceForm(this);
    resize_.SizeFormToScreen(75);
    Twips::resizeWindow(this, design.width, HelpPages::kHeight);
    resize_.ResizeControls();
    if (design.left) Twips::setWindowLeft(this, *design.left);
}

void HelpPage::costruisci(const HelpPageDesign& design) {
    setFont(HelpFonts::sansSerif(8));
    resize(Twips::toPixelsX(design.width), Twips::toPixelsY(HelpPages::kHeight));
    const int inner = design.width - 2 * kMargin;

    label1_ = new QLabel(design.title, this);
    label1_->setObjectName(QStringLiteral("Label1"));
    label1_->setTextFormat(Qt::PlainText);
    label1_->setFont(HelpFonts::sansSerif(12, true));
    label1_->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    QPalette titleColours = label1_->palette();
    titleColours.setColor(QPalette::WindowText, QColor(0, 0, 128));
    label1_->setPalette(titleColours);
    place(label1_, kMargin, kTitleTop, inner, kTitleHeight);

    label2_ = new QLabel(design.text(), this);
    label2_->setObjectName(QStringLiteral("Label2"));
    label2_->setTextFormat(Qt::PlainText);
    label2_->setWordWrap(true);
    label2_->setFont(HelpFonts::sansSerif(design.textPoints));
    label2_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label2_->setFrameShape(QFrame::Panel);
    label2_->setFrameShadow(QFrame::Sunken);
    label2_->setMargin(Twips::toPixelsX(90));
    label2_->setAutoFillBackground(true);
    QPalette textColours = label2_->palette();
    textColours.setColor(QPalette::Window, QColor(255, 255, 255));
    textColours.setColor(QPalette::WindowText, QColor(0, 0, 0));
    label2_->setPalette(textColours);
    place(label2_, kMargin, kTextTop, inner, kTextHeight);

    struct Button {
        QString name;
        QString caption;
        QString tip;
        void (HelpPage::*action)();
    };
    const Button buttons[] = {
        {design.contentsName, QStringLiteral("&Sommario"),
         QStringLiteral("cliccare per tornare al sommario"), &HelpPage::sommario},
        {design.printName, QStringLiteral("S&tampa"),
         QStringLiteral("cliccare per avere la copia su carta del MANUALE D'USO RAPIDO"),
         &HelpPage::stampa},
        {design.closeName, QStringLiteral("&Chiudi"),
         QStringLiteral("cliccare per chiudere la finestra"), &HelpPage::chiudi},
    };
    const int count = int(std::size(buttons));
    const int row = count * kButtonWidth + (count - 1) * kButtonGap;
    int left = (design.width - row) / 2;
    for (const Button& b : buttons) {
        auto* button = new QPushButton(b.caption, this);
        button->setObjectName(b.name);
        if (design.toolTips) button->setToolTip(b.tip);
        place(button, left, kButtonTop, kButtonWidth, kButtonHeight);
        connect(button, &QPushButton::clicked, this,
                [this, action = b.action] { (this->*action)(); });
        left += kButtonWidth + kButtonGap;
    }
}

QString HelpPage::title() const {
    return label1_->text();
}

QString HelpPage::text() const {
    return label2_->text();
}

void HelpPage::chiudi() {
    WindowRegistry::unload(this);
}

void HelpPage::sommario() {
    WindowRegistry::show(WindowName::sommario);
}

void HelpPage::stampa() {
    ModFenoverra::stampaguida(label1_->text(), label2_->text());
}

void HelpPage::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    resize_.ResizeControls();
}

// Opened over the window that asked for it, where the user is looking.
void HelpPage::showEvent(QShowEvent* event) {
    if (!event->spontaneous()) Placement::centreOverActiveWindow(this);
    QWidget::showEvent(event);
}
