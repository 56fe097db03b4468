// SPDX-License-Identifier: GPL-3.0-or-later
#include "reports/reportdocument.h"

#include "reports/documentreferences.h"
#include "reports/wordprocessor.h"

namespace {

constexpr int kColourfulFormat = 9;

} // namespace

namespace ReportDocument {

WordDocument* start(const QString& description) {
    WordApplication* application = WordApplication::create();
    ModFenoverra::appword = application;
    application->setVisible(true);
    WordDocument* document = application->DocumentsAdd();
    document->setDescription(description);
    ModFenoverra::docword = document;
    return document;
}

void typeTitle(WordSelection& selection) {
    const QChar cr(13);
    selection.setFontName(QStringLiteral("Century Gothic"));
    selection.setFontSize(18);
    selection.TypeText(QStringLiteral("FENOVERRA") + cr);
    selection.setFontSize(16);
    selection.TypeText(QStringLiteral("(calcolo di interessi semplici e composti)") + cr + cr);
}

WordTable* addTable(WordDocument& document, int rows, int columns, double fontSize) {
    document.addParagraphAtEnd();
    WordTable* table = document.addTableAtEnd(rows, columns);
    ModFenoverra::tabellaword = table;
    table->setFontSize(fontSize);
    return table;
}

void finishTable(WordDocument& document, WordTable& table, int firstRight) {
    table.AutoFormat(kColourfulFormat);
    for (int column = firstRight; column <= table.Columns(); ++column) {
        document.Tables(1)->selectColumn(column);
        document.Selection()->setParagraphAlignment(WdAlign::Right);
    }
}

SingleEdit::SingleEdit(WordDocument& document) : cursor_(document.textDocument()) {
    cursor_.beginEditBlock();
}

SingleEdit::~SingleEdit() {
    cursor_.endEditBlock();
}

QString numberWithSign(int n) {
    return (n < 0 ? QString() : QStringLiteral(" ")) + QString::number(n);
}

} // namespace ReportDocument
