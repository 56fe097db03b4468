// SPDX-License-Identifier: GPL-3.0-or-later
// A file named on the command line (the desktop entry's %f) opens in the window it belongs to.
#include "support/datisupport.h"
#include "support/tabellasupport.h"

#include "platform/commondialog.h"
#include "platform/messagebox.h"
#include "platform/windowregistry.h"
#include "shell/startup.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

namespace {

// The files the rows write: "/" a folder, "|" a FIFO, nothing no file at all.
const QByteArray kFolder("/"), kFifo("|");

const QString kLegalRates = "Tabella dei tassi legali (art.1284 Codice Civile)";

} // namespace

class TestStartFile : public QObject {
    Q_OBJECT
    std::optional<TestFixture> fixture;
    QTemporaryDir dir_;

private slots:
    void init() {
        fixture.emplace();
        Startup::wireWindows(TestFixture::context());
    }
    void cleanup() {
        TabellaTest::closeWindows();
        fixture.reset();
    }

    // The content decides, the name only when it reads as neither. A file that cannot be read
    // gets the message "Apri" gives for it, from the window it was meant for, left empty.
    // The Data window always shows; the file Save writes to is the one read, else none ("%1"
    // stands for the file's path).
    void fileOpensInItsWindow_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("capital");
        QTest::addColumn<int>("periods");
        QTest::addColumn<QString>("dataFile");
        QTest::addColumn<bool>("table"); // the rate-table window shown
        QTest::addColumn<int>("tableRows");
        QTest::addColumn<QString>("tableTitle");
        QTest::addColumn<QString>("tableFile");
        QTest::addColumn<QString>("reason"); // in the message; none: no message
        // clang-format off
        QTest::newRow("no file: the data window alone") << "" << QByteArray() << "" << 0 << "" << false << 0 << "" << "" << "";
        QTest::newRow("data file") << "Fenoverra-dati-prestito" << QByteArray("1,\"1000\",1,\"P\"\r\n\"01/01/01\",\"31/12/01\",\"10\"\r\n") << "1000" << 1 << "%1" << false << 0 << "" << "" << "";
        QTest::newRow("table file under a data file's name") << "Fenoverra-dati-sconto" << QByteArray("2\r\n\"01/01/58\",\"4,00\"\r\n\"7/06/58\",\"3,50\"\r\n") << "" << 0 << "" << true << 2 << "%1" << "%1" << "";
        QTest::newRow("damaged table") << "Fenoverra-tab-rotta" << QByteArray("3\r\n\"01/01/58\",\"4,00\"\r\n") << "" << 0 << "" << true << 0 << kLegalRates << "" << "annuncia 3 righe";
        QTest::newRow("damaged data") << "Fenoverra-dati-rotto" << QByteArray("2,\"1000\",7,\"x\"\r\n") << "" << 0 << "" << false << 0 << "" << "" << "(7) non è 1, 2 o 3";
        QTest::newRow("damaged, any name") << "appunti.txt" << QByteArray("Caro Mario,\r\n") << "" << 0 << "" << false << 0 << "" << "" << "non è un file di dati";
        QTest::newRow("missing table") << "Fenoverra-TAB-assente" << QByteArray() << "" << 0 << "" << true << 0 << kLegalRates << "" << "il file non esiste";
        QTest::newRow("a folder") << "Fenoverra-tab-cartella" << kFolder << "" << 0 << "" << true << 0 << kLegalRates << "" << "è una cartella";
        QTest::newRow("a FIFO, not waited on") << "Fenoverra-tab-pipe" << kFifo << "" << 0 << "" << true << 0 << kLegalRates << "" << "è una pipe (FIFO)";
        // clang-format on
    }
    void fileOpensInItsWindow() {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, capital);
        QFETCH(int, periods);
        QFETCH(QString, dataFile);
        QFETCH(bool, table);
        QFETCH(int, tableRows);
        QFETCH(QString, tableTitle);
        QFETCH(QString, tableFile);
        QFETCH(QString, reason);
        QDir::setCurrent(dir_.path()); // the program is given the name alone
        if (bytes == kFolder) QDir().mkpath(dir_.filePath(name));
        if (bytes == kFifo) QVERIFY(::mkfifo(QFile::encodeName(dir_.filePath(name)), 0600) == 0);
        const bool special = bytes == kFolder || bytes == kFifo;
        const QString path = tempFile(dir_, name, special ? QByteArray() : bytes);
        if (!reason.isEmpty()) expectBox();
        Startup::showFirstWindows(name);
        Dati* d = TabellaTest::dati();
        QVERIFY(d->isVisible());
        QCOMPARE(text(*d, "capiniz"), capital);
        QCOMPARE(DatiTest::periods().numperiodi, periods);
        QCOMPARE(d->nomefile, QString(dataFile).replace("%1", path));
        auto* t = qobject_cast<Tabella*>(WindowRegistry::loaded("tabella"));
        QCOMPARE(t != nullptr, table);
        if (t) {
            QVERIFY(t->isVisible());
            QCOMPARE(t->table().rowCount(), tableRows);
            QCOMPARE(t->titolo(), QString(tableTitle).replace("%1", path));
            QCOMPARE(t->nomefile, QString(tableFile).replace("%1", path));
        }
        if (reason.isEmpty()) return; // and no box, or it fails the test unscripted

        // "Apri" on the same file says the same.
        expectBox();
        CommonDialog::setNextFileName(path);
        QMetaObject::invokeMethod(WindowRegistry::loaded(table ? "tabella" : "dati"), "apri");
        const QList<MessageBox::Shown> shown = MessageBox::shown();
        QCOMPARE(shown.size(), 2);
        QVERIFY2(shown[0].prompt.contains(reason), qPrintable(shown[0].prompt));
        QCOMPARE(shown[1].prompt, shown[0].prompt);
        QCOMPARE(shown[1].style, shown[0].style);
        QCOMPARE(shown[1].title, shown[0].title);
    }
};

QTEST_MAIN(TestStartFile)
#include "tst_shell_startfile.moc"
