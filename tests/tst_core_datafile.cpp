// SPDX-License-Identifier: GPL-3.0-or-later
// The data-file and rate-table codecs: exact bytes on disk, tolerant reading,
// whole-file refusals with a reason, Windows-1252 and the round trip.
#include "files/format/cp1252.h"
#include "files/format/datafile.h"
#include "files/format/ratetablefile.h"

#include <QtTest>

using namespace fileformat;

namespace {

const QByteArray kDataBytes = "2,\"10000\",2,\"Prestito\"\r\n"
                              "\"01/01/01\",\"31/12/01\",\"3,5\"\r\n"
                              "\"01/01/02\",\"30/06/02\",\"2,75\"\r\n";
const QString kDataRead = "10000|2|Prestito|01/01/01-31/12/01=3,5;01/01/02-30/06/02=2,75";
const QByteArray kTableBytes = "2\r\n\"01/01/58\",\"4,00\"\r\n\"7/06/58\",\"3,50\"\r\n";

// What a codec reads: "capital|type|reference|start-end=rate;..." or
// "date=rate;...", or why it refuses; and the bytes the content read writes.
std::string readBack(bool table, const std::string& in, std::string& rewritten) {
    std::string rows;
    if (table) {
        const RateTableReadResult read = readRateTableFile(in);
        if (!read.rows) return "refused: " + read.error;
        for (const RateTableRow& r : *read.rows)
            rows += (rows.empty() ? "" : ";") + r.date + "=" + r.rate;
        rewritten = writeRateTableFile(*read.rows).bytes.value_or("");
        return rows;
    }
    const DataFileReadResult read = readDataFile(in);
    if (!read.content) return "refused: " + read.error;
    const DataFileContent& c = *read.content;
    for (const DataFilePeriod& p : c.periods)
        rows += (rows.empty() ? "" : ";") + p.start + "-" + p.end + "=" + p.rate;
    rewritten = writeDataFile(c).bytes.value_or("");
    return c.capital + "|" + std::to_string(c.type) + "|" + c.reference + "|" + rows;
}

} // namespace

class TestDataFile : public QObject {
    Q_OBJECT
private slots:
    // "exact": the content read writes these very bytes; the other files read
    // are forms only a reader must take. A faulty file is refused as a whole,
    // with a reason for "Il file <nome> non può essere aperto: <motivo>."
    void readFiles_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("outcome");
        QTest::addColumn<bool>("exact");
        // clang-format off
        const auto row = [](const char* name, const QByteArray& bytes, const QString& outcome, bool exact = false) { QTest::newRow(name) << bytes << outcome << exact; };
        row("two periods, compound", kDataBytes, kDataRead, true);
        row("no periods", "0,\"\",1,\"\"\r\n", "|1||", true);
        row("comma, è and € in Windows-1252", "1,\"1.000,50\",1,\"Caff\xE8, \x80 2\"\r\n\"01/01/01\",\"\",\"3,5\"\r\n", "1.000,50|1|Caffè, € 2|01/01/01-=3,5", true);
        row("LF only", QByteArray(kDataBytes).replace("\r\n", "\n"), kDataRead);
        row("no final line end", kDataBytes.chopped(2), kDataRead);
        row("blank lines at the end", kDataBytes + "\r\n\r\n  \r\n", kDataRead);
        row("empty", QByteArray(), "refused: il file è vuoto");
        row("binary", QByteArray("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16), "refused: non è un file di dati di Fenoverra");
        row("rate table", kTableBytes, "refused: la prima riga contiene solo un numero: sembra un file di tabella dei tassi, non un file di dati");
        row("count 201", "201,\"1\",1,\"\"\r\n", "refused: il numero dei periodi (201) non è compreso tra 0 e 200");
        row("capital unquoted", "0,10000,1,\"\"\r\n", "refused: il capitale non è un testo tra virgolette");
        row("type 0", "0,\"1\",0,\"\"\r\n", "refused: il tipo di calcolo (0) non è 1, 2 o 3");
        row("type x", "0,\"1\",x,\"\"\r\n", "refused: il tipo di calcolo non è un numero");
        row("no period lines", kDataBytes.left(kDataBytes.indexOf('\n') + 1), "refused: il file annuncia 2 periodi ma non ne contiene nessuno");
        row("rate missing", QByteArray(kDataBytes).replace(",\"2,75\"", ""), "refused: manca il tasso del periodo 2");
        row("one period more than announced", QByteArray(kDataBytes).replace("2,\"10000\"", "1,\"10000\""), "refused: il file annuncia 1 periodo ma contiene altre righe dopo l'ultimo");
        row("table: texts exactly as held", kTableBytes, "01/01/58=4,00;7/06/58=3,50", true);
        row("table: empty is the line 0", "0\r\n", "", true);
        row("table: row being built", "2\r\n\"01/01/10\",\"\"\r\n\"\",\"1,5\"\r\n", "01/01/10=;=1,5", true);
        row("table: data file", "1,\"1000\",1,\"x\"\r\n\"01/01/01\",\"\",\"3\"\r\n", "refused: la prima riga contiene più di un campo: sembra un file di dati, non un file di tabella dei tassi");
        row("table: first line quoted", "\"2\"\r\n", "refused: non è un file di tabella dei tassi di Fenoverra");
        row("table: count 201", "201\r\n", "refused: il numero delle righe (201) non è compreso tra 0 e 200");
        row("table: rate missing", QByteArray(kTableBytes).replace(",\"3,50\"", ""), "refused: manca il tasso della riga 2");
        row("table: date unquoted", QByteArray(kTableBytes).replace("\"7/06/58\"", "7/06/58"), "refused: la data della riga 2 non è un testo tra virgolette");
        row("table: three fields", QByteArray(kTableBytes).replace("\"3,50\"", "\"3,50\",\"x\""), "refused: la riga 2 contiene più di due campi");
        row("table: fewer rows", QByteArray(kTableBytes).replace("2\r\n", "3\r\n"), "refused: il file annuncia 3 righe ma ne contiene solo 2");
        row("table: more rows", QByteArray(kTableBytes).replace("2\r\n", "1\r\n"), "refused: il file annuncia 1 riga ma contiene altre righe dopo l'ultima");
        // clang-format on
    }
    void readFiles() {
        const bool table = QByteArray(QTest::currentDataTag()).startsWith("table:");
        QFETCH(QByteArray, bytes);
        QFETCH(QString, outcome);
        QFETCH(bool, exact);
        std::string rewritten;
        QCOMPARE(QString::fromStdString(readBack(table, bytes.toStdString(), rewritten)), outcome);
        if (exact) QCOMPARE(QByteArray::fromStdString(rewritten), bytes);
    }

    // Every byte but the double quote, in every field of 200 periods, survives
    // a file; a reference the format cannot store is refused with a reason (a
    // rate table's texts come from bars and files that cannot hold one).
    void everyStorableByteSurvivesAFile() {
        std::string all;
        for (int b = 0; b < 256; ++b)
            if (b != '"') all += cp1252ToUtf8(std::string(1, static_cast<char>(b)));
        const DataFileContent data{all, 3, all, std::vector<DataFilePeriod>(200, {all, all, all})};
        const DataFileWriteResult written = writeDataFile(data);
        QVERIFY2(written.bytes, written.error.c_str());
        QCOMPARE(written.bytes->size(), std::size_t(13 + 10 * 200 + 255 * 602));
        const DataFileReadResult read = readDataFile(*written.bytes);
        QVERIFY(read.content && *read.content == data);
        const auto refusal = [](const char* reference) {
            const DataFileWriteResult w = writeDataFile({"1", 1, reference, {}});
            return QString::fromStdString(w.error) + (w.bytes ? " (written)" : "");
        };
        QCOMPARE(refusal("il \"vecchio\" mutuo"), "il riferimento contiene virgolette (\"): il "
                                                  "formato dei file non le può conservare");
        QCOMPARE(refusal("Prestito ☺ casa"), "il riferimento contiene il carattere «☺» (U+263A): "
                                             "il formato dei file non lo può conservare");
    }
};

QTEST_APPLESS_MAIN(TestDataFile)
#include "tst_core_datafile.moc"
