// SPDX-License-Identifier: GPL-3.0-or-later
#include "help/informa.h"
#include "platform/placement.h"

#include "core/date.h"
#include "help/helpfonts.h"
#include "platform/formcontrols.h"
#include "platform/modfenoverra.h"
#include "platform/twips.h"
#include "platform/windownames.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>

using FormControls::place;

namespace {

constexpr int kFormWidth = 6975;
constexpr int kFormHeight = 4020;

QLabel* label(QWidget* form, const char* name, const QString& text, const QFont& font, int top,
              int height) {
    auto* l = new QLabel(text, form);
    l->setObjectName(QString::fromLatin1(name));
    l->setTextFormat(Qt::PlainText);
    l->setFont(font);
    place(l, 360, top, kFormWidth - 720, height);
    return l;
}

void line(QWidget* form, const char* name, int top) {
    auto* l = new QFrame(form);
    l->setObjectName(QString::fromLatin1(name));
    l->setFrameShape(QFrame::HLine);
    l->setFrameShadow(QFrame::Sunken);
    place(l, 360, top, kFormWidth - 720, 30);
}

} // namespace

QString informa::versionLine(const QString& versione, const QString& datarilascio,
                             const QString& datacompilazione) {
    const std::optional<core::Date> release = core::parseDate(datarilascio.toStdString());
    const QString year = release ? QString::number(release->year) : datarilascio.section(u'/', -1);
    const QString signedYear = year.startsWith(u'-') ? year : u' ' + year;
    return QStringLiteral("edizione professionale - versione ") + versione + QStringLiteral("  ") +
           signedYear + QStringLiteral("- 20") + datacompilazione.right(2);
}

informa::informa(QWidget* parent) : QWidget(parent) {
    setObjectName(WindowName::informa);
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(HelpFonts::sansSerif(8));
    Twips::setFixedWindowSize(this, kFormWidth, kFormHeight);

    using namespace ModFenoverra;
    setWindowTitle(QStringLiteral("Informazioni su ") + nomeprogramma);
    QLabel* name = label(this, "Label1", nomeprogramma, HelpFonts::arialBlack(24), 300, 720);
    QPalette navy = name->palette();
    navy.setColor(QPalette::WindowText, QColor(0, 0, 128));
    name->setPalette(navy);
    label(this, "Label2", descrizione, HelpFonts::sansSerif(9.75), 1050, 330);
    line(this, "Line1", 1500);
    label(this, "Label5", QStringLiteral("per sistemi Windows a 32 bit "), font(), 1680, 270);
    label(this, "Label6", versionLine(versione, datarilascio, datacompilazione()), font(), 1980,
          270);
    line(this, "Line2", 2520);
    line(this, "Line3", 2580);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    place(ok, kFormWidth - 360 - 1215, 3240, 1215, 420);
    connect(ok, &QPushButton::clicked, this, &informa::cmdOK_Click);
}

void informa::cmdOK_Click() {
    hide();
}

// Opened over the window that asked for it, where the user is looking.
void informa::showEvent(QShowEvent* event) {
    if (!event->spontaneous()) Placement::centreOverActiveWindow(this);
    QWidget::showEvent(event);
}
