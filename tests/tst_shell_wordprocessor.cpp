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
#include <QtTest>

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

    // A help page as stampaguida types it (tst_help_contents reads it), a page
    // start and a shaded table added, as a word processor reads them from the
    // file saved: every paragraph in its font and size, justified. Saved by
    // the command, it opens there, not as a copy.
    void helpPageWrittenAsTyped() {
        WordApplication::useDouble(false);
        ModFenoverra::stampaguida();
        WordDocument* doc = ModFenoverra::docword;
        doc->Selection()->TypeText("\fpagina due\r");
        doc->addTableAtEnd(2, 2)->AutoFormat(9);
        QTemporaryDir dir;
        const QString file = dir.filePath("Fenoverra-guida.doc");
        QVERIFY(doc->SaveAs(file));
        QCOMPARE(paragraphsOf(doc).value(7), QString("\fpagina due|12"));
        QCOMPARE(OdfContent::outsideTables(file), paragraphsOf(doc));
        for (const OdfContent::Paragraph& p : OdfContent::paragraphs(file).mid(0, 8)) // the page's
            QCOMPARE(p.align, QString("justify"));
        QVERIFY(OdfContent::contentXml(file).contains(
            WordTableFormat::cellStyle(9, 1).background.name(), Qt::CaseInsensitive));
        QCoreApplication::processEvents();
        QCOMPARE(DocumentOpener::opened(), QStringList(file));
    }

    // A shown document is written into the documents folder under a new name
    // each time; when nothing opens it, the user is told where it is.
    void shownDocumentsAreWrittenAndOpened() {
        WordApplication::useDouble(false);
        DocumentOpener::setNextResult(true);
        DocumentOpener::setNextResult(false);
        expectBox();
        for (int i = 0; i < 2; ++i) {
            WordApplication* app = WordApplication::create();
            app->setVisible(true);
            WordDocument* doc = app->DocumentsAdd();
            doc->setDescription("calcolo-Prestito a/b");
            doc->Selection()->TypeText("FENOVERRA\r");
        }
        QCoreApplication::processEvents(); // documents are shown once the command ends
        const QStringList files = DocumentOpener::opened();
        QVERIFY(files.size() == 2 && files[0] != files[1]);
        for (const QString& path : files) {
            const QFileInfo file(path);
            QVERIFY2(file.fileName().startsWith("Fenoverra-calcolo-Prestito-a_b-20") &&
                         file.absolutePath() == DocumentsFolder::path() && file.size() > 0,
                     qPrintable(path));
        }
        QCOMPARE(boxes(),
                 QStringList("64|Fenoverra|Nessun programma di videoscrittura ha potuto "
                             "aprire il documento.\rIl documento è stato scritto nel "
                             "file:\r" +
                             QDir::toNativeSeparators(files[1]) +
                             "\rAprirlo con un programma di videoscrittura per stamparlo."));
    }
};

QTEST_MAIN(TestWordProcessor)
#include "tst_shell_wordprocessor.moc"
