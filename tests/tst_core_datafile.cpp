// The data-file codec: exact bytes on disk, tolerant reading, whole-file
// refusals with a reason, Windows-1252 and the round trip.
#include "files/format/cp1252.h"
#include "files/format/datafile.h"

#include <QtTest>

using namespace fileformat;

Q_DECLARE_METATYPE(fileformat::DataFileContent)

namespace {

std::string bytesOf(const QByteArray& a) {
    return std::string(a.constData(), static_cast<std::size_t>(a.size()));
}

DataFileContent content(std::string capital, int type, std::string reference,
                        std::vector<DataFilePeriod> periods = {}) {
    return DataFileContent{std::move(capital), type, std::move(reference), std::move(periods)};
}

const DataFileContent kExample = content(
    "10000", 2, "Prestito", {{"01/01/01", "31/12/01", "3,5"}, {"01/01/02", "30/06/02", "2,75"}});
const QByteArray kExampleBytes = "2,\"10000\",2,\"Prestito\"\r\n"
                                 "\"01/01/01\",\"31/12/01\",\"3,5\"\r\n"
                                 "\"01/01/02\",\"30/06/02\",\"2,75\"\r\n";

} // namespace

class TestDataFile : public QObject {
    Q_OBJECT
private slots:
    // Bytes the writer gives exactly (written), or forms only a reader must take.
    void knownFiles_data() {
        QTest::addColumn<DataFileContent>("data");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("written");
        QTest::newRow("two periods, compound") << kExample << kExampleBytes << true;
        QTest::newRow("no periods")
            << content("", 1, "") << QByteArray("0,\"\",1,\"\"\r\n") << true;
        QTest::newRow("comma, è and € in Windows-1252")
            << content("1.000,50", 1, "Caffè, € 2", {{"01/01/01", "", "3,5"}})
            << QByteArray("1,\"1.000,50\",1,\"Caff\xE8, \x80 2\"\r\n\"01/01/01\",\"\",\"3,5\"\r\n")
            << true;
        QTest::newRow("LF only") << kExample << QByteArray(kExampleBytes).replace("\r\n", "\n")
                                 << false;
        QTest::newRow("no final line end") << kExample << kExampleBytes.chopped(2) << false;
        QTest::newRow("blank lines at the end") << kExample << kExampleBytes + "\r\n\r\n  \r\n"
                                                << false;
    }
    void knownFiles() {
        QFETCH(DataFileContent, data);
        QFETCH(QByteArray, bytes);
        QFETCH(bool, written);
        if (written) QCOMPARE(QByteArray::fromStdString(*writeDataFile(data).bytes), bytes);
        const DataFileReadResult read = readDataFile(bytesOf(bytes));
        QVERIFY2(read.content, read.error.c_str());
        QVERIFY(*read.content == data);
    }

    // Every byte but the double quote, in every field of a file of 200
    // periods, is written as itself and read back unchanged.
    void everyByteSurvivesAFile() {
        std::string all;
        for (int b = 0; b < 256; ++b) {
            if (b != '"') all += cp1252ToUtf8(std::string(1, static_cast<char>(b)));
        }
        const DataFileContent data =
            content(all, 3, all, std::vector<DataFilePeriod>(200, {all, all, all}));
        const DataFileWriteResult written = writeDataFile(data);
        QVERIFY2(written.bytes, written.error.c_str());
        QCOMPARE(written.bytes->size(), std::size_t(13 + 10 * 200 + 255 * 602));
        const DataFileReadResult read = readDataFile(*written.bytes);
        QVERIFY2(read.content, read.error.c_str());
        QVERIFY(*read.content == data);
    }

    // A faulty file is refused as a whole, with a reason that fits in
    // "Il file <nome> non può essere aperto: <motivo>."
    void refusesMalformedFiles_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("reason");
        // clang-format off
        QTest::newRow("empty") << QByteArray() << "il file è vuoto";
        QTest::newRow("binary") << QByteArray("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16) << "non è un file di dati di Fenoverra";
        QTest::newRow("rate table") << QByteArray("2\r\n\"01/01/58\",\"4,00\"\r\n\"16/12/90\",\"10,00\"\r\n") << "la prima riga contiene solo un numero: sembra un file di tabella dei tassi, non un file di dati";
        QTest::newRow("count 201") << QByteArray("201,\"1\",1,\"\"\r\n") << "il numero dei periodi (201) non è compreso tra 0 e 200";
        QTest::newRow("capital unquoted") << QByteArray("0,10000,1,\"\"\r\n") << "il capitale non è un testo tra virgolette";
        QTest::newRow("type 0") << QByteArray("0,\"1\",0,\"\"\r\n") << "il tipo di calcolo (0) non è 1, 2 o 3";
        QTest::newRow("type x") << QByteArray("0,\"1\",x,\"\"\r\n") << "il tipo di calcolo non è un numero";
        QTest::newRow("no period lines") << kExampleBytes.left(kExampleBytes.indexOf('\n') + 1) << "il file annuncia 2 periodi ma non ne contiene nessuno";
        QTest::newRow("rate missing") << QByteArray(kExampleBytes).replace(",\"2,75\"", "") << "manca il tasso del periodo 2";
        QTest::newRow("one period more than announced") << QByteArray(kExampleBytes).replace("2,\"10000\"", "1,\"10000\"") << "il file annuncia 1 periodo ma contiene altre righe dopo l'ultimo";
        // clang-format on
    }
    void refusesMalformedFiles() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, reason);
        const DataFileReadResult read = readDataFile(bytesOf(bytes));
        QVERIFY(!read.content);
        QCOMPARE(QString::fromStdString(read.error), reason);
    }

    void refusesUnstorableTexts_data() {
        QTest::addColumn<DataFileContent>("data");
        QTest::addColumn<QString>("reason");
        // clang-format off
        QTest::newRow("quote in reference") << content("1", 1, "il \"vecchio\" mutuo") << "il riferimento contiene virgolette (\"): il formato dei file non le può conservare";
        QTest::newRow("character outside Windows-1252") << content("1", 1, "Prestito ☺ casa") << "il riferimento contiene il carattere «☺» (U+263A): il formato dei file non lo può conservare";
        // clang-format on
    }
    void refusesUnstorableTexts() {
        QFETCH(DataFileContent, data);
        QFETCH(QString, reason);
        const DataFileWriteResult written = writeDataFile(data);
        QVERIFY(!written.bytes);
        QCOMPARE(QString::fromStdString(written.error), reason);
    }
};

QTEST_APPLESS_MAIN(TestDataFile)
#include "tst_core_datafile.moc"
