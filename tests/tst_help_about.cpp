// SPDX-License-Identifier: GPL-3.0-or-later
// The about window.

#include "help/informa.h"
#include "platform/modfenoverra.h"
#include "platform/windowregistry.h"
#include "shell/startup.h"
#include "support/testfixture.h"
#include "support/testsupport.h"

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
    void versionLine() {
        QCOMPARE(informa::versionLine("2.1", "15/03/2004", "010909"),
                 QString("edizione professionale - versione 2.1   2004- 2009"));
        QCOMPARE(informa::versionLine("2.1", "07/12/2026", "081226"),
                 QString("edizione professionale - versione 2.1   2026- 2026"));
    }

    // One window however often it is opened, showing the version; OK hides it.
    void oneWindowHiddenByOk() {
        QPointer<QWidget> about = WindowRegistry::show("informa");
        QCOMPARE(text(*about, "Label6"),
                 informa::versionLine(ModFenoverra::versione, ModFenoverra::datarilascio,
                                      ModFenoverra::datacompilazione));
        click(*about, "cmdOK");
        QVERIFY(!about->isVisible());
        QCOMPARE(WindowRegistry::show("informa"), about.data()); // shown again, not made again
        delete about;
    }
};

QTEST_MAIN(TestAbout)
#include "tst_help_about.moc"
