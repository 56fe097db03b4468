// SPDX-License-Identifier: GPL-3.0-or-later
#include "reports/wordprocessor.h"

#include "reports/documentviewer.h"
#include "reports/odfcopy.h"
#include "reports/wordtableformat.h"

#include <QCoreApplication>
#include <QFile>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextDocumentWriter>
#include <QTextTable>
#include <functional>
#include <memory>

namespace {

bool doubleOn = false;
QList<QPointer<WordDocument>> shownByDouble;
int applicationsCreated = 0;

// Qt drops the family on export unless the single-family property is set
// beside the list of families.
void setFamily(QTextCharFormat& format, const QString& family) {
    format.setFontFamilies(QStringList{family});
    format.setProperty(QTextFormat::FontFamily, family);
}

Qt::Alignment qtAlignment(int alignment) {
    switch (alignment) {
    case WdAlign::Center:
        return Qt::AlignHCenter;
    case WdAlign::Right:
        return Qt::AlignRight;
    case WdAlign::Justify:
        return Qt::AlignJustify;
    default:
        return Qt::AlignLeft;
    }
}

// Every paragraph touched by a range, table cells included.
void forEachBlock(const QTextCursor& range, const std::function<void(QTextCursor&)>& apply) {
    QTextDocument* document = range.document();
    QTextBlock block = document->findBlock(range.selectionStart());
    const QTextBlock last = document->findBlock(range.selectionEnd());
    while (block.isValid()) {
        QTextCursor cursor(block);
        apply(cursor);
        if (block == last) break;
        block = block.next();
    }
}

QTextCursor cellContent(const QTextTableCell& cell) {
    QTextCursor cursor = cell.firstCursorPosition();
    cursor.setPosition(cell.lastCursorPosition().position(), QTextCursor::KeepAnchor);
    return cursor;
}

} // namespace

// ---------------------------------------------------------------------------
// Selection

WordSelection::WordSelection(WordDocument* document) : document_(document) {}

void WordSelection::setFontName(const QString& family) {
    setFamily(typing_, family);
    QTextCharFormat change;
    setFamily(change, family);
    for (QTextCursor& range : selectedRanges()) {
        if (range.hasSelection()) range.mergeCharFormat(change);
    }
}

void WordSelection::setFontSize(double points) {
    typing_.setFontPointSize(points);
    QTextCharFormat change;
    change.setFontPointSize(points);
    for (QTextCursor& range : selectedRanges()) {
        if (range.hasSelection()) range.mergeCharFormat(change);
    }
}

QString WordSelection::fontName() const {
    return typing_.property(QTextFormat::FontFamily).toString();
}

double WordSelection::fontSize() const {
    return typing_.fontPointSize();
}

void WordSelection::TypeText(const QString& text) {
    if (cursor_.isNull()) cursor_ = QTextCursor(document_->textDocument());
    if (mode_ != Mode::InsertionPoint || cursor_.hasSelection()) {
        if (mode_ == Mode::InsertionPoint)
            cursor_.setPosition(cursor_.selectionEnd());
        else
            cursor_.movePosition(QTextCursor::End);
        mode_ = Mode::InsertionPoint;
    }

    QString run;
    const auto flush = [&] {
        if (run.isEmpty()) return;
        cursor_.insertText(run, typing_);
        run.clear();
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == u'\r' || c == u'\n') {
            if (c == u'\r' && i + 1 < text.size() && text.at(i + 1) == u'\n') ++i;
            flush();
            QTextBlockFormat next = cursor_.blockFormat();
            next.clearProperty(QTextFormat::PageBreakPolicy);
            cursor_.insertBlock(next, typing_);
        } else if (c == u'\f') {
            flush();
            QTextBlockFormat pageStart = cursor_.blockFormat();
            pageStart.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
            if (cursor_.block().length() <= 1)
                cursor_.setBlockFormat(pageStart);
            else
                cursor_.insertBlock(pageStart, typing_);
        } else {
            run.append(c);
        }
    }
    flush();
}

void WordSelection::selectWholeDocument() {
    mode_ = Mode::WholeDocument;
    table_.clear();
}

void WordSelection::selectTableColumn(QTextTable* table, int column) {
    mode_ = Mode::TableColumn;
    table_ = table;
    column_ = column;
}

QList<QTextCursor> WordSelection::selectedRanges() const {
    QTextDocument* text = document_->textDocument();
    switch (mode_) {
    case Mode::WholeDocument: {
        QTextCursor all(text);
        all.select(QTextCursor::Document);
        return {all};
    }
    case Mode::TableColumn: {
        QList<QTextCursor> cells;
        if (!table_ || column_ < 1 || column_ > table_->columns()) return cells;
        for (int row = 0; row < table_->rows(); ++row)
            cells.append(cellContent(table_->cellAt(row, column_ - 1)));
        return cells;
    }
    case Mode::InsertionPoint:
        break;
    }
    return {cursor_.isNull() ? QTextCursor(text) : cursor_};
}

void WordSelection::setParagraphAlignment(int alignment) {
    QTextBlockFormat change;
    change.setAlignment(qtAlignment(alignment));
    for (const QTextCursor& range : selectedRanges())
        forEachBlock(range, [&](QTextCursor& block) { block.mergeBlockFormat(change); });
}

// ---------------------------------------------------------------------------
// Table

WordTable::WordTable(WordDocument* document, QTextTable* table, const QTextCharFormat& cellFormat)
    : QObject(document), document_(document), table_(table), cellFormat_(cellFormat) {
    for (int row = 0; row < table->rows(); ++row) {
        for (int column = 0; column < table->columns(); ++column) {
            QTextCursor cursor = table->cellAt(row, column).firstCursorPosition();
            cursor.setBlockCharFormat(cellFormat_);
            cursor.setCharFormat(cellFormat_);
        }
    }
}

int WordTable::Rows() const {
    return table_ ? table_->rows() : 0;
}

int WordTable::Columns() const {
    return table_ ? table_->columns() : 0;
}

void WordTable::setFontSize(double points) {
    if (!table_) return;
    cellFormat_.setFontPointSize(points);
    QTextCharFormat change;
    change.setFontPointSize(points);
    for (int row = 0; row < table_->rows(); ++row) {
        for (int column = 0; column < table_->columns(); ++column) {
            QTextCursor content = cellContent(table_->cellAt(row, column));
            content.mergeBlockCharFormat(change);
            content.mergeCharFormat(change);
        }
    }
}

void WordTable::setCellText(int row, int column, const QString& text) {
    if (!table_ || row < 1 || column < 1 || row > table_->rows() || column > table_->columns())
        return;
    QTextCursor content = cellContent(table_->cellAt(row - 1, column - 1));
    content.insertText(text, cellFormat_);
    if (autoFormat_ != 0) applyCellStyle(row, column);
}

QString WordTable::cellText(int row, int column) const {
    if (!table_ || row < 1 || column < 1 || row > table_->rows() || column > table_->columns())
        return {};
    return cellContent(table_->cellAt(row - 1, column - 1)).selectedText();
}

void WordTable::AutoFormat(int format) {
    if (!table_) return;
    autoFormat_ = format;
    table_->setFormat(WordTableFormat::tableFormat(format, table_->format()));
    for (int row = 1; row <= table_->rows(); ++row) {
        for (int column = 1; column <= table_->columns(); ++column)
            applyCellStyle(row, column);
    }
}

void WordTable::applyCellStyle(int row, int column) {
    const WordTableFormat::CellStyle style = WordTableFormat::cellStyle(autoFormat_, row);
    if (!style.applies) return;
    QTextTableCell cell = table_->cellAt(row - 1, column - 1);
    // The cell's format is also the character format of its first paragraph
    // mark (font and size of an empty cell): merged into, never replaced.
    QTextTableCellFormat cellFormat = cell.format().toTableCellFormat();
    cellFormat.setBackground(style.background);
    cell.setFormat(cellFormat);
    // Cell backgrounds are lost on export: the paragraphs carry the shade too.
    QTextBlockFormat shade;
    shade.setBackground(style.background);
    QTextCursor content = cellContent(cell);
    forEachBlock(content, [&](QTextCursor& block) { block.mergeBlockFormat(shade); });
    QTextCharFormat text;
    text.setForeground(style.foreground);
    text.setFontWeight(style.bold ? QFont::Bold : QFont::Normal);
    content.mergeBlockCharFormat(text);
    content.mergeCharFormat(text);
}

void WordTable::selectColumn(int column) {
    if (!table_) return;
    document_->Selection()->selectTableColumn(table_, column);
}

// ---------------------------------------------------------------------------
// Document

WordDocument::WordDocument(WordApplication* application)
    : QObject(application), text_(new QTextDocument(this)), selection_(this) {
    // The program builds documents, nobody undoes in them: recording every
    // edit would double the time a long report takes.
    text_->setUndoRedoEnabled(false);
    QFont normal;
    normal.setFamilies(QStringList{QStringLiteral("Times New Roman")});
    normal.setPointSizeF(12);
    text_->setDefaultFont(normal);
    selection_.setFontName(QStringLiteral("Times New Roman"));
    selection_.setFontSize(12);
}

WordDocument::~WordDocument() = default;

WordApplication* WordDocument::Application() const {
    return static_cast<WordApplication*>(parent());
}

void WordDocument::addParagraphAtEnd() {
    QTextCursor end(text_);
    end.movePosition(QTextCursor::End);
    end.insertBlock(end.blockFormat(), end.blockCharFormat());
}

WordTable* WordDocument::addTableAtEnd(int rows, int columns) {
    QTextCursor end(text_);
    end.movePosition(QTextCursor::End);
    // The table takes the place of the closing empty paragraph, as it does in
    // a word processor; Qt would keep that paragraph above the table.
    const QTextBlock last = end.block();
    const QTextBlock previous = last.previous();
    if (last.length() <= 1 && previous.isValid() && !QTextCursor(previous).currentTable())
        end.deletePreviousChar();
    QTextTable* table =
        end.insertTable(qMax(1, rows), qMax(1, columns), WordTableFormat::tableFormat(0, {}));
    QTextCharFormat cellFormat = selection_.typing_;
    // The paragraph after the table keeps the font typed before it.
    QTextCursor after = table->lastCursorPosition();
    if (after.movePosition(QTextCursor::NextBlock)) after.setBlockCharFormat(cellFormat);
    auto* wordTable = new WordTable(this, table, cellFormat);
    tables_.append(wordTable);
    return wordTable;
}

WordTable* WordDocument::Tables(int index) const {
    return index >= 1 && index <= tables_.size() ? tables_.at(index - 1) : nullptr;
}

bool WordDocument::writeOdf(const QString& fileName) const {
    // Opened here, not by the writer: Qt's writer leaks when it cannot open
    // the file itself.
    QFile file(fileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
    const std::unique_ptr<QTextDocument> copy = OdfCopy::make(*text_);
    QTextDocumentWriter writer(&file, QByteArrayLiteral("odf"));
    return writer.write(copy.get()) && file.flush();
}

bool WordDocument::SaveAs(const QString& fileName) {
    if (!writeOdf(fileName)) return false;
    savedFileName_ = fileName;
    return true;
}

// ---------------------------------------------------------------------------
// Application

WordApplication::WordApplication(QObject* parent) : QObject(parent) {}

WordApplication* WordApplication::create() {
    ++applicationsCreated;
    return new WordApplication(QCoreApplication::instance());
}

void WordApplication::setVisible(bool visible) {
    visible_ = visible;
    if (visible_) scheduleShowing();
}

WordDocument* WordApplication::DocumentsAdd() {
    auto* document = new WordDocument(this);
    documents_.append(document);
    if (visible_) scheduleShowing();
    return document;
}

WordDocument* WordApplication::DocumentsItem(int index) const {
    return index >= 1 && index <= documents_.size() ? documents_.at(index - 1) : nullptr;
}

WordSelection* WordApplication::Selection() const {
    return documents_.isEmpty() ? nullptr : documents_.last()->Selection();
}

void WordApplication::scheduleShowing() {
    if (doubleOn) {
        showDocuments();
        return;
    }
    if (showingScheduled_) return;
    showingScheduled_ = true;
    QMetaObject::invokeMethod(this, &WordApplication::showDocuments, Qt::QueuedConnection);
}

void WordApplication::showDocuments() {
    showingScheduled_ = false;
    if (!visible_) return;
    for (WordDocument* document : std::as_const(documents_)) {
        if (document->shown_) continue;
        document->shown_ = true;
        if (doubleOn)
            shownByDouble.append(document);
        else
            DocumentViewer::show(*document);
    }
}

void WordApplication::useDouble(bool on) {
    doubleOn = on;
    shownByDouble.clear();
    applicationsCreated = 0;
}

bool WordApplication::doubleInUse() {
    return doubleOn;
}

QList<QPointer<WordDocument>> WordApplication::shownDocuments() {
    return shownByDouble;
}

int WordApplication::createdCount() {
    return applicationsCreated;
}

void WordApplication::clearShown() {
    shownByDouble.clear();
}
