// The help contents, the six help pages and the guide document.

#include "help/frmtip.h"
#include "help/helppage.h"
#include "help/sommario.h"
#include "platform/documentsfolder.h"
#include "platform/messagebox.h"
#include "platform/twips.h"
#include "platform/windowregistry.h"
#include "reports/documentreferences.h"
#include "reports/wordprocessor.h"
#include "shell/startup.h"
#include "support/testfixture.h"
#include "support/testsupport.h"

#include <QDir>
#include <QLabel>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextDocument>
#include <QtTest>

namespace {

void closeEveryWindow() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        window->close();
        window->deleteLater();
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// The contents window, shown first when it is not loaded.
Sommario& contents() {
    QWidget* loaded = WindowRegistry::loaded("sommario");
    return *qobject_cast<Sommario*>(loaded ? loaded : WindowRegistry::show("sommario"));
}

QLabel* link(int i) {
    return findControl<QLabel>(&contents(), row("lbl", i));
}

void send(QWidget* target, QEvent::Type type) {
    const QPointF at(3, 3);
    QMouseEvent event(type, at, target->mapToGlobal(at), Qt::LeftButton,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(target, &event);
}

QList<int> boldLinks() {
    QList<int> bold;
    for (int i = 1; i <= Sommario::kTopics; ++i)
        if (link(i)->font().bold()) bold << i;
    return bold;
}

const HelpPageDesign& design(const QString& form) {
    for (const HelpPageDesign& page : HelpPages::all())
        if (page.form == form) return page;
    qFatal("no help page %s", qPrintable(form));
}

} // namespace

class TestHelpContents : public QObject {
    Q_OBJECT
    std::optional<TestFixture> fixture;

private slots:
    void init() {
        closeEveryWindow();
        fixture.emplace();
        Startup::wireWindows();
    }
    void cleanup() {
        closeEveryWindow();
        fixture.reset();
    }

    // Moves given as link numbers, 0 for the window's background.
    void onlyTheLinkUnderThePointerIsBold_data() {
        QTest::addColumn<QList<int>>("moves");
        QTest::addColumn<QList<int>>("bold");
        QTest::newRow("from one link to another") << QList<int>{1, 2} << QList<int>{2};
        QTest::newRow("onto the background, back onto a link")
            << QList<int>{3, 0, 4} << QList<int>{4};
    }
    void onlyTheLinkUnderThePointerIsBold() {
        QFETCH(QList<int>, moves);
        QFETCH(QList<int>, bold);
        for (int i : moves)
            send(i == 0 ? static_cast<QWidget*>(&contents()) : link(i), QEvent::MouseMove);
        QCOMPARE(boldLinks(), bold);
    }

    // The press on " Finestra Dati" opens its page, once; the release raises
    // the link again. The page writes itself alone into a new document.
    void aLinkOpensItsPageWhichPrintsItself() {
        QLabel* l = link(5);
        send(l, QEvent::MouseButtonPress);
        QWidget* page = WindowRegistry::loaded("guidadati");
        QVERIFY(page && page->isVisible()); // at the press, not at the release
        QCOMPARE(l->frameShape(), QFrame::NoFrame);
        send(l, QEvent::MouseButtonRelease);
        QCOMPARE(l->frameShape(), QFrame::Box);
        int windows = 0;
        for (QWidget* w : QApplication::topLevelWidgets())
            windows += w->objectName() == "guidadati";
        QCOMPARE(windows, 1);
        // Every link fits even when bold.
        for (int i = 1; i <= Sommario::kTopics; ++i) {
            QFont bold = link(i)->font();
            bold.setBold(true);
            QVERIFY(QFontMetrics(bold).horizontalAdvance(link(i)->text()) +
                        2 * link(i)->frameWidth() <=
                    link(i)->width());
        }

        click(*page, "cmdStampa");
        QCOMPARE(WordApplication::shownDocuments().size(), 1);
        const QStringList p = paragraphsOf(ModFenoverra::docword);
        QCOMPARE(p.mid(4, 3), (QStringList{"Guida: Finestra DATI|16", "|16",
                                           design("guidadati").text() + "|12"}));
        QVERIFY(ModFenoverra::docword->savedFileName().isEmpty());
    }

    // Link 7 shows the tips window as it was left, or at the first tip.
    void link7OpensTheTipsAtTheLastTipShown_data() {
        QTest::addColumn<int>("nextClicks");
        QTest::addColumn<QString>("shown");
        QTest::newRow("first time") << -1 << "uno";
        QTest::newRow("closed on tip 3") << 2 << "tre";
    }
    void link7OpensTheTipsAtTheLastTipShown() {
        QFETCH(int, nextClicks);
        QFETCH(QString, shown);
        QTemporaryDir dir;
        const QString path = tempFile(dir, "SuggerimentiFenoverra.TXT", "uno\r\ndue\r\ntre\r\n");
        WindowRegistry::define("frmTip", [path] { return new frmTip(path); });
        if (nextClicks >= 0) {
            QWidget* tips = WindowRegistry::show("frmTip");
            for (int i = 0; i < nextClicks; ++i)
                click(*tips, "cmdNextTip");
            click(*tips, "cmdOK");
            QVERIFY(!tips->isVisible());
        }
        click(contents(), "puls(7)");
        QWidget* tips = WindowRegistry::loaded("frmTip");
        QVERIFY(tips && tips->isVisible());
        QCOMPARE(text(*tips, "lblTipText"), shown);
    }

    // The contents' print button, twice: two documents, one file, replacing
    // an older guide; an unwritable program folder sends it to the documents.
    void guideIsSavedOnceWrittenTwice_data() {
        QTest::addColumn<bool>("writable");
        QTest::newRow("program folder") << true;
        QTest::newRow("program folder not writable") << false;
    }
    void guideIsSavedOnceWrittenTwice() {
        QFETCH(bool, writable);
        QTemporaryDir program;
        QTemporaryDir documents;
        DocumentsFolder::setPathForTesting(documents.path());
        // A file where the folder should be stops even root.
        const QString folder = writable ? program.path() : tempFile(program, "not-a-folder", "x");
        if (writable) tempFile(program, "Fenoverra-guida.doc", "old guide");
        const QString saved = QDir(writable ? program.path() : DocumentsFolder::path())
                                  .filePath("Fenoverra-guida.doc");
        contents().setGuideDirectory(folder);
        for (int i = 0; i < 2; ++i) {
            if (!writable) expectBox();
            click(contents(), "cmdstampa");
        }

        QCOMPARE(WordApplication::createdCount(), 2);
        QCOMPARE(WordApplication::shownDocuments().size(), 2);
        QCOMPARE(ModFenoverra::docword.data(), WordApplication::shownDocuments().last().data());
        QCOMPARE(ModFenoverra::docword->savedFileName(), saved);
        QVERIFY(contentsOf(saved).contains("application/vnd.oasis.opendocument.text"));
        if (writable) {
            QCOMPARE(QDir(program.path()).entryList(QDir::Files),
                     QStringList{"Fenoverra-guida.doc"});
            QVERIFY(MessageBox::shown().isEmpty());
        } else {
            QCOMPARE(MessageBox::shown().size(), 2);
            QVERIFY(MessageBox::shown().last().prompt.contains(QDir::toNativeSeparators(saved)));
        }

        const QStringList p = paragraphsOf(ModFenoverra::docword);
        QCOMPARE(p.mid(0, 6),
                 (QStringList{"Fenoverra|20", "calcolo di interessi semplici e composti|16", "|16",
                              "|16", "Guida: MANUALE D'USO RAPIDO|16", "|16"}));
        int pageBreaks = 0;
        for (qsizetype i = 6; i < p.size(); ++i) {
            QVERIFY2(p[i].endsWith("|12"), qPrintable(p[i]));
            pageBreaks += p[i].startsWith('\f');
        }
        QCOMPARE(pageBreaks, 5);
        QCOMPARE(p.last(), QString("|12")); // the last text ends with CR only
        for (QTextBlock b = ModFenoverra::docword->textDocument()->begin(); b.isValid();
             b = b.next())
            QCOMPARE(b.blockFormat().alignment(), Qt::AlignJustify);
        // The pages were loaded unseen for this, and stay loaded.
        const QString all = p.join('\n');
        for (const HelpPageDesign& page : HelpPages::all()) {
            QWidget* w = WindowRegistry::loaded(page.form);
            QVERIFY2(w && !w->isVisible(), qPrintable(page.form));
            QVERIFY(all.contains("Guida: " + page.title + "|") && all.contains(page.text()));
        }
    }

    // A page comes back at its designed size and place whatever it was when
    // closed; "Sommario" leaves it open behind the contents. Its title and its
    // text, word-wrapped, show whole.
    void pagesShowWholeAtTheirDesignedSize_data() {
        QTest::addColumn<QString>("form");
        for (const HelpPageDesign& page : HelpPages::all())
            QTest::newRow(qPrintable(page.form)) << page.form;
    }
    void pagesShowWholeAtTheirDesignedSize() {
        QFETCH(QString, form);
        const HelpPageDesign& page = design(form);
        Twips::setScreenForTesting(QSize(15360, 11520), 15.0);
        QPointer<QWidget> window = WindowRegistry::show(form);
        click(*window, page.contentsName);
        QVERIFY(window->isVisible() && contents().isVisible());
        auto* title = findControl<QLabel>(window, "Label1");
        auto* body = findControl<QLabel>(window, "Label2");
        QVERIFY(title->sizeHint().width() <= title->width());
        QVERIFY(body->heightForWidth(body->width()) <= body->height());
        const QSize designed = body->size();
        const double points = body->font().pointSizeF();
        window->resize(window->size() * 2);
        QCOMPARE(body->size(), designed * 2); // the text's font stays as it is
        QCOMPARE(body->font().pointSizeF(), points);
        click(*window, page.closeName);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!window && !WindowRegistry::loaded(form));

        window = WindowRegistry::show(form);
        QCOMPARE(Twips::clientSize(window), QSize(page.width, HelpPages::kHeight));
        QCOMPARE(window->pos().x(), Twips::toPixelsX(page.left.value_or((15360 - 11520) / 2)));
        QCOMPARE(window->pos().y(), Twips::toPixelsY((11520 - 8640) / 2));
    }
};

QTEST_MAIN(TestHelpContents)
#include "tst_help_contents.moc"
