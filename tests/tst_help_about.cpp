// The about window.

#include "help/informa.h"
#include "platform/modfenoverra.h"
#include "platform/windowregistry.h"
#include "shell/startup.h"
#include "support/testfixture.h"
#include "support/testsupport.h"

#include <QLabel>
#include <QtTest>

class TestAbout : public QObject {
    Q_OBJECT
    std::optional<TestFixture> fixture;

private slots:
    void init() {
        fixture.emplace();
        Startup::wireWindows();
    }
    void cleanup() { fixture.reset(); }

    // The version line with its blanks, for 2004 and a build code ending in 09.
    void versionLine_data() {
        QTest::addColumn<QString>("released");
        QTest::addColumn<QString>("built");
        QTest::addColumn<QString>("line");
        // clang-format off
        QTest::newRow("2004, built in 2009") << "15/03/2004" << "010909" << "edizione professionale - versione 2.1   2004- 2009";
        QTest::newRow("same year") << "07/12/2026" << "081226" << "edizione professionale - versione 2.1   2026- 2026";
        // clang-format on
    }
    void versionLine() {
        QFETCH(QString, released);
        QFETCH(QString, built);
        QFETCH(QString, line);
        QCOMPARE(informa::versionLine("2.1", released, built), line);
    }

    // One window however often it is opened, every line whole; OK hides it.
    void oneWindowHiddenByOk() {
        QPointer<QWidget> about = WindowRegistry::show("informa");
        QCOMPARE(text(*about, "Label6"),
                 informa::versionLine(ModFenoverra::versione, ModFenoverra::datarilascio,
                                      ModFenoverra::datacompilazione));
        for (const char* name : {"Label1", "Label2", "Label5", "Label6"}) {
            auto* label = findControl<QLabel>(about, name);
            QVERIFY2(label->sizeHint().width() <= label->width(), name);
        }
        click(*about, "cmdOK");
        QVERIFY(!about->isVisible());
        QCOMPARE(WindowRegistry::show("informa"), about.data()); // shown again, not made again
        delete about;
    }
};

QTEST_MAIN(TestAbout)
#include "tst_help_about.moc"
