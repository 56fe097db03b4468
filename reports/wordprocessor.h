// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The word processor every printed output is written into.
//
// An application object with its documents, each with an insertion point
// (the selection), shaped after the automation interface the print
// commands were designed for and built over QTextDocument / QTextCursor.
// Every command creates a new application; applications live until the
// program ends (like a word processor left open), so the program-wide
// references to them are QPointers.
//
// A visible application shows each of its documents once control returns to
// the event loop, i.e. after the command that built it: the document is
// written as OpenDocument Text into the user's documents folder and opened
// with the desktop's handler (reports/documentviewer.h).
//
// Tests switch to the double: documents of visible applications are
// recorded instead of written and opened.
//
// Building a document, in the order the print commands use:
//   WordApplication* app = WordApplication::create();
//   app->setVisible(true);
//   WordDocument* doc = app->DocumentsAdd();
//   WordSelection* sel = app->Selection();
//   sel->setFontName("Century Gothic"); sel->setFontSize(18);
//   sel->TypeText("FENOVERRA\r");
//   doc->addParagraphAtEnd();
//   WordTable* t = doc->addTableAtEnd(rows, 8);
//   t->setFontSize(10); t->setCellText(1, 2, "dal"); t->AutoFormat(9);
//   doc->Tables(1)->selectColumn(4); app->Selection()->setParagraphAlignment(WdAlign::Right);

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextTable>

class QTextDocument;
class WordApplication;
class WordDocument;

// Paragraph alignment values of the automation interface.
namespace WdAlign {
enum : int { Left = 0, Center = 1, Right = 2, Justify = 3 };
}

// The selection: the insertion point, the whole document or a table column.
class WordSelection {
public:
    explicit WordSelection(WordDocument* document);

    // Font of the text typed next (and of the selected text, if any).
    void setFontName(const QString& family);
    void setFontSize(double points);
    QString fontName() const;
    double fontSize() const;

    // Types at the insertion point (a selection collapses to its end first).
    // Character 13 ends a paragraph ("\r\n" counts once, a lone "\n" too),
    // character 12 starts a new page.
    void TypeText(const QString& text);

    // Selection.Document.Select: the whole document, tables included.
    void selectWholeDocument();
    // Selection.ParagraphFormat.Alignment, on every paragraph of the selection.
    void setParagraphAlignment(int alignment);

    WordDocument* Document() const { return document_; }

private:
    friend class WordTable;
    friend class WordDocument;
    enum class Mode { InsertionPoint, WholeDocument, TableColumn };
    QList<QTextCursor> selectedRanges() const;
    void selectTableColumn(QTextTable* table, int column);

    WordDocument* document_;
    QTextCursor cursor_;
    QTextCharFormat typing_;
    Mode mode_ = Mode::InsertionPoint;
    QPointer<QTextTable> table_;
    int column_ = 0;
};

class WordTable : public QObject {
    Q_OBJECT
public:
    WordTable(WordDocument* document, QTextTable* table, const QTextCharFormat& cellFormat);

    int Rows() const;
    int Columns() const;
    // Table.Range.Font.Size: the whole table, and text written into it later.
    void setFontSize(double points);
    // Table.Cell(row, column).Range.Text, 1-based; out-of-range cells are ignored.
    void setCellText(int row, int column, const QString& text);
    QString cellText(int row, int column) const;
    // Table.AutoFormat. Format 9 is our coloured format: shaded header row,
    // tinted body, thin grid. Any other format leaves a plain grid.
    void AutoFormat(int format);
    int autoFormat() const { return autoFormat_; }
    // Columns(k).Select: the column becomes the document's selection.
    void selectColumn(int column);

    QTextTable* textTable() const { return table_; }

private:
    void applyCellStyle(int row, int column);

    WordDocument* document_;
    QPointer<QTextTable> table_;
    QTextCharFormat cellFormat_;
    int autoFormat_ = 0;
};

class WordDocument : public QObject {
    Q_OBJECT
public:
    explicit WordDocument(WordApplication* application);
    ~WordDocument() override;

    WordApplication* Application() const;
    WordSelection* Selection() { return &selection_; }

    // Content.Paragraphs.Add: a new empty paragraph at the end.
    void addParagraphAtEnd();
    // Tables.Add at the range of "\endofdoc": a table after all the text.
    WordTable* addTableAtEnd(int rows, int columns);
    int TablesCount() const { return int(tables_.size()); }
    WordTable* Tables(int index) const; // 1-based, nullptr when out of range

    // SaveAs with a file name only: written as OpenDocument Text whatever the
    // name's extension, replacing an existing file. false when it fails.
    bool SaveAs(const QString& fileName);
    QString savedFileName() const { return savedFileName_; }

    // Writes the document as OpenDocument Text.
    bool writeOdf(const QString& fileName) const;

    // What the document holds, for its file name ("calcolo-Prestito").
    void setDescription(const QString& description) { description_ = description; }
    QString description() const { return description_; }

    QTextDocument* textDocument() const { return text_; }
    bool wasShown() const { return shown_; }

private:
    friend class WordApplication;
    QTextDocument* text_;
    WordSelection selection_;
    QList<WordTable*> tables_;
    QString savedFileName_;
    QString description_ = QStringLiteral("documento");
    bool shown_ = false;
};

class WordApplication : public QObject {
    Q_OBJECT
public:
    // A new instance, never one already running; it lives until the end of
    // the program.
    static WordApplication* create();

    void setVisible(bool visible);
    bool isVisible() const { return visible_; }

    WordDocument* DocumentsAdd();
    int DocumentsCount() const { return int(documents_.size()); }
    WordDocument* DocumentsItem(int index) const; // 1-based, nullptr when out of range
    // The insertion point of the active (most recently added) document.
    WordSelection* Selection() const;

    // --- test double ---
    static void useDouble(bool on);
    static bool doubleInUse();
    // Every document of a visible application, in the order they were shown.
    static QList<QPointer<WordDocument>> shownDocuments();
    static int createdCount(); // applications created since useDouble
    static void clearShown();

private:
    explicit WordApplication(QObject* parent);
    void scheduleShowing();
    void showDocuments();

    QList<WordDocument*> documents_;
    bool visible_ = false;
    bool showingScheduled_ = false;
};
