// SPDX-License-Identifier: GPL-3.0-or-later
// Documents written into the documents folder and opened, and a message
// naming the file (or the folder) when that fails.
#include "platform/documentopener.h"
#include "platform/documentsfolder.h"
#include "platform/messagebox.h"
#include "platform/modfenoverra.h"
#include "reports/documentviewer.h"
#include "reports/helppagedocument.h"
#include "support/odfcontent.h"
#include "support/testfixture.h"
#include "support/testsupport.h"

#include <QLabel>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

Report::Document someDocument() {
    Report::Paragraph p;
    p.text = "Prova";
    return {"calcolo-Prestito a/b", {p}, std::nullopt, {}};
}

QString notOpened(const QString& file, bool pdf) {
    const QString program = pdf ? "un programma per i PDF" : "un programma di videoscrittura";
    return "Nessun " + program.mid(3) + " ha potuto aprire il documento.\r" +
           "Il documento è stato scritto nel file:\r" + QDir::toNativeSeparators(file) +
           "\rAprirlo con " + program + " per stamparlo.";
}

} // namespace

class TestReportsDocuments : public QObject {
    Q_OBJECT
    std::optional<TestFixture> fixture;

private slots:
    void init() { fixture.emplace(); }
    void cleanup() {
        // An opener still running would outlive the test's folders.
        QTRY_VERIFY(qApp->findChildren<QProcess*>().isEmpty());
        fixture.reset();
    }

    // A help page as stampaguida writes it, justified (tst_help_contents
    // prints one from its window, into the documents folder).
    void helpPageWritten() {
        ModFenoverra::stampaguida("Finestra Dati", "Il testo della guida.");
        const QString file = lastDocument();
        QCOMPARE(OdfContent::textsOutsideTables(file),
                 (QStringList{"Fenoverra", "calcolo di interessi semplici e composti", "", "",
                              "Guida: Finestra Dati", "", "Il testo della guida.", ""}));
        QCOMPARE(OdfContent::sizesOutsideTables(file),
                 (QList<double>{20, 16, 16, 16, 16, 16, 12, 12}));
        for (const OdfContent::Paragraph& p : OdfContent::paragraphs(file))
            QCOMPARE(p.align, "justify");
    }

    // Each document goes under a new name that says what it holds.
    void eachDocumentANewFile() {
        DocumentViewer::show(someDocument(), DocumentViewer::Format::Text);
        DocumentViewer::show(someDocument(), DocumentViewer::Format::Text);
        const QStringList files = DocumentOpener::opened();
        QCOMPARE(files.size(), 2);
        QVERIFY(files[0] != files[1]);
        for (const QFileInfo& file : {QFileInfo(files[0]), QFileInfo(files[1])})
            QVERIFY2(file.fileName().startsWith("Fenoverra-calcolo-Prestito-a_b-20") &&
                         file.absolutePath() == DocumentsFolder::path() && file.size() > 0,
                     qPrintable(file.filePath()));
    }

    // The opener counts only when it says it opened the file: otherwise the
    // message names the file whole and the command's own failure runs. A
    // folder that cannot be made is named, and nothing is opened.
    void openerTellsTheTruth_data() {
        QTest::addColumn<QString>("program"); // "": the double, told the file did not open
        QTest::addColumn<bool>("pdf");
        QTest::addColumn<bool>("opened");
        QTest::newRow("nothing took it") << "" << false << false;
        QTest::newRow("handler fails, PDF") << "false" << true << false;
        QTest::newRow("handler cannot start") << "/nonexistent/fenoverra-opener" << false << false;
        QTest::newRow("handler opens it") << "true" << true << true;
        QTest::newRow("no documents folder") << "no folder" << true << false;
    }
    void openerTellsTheTruth() {
        QFETCH(QString, program);
        QFETCH(bool, pdf);
        QFETCH(bool, opened);
        const bool noFolder = program == "no folder";
        QTemporaryDir documents;
        const QString folder =
            noFolder ? tempFile(documents, "a-file", "x") + "/Fenoverra" : documents.path();
        DocumentsFolder::setPathForTesting(folder);
        if (program.isEmpty()) {
            DocumentOpener::setNextResult(false);
        } else if (!noFolder) {
            DocumentOpener::useDouble(false);
            DocumentOpener::setProgramForTesting(program);
        }
        if (!opened) expectBox();
        int failures = 0;
        DocumentViewer::show(someDocument(),
                             pdf ? DocumentViewer::Format::Pdf : DocumentViewer::Format::Text,
                             [&] { ++failures; });
        QTRY_VERIFY(qApp->findChildren<QProcess*>().isEmpty());
        QCOMPARE(failures, opened ? 0 : 1);
        const QStringList written = QDir(folder).entryList(QDir::Files);
        QCOMPARE(written.size(), noFolder ? 0 : 1);
        QCOMPARE(MessageBox::shown().size(), opened ? 0 : 1);
        if (noFolder) {
            QCOMPARE(DocumentOpener::opened(), QStringList());
            QCOMPARE(lastBox().style, BoxStyle::kWarning);
            QCOMPARE(lastBox().prompt, "Impossibile creare la cartella dei documenti:\r" +
                                           QDir::toNativeSeparators(folder));
        } else if (!opened) {
            QCOMPARE(lastBox().style, BoxStyle::kInformation);
            QCOMPARE(lastBox().prompt, notOpened(QDir(folder).filePath(written.first()), pdf));
        }
    }
};

QTEST_MAIN(TestReportsDocuments)
#include "tst_reports_documents.moc"
