// The rate-table codec: what differs from the data file (tst_core_datafile
// covers the shared syntax, the tolerant forms, Windows-1252 and the texts a
// writer must refuse; a table's texts come from its bars, presets and files,
// which cannot hold them).
#include "files/format/ratetablefile.h"

#include <QtTest>

using namespace fileformat;

Q_DECLARE_METATYPE(fileformat::RateTableRows)

namespace {

std::string bytesOf(const QByteArray& a) {
    return std::string(a.constData(), static_cast<std::size_t>(a.size()));
}

QString describe(const RateTableRows& rows) {
    QStringList parts;
    for (const auto& r : rows)
        parts << QString::fromStdString(r.date + "|" + r.rate);
    return parts.join(' ');
}

const QByteArray kTwoRows = "2\r\n\"01/01/58\",\"4,00\"\r\n\"7/06/58\",\"3,50\"\r\n";

} // namespace

class TestRateTableFile : public QObject {
    Q_OBJECT
private slots:
    void knownFiles_data() {
        QTest::addColumn<RateTableRows>("rows");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("texts exactly as held")
            << RateTableRows{{"01/01/58", "4,00"}, {"7/06/58", "3,50"}} << kTwoRows;
        QTest::newRow("empty table is the line 0") << RateTableRows{} << QByteArray("0\r\n");
        QTest::newRow("row being built")
            << RateTableRows{{"01/01/10", ""}, {"", "1,5"}}
            << QByteArray("2\r\n\"01/01/10\",\"\"\r\n\"\",\"1,5\"\r\n");
    }
    void knownFiles() {
        QFETCH(RateTableRows, rows);
        QFETCH(QByteArray, bytes);
        const RateTableWriteResult written = writeRateTableFile(rows);
        QVERIFY2(written.bytes, written.error.c_str());
        QCOMPARE(QByteArray::fromStdString(*written.bytes), bytes);
        const RateTableReadResult read = readRateTableFile(bytesOf(bytes));
        QVERIFY2(read.rows, read.error.c_str());
        QVERIFY2(*read.rows == rows, qPrintable(describe(*read.rows)));
    }

    void refusesMalformedFiles_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("reason");
        // clang-format off
        QTest::newRow("data file") << QByteArray("1,\"1000\",1,\"x\"\r\n\"01/01/01\",\"\",\"3\"\r\n") << "la prima riga contiene più di un campo: sembra un file di dati, non un file di tabella dei tassi";
        QTest::newRow("first line quoted") << QByteArray("\"2\"\r\n") << "non è un file di tabella dei tassi di Fenoverra";
        QTest::newRow("count 201") << QByteArray("201\r\n") << "il numero delle righe (201) non è compreso tra 0 e 200";
        QTest::newRow("rate missing") << QByteArray(kTwoRows).replace(",\"3,50\"", "") << "manca il tasso della riga 2";
        QTest::newRow("date unquoted") << QByteArray(kTwoRows).replace("\"7/06/58\"", "7/06/58") << "la data della riga 2 non è un testo tra virgolette";
        QTest::newRow("three fields") << QByteArray(kTwoRows).replace("\"3,50\"", "\"3,50\",\"x\"") << "la riga 2 contiene più di due campi";
        QTest::newRow("fewer rows") << QByteArray(kTwoRows).replace("2\r\n", "3\r\n") << "il file annuncia 3 righe ma ne contiene solo 2";
        QTest::newRow("more rows") << QByteArray(kTwoRows).replace("2\r\n", "1\r\n") << "il file annuncia 1 riga ma contiene altre righe dopo l'ultima";
        // clang-format on
    }
    void refusesMalformedFiles() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, reason);
        const RateTableReadResult read = readRateTableFile(bytesOf(bytes));
        QVERIFY(!read.rows);
        QCOMPARE(QString::fromStdString(read.error), reason);
    }
};

QTEST_APPLESS_MAIN(TestRateTableFile)
#include "tst_core_ratetablefile.moc"
