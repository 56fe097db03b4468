// The word processor over QTextDocument and the help-page document of stampaguida.

#include "platform/documentopener.h"
#include "platform/documentsfolder.h"
#include "platform/messagebox.h"
#include "platform/modfenoverra.h"
#include "reports/documentreferences.h"
#include "reports/helppagedocument.h"
#include "reports/wordprocessor.h"
#include "reports/wordtableformat.h"
#include "support/odfcontent.h"
#include "support/testfixture.h"

#include <QLabel>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextDocument>
#include <QtTest>

namespace {

// Each paragraph outside tables as "text|family|size", the family and size of its text or, when
// empty, of its mark.
QStringList paragraphsOf(const QTextDocument* document) {
    QStringList paragraphs;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        if (QTextCursor(block).currentTable()) continue;
        const QTextCharFormat f =
            block.text().isEmpty() ? block.charFormat() : block.begin().fragment().charFormat();
        paragraphs << block.text() + "|" + f.property(QTextFormat::FontFamily).toString() + "|" +
                          QString::number(f.fontPointSize());
    }
    return paragraphs;
}

WordDocument* newDocument() {
    WordApplication* app = WordApplication::create();
    app->setVisible(true);
    return app->DocumentsAdd();
}

} // namespace

class TestWordProcessor : public QObject {
    Q_OBJECT
    QLabel title{"Finestra Dati"};
    QLabel text{"Il testo della guida."};
    std::optional<TestFixture> fixture;

private slots:
    void init() {
        fixture.emplace();
        ModFenoverra::titologuida = &title;
        ModFenoverra::testoguida = &text;
    }
    void cleanup() { fixture.reset(); }

    void stampaguidaWritesTheHelpPage() {
        ModFenoverra::stampaguida();
        QCOMPARE(WordApplication::shownDocuments().size(), 1);
        WordDocument* doc = WordApplication::shownDocuments().first();
        QCOMPARE(ModFenoverra::docword.data(), doc);
        QCOMPARE(ModFenoverra::appword.data(), doc->Application());
        const QString font = "|Century Gothic|";
        QCOMPARE(paragraphsOf(doc->textDocument()),
                 (QStringList{"Fenoverra" + font + "20",
                              "calcolo di interessi semplici e composti" + font + "16", font + "16",
                              font + "16", "Guida: Finestra Dati" + font + "16", font + "16",
                              "Il testo della guida." + font + "12", font + "12"}));
        for (QTextBlock b = doc->textDocument()->begin(); b.isValid(); b = b.next()) {
            QCOMPARE(b.blockFormat().alignment(), Qt::AlignJustify);
            QVERIFY(!(b.blockFormat().pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore));
        }
        QVERIFY(doc->savedFileName().isEmpty()); // neither printed nor saved
    }

    void twoPrintsGiveTwoDocuments() {
        ModFenoverra::stampaguida();
        QPointer<WordDocument> firstDoc = ModFenoverra::docword;
        title.setText("Archivio dati");
        ModFenoverra::stampaguida();
        title.setText("Finestra Dati");
        // The earlier one stays open, and the new one is the only one of a new application.
        QVERIFY(firstDoc && firstDoc != ModFenoverra::docword);
        QCOMPARE(ModFenoverra::docword->Application()->DocumentsCount(), 1);
        QVERIFY(paragraphsOf(firstDoc->textDocument()).at(4).startsWith("Guida: Finestra Dati|"));
        QVERIFY(paragraphsOf(ModFenoverra::docword->textDocument())
                    .at(4)
                    .startsWith("Guida: Archivio dati|"));
    }

    void typingSplitsParagraphsAndPages_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("paragraphs");
        QTest::addColumn<QList<int>>("pageStarts");
        QTest::newRow("CR LF counts once, lone LF, trailing CR")
            << "a\r\nb\nc\r" << QStringList{"a", "b", "c", ""} << QList<int>{};
        QTest::newRow("CR then FF, FF inside a paragraph")
            << "a\r\fb\fc" << QStringList{"a", "b", "c"} << QList<int>{1, 2};
    }
    void typingSplitsParagraphsAndPages() {
        QFETCH(QString, typed);
        QFETCH(QStringList, paragraphs);
        QFETCH(QList<int>, pageStarts);
        WordDocument* doc = newDocument();
        doc->Selection()->TypeText(typed);
        QStringList texts;
        QList<int> starts;
        for (QTextBlock b = doc->textDocument()->begin(); b.isValid(); b = b.next()) {
            if (b.blockFormat().pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore)
                starts << texts.size();
            texts << b.text();
        }
        QCOMPARE(texts, paragraphs);
        QCOMPARE(starts, pageStarts);
    }

    // A shown document is written into the documents folder under a new name
    // each time; when nothing opens it, the user is told where it is.
    void shownDocumentsAreWrittenAndOpened() {
        WordApplication::useDouble(false);
        DocumentOpener::setNextResult(true);
        DocumentOpener::setNextResult(false);
        expectBox();
        for (int i = 0; i < 2; ++i) {
            WordDocument* doc = newDocument();
            doc->setDescription("calcolo-Prestito a/b");
            doc->Selection()->TypeText("FENOVERRA\r");
        }
        QCoreApplication::processEvents(); // documents are shown once the command ends
        const QStringList files = DocumentOpener::opened();
        QCOMPARE(files.size(), 2);
        QVERIFY(files[0] != files[1]);
        for (const QString& file : files) {
            QVERIFY2(QFileInfo(file).fileName().startsWith("Fenoverra-calcolo-Prestito-a_b-20"),
                     qPrintable(file));
            QCOMPARE(QFileInfo(file).absolutePath(), DocumentsFolder::path());
            QVERIFY(QFileInfo(file).size() > 0);
        }
        QCOMPARE(MessageBox::shown().size(), 1);
        QVERIFY(MessageBox::shown().first().prompt.contains(QDir::toNativeSeparators(files[1])));
    }

    // A document the command saved (the guide) opens where it was saved, not as a copy.
    void savedDocumentOpensItsOwnFile() {
        WordApplication::useDouble(false);
        QTemporaryDir dir;
        WordDocument* doc = newDocument();
        doc->Selection()->TypeText("guida\r");
        QVERIFY(doc->SaveAs(dir.filePath("Fenoverra-guida.doc")));
        QCoreApplication::processEvents();
        QCOMPARE(DocumentOpener::opened(), QStringList(dir.filePath("Fenoverra-guida.doc")));
    }

    // What a word processor reads: every paragraph in its font and size, the
    // blank lines included, page starts, justification and the table's shade.
    void writtenFileKeepsFontsShadesAndPages() {
        if (!OdfContent::hasReader()) QSKIP("python3 is needed to read the written file");
        ModFenoverra::stampaguida();
        WordDocument* doc = ModFenoverra::docword;
        doc->Selection()->TypeText("\fpagina due\r");
        doc->addTableAtEnd(2, 2)->AutoFormat(9);
        QTemporaryDir dir;
        QVERIFY(doc->SaveAs(dir.filePath("Fenoverra-guida.doc")));
        const QString xml = OdfContent::contentXml(dir.filePath("Fenoverra-guida.doc"));
        QCOMPARE(OdfContent::outsideTables(xml), paragraphsOf(doc->textDocument()));
        QVERIFY(xml.contains("break-before=\"page\"") && xml.contains("justify"));
        QVERIFY(
            xml.contains(WordTableFormat::cellStyle(9, 1).background.name(), Qt::CaseInsensitive));
    }
};

QTEST_MAIN(TestWordProcessor)
#include "tst_shell_wordprocessor.moc"
