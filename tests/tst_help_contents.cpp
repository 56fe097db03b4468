// SPDX-License-Identifier: GPL-3.0-or-later
// The help contents, the six help pages and the guide document.

#include "help/helppage.h"
#include "help/sommario.h"
#include "platform/documentsfolder.h"
#include "platform/windowregistry.h"
#include "reports/documentreferences.h"
#include "reports/wordprocessor.h"
#include "shell/startup.h"
#include "support/commandsupport.h"
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
        Startup::wireWindows();
    }
    void cleanup() {
        CommandTest::closeAllWindows();
        fixture.reset();
    }

    // A click on " Finestra Dati" opens its page, once; the page writes itself
    // alone into a new document, never saved. Link 7 shows the tips.
    void linksOpenTheirWindows() {
        click(contents(), "lbl(5)");
        auto* page = qobject_cast<HelpPage*>(WindowRegistry::loaded("guidadati"));
        QVERIFY(page && page->isVisible());
        int pages = 0;
        for (QWidget* w : QApplication::topLevelWidgets())
            pages += w->objectName() == "guidadati";
        click(*page, "cmdStampa");
        QCOMPARE(QString::number(pages) + " " +
                     QString::number(WordApplication::shownDocuments().size()) + " " +
                     ModFenoverra::docword->savedFileName(),
                 QString("1 1 "));
        QCOMPARE(paragraphsOf(ModFenoverra::docword).mid(4, 3),
                 (QStringList{"Guida: Finestra DATI|16", "|16", page->text() + "|12"}));

        click(contents(), "puls(7)"); // its tip kept across a hide: tst_help_tips
        QVERIFY(WindowRegistry::loaded("frmTip") && WindowRegistry::loaded("frmTip")->isVisible());
    }

    // The guide printed twice: two documents, one file replacing an older one,
    // in the documents (with a message) when the program folder is not
    // writable. It holds every page.
    void guideIsSavedOnceWrittenTwice_data() {
        QTest::addColumn<bool>("writable");
        QTest::newRow("program folder") << true;
        QTest::newRow("program folder not writable") << false;
    }
    void guideIsSavedOnceWrittenTwice() {
        QFETCH(bool, writable);
        QTemporaryDir program, documents;
        DocumentsFolder::setPathForTesting(documents.path());
        // A file where the folder should be stops even root.
        const QString folder = writable ? program.path() : tempFile(program, "not-a-folder", "x");
        if (writable) tempFile(program, "Fenoverra-guida.doc", "old guide");
        const QString saved =
            QDir(writable ? program.path() : documents.path()).filePath("Fenoverra-guida.doc");
        contents().setGuideDirectory(folder);
        for (int i = 0; i < 2; ++i) {
            if (!writable) expectBox();
            click(contents(), "cmdstampa");
        }
        QCOMPARE(WordApplication::shownDocuments().size(), 2);
        QCOMPARE(ModFenoverra::docword->savedFileName(), saved);
        QVERIFY(contentsOf(saved).contains("application/vnd.oasis.opendocument.text"));
        if (writable) // the older guide replaced, nothing beside it
            QCOMPARE(QDir(program.path()).entryList(QDir::Files),
                     QStringList{"Fenoverra-guida.doc"});
        QCOMPARE(boxes().size(), writable ? 0 : 2);
        QVERIFY(writable || boxes().last().contains(QDir::toNativeSeparators(saved)));
        const QString all = paragraphsOf(ModFenoverra::docword).join('\n');
        for (const HelpPageDesign& page : HelpPages::all())
            QVERIFY(all.contains("Guida: " + page.title + "|") && all.contains(page.text()));
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
