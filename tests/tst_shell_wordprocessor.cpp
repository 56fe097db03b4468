// SPDX-License-Identifier: GPL-3.0-or-later
// The word processor over QTextDocument and the help-page document of stampaguida.

#include "platform/documentopener.h"
#include "platform/documentsfolder.h"
#include "platform/modfenoverra.h"
#include "reports/documentreferences.h"
#include "reports/helppagedocument.h"
#include "reports/wordprocessor.h"
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
    void init() { fixture.emplace(); }
    void cleanup() { fixture.reset(); }

    // A help page as stampaguida types it (tst_help_contents reads it) and a
    // page start, read from the file saved as from the document; saved by the
    // command, it opens there, not as a copy.
    void helpPageWrittenAsTyped() {
        WordApplication::useDouble(false);
        ModFenoverra::titologuida = &pageTitle;
        ModFenoverra::testoguida = &pageText;
        ModFenoverra::stampaguida();
        WordDocument* doc = ModFenoverra::docword;
        doc->Selection()->TypeText("\fpagina due\r");
        QTemporaryDir dir;
        const QString file = dir.filePath("Fenoverra-guida.doc");
        QVERIFY(doc->SaveAs(file));
        QCOMPARE(OdfContent::outsideTables(file), paragraphsOf(doc));
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
        for (WordApplication* app : {WordApplication::create(), WordApplication::create()}) {
            app->setVisible(true);
            app->DocumentsAdd()->setDescription("calcolo-Prestito a/b");
        }
        QCoreApplication::processEvents(); // documents are shown once the command ends
        const QStringList files = DocumentOpener::opened();
        QVERIFY(files.size() == 2 && files[0] != files[1]);
        for (const QFileInfo& file : {QFileInfo(files[0]), QFileInfo(files[1])})
            QVERIFY2(file.fileName().startsWith("Fenoverra-calcolo-Prestito-a_b-20") &&
                         file.absolutePath() == DocumentsFolder::path() && file.size() > 0,
                     qPrintable(file.filePath()));
        QCOMPARE(box(), "64|Fenoverra|Nessun programma di videoscrittura ha potuto aprire il "
                        "documento.\rIl documento è stato scritto nel file:\r" +
                            QDir::toNativeSeparators(files[1]) +
                            "\rAprirlo con un programma di videoscrittura per stamparlo.");
    }
};

QTEST_MAIN(TestWordProcessor)
#include "tst_shell_wordprocessor.moc"
