// SPDX-License-Identifier: GPL-3.0-or-later
// A file named on the command line (the desktop entry's %f) opens in the window it belongs to.
#include "support/datisupport.h"
#include "support/tabellasupport.h"

#include "core/sharedcalculation.h"
#include "platform/commondialog.h"
#include "platform/windowregistry.h"
#include "shell/startup.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

// Each window's content and the file Save writes to (the one read, else none); "hidden" if so.
static QString state() {
    Dati* d = TabellaTest::dati();
    QString s =
        QString(d->isVisible() ? "dati|%1|%2|%3" : "hidden|%1|%2|%3")
            .arg(text(*d, "capiniz"), QString::number(core::periodi().numperiodi), d->nomefile);
    if (auto* t = qobject_cast<Tabella*>(WindowRegistry::loaded("tabella")))
        s += QString(t->isVisible() ? "|tabella|%1|%2|%3" : "|hidden|%1|%2|%3")
                 .arg(QString::number(t->tabella().righetab), t->titolo(), t->nomefile);
    return s;
}

class TestStartFile : public QObject {
    Q_OBJECT
    std::optional<TestFixture> fixture;
    QTemporaryDir dir_;

private slots:
    void init() {
        fixture.emplace();
        Startup::wireWindows();
    }
    void cleanup() {
        TabellaTest::closeWindows();
        fixture.reset();
    }

    // The content decides, the name only when it reads as neither. A file that cannot be read
    // gets the message "Apri" gives for it, from the window it was meant for, left empty.
    void fileOpensInItsWindow_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes"); // "" none, "/" a folder
        QTest::addColumn<QString>("shown");    // %1: the file's path; after " ! ", in the message
        // clang-format off
        const QString emptyTable = "dati||0||tabella|0|Tabella dei tassi legali (art.1284 Codice Civile)| ! ";
        QTest::newRow("no file: the data window alone") << "" << QByteArray() << "dati||0|";
        QTest::newRow("data file") << "Fenoverra-dati-prestito" << QByteArray("1,\"1000\",1,\"P\"\r\n\"01/01/01\",\"31/12/01\",\"10\"\r\n") << "dati|1000|1|%1";
        QTest::newRow("table file under a data file's name") << "Fenoverra-dati-sconto" << QByteArray("2\r\n\"01/01/58\",\"4,00\"\r\n\"7/06/58\",\"3,50\"\r\n") << "dati||0||tabella|2|%1|%1";
        QTest::newRow("damaged table") << "Fenoverra-tab-rotta" << QByteArray("3\r\n\"01/01/58\",\"4,00\"\r\n") << emptyTable + "annuncia 3 righe";
        QTest::newRow("damaged data") << "Fenoverra-dati-rotto" << QByteArray("2,\"1000\",7,\"x\"\r\n") << "dati||0| ! (7) non è 1, 2 o 3";
        QTest::newRow("damaged, any name") << "appunti.txt" << QByteArray("Caro Mario,\r\n") << "dati||0| ! non è un file di dati";
        QTest::newRow("missing table") << "Fenoverra-TAB-assente" << QByteArray() << emptyTable + "il file non esiste";
        QTest::newRow("a folder") << "Fenoverra-tab-cartella" << QByteArray("/") << emptyTable + "è una cartella";
        // clang-format on
    }
    void fileOpensInItsWindow() {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, shown);
        const QString reason = shown.section(" ! ", 1);
        QDir::setCurrent(dir_.path()); // the program is given the name alone
        if (bytes == "/") QDir().mkpath(dir_.filePath(name));
        const QString path = tempFile(dir_, name, bytes == "/" ? QByteArray() : bytes);
        if (!reason.isEmpty()) expectBox();
        Startup::showFirstWindows(name);
        QCOMPARE(state(), shown.section(" ! ", 0, 0).replace("%1", path));
        if (reason.isEmpty()) return; // and no box, or it fails the test unscripted
        expectBox();
        CommonDialog::setNextFileName(path);
        QMetaObject::invokeMethod(
            WindowRegistry::loaded(shown.contains("tabella") ? "tabella" : "dati"), "apri");
        const QString atStart = boxes().value(0);
        QVERIFY2(boxes() == QStringList({atStart, atStart}) && atStart.contains(reason),
                 qPrintable(boxes().join('\n')));
    }
};

QTEST_MAIN(TestStartFile)
#include "tst_shell_startfile.moc"
