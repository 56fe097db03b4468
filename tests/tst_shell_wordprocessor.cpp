// The word processor over QTextDocument and the help-page document of stampaguida.

#include "reports/wordprocessor.h"
#include "reports/wordtableformat.h"
#include "shell/modfenoverra.h"
#include "support/shelldoubles.h"

#include <QLabel>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextTable>
#include <QtTest>

namespace {

struct Paragraph {
    QString text;
    QString family; // of its text, or of the paragraph mark when empty
    double size;
    Qt::Alignment alignment;
    bool pageBreakBefore;
};

Paragraph paragraphOf(const QTextBlock& block) {
    QTextCharFormat format = block.charFormat();
    if (!block.text().isEmpty()) format = block.begin().fragment().charFormat();
    return {block.text(), format.property(QTextFormat::FontFamily).toString(), format.fontPointSize(),
            block.blockFormat().alignment(),
            bool(block.blockFormat().pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore)};
}

QList<Paragraph> paragraphsOf(const QTextDocument* document) {
    QList<Paragraph> paragraphs;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next())
        paragraphs << paragraphOf(block);
    return paragraphs;
}

WordDocument* newDocument() {
    WordApplication* app = WordApplication::create();
    app->setVisible(true);
    return app->DocumentsAdd();
}

QStringList textsOf(const QTextDocument* document) {
    QStringList texts;
    for (const Paragraph& p : paragraphsOf(document)) texts << p.text;
    return texts;
}

} // namespace

class TestWordProcessor : public QObject {
    Q_OBJECT
    std::unique_ptr<ShellDoubles> doubles;
    QLabel title{"Finestra Dati"};
    QLabel text{"Il testo della guida, che spiega la finestra."};

private slots:
    void initTestCase() {
        doubles = std::make_unique<ShellDoubles>();
        ModFenoverra::impostatesti();
    }
    void cleanupTestCase() { doubles.reset(); }
    void init() {
        ShellDoubles::reset();
        ModFenoverra::titologuida = &title;
        ModFenoverra::testoguida = &text;
    }

    void stampaguidaWritesTheHelpPage_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("expectedText");
        QTest::addColumn<double>("size");
        QTest::newRow("program name") << 0 << "Fenoverra" << 20.0;
        QTest::newRow("description") << 1 << "calcolo di interessi semplici e composti" << 16.0;
        QTest::newRow("empty 1") << 2 << "" << 16.0;
        QTest::newRow("empty 2") << 3 << "" << 16.0;
        QTest::newRow("title") << 4 << "Guida: Finestra Dati" << 16.0;
        QTest::newRow("empty after title") << 5 << "" << 16.0;
        QTest::newRow("text") << 6 << "Il testo della guida, che spiega la finestra." << 12.0;
        QTest::newRow("closing paragraph") << 7 << "" << 12.0;
    }
    void stampaguidaWritesTheHelpPage() {
        QFETCH(int, index);
        QFETCH(QString, expectedText);
        QFETCH(double, size);
        ModFenoverra::stampaguida();
        QCOMPARE(WordApplication::shownDocuments().size(), 1);
        WordDocument* doc = WordApplication::shownDocuments().first();
        QCOMPARE(ModFenoverra::docword.data(), doc);
        QCOMPARE(ModFenoverra::appword.data(), doc->Application());
        QVERIFY(doc->Application()->isVisible());
        const QList<Paragraph> paragraphs = paragraphsOf(doc->textDocument());
        QCOMPARE(paragraphs.size(), 8);
        const Paragraph p = paragraphs.at(index);
        QCOMPARE(p.text, expectedText);
        QCOMPARE(p.family, QString("Century Gothic"));
        QCOMPARE(p.size, size);
        QCOMPARE(p.alignment, Qt::AlignJustify);
        QVERIFY(!p.pageBreakBefore);
        QVERIFY(doc->savedFileName().isEmpty()); // neither printed nor saved
    }

    void twoPrintsGiveTwoDocuments() {
        ModFenoverra::stampaguida();
        QPointer<WordApplication> firstApp = ModFenoverra::appword;
        QPointer<WordDocument> firstDoc = ModFenoverra::docword;
        title.setText("Archivio dati");
        ModFenoverra::stampaguida();
        title.setText("Finestra Dati");

        QCOMPARE(WordApplication::createdCount(), 2);
        QCOMPARE(WordApplication::shownDocuments().size(), 2);
        QVERIFY(firstApp && firstDoc); // the earlier one stays open
        QVERIFY(ModFenoverra::appword != firstApp);
        QCOMPARE(ModFenoverra::docword.data(), WordApplication::shownDocuments().last().data());
        QCOMPARE(firstApp->DocumentsCount(), 1);
        QCOMPARE(ModFenoverra::appword->DocumentsCount(), 1);
        QCOMPARE(textsOf(firstDoc->textDocument()).at(4), QString("Guida: Finestra Dati"));
        QCOMPARE(textsOf(ModFenoverra::docword->textDocument()).at(4), QString("Guida: Archivio dati"));
    }

    void typingSplitsParagraphsAndPages_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("paragraphs");
        QTest::addColumn<QList<int>>("pageStarts");
        QTest::newRow("no break") << "abc" << QStringList{"abc"} << QList<int>{};
        QTest::newRow("CR") << "a\rb" << QStringList{"a", "b"} << QList<int>{};
        QTest::newRow("CR LF counts once") << "a\r\nb" << QStringList{"a", "b"} << QList<int>{};
        QTest::newRow("lone LF") << "a\nb" << QStringList{"a", "b"} << QList<int>{};
        QTest::newRow("trailing CRs") << "a\r\r" << QStringList{"a", "", ""} << QList<int>{};
        QTest::newRow("CR then FF: the next paragraph starts a page")
            << "a\r\fb\r" << QStringList{"a", "b", ""} << QList<int>{1};
        QTest::newRow("FF inside a paragraph") << "ab\fcd" << QStringList{"ab", "cd"} << QList<int>{1};
        QTest::newRow("guide: five pages") << "1\r\f2\r\f3\r\f4\r\f5\r\f6\r"
                                           << QStringList{"1", "2", "3", "4", "5", "6", ""}
                                           << QList<int>{1, 2, 3, 4, 5};
    }
    void typingSplitsParagraphsAndPages() {
        QFETCH(QString, typed);
        QFETCH(QStringList, paragraphs);
        QFETCH(QList<int>, pageStarts);
        WordDocument* doc = newDocument();
        doc->Selection()->TypeText(typed);
        const QList<Paragraph> got = paragraphsOf(doc->textDocument());
        QCOMPARE(textsOf(doc->textDocument()), paragraphs);
        QList<int> starts;
        for (int i = 0; i < got.size(); ++i)
            if (got[i].pageBreakBefore) starts << i;
        QCOMPARE(starts, pageStarts);
    }

    void fontAppliesToTheTextTypedNext() {
        WordDocument* doc = newDocument();
        WordSelection* sel = doc->Application()->Selection();
        sel->TypeText("prima ");
        sel->setFontName("Century Gothic");
        sel->setFontSize(18);
        sel->TypeText("dopo");
        const QTextBlock block = doc->textDocument()->begin();
        auto it = block.begin();
        QCOMPARE(it.fragment().text(), QString("prima "));
        QCOMPARE(it.fragment().charFormat().fontPointSize(), 12.0);
        ++it;
        QCOMPARE(it.fragment().text(), QString("dopo"));
        QCOMPARE(it.fragment().charFormat().fontPointSize(), 18.0);
        QCOMPARE(it.fragment().charFormat().property(QTextFormat::FontFamily).toString(), QString("Century Gothic"));
        QCOMPARE(it.fragment().charFormat().fontFamilies().toStringList(), QStringList{"Century Gothic"});
    }

    void tableComesAfterAllTheText() {
        WordDocument* doc = newDocument();
        WordSelection* sel = doc->Selection();
        sel->setFontName("Century Gothic");
        sel->setFontSize(12);
        sel->TypeText("FENOVERRA\rCapitale iniziale: 1.000,00\r");
        doc->addParagraphAtEnd();
        WordTable* table = doc->addTableAtEnd(4, 8);
        QCOMPARE(doc->TablesCount(), 1);
        QCOMPARE(doc->Tables(1), table);
        QCOMPARE(doc->Tables(2), nullptr);
        QCOMPARE(table->Rows(), 4);
        QCOMPARE(table->Columns(), 8);
        const QTextDocument* text = doc->textDocument();
        const int lastTyped = text->find("Capitale").position();
        QVERIFY(table->textTable()->firstPosition() > lastTyped);
        // The typed text is untouched by the table, with one empty line before it.
        QStringList before;
        for (QTextBlock b = text->begin(); b.isValid() && !QTextCursor(b).currentTable(); b = b.next())
            before << b.text();
        QCOMPARE(before, (QStringList{"FENOVERRA", "Capitale iniziale: 1.000,00", ""}));
        // A second table also comes last.
        doc->addParagraphAtEnd();
        WordTable* second = doc->addTableAtEnd(1, 1);
        QVERIFY(second->textTable()->firstPosition() > table->textTable()->lastPosition());
        QCOMPARE(table->Rows(), 4);
    }

    void cellTextsAndTableFont() {
        WordDocument* doc = newDocument();
        doc->Selection()->setFontName("Century Gothic");
        WordTable* table = doc->addTableAtEnd(3, 4);
        table->setFontSize(10);
        table->setCellText(1, 2, "dal");
        table->setCellText(3, 1, " 1");
        table->setCellText(3, 4, "2,50");
        table->setCellText(3, 4, "3,50"); // replaces
        table->setCellText(0, 1, "fuori");
        table->setCellText(4, 1, "fuori");
        table->setCellText(1, 5, "fuori");
        QCOMPARE(table->cellText(1, 2), QString("dal"));
        QCOMPARE(table->cellText(3, 1), QString(" 1"));
        QCOMPARE(table->cellText(3, 4), QString("3,50"));
        QCOMPARE(table->cellText(1, 1), QString());
        QVERIFY(!doc->textDocument()->toPlainText().contains("fuori"));
        const QTextCharFormat cell =
            table->textTable()->cellAt(2, 3).firstCursorPosition().charFormat();
        QCOMPARE(cell.fontPointSize(), 10.0);
        QCOMPARE(cell.property(QTextFormat::FontFamily).toString(), QString("Century Gothic"));
    }

    void colourfulFormatShadesTheHeaderRow_data() {
        QTest::addColumn<bool>("textBeforeFormat");
        QTest::newRow("texts, then format") << true;
        QTest::newRow("format, then texts") << false;
    }
    void colourfulFormatShadesTheHeaderRow() {
        QFETCH(bool, textBeforeFormat);
        WordDocument* doc = newDocument();
        WordTable* table = doc->addTableAtEnd(3, 2);
        if (!textBeforeFormat) table->AutoFormat(9);
        table->setCellText(1, 1, "dal");
        table->setCellText(2, 1, "01/01/24");
        if (textBeforeFormat) table->AutoFormat(9);
        const WordTableFormat::CellStyle header = WordTableFormat::cellStyle(9, 1);
        const WordTableFormat::CellStyle body = WordTableFormat::cellStyle(9, 2);
        QVERIFY(header.background != body.background);
        const QTextCursor headerCell = table->textTable()->cellAt(0, 0).firstCursorPosition();
        const QTextCursor bodyCell = table->textTable()->cellAt(1, 0).firstCursorPosition();
        // The paragraphs carry the shade, since cell backgrounds are not exported.
        QCOMPARE(headerCell.blockFormat().background().color(), header.background);
        QCOMPARE(bodyCell.blockFormat().background().color(), body.background);
        QCOMPARE(table->textTable()->cellAt(0, 0).format().background().color(), header.background);
        QTextCursor inHeader = headerCell;
        inHeader.movePosition(QTextCursor::EndOfBlock);
        QCOMPARE(inHeader.charFormat().foreground().color(), header.foreground);
        QVERIFY(inHeader.charFormat().fontWeight() == QFont::Bold);
    }

    void columnAlignmentTouchesOnlyThatColumn() {
        WordDocument* doc = newDocument();
        WordTable* table = doc->addTableAtEnd(3, 8);
        for (int k = 4; k <= 8; ++k) {
            doc->Tables(1)->selectColumn(k);
            doc->Application()->Selection()->setParagraphAlignment(WdAlign::Right);
        }
        for (int row = 0; row < 3; ++row) {
            for (int column = 0; column < 8; ++column) {
                const Qt::Alignment a = table->textTable()->cellAt(row, column).firstCursorPosition().blockFormat().alignment();
                QCOMPARE(bool(a & Qt::AlignRight), column >= 3);
            }
        }
    }

    void wholeDocumentJustifiesTablesToo() {
        WordDocument* doc = newDocument();
        doc->Selection()->TypeText("testo\r");
        WordTable* table = doc->addTableAtEnd(2, 2);
        doc->Selection()->selectWholeDocument();
        doc->Selection()->setParagraphAlignment(WdAlign::Justify);
        for (const Paragraph& p : paragraphsOf(doc->textDocument())) QCOMPARE(p.alignment, Qt::AlignJustify);
        QCOMPARE(table->textTable()->cellAt(1, 1).firstCursorPosition().blockFormat().alignment(), Qt::AlignJustify);
        // Typing after a selection goes to the end, never over the selection.
        doc->Selection()->TypeText("fine");
        QVERIFY(doc->textDocument()->toPlainText().startsWith("testo"));
        QVERIFY(doc->textDocument()->toPlainText().endsWith("fine"));
    }

    void documentsCollection() {
        WordApplication* app = WordApplication::create();
        QCOMPARE(app->DocumentsCount(), 0);
        QCOMPARE(app->Selection(), nullptr);
        WordDocument* first = app->DocumentsAdd();
        WordDocument* second = app->DocumentsAdd();
        QCOMPARE(app->DocumentsCount(), 2);
        QCOMPARE(app->DocumentsItem(1), first);
        QCOMPARE(app->DocumentsItem(2), second);
        QCOMPARE(app->DocumentsItem(3), nullptr);
        QCOMPARE(app->Selection(), second->Selection());
        // Not visible: nothing is shown.
        QVERIFY(WordApplication::shownDocuments().isEmpty());
    }

    void exportKeepsFontsShadesAndPages() {
        const QString python = QStandardPaths::findExecutable("python3");
        if (python.isEmpty()) QSKIP("python3 is needed to read the exported file");
        WordDocument* doc = newDocument();
        WordSelection* sel = doc->Selection();
        sel->setFontName("Century Gothic");
        sel->setFontSize(20);
        sel->TypeText("Fenoverra\r\fpagina due\r");
        WordTable* table = doc->addTableAtEnd(2, 2);
        table->setCellText(1, 1, "dal");
        table->AutoFormat(9);
        sel->selectWholeDocument();
        sel->setParagraphAlignment(WdAlign::Justify);
        QTemporaryDir dir;
        const QString file = dir.filePath("Fenoverra-guida.doc");
        QVERIFY(doc->SaveAs(file));
        QCOMPARE(doc->savedFileName(), file);

        QProcess unzip;
        unzip.start(python, {"-c", "import sys, zipfile; sys.stdout.write(zipfile.ZipFile(sys.argv[1]).read('content.xml').decode())",
                             file});
        QVERIFY(unzip.waitForFinished(30000));
        const QString xml = QString::fromUtf8(unzip.readAllStandardOutput());
        QVERIFY2(xml.contains("Century Gothic"), "font family lost on export");
        QVERIFY(xml.contains("break-before=\"page\""));
        QVERIFY(xml.contains("justify"));
        QVERIFY(xml.contains(WordTableFormat::cellStyle(9, 1).background.name(), Qt::CaseInsensitive));
    }
};

QTEST_MAIN(TestWordProcessor)
#include "tst_shell_wordprocessor.moc"
