// SPDX-License-Identifier: GPL-3.0-or-later
#include "reports/odfcopy.h"

#include <QFontMetricsF>
#include <QHash>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>
#include <algorithm>
#include <cmath>

namespace {

constexpr QChar kZeroWidthSpace(0x200B);
constexpr QChar kNoBreakSpace(0x00A0);

QList<QTextTable*> tablesOf(const QTextDocument& document) {
    QList<QTextTable*> tables;
    QList<QTextFrame*> frames{document.rootFrame()};
    while (!frames.isEmpty()) {
        QTextFrame* frame = frames.takeFirst();
        if (auto* table = qobject_cast<QTextTable*>(frame)) tables.append(table);
        frames.append(frame->childFrames());
    }
    return tables;
}

// The font and colour of a format alone: the mark of a cell's first
// paragraph carries the cell's own format, which text must not take.
QTextCharFormat fontOnly(const QTextCharFormat& format) {
    QTextCharFormat font;
    const auto properties = format.properties();
    for (auto it = properties.cbegin(); it != properties.cend(); ++it) {
        const int id = it.key();
        if ((id >= QTextFormat::FirstFontProperty && id <= QTextFormat::LastFontProperty) ||
            id == QTextFormat::ForegroundBrush)
            font.setProperty(id, it.value());
    }
    return font;
}

// The format of the text at the start or the end of a paragraph (of its mark when empty).
QTextCharFormat formatAt(const QTextBlock& block, bool start) {
    if (block.length() <= 1) return fontOnly(block.charFormat());
    QTextBlock::iterator fragment = block.begin();
    if (!start)
        for (auto next = fragment; !next.atEnd(); ++next)
            fragment = next;
    return fontOnly(fragment.fragment().charFormat());
}

// Metrics of each character format met, by its index in the document.
using Metrics = QHash<int, QFontMetricsF>;

double widthOf(const QTextBlock& block, Metrics& metrics) {
    double width = 0;
    for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
        const QTextFragment piece = fragment.fragment();
        auto known = metrics.constFind(piece.charFormatIndex());
        if (known == metrics.cend())
            known =
                metrics.insert(piece.charFormatIndex(), QFontMetricsF(piece.charFormat().font()));
        width += known->horizontalAdvance(piece.text());
    }
    return width;
}

void padCells(QTextTable& table) {
    for (int row = 0; row < table.rows(); ++row) {
        for (int column = 0; column < table.columns(); ++column) {
            const QTextTableCell cell = table.cellAt(row, column);
            QTextCursor first = cell.firstCursorPosition();
            first.insertText(QString(kNoBreakSpace), formatAt(first.block(), true));
            QTextCursor last = cell.lastCursorPosition();
            last.insertText(QString(kNoBreakSpace), formatAt(last.block(), false));
        }
    }
    QTextTableFormat format = table.format();
    format.setCellPadding(0);
    table.setFormat(format);
}

void fitColumns(QTextTable& table) {
    Metrics metrics;
    QList<QTextLength> widths;
    for (int column = 0; column < table.columns(); ++column) {
        double widest = 1;
        for (int row = 0; row < table.rows(); ++row) {
            const QTextTableCell cell = table.cellAt(row, column);
            const QTextBlock end = cell.lastCursorPosition().block().next();
            for (QTextBlock b = cell.firstCursorPosition().block(); b.isValid() && b != end;
                 b = b.next())
                widest = std::max(widest, widthOf(b, metrics));
        }
        widths.append(QTextLength(QTextLength::FixedLength, std::ceil(widest)));
    }
    QTextTableFormat format = table.format();
    format.setColumnWidthConstraints(widths);
    table.setFormat(format);
}

// Empty paragraphs and paragraphs that begin with a blank (run after the
// cells are padded, which then begin with their no-break space).
void keepBlankAndFormat(QTextDocument& copy) {
    for (QTextBlock block = copy.begin(); block.isValid(); block = block.next()) {
        if (block.length() <= 1 || block.text().startsWith(u' '))
            QTextCursor(block).insertText(QString(kZeroWidthSpace), formatAt(block, true));
    }
}

} // namespace

namespace OdfCopy {

std::unique_ptr<QTextDocument> make(const QTextDocument& document) {
    std::unique_ptr<QTextDocument> copy(document.clone());
    copy->setUndoRedoEnabled(false);
    // One edit: cursor positions are not worked out after every insertion.
    QTextCursor edit(copy.get());
    edit.beginEditBlock();
    for (QTextTable* table : tablesOf(*copy)) {
        padCells(*table);
        fitColumns(*table);
    }
    keepBlankAndFormat(*copy);
    edit.endEditBlock();
    return copy;
}

} // namespace OdfCopy
