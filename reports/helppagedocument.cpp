// SPDX-License-Identifier: GPL-3.0-or-later
#include "reports/helppagedocument.h"

#include "platform/modfenoverra.h"
#include "reports/documentreferences.h"
#include "reports/wordprocessor.h"

#include <QLabel>

namespace ModFenoverra {

QPointer<WordApplication> appword;
QPointer<WordDocument> docword;
QPointer<WordTable> tabellaword;
QPointer<QLabel> titologuida;
QPointer<QLabel> testoguida;

void stampaguida() {
    WordApplication* application = WordApplication::create();
    appword = application;
    application->setVisible(true);
    WordDocument* document = application->DocumentsAdd();
    docword = document;
    document->setDescription(QStringLiteral("guida-") +
                             (titologuida ? titologuida->text() : QString()));

    const QChar cr(13);
    const QString title = titologuida ? titologuida->text() : QString();
    const QString text = testoguida ? testoguida->text() : QString();

    WordSelection* selection = application->Selection();
    selection->setFontName(QStringLiteral("Century Gothic"));
    selection->setFontSize(20);
    selection->TypeText(nomeprogramma + cr);
    selection->setFontSize(16);
    selection->TypeText(descrizione + cr + cr + cr);
    selection->TypeText(QStringLiteral("Guida: ") + title + cr + cr);
    selection->setFontSize(12);
    selection->TypeText(text + cr);
    selection->selectWholeDocument();
    selection->setParagraphAlignment(WdAlign::Justify);
}

} // namespace ModFenoverra
