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
#include <QPushButton>
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
Sommario* contents() {
    QWidget* loaded = WindowRegistry::loaded("sommario");
    return qobject_cast<Sommario*>(loaded ? loaded : WindowRegistry::show("sommario"));
}

QLabel* link(int i) {
    return findControl<QLabel>(contents(), QString("lbl(%1)").arg(i));
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

// Every paragraph's text and size, the page breaks, whether all are justified.
struct Paragraphs {
    QStringList texts;
    QList<double> sizes;
    int pageBreaks = 0;
    bool allJustified = true;
};
Paragraphs paragraphsOf(const WordDocument* document) {
    Paragraphs p;
    for (QTextBlock b = document->textDocument()->begin(); b.isValid(); b = b.next()) {
        p.texts << b.text();
        const QTextCharFormat f =
            b.text().isEmpty() ? b.charFormat() : b.begin().fragment().charFormat();
        p.sizes << f.fontPointSize();
        if (b.blockFormat().pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore) ++p.pageBreaks;
        p.allJustified = p.allJustified && b.blockFormat().alignment() == Qt::AlignJustify;
    }
    return p;
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
        QTest::newRow("one link") << QList<int>{5} << QList<int>{5};
        QTest::newRow("from one link to another") << QList<int>{1, 2} << QList<int>{2};
        QTest::newRow("onto the background") << QList<int>{3, 0} << QList<int>{};
        QTest::newRow("back onto a link") << QList<int>{7, 0, 4} << QList<int>{4};
    }
    void onlyTheLinkUnderThePointerIsBold() {
        QFETCH(QList<int>, moves);
        QFETCH(QList<int>, bold);
        for (int i : moves)
            send(i == 0 ? static_cast<QWidget*>(contents()) : link(i), QEvent::MouseMove);
        QCOMPARE(boldLinks(), bold);
        // Hidden and shown again by a help command, it is as it was.
        QPointer<Sommario> shown = contents();
        QTest::mouseClick(findControl<QPushButton>(shown, "cmdchiudi"), Qt::LeftButton);
        QVERIFY(!shown->isVisible());
        QCOMPARE(WindowRegistry::show("sommario"), shown.data());
        QCOMPARE(boldLinks(), bold);
    }

    void pressAndReleaseOpenTheTopicOnce_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("window");
        for (int i = 1; i <= Sommario::kTopics; ++i)
            QTest::addRow("%d", i) << i << Sommario::topicWindow(i);
    }
    void pressAndReleaseOpenTheTopicOnce() {
        QFETCH(int, index);
        QFETCH(QString, window);
        QLabel* l = link(index);
        send(l, QEvent::MouseButtonPress);
        QWidget* opened = WindowRegistry::loaded(window);
        QVERIFY(opened && opened->isVisible()); // at the press, not at the release
        QCOMPARE(l->frameShape(), QFrame::NoFrame);
        send(l, QEvent::MouseButtonRelease);
        QCOMPARE(l->frameShape(), QFrame::Box);
        int windows = 0;
        for (QWidget* w : QApplication::topLevelWidgets())
            windows += w->objectName() == window;
        QCOMPARE(windows, 1);
    }

    void topicsOutsideTheListOpenTheManual() {
        QCOMPARE(Sommario::topicWindow(0), QString("manuale"));
        QCOMPARE(Sommario::topicWindow(8), QString("manuale"));
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
        const QString path = dir.filePath("SuggerimentiFenoverra.TXT");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("uno\r\ndue\r\ntre\r\n") > 0);
        file.close();
        WindowRegistry::define("frmTip", [path] { return new frmTip(path); });
        if (nextClicks >= 0) {
            QWidget* tips = WindowRegistry::show("frmTip");
            for (int i = 0; i < nextClicks; ++i)
                QTest::mouseClick(findControl<QPushButton>(tips, "cmdNextTip"), Qt::LeftButton);
            QTest::mouseClick(findControl<QPushButton>(tips, "cmdOK"), Qt::LeftButton);
            QVERIFY(!tips->isVisible());
        }
        QTest::mouseClick(findControl<QPushButton>(contents(), "puls(7)"), Qt::LeftButton);
        QWidget* tips = WindowRegistry::loaded("frmTip");
        QVERIFY(tips && tips->isVisible());
        QCOMPARE(findControl<QLabel>(tips, "lblTipText")->text(), shown);
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
        QString folder = program.path();
        if (!writable) { // a file where the folder should be stops even root
            folder = program.filePath("not-a-folder");
            QFile blocker(folder);
            QVERIFY(blocker.open(QIODevice::WriteOnly));
        } else {
            QFile old(program.filePath("Fenoverra-guida.doc"));
            QVERIFY(old.open(QIODevice::WriteOnly) && old.write("old guide") > 0);
        }
        const QString saved = QDir(writable ? program.path() : DocumentsFolder::path())
                                  .filePath("Fenoverra-guida.doc");
        Sommario* window = contents();
        window->setGuideDirectory(folder);
        for (int i = 0; i < 2; ++i) {
            if (!writable) expectBox();
            QTest::mouseClick(findControl<QPushButton>(window, "cmdstampa"), Qt::LeftButton);
        }

        QCOMPARE(WordApplication::createdCount(), 2);
        QCOMPARE(WordApplication::shownDocuments().size(), 2);
        QCOMPARE(ModFenoverra::docword.data(), WordApplication::shownDocuments().last().data());
        QCOMPARE(ModFenoverra::docword->savedFileName(), saved);
        QFile file(saved);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().contains("application/vnd.oasis.opendocument.text"));
        if (writable) {
            QCOMPARE(QDir(program.path()).entryList(QDir::Files),
                     QStringList{"Fenoverra-guida.doc"});
            QVERIFY(MessageBox::shown().isEmpty());
        } else {
            QCOMPARE(MessageBox::shown().size(), 2);
            QVERIFY(MessageBox::shown().last().prompt.contains(QDir::toNativeSeparators(saved)));
        }

        const Paragraphs p = paragraphsOf(ModFenoverra::docword);
        QCOMPARE(p.pageBreaks, 5);
        QVERIFY(p.allJustified);
        QCOMPARE(p.texts.mid(0, 5),
                 (QStringList{"Fenoverra", "calcolo di interessi semplici e composti", "", "",
                              "Guida: MANUALE D'USO RAPIDO"}));
        QCOMPARE(p.sizes.mid(0, 6), (QList<double>{20, 16, 16, 16, 16, 16}));
        for (qsizetype i = 6; i < p.sizes.size(); ++i)
            QCOMPARE(p.sizes.at(i), 12.0);
        QCOMPARE(p.texts.last(), QString()); // the last text ends with CR only
        QVERIFY(!p.texts.contains(QString(QChar(12))));
        // The pages were loaded unseen for this, and stay loaded.
        for (const HelpPageDesign& page : HelpPages::all()) {
            QWidget* w = WindowRegistry::loaded(page.form);
            QVERIFY2(w && !w->isVisible(), qPrintable(page.form));
            QVERIFY(p.texts.contains("Guida: " + page.title));
            QVERIFY(p.texts.contains(page.text()));
        }
    }

    void aPageWritesItselfAlone_data() {
        QTest::addColumn<QString>("form");
        QTest::newRow("guidadati") << "guidadati";
        QTest::newRow("manuale") << "manuale";
    }
    void aPageWritesItselfAlone() {
        QFETCH(QString, form);
        const HelpPageDesign& page = design(form);
        QWidget* window = WindowRegistry::show(form);
        QTest::mouseClick(findControl<QPushButton>(window, page.printName), Qt::LeftButton);
        QCOMPARE(WordApplication::shownDocuments().size(), 1);
        const QStringList texts = paragraphsOf(ModFenoverra::docword).texts;
        QCOMPARE(texts.mid(4, 3), (QStringList{"Guida: " + page.title, "", page.text()}));
        QVERIFY(ModFenoverra::docword->savedFileName().isEmpty());
    }

    // A page comes back at its designed size and place whatever it was
    // when closed; "Sommario" leaves it open behind the contents.
    void aReopenedPageHasItsDesignedSize_data() {
        QTest::addColumn<QString>("form");
        for (const HelpPageDesign& page : HelpPages::all())
            QTest::newRow(qPrintable(page.form)) << page.form;
    }
    void aReopenedPageHasItsDesignedSize() {
        QFETCH(QString, form);
        const HelpPageDesign& page = design(form);
        Twips::setScreenForTesting(QSize(15360, 11520), 15.0);
        QPointer<QWidget> window = WindowRegistry::show(form);
        QTest::mouseClick(findControl<QPushButton>(window, page.contentsName), Qt::LeftButton);
        QVERIFY(window->isVisible() && contents()->isVisible());
        auto* text = findControl<QLabel>(window, "Label2");
        const QSize designed = text->size();
        const double points = text->font().pointSizeF();
        window->resize(window->size() * 2);
        QCOMPARE(text->size(), designed * 2); // the text's font stays as it is
        QCOMPARE(text->font().pointSizeF(), points);
        QTest::mouseClick(findControl<QPushButton>(window, page.closeName), Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!window && !WindowRegistry::loaded(form));

        window = WindowRegistry::show(form);
        QCOMPARE(Twips::clientSize(window), QSize(page.width, HelpPages::kHeight));
        QCOMPARE(window->windowTitle(), QString("Guida in linea"));
        QCOMPARE(window->pos().x(), Twips::toPixelsX(page.left.value_or((15360 - 11520) / 2)));
        QCOMPARE(window->pos().y(), Twips::toPixelsY((11520 - 8640) / 2));
    }

    // Every text covers its points in 1200 to 2400 characters and shows
    // whole, word-wrapped, at the designed size; so do the titles and links.
    void everyTextShowsWhole_data() {
        QTest::addColumn<QString>("form");
        for (const HelpPageDesign& page : HelpPages::all())
            QTest::newRow(qPrintable(page.form)) << page.form;
    }
    void everyTextShowsWhole() {
        QFETCH(QString, form);
        QWidget* window = WindowRegistry::show(form);
        auto* title = findControl<QLabel>(window, "Label1");
        auto* text = findControl<QLabel>(window, "Label2");
        QCOMPARE(title->text(), design(form).title);
        QVERIFY2(text->text().size() >= 1200 && text->text().size() <= 2400,
                 qPrintable(QString::number(text->text().size())));
        QVERIFY(title->sizeHint().width() <= title->width());
        QVERIFY(text->heightForWidth(text->width()) <= text->height());
        for (int i = 1; i <= Sommario::kTopics; ++i) {
            QFont bold = link(i)->font();
            bold.setBold(true);
            QVERIFY(QFontMetrics(bold).horizontalAdvance(link(i)->text()) +
                        2 * link(i)->frameWidth() <=
                    link(i)->width());
        }
    }
};

QTEST_MAIN(TestHelpContents)
#include "tst_help_contents.moc"
