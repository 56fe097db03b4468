// SPDX-License-Identifier: GPL-3.0-or-later
// The command line, asked of the built program as a terminal user would.
#include "platform/programversion.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

class TestCommandLine : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;

private slots:
    void initTestCase() {
        QFile file(dir_.filePath("-prestito"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("1,\"1000\",1,\"P\"\r\n\"01/01/01\",\"31/12/01\",\"10\"\r\n");
    }

    // What each stream starts with; "" when nothing is written to it, "-" when
    // it is not looked at. A program that starts ends at its first window.
    void answers_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err");
        const QString usage = "Uso: fenoverra [opzioni] [FILE]\n";
        const QString version = QString("Fenoverra %1\nLicenza GPL-3.0-or-later")
                                    .arg(QLatin1String(ProgramVersion::kVersion));
        const QString file = dir_.filePath("-prestito");
        // clang-format off
        QTest::newRow("--help") << QStringList{"--help"} << 0 << usage << "";
        QTest::newRow("-h") << QStringList{"-h"} << 0 << usage << "";
        QTest::newRow("--version") << QStringList{"--version"} << 0 << version << "";
        QTest::newRow("-v") << QStringList{"-v"} << 0 << version << "";
        QTest::newRow("after one of Qt's own") << QStringList{"-platform", "offscreen", "--version"} << 0 << version << "";
        QTest::newRow("unknown") << QStringList{"--colore"} << 2 << "" << "Opzione sconosciuta: colore\n\n" + usage;
        QTest::newRow("unknown short") << QStringList{"-x"} << 2 << "" << "Opzione sconosciuta: x\n\n" + usage;
        QTest::newRow("unknown beside --help") << QStringList{"--help", "--stampa"} << 2 << "" << "Opzione sconosciuta: stampa\n\n" + usage;
        QTest::newRow("a file") << QStringList{file} << 0 << "" << "-";
        QTest::newRow("no file") << QStringList{} << 0 << "" << "-";
        QTest::newRow("a file named like an option, after --") << QStringList{"--", "-prestito"} << 0 << "" << "-";
        QTest::newRow("a file named like an option") << QStringList{"-prestito"} << 2 << "" << "Opzione sconosciuta: prestito\n\n" + usage;
        QTest::newRow("-version, as Qt's options are written") << QStringList{"-version"} << 0 << version << "";
        // clang-format on
    }
    void answers() {
        QFETCH(QStringList, arguments);
        QFETCH(int, code);
        QFETCH(QString, out);
        QFETCH(QString, err);
        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        environment.insert("FENOVERRA_EXIT_WHEN_SHOWN", "1");
        // A file opened is remembered in the settings: here, not the user's.
        environment.insert("XDG_CONFIG_HOME", dir_.filePath("config"));
        environment.insert("XDG_RUNTIME_DIR", dir_.path()); // else Qt warns on stderr
        program.setProcessEnvironment(environment);
        program.setWorkingDirectory(dir_.path());
        program.start(QDir(qEnvironmentVariable("FENOVERRA_PROGRAM_DIR")).filePath("fenoverra"),
                      arguments);
        QVERIFY(program.waitForFinished(60000));
        const QString written[] = {QString::fromUtf8(program.readAllStandardOutput()),
                                   QString::fromUtf8(program.readAllStandardError())};
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QVERIFY2(program.exitCode() == code, qPrintable(written[1]));
        QVERIFY2(out.isEmpty() ? written[0].isEmpty() : written[0].startsWith(out),
                 qPrintable(written[0]));
        if (err != "-")
            QVERIFY2(err.isEmpty() ? written[1].isEmpty() : written[1].startsWith(err),
                     qPrintable(written[1]));
    }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_shell_commandline.moc"
