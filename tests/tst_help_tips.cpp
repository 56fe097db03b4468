// SPDX-License-Identifier: GPL-3.0-or-later
// The tip of the day and its tips file.

#include "files/tipsfile.h"
#include "help/frmtip.h"
#include "platform/windowregistry.h"
#include "support/testfixture.h"
#include "support/testsupport.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

class TestTips : public QObject {
    Q_OBJECT
    std::optional<TestFixture> fixture;

private slots:
    void init() { fixture.emplace(); }
    void cleanup() { fixture.reset(); }

    // Steps: ">" Successivo, "<" Precedente, "h" Chiudi and shown again;
    // the tip shown at opening and after each step. No bytes: no file.
    void stepsThroughTheTips_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QStringList>("shown");
        // clang-format off
        const QString missing = "Impossibile trovare il file SuggerimentiFenoverra.TXT\r\n\r\nCreare un file di testo denominato SuggerimentiFenoverra.TXT utilizzando il Blocco note e "
                                "inserendo un suggerimento per ogni riga. Inserire il file nella stessa directory dell'applicazione. ";
        QTest::newRow("forward wraps, back stops at the first, kept across a hide") << QByteArray("uno\r\ndue\r\ntre\r\n") << ">h>><" << QStringList{"uno", "due", "due", "tre", "uno", "uno"};
        QTest::newRow("Windows-1252, LF ends, an empty tip, no last line end") << QByteArray("perch\xe9 \xe8 cos\xec\n\nl'ultimo") << ">>>" << QStringList{"perché è così", "", "l'ultimo", "perché è così"};
        QTest::newRow("empty file") << QByteArray("") << "><" << QStringList{"", "", ""};
        QTest::newRow("missing file") << QByteArray() << "><h" << QStringList{missing, missing, missing, missing};
        // clang-format on
    }
    void stepsThroughTheTips() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, steps);
        QFETCH(QStringList, shown);
        QTemporaryDir dir;
        const QString path = tempFile(dir, TipsFile::kFileName, bytes);
        if (bytes.isEmpty() && !bytes.isNull()) QVERIFY(QFile(path).open(QIODevice::WriteOnly));
        WindowRegistry::define("frmTip", [path] { return new frmTip(path); });
        std::unique_ptr<QWidget> tips(WindowRegistry::show("frmTip"));
        QStringList seen{text(*tips, "lblTipText")};
        for (QChar step : steps) {
            click(*tips, step == u'>' ? "cmdNextTip" : step == u'<' ? "cmdprecedente" : "cmdOK");
            if (step == u'h') QCOMPARE(WindowRegistry::show("frmTip"), tips.get());
            seen << text(*tips, "lblTipText");
        }
        QCOMPARE(seen, shown);
        QVERIFY(!frmTip(QString()).LoadTips(dir.path())); // a folder is no tips file
    }

    // The file shipped with the program: Windows-1252 (no UTF-8 \xc3) with CR LF, 20 to 30 tips.
    void shippedTips() {
        const QString path =
            qEnvironmentVariable("FENOVERRA_SOURCE_DIR") + "/resources/SuggerimentiFenoverra.TXT";
        const QByteArray bytes = contentsOf(path);
        QVERIFY(bytes.endsWith("\r\n") && bytes.count("\r\n") == bytes.count('\n'));
        QVERIFY(!bytes.contains("\xc3") && bytes.count('\n') >= 20 && bytes.count('\n') <= 30);
    }
};

QTEST_MAIN(TestTips)
#include "tst_help_tips.moc"
