// SPDX-License-Identifier: GPL-3.0-or-later
#include "reports/helppagedocument.h"

#include "platform/modfenoverra.h"
#include "reports/documentviewer.h"

#include <QLabel>

namespace ModFenoverra {

QPointer<QLabel> titologuida;
QPointer<QLabel> testoguida;

Report::Document helpPage(const QString& title, const QString& text) {
    Report::Paragraph look;
    look.align = Report::Align::Justify;
    const auto sized = [&](double size) {
        Report::Paragraph p = look;
        p.size = size;
        return p;
    };
    Report::Document page;
    page.description = QStringLiteral("guida-") + title;
    page.paragraphs << Report::paragraphs(nomeprogramma, sized(20))
                    << Report::paragraphs(descrizione, sized(16)) << sized(16) << sized(16)
                    << Report::paragraphs(QStringLiteral("Guida: ") + title, sized(16)) << sized(16)
                    << Report::paragraphs(text, sized(12)) << sized(12);
    return page;
}

void stampaguida() {
    DocumentViewer::show(helpPage(titologuida ? titologuida->text() : QString(),
                                  testoguida ? testoguida->text() : QString()),
                         DocumentViewer::Format::Text);
}

} // namespace ModFenoverra
