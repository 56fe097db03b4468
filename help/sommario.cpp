// SPDX-License-Identifier: GPL-3.0-or-later
#include "help/sommario.h"

#include "help/helpfonts.h"
#include "help/helppage.h"
#include "platform/formcontrols.h"
#include "platform/modfenoverra.h"
#include "platform/programcontext.h"
#include "platform/twips.h"
#include "platform/windownames.h"
#include "platform/windowregistry.h"
#include "reports/guidedocument.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <functional>

using FormControls::indexed;
using FormControls::place;

namespace {

constexpr int kFormWidth = 3975;
constexpr int kFormHeight = 6825;

struct Topic {
    const char* caption;
    const char* window;
    int top; // twips; the gaps before 5 and 7 make the three groups
};
const std::array<Topic, Sommario::kTopics + 1> kTopicTable = {{
    {"", "", 0},
    {"  Manuale d'uso rapido", WindowName::manuale, 960},
    {"  Funzionamento del programma", WindowName::guidafunzionamento, 1440},
    {"  Archivio dati", WindowName::guidaarchivio, 1920},
    {" Come stampare", WindowName::guidastampa, 2400},
    {" Finestra Dati", WindowName::guidadati, 3240},
    {" Finestra Tabella tassi", WindowName::guidatabella, 3720},
    {"  Suggerimento del giorno", WindowName::frmTip, 4560},
}};

constexpr int kPulsLeft = 150;
constexpr int kPulsWidth = 450;
constexpr int kLinkLeft = 660;
constexpr int kLinkWidth = kFormWidth - kLinkLeft - 120;
constexpr int kLinkHeight = 330;

void setBold(QLabel* label, bool bold) {
    if (label->font().bold() == bold) return;
    QFont font = label->font();
    font.setBold(bold);
    label->setFont(font);
}

} // namespace

Sommario::Sommario(ProgramContext& context, QWidget* parent) : QWidget(parent), context_(context) {
    setObjectName(WindowName::sommario);
    setWindowTitle(QStringLiteral("Fenoverra: guida in linea"));
    setAttribute(Qt::WA_DeleteOnClose);
    costruisci();

    resize_.setSourceForm(this);
    resize_.SizeFormToScreen(75);
    Twips::resizeWindow(this, kFormWidth, kFormHeight);
    resize_.ResizeControls();
}

void Sommario::costruisci() {
    setFont(HelpFonts::sansSerif(8));
    setMouseTracking(true);
    resize(Twips::toPixelsX(kFormWidth), Twips::toPixelsY(kFormHeight));

    auto* label1 = new QLabel(QStringLiteral("Argomenti della guida"), this);
    label1->setObjectName(QStringLiteral("Label1"));
    label1->setFont(HelpFonts::sansSerif(12, true));
    label1->setAlignment(Qt::AlignCenter);
    place(label1, 150, 240, kFormWidth - 300, 420);

    for (int i = 1; i <= kTopics; ++i) {
        const Topic& topic = kTopicTable[i];
        auto* puls = new QPushButton(QStringLiteral("--->"), this);
        puls->setObjectName(indexed("puls", i));
        place(puls, kPulsLeft, topic.top, kPulsWidth, kLinkHeight);
        connect(puls, &QPushButton::clicked, this, [this, i] { apriArgomento(i); });

        auto* link = new QLabel(QString::fromUtf8(topic.caption), this);
        link->setObjectName(indexed("lbl", i));
        link->setTextFormat(Qt::PlainText);
        link->setFrameShape(QFrame::Box);
        link->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        link->setFont(HelpFonts::sansSerif(8.25));
        link->setAutoFillBackground(true);
        QPalette colours = link->palette();
        colours.setColor(QPalette::Window, QColor(255, 255, 225));
        colours.setColor(QPalette::WindowText, QColor(0, 0, 128));
        link->setPalette(colours);
        link->setCursor(Qt::PointingHandCursor);
        link->setMouseTracking(true);
        link->installEventFilter(this);
        place(link, kLinkLeft, topic.top, kLinkWidth, kLinkHeight);
        lbl_[i] = link;
    }

    struct Button {
        const char* name;
        const char* caption;
        const char* tip;
        std::function<void()> action;
    };
    const Button buttons[] = {
        {"cmdstampa", "&Stampa", "cliccare per avere la copia su carta del sommario",
         [this] { scriviguida(); }},
        {"cmdchiudi", "&Chiudi", "cliccare per chiudere la finestra", [this] { hide(); }},
        {"Command1", "&USCITA", "cliccare per uscire da Fenoverra",
         [this] { context_.confermauscita(); }},
    };
    constexpr int width = 1140;
    constexpr int gap = 90;
    int left = (kFormWidth - 3 * width - 2 * gap) / 2;
    for (const Button& b : buttons) {
        auto* button = new QPushButton(QString::fromUtf8(b.caption), this);
        button->setObjectName(QString::fromUtf8(b.name));
        button->setToolTip(QString::fromUtf8(b.tip));
        place(button, left, kFormHeight - 375 - 300, width, 375);
        connect(button, &QPushButton::clicked, this, b.action);
        left += width + gap;
    }
}

QString Sommario::topicWindow(int index) {
    if (index < 1 || index > kTopics) index = 1;
    return QString::fromUtf8(kTopicTable[index].window);
}

void Sommario::apriArgomento(int index) {
    WindowRegistry::show(topicWindow(index));
}

void Sommario::azzeragrassetto() {
    for (int i = 1; i <= kTopics; ++i)
        setBold(lbl_[i], false);
}

void Sommario::scriviguida() {
    QList<GuideDocument::Page> pages;
    for (const HelpPageDesign& design : HelpPages::all()) {
        // A page not open is loaded for this, unseen, and stays loaded.
        auto* page = WindowRegistry::loadAs<HelpPage>(design.form);
        if (page) pages.append({page->title(), page->text()});
    }
    GuideDocument::write(pages);
}

void Sommario::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    resize_.ResizeControls();
}

void Sommario::mouseMoveEvent(QMouseEvent* event) {
    QWidget::mouseMoveEvent(event);
    azzeragrassetto();
}

bool Sommario::eventFilter(QObject* watched, QEvent* event) {
    for (int i = 1; i <= kTopics; ++i) {
        QLabel* link = lbl_[i];
        if (watched != link) continue;
        switch (event->type()) {
        case QEvent::MouseMove:
            azzeragrassetto();
            setBold(link, true);
            return true;
        case QEvent::MouseButtonPress:
            link->setFrameShape(QFrame::NoFrame);
            apriArgomento(i);
            return true;
        case QEvent::MouseButtonRelease:
            link->setFrameShape(QFrame::Box);
            return true;
        default:
            return QWidget::eventFilter(watched, event);
        }
    }
    return QWidget::eventFilter(watched, event);
}
