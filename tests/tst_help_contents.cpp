// SPDX-License-Identifier: GPL-3.0-or-later
// The help contents, the six help pages and the guide document.

#include "help/helppage.h"
#include "help/sommario.h"
#include "platform/documentopener.h"
#include "platform/documentsfolder.h"
#include "platform/programfiles.h"
#include "platform/windowregistry.h"
#include "shell/startup.h"
#include "support/commandsupport.h"
#include "support/odfcontent.h"
#include "support/testfixture.h"
#include "support/testsupport.h"

#include <QDir>
#include <QLabel>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// The contents window, shown first when it is not loaded.
Sommario& contents() {
    QWidget* loaded = WindowRegistry::loaded("sommario");
    return *qobject_cast<Sommario*>(loaded ? loaded : WindowRegistry::show("sommario"));
}

} // namespace

class TestHelpContents : public QObject {
    Q_OBJECT
    std::optional<TestFixture> fixture;

private slots:
    void init() {
        fixture.emplace();
        Startup::wireWindows(TestFixture::context());
    }
    void cleanup() {
        CommandTest::closeAllWindows();
        fixture.reset();
    }

    // A click on " Finestra Dati" opens its page, once; the page writes itself
    // alone into a new document in the documents folder. Link 7 shows the tips.
    void linksOpenTheirWindows() {
        click(contents(), "lbl(5)");
        auto* page = qobject_cast<HelpPage*>(WindowRegistry::loaded("guidadati"));
        QVERIFY(page && page->isVisible());
        int pages = 0;
        for (QWidget* w : QApplication::topLevelWidgets())
            pages += w->objectName() == "guidadati";
        click(*page, "cmdStampa");
        QCOMPARE(pages, 1);
        QCOMPARE(DocumentOpener::opened().size(), 1);
        QCOMPARE(QFileInfo(lastDocument()).absolutePath(), DocumentsFolder::path());
        QCOMPARE(OdfContent::textsOutsideTables(lastDocument()).mid(4, 3),
                 (QStringList{"Guida: Finestra DATI", "", page->text()}));
        QCOMPARE(OdfContent::sizesOutsideTables(lastDocument()).mid(4, 3),
                 (QList<double>{16, 16, 12}));
        QCOMPARE(OdfContent::familiesOutsideTables(lastDocument()).mid(4, 3),
                 QStringList(3, "Century Gothic"));

        click(contents(), "puls(7)"); // its tip kept across a hide: tst_help_tips
        QVERIFY(WindowRegistry::loaded("frmTip") && WindowRegistry::loaded("frmTip")->isVisible());
    }

    // The guide printed twice: one file replacing an older one, opened each
    // time. From a build folder beside the program; installed, in the
    // documents folder with a message naming it, the program's folders left
    // alone though they would take it; in the documents too, with a message,
    // when the build folder does not take it. It holds every page.
    void guideIsSavedOnceWrittenTwice_data() {
        QTest::addColumn<QString>("program"); // how the program's folder is
        QTest::addColumn<QString>("message"); // the start of each message, if any
        QTest::newRow("build folder") << "build"
                                      << "";
        QTest::newRow("build folder not writable")
            << "not writable"
            << "La cartella del programma non permette di salvare la guida";
        QTest::newRow("installed") << "installed"
                                   << "La guida è stata salvata nel file";
    }
    void guideIsSavedOnceWrittenTwice() {
        QFETCH(QString, program);
        QFETCH(QString, message);
        QTemporaryDir prefix, documents;
        DocumentsFolder::setPathForTesting(documents.path());
        QDir(prefix.path()).mkpath("bin");
        if (program == "installed") QDir(prefix.path()).mkpath("share/fenoverra");
        const QString bin = prefix.filePath("bin");
        // A file where the folder should be stops even root.
        ProgramFiles::setProgramDirectoryForTesting(
            program == "not writable" ? tempFile(prefix, "not-a-folder", "x") : bin);
        tempFile(prefix, "bin/Fenoverra-guida.doc", "old guide");
        const QString saved =
            QDir(program == "build" ? bin : documents.path()).filePath("Fenoverra-guida.doc");
        for (int i = 0; i < 2; ++i) {
            if (!message.isEmpty()) expectBox();
            click(contents(), "cmdstampa");
        }
        QCOMPARE(DocumentOpener::opened(), QStringList(2, saved));
        QVERIFY(OdfContent::entry(saved, "mimetype").startsWith("application/vnd.oasis"));
        QCOMPARE(QDir(bin).entryList(QDir::Files), QStringList{"Fenoverra-guida.doc"});
        if (program != "build") QCOMPARE(contentsOf(bin + "/Fenoverra-guida.doc"), "old guide");
        QCOMPARE(MessageBox::shown().size(), message.isEmpty() ? 0 : 2);
        if (!message.isEmpty()) {
            QCOMPARE(lastBox().style, BoxStyle::kInformation);
            QCOMPARE(lastBox().title, QString("Fenoverra"));
            QVERIFY2(lastBox().prompt.startsWith(message), qPrintable(lastBox().prompt));
            QVERIFY2(lastBox().prompt.endsWith(QDir::toNativeSeparators(saved)),
                     qPrintable(lastBox().prompt));
        }
        // Each page on a page of its own or not, as it fits.
        QStringList texts = OdfContent::textsOutsideTables(saved);
        texts.replaceInStrings("\f", "");
        for (const HelpPageDesign& page : HelpPages::all()) {
            QVERIFY2(texts.contains("Guida: " + page.title), qPrintable(page.title));
            QVERIFY2(texts.join('\n').contains(page.text()), qPrintable(page.title));
        }
    }

    // Each page shows its title and its text whole; "Sommario" leaves it open
    // behind the contents; closed, it is unloaded.
    void pagesOpenAndClose_data() {
        QTest::addColumn<int>("index");
        for (int i = 0; i < HelpPages::all().size(); ++i)
            QTest::newRow(qPrintable(HelpPages::all()[i].form)) << i;
    }
    void pagesOpenAndClose() {
        QFETCH(int, index);
        const HelpPageDesign& page = HelpPages::all()[index];
        QPointer<QWidget> window = WindowRegistry::show(page.form);
        auto* body = findControl<QLabel>(window, "Label2");
        QCOMPARE(text(*window, "Label1"), page.title);
        QVERIFY(body->heightForWidth(body->width()) <= body->height());
        click(*window, page.contentsName);
        QVERIFY(window->isVisible() && contents().isVisible());
        click(*window, page.closeName);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!window && !WindowRegistry::loaded(page.form));
    }
};

QTEST_MAIN(TestHelpContents)
#include "tst_help_contents.moc"
