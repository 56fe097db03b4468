// The word processor over QTextDocument and the help-page document of stampaguida.

#include "platform/documentopener.h"
#include "platform/documentsfolder.h"
#include "platform/modfenoverra.h"
#include "reports/documentreferences.h"
#include "reports/helppagedocument.h"
#include "reports/wordprocessor.h"
#include "reports/wordtableformat.h"
#include "support/odfcontent.h"
#include "support/testfixture.h"
#include "support/testsupport.h"

#include <QLabel>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextDocument>
#include <QtTest>

namespace {

WordDocument* newDocument() {
    WordApplication* app = WordApplication::create();
    app->setVisible(true);
    return app->DocumentsAdd();
}

} // namespace

class TestWordProcessor : public QObject {
    Q_OBJECT
    QLabel pageTitle{"Finestra Dati"};
    QLabel pageText{"Il testo della guida."};
    std::optional<TestFixture> fixture;

private slots:
    void init() {
        fixture.emplace();
        ModFenoverra::titologuida = &pageTitle;
        ModFenoverra::testoguida = &pageText;
    }
    void cleanup() { fixture.reset(); }

    // A help page as stampaguida types it, and as a word processor reads it
    // from the written file: every paragraph in its font and size, the blank
    // lines included, justified; page starts and a table's shade kept.
    void helpPageAsTypedAndWritten() {
        ModFenoverra::stampaguida();
        QCOMPARE(WordApplication::shownDocuments().size(), 1);
        WordDocument* doc = ModFenoverra::docword;
        QCOMPARE(WordApplication::shownDocuments().first().data(), doc);
        QCOMPARE(ModFenoverra::appword.data(), doc->Application());
        QVERIFY(doc->savedFileName().isEmpty()); // neither printed nor saved
        QCOMPARE(paragraphsOf(doc),
                 (QStringList{"Fenoverra|20", "calcolo di interessi semplici e composti|16", "|16",
                              "|16", "Guida: Finestra Dati|16", "|16", "Il testo della guida.|12",
                              "|12"}));
        for (QTextBlock b = doc->textDocument()->begin(); b.isValid(); b = b.next())
            QCOMPARE(b.blockFormat().alignment(), Qt::AlignJustify);

        doc->Selection()->TypeText("\fpagina due\r");
        doc->addTableAtEnd(2, 2)->AutoFormat(9);
        QTemporaryDir dir;
        QVERIFY(doc->SaveAs(dir.filePath("Fenoverra-guida.doc")));
        const QString file = dir.filePath("Fenoverra-guida.doc");
        QCOMPARE(OdfContent::outsideTables(file), paragraphsOf(doc));
        for (const OdfContent::Paragraph& p : OdfContent::paragraphs(file).mid(0, 8)) // the page's
            QCOMPARE(p.align, QString("justify"));
        QVERIFY(OdfContent::contentXml(file).contains(
            WordTableFormat::cellStyle(9, 1).background.name(), Qt::CaseInsensitive));
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
        QCOMPARE(boxes(),
                 QStringList("64|Fenoverra|Nessun programma di videoscrittura ha potuto "
                             "aprire il documento.\rIl documento è stato scritto nel "
                             "file:\r" +
                             QDir::toNativeSeparators(files[1]) +
                             "\rAprirlo con un programma di videoscrittura per stamparlo."));
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
};

QTEST_MAIN(TestWordProcessor)
#include "tst_shell_wordprocessor.moc"
