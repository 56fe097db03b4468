// The help contents, the six help pages and the guide document.

#include "help/helppage.h"
#include "help/sommario.h"
#include "platform/documentsfolder.h"
#include "platform/twips.h"
#include "platform/windowregistry.h"
#include "reports/documentreferences.h"
#include "reports/wordprocessor.h"
#include "shell/startup.h"
#include "support/commandsupport.h"
#include "support/testfixture.h"
#include "support/testsupport.h"

#include <QDir>
#include <QLabel>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QtTest>

namespace {

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

    // Only the link under the pointer is bold, and it fits while bold.
    void onlyTheLinkUnderThePointerIsBold() {
        const auto boldAfterMovingOnto = [](int i) { // 0: the window's background
            send(i == 0 ? static_cast<QWidget*>(&contents()) : link(i), QEvent::MouseMove);
            QList<int> bold;
            for (int k = 1; k <= Sommario::kTopics; ++k)
                if (link(k)->font().bold()) bold << k;
            return bold;
        };
        for (int i = 1; i <= Sommario::kTopics; ++i) {
            QCOMPARE(boldAfterMovingOnto(i), QList<int>{i});
            QVERIFY(link(i)->fontMetrics().horizontalAdvance(link(i)->text()) +
                        2 * link(i)->frameWidth() <=
                    link(i)->width());
        }
        QCOMPARE(boldAfterMovingOnto(0), QList<int>{});
    }

    // The press on " Finestra Dati" opens its page, once; the page writes
    // itself alone into a new document, never saved. Link 7 shows the tips.
    void linksOpenTheirWindows() {
        send(link(5), QEvent::MouseButtonPress);
        auto* page = qobject_cast<HelpPage*>(WindowRegistry::loaded("guidadati"));
        QVERIFY(page && page->isVisible()); // at the press, not at the release
        send(link(5), QEvent::MouseButtonRelease);
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
    // writable. Every page follows the title page, each on a new page.
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

        const QStringList p = paragraphsOf(ModFenoverra::docword);
        QCOMPARE(p.mid(0, 6),
                 (QStringList{"Fenoverra|20", "calcolo di interessi semplici e composti|16", "|16",
                              "|16", "Guida: MANUALE D'USO RAPIDO|16", "|16"}));
        QCOMPARE(p.filter(QRegularExpression("\\|12$")).size(), p.size() - 6);
        QCOMPARE(p.filter(QRegularExpression("^\\f")).size(), 5);
        QCOMPARE(p.last(), QString("|12")); // the last text ends with CR only
        const QString all = p.join('\n');
        for (const HelpPageDesign& page : HelpPages::all())
            QVERIFY(all.contains("Guida: " + page.title + "|") && all.contains(page.text()));
    }

    // A page comes back at its designed size and place whatever it was when
    // closed; "Sommario" leaves it open behind the contents. Its title and its
    // text, word-wrapped, show whole; stretched, the text keeps its font.
    void pagesShowWholeAtTheirDesignedSize_data() {
        QTest::addColumn<int>("index");
        for (int i = 0; i < HelpPages::all().size(); ++i)
            QTest::newRow(qPrintable(HelpPages::all()[i].form)) << i;
    }
    void pagesShowWholeAtTheirDesignedSize() {
        QFETCH(int, index);
        const HelpPageDesign& page = HelpPages::all()[index];
        Twips::setScreenForTesting(QSize(15360, 11520), 15.0);
        QPointer<QWidget> window = WindowRegistry::show(page.form);
        click(*window, page.contentsName);
        QVERIFY(window->isVisible() && contents().isVisible());
        auto* title = findControl<QLabel>(window, "Label1");
        auto* body = findControl<QLabel>(window, "Label2");
        QVERIFY(title->sizeHint().width() <= title->width());
        QVERIFY(body->heightForWidth(body->width()) <= body->height());
        const double points = body->font().pointSizeF();
        window->resize(window->size() * 2);
        QCOMPARE(body->font().pointSizeF(), points);
        click(*window, page.closeName);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!window && !WindowRegistry::loaded(page.form));

        window = WindowRegistry::show(page.form);
        QCOMPARE(Twips::clientSize(window), QSize(page.width, HelpPages::kHeight));
        QCOMPARE(window->pos(), QPoint(Twips::toPixelsX(page.left.value_or((15360 - 11520) / 2)),
                                       Twips::toPixelsY((11520 - 8640) / 2)));
    }
};

QTEST_MAIN(TestHelpContents)
#include "tst_help_contents.moc"
