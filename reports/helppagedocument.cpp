// SPDX-License-Identifier: GPL-3.0-or-later
#include "reports/helppagedocument.h"

#include "platform/modfenoverra.h"
#include "reports/documentviewer.h"

namespace ModFenoverra {

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

void stampaguida(const QString& titologuida, const QString& testoguida) {
    DocumentViewer::show(helpPage(titologuida, testoguida), DocumentViewer::Format::Text);
}

} // namespace ModFenoverra
