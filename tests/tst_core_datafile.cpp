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

QString text(const std::string& s) {
    return QString::fromStdString(s);
}

// What a codec reads: the content as "capital|type|reference|start-end=rate;..."
// or "date=rate;...", or why it refuses; and the bytes the content read writes.
QString readBack(bool table, const QByteArray& bytes, QByteArray& rewritten) {
    const std::string in(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    QStringList rows;
    if (table) {
        const RateTableReadResult read = readRateTableFile(in);
        if (!read.rows) return "refused: " + text(read.error);
        for (const RateTableRow& r : *read.rows)
            rows << text(r.date + "=" + r.rate);
        rewritten = QByteArray::fromStdString(writeRateTableFile(*read.rows).bytes.value_or(""));
        return rows.join(';');
    }
    const DataFileReadResult read = readDataFile(in);
    if (!read.content) return "refused: " + text(read.error);
    const DataFileContent& c = *read.content;
    for (const DataFilePeriod& p : c.periods)
        rows << text(p.start + "-" + p.end + "=" + p.rate);
    rewritten = QByteArray::fromStdString(writeDataFile(c).bytes.value_or(""));
    return QStringList{text(c.capital), QString::number(c.type), text(c.reference), rows.join(';')}
        .join('|');
}

} // namespace

class TestDataFile : public QObject {
    Q_OBJECT
private slots:
    // "exact": the content read writes these very bytes; the other files
    // that read are forms only a reader must take. A faulty file is refused
    // as a whole, with a reason that fits in
    // "Il file <nome> non può essere aperto: <motivo>."
    void readFiles_data() {
        QTest::addColumn<bool>("table");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("outcome");
        QTest::addColumn<bool>("exact");
        const auto data = [](const char* name, const QByteArray& bytes, const QString& outcome,
                             bool exact = false) {
            QTest::newRow(name) << false << bytes << outcome << exact;
        };
        const auto table = [](const char* name, const QByteArray& bytes, const QString& outcome,
                              bool exact = false) {
            QTest::newRow(name) << true << bytes << outcome << exact;
        };
        // clang-format off
        data("two periods, compound", kDataBytes, kDataRead, true);
        data("no periods", "0,\"\",1,\"\"\r\n", "|1||", true);
        data("comma, è and € in Windows-1252", "1,\"1.000,50\",1,\"Caff\xE8, \x80 2\"\r\n\"01/01/01\",\"\",\"3,5\"\r\n", "1.000,50|1|Caffè, € 2|01/01/01-=3,5", true);
        data("LF only", QByteArray(kDataBytes).replace("\r\n", "\n"), kDataRead);
        data("no final line end", kDataBytes.chopped(2), kDataRead);
        data("blank lines at the end", kDataBytes + "\r\n\r\n  \r\n", kDataRead);
        data("empty", QByteArray(), "refused: il file è vuoto");
        data("binary", QByteArray("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16), "refused: non è un file di dati di Fenoverra");
        data("rate table", kTableBytes, "refused: la prima riga contiene solo un numero: sembra un file di tabella dei tassi, non un file di dati");
        data("count 201", "201,\"1\",1,\"\"\r\n", "refused: il numero dei periodi (201) non è compreso tra 0 e 200");
        data("capital unquoted", "0,10000,1,\"\"\r\n", "refused: il capitale non è un testo tra virgolette");
        data("type 0", "0,\"1\",0,\"\"\r\n", "refused: il tipo di calcolo (0) non è 1, 2 o 3");
        data("type x", "0,\"1\",x,\"\"\r\n", "refused: il tipo di calcolo non è un numero");
        data("no period lines", kDataBytes.left(kDataBytes.indexOf('\n') + 1), "refused: il file annuncia 2 periodi ma non ne contiene nessuno");
        data("rate missing", QByteArray(kDataBytes).replace(",\"2,75\"", ""), "refused: manca il tasso del periodo 2");
        data("one period more than announced", QByteArray(kDataBytes).replace("2,\"10000\"", "1,\"10000\""), "refused: il file annuncia 1 periodo ma contiene altre righe dopo l'ultimo");
        table("table: texts exactly as held", kTableBytes, "01/01/58=4,00;7/06/58=3,50", true);
        table("table: empty is the line 0", "0\r\n", "", true);
        table("table: row being built", "2\r\n\"01/01/10\",\"\"\r\n\"\",\"1,5\"\r\n", "01/01/10=;=1,5", true);
        table("table: data file", "1,\"1000\",1,\"x\"\r\n\"01/01/01\",\"\",\"3\"\r\n", "refused: la prima riga contiene più di un campo: sembra un file di dati, non un file di tabella dei tassi");
        table("table: first line quoted", "\"2\"\r\n", "refused: non è un file di tabella dei tassi di Fenoverra");
        table("table: count 201", "201\r\n", "refused: il numero delle righe (201) non è compreso tra 0 e 200");
        table("table: rate missing", QByteArray(kTableBytes).replace(",\"3,50\"", ""), "refused: manca il tasso della riga 2");
        table("table: date unquoted", QByteArray(kTableBytes).replace("\"7/06/58\"", "7/06/58"), "refused: la data della riga 2 non è un testo tra virgolette");
        table("table: three fields", QByteArray(kTableBytes).replace("\"3,50\"", "\"3,50\",\"x\""), "refused: la riga 2 contiene più di due campi");
        table("table: fewer rows", QByteArray(kTableBytes).replace("2\r\n", "3\r\n"), "refused: il file annuncia 3 righe ma ne contiene solo 2");
        table("table: more rows", QByteArray(kTableBytes).replace("2\r\n", "1\r\n"), "refused: il file annuncia 1 riga ma contiene altre righe dopo l'ultima");
        // clang-format on
    }
    void readFiles() {
        QFETCH(bool, table);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, outcome);
        QFETCH(bool, exact);
        QByteArray rewritten;
        QCOMPARE(readBack(table, bytes, rewritten), outcome);
        if (exact) QCOMPARE(rewritten, bytes);
    }

    // Every byte but the double quote, in every field of a file of 200
    // periods, is written as itself and read back unchanged.
    void everyByteSurvivesAFile() {
        std::string all;
        for (int b = 0; b < 256; ++b) {
            if (b != '"') all += cp1252ToUtf8(std::string(1, static_cast<char>(b)));
        }
        const DataFileContent data{all, 3, all, std::vector<DataFilePeriod>(200, {all, all, all})};
        const DataFileWriteResult written = writeDataFile(data);
        QVERIFY2(written.bytes, written.error.c_str());
        QCOMPARE(written.bytes->size(), std::size_t(13 + 10 * 200 + 255 * 602));
        const DataFileReadResult read = readDataFile(*written.bytes);
        QVERIFY2(read.content, read.error.c_str());
        QVERIFY(*read.content == data);
    }

    // A rate table's texts come from its bars, presets and files, which
    // cannot hold what the format cannot store; a data file's reference can.
    void refusesUnstorableTexts_data() {
        QTest::addColumn<QString>("reference");
        QTest::addColumn<QString>("reason");
        // clang-format off
        QTest::newRow("quote") << "il \"vecchio\" mutuo" << "il riferimento contiene virgolette (\"): il formato dei file non le può conservare";
        QTest::newRow("character outside Windows-1252") << "Prestito ☺ casa" << "il riferimento contiene il carattere «☺» (U+263A): il formato dei file non lo può conservare";
        // clang-format on
    }
    void refusesUnstorableTexts() {
        QFETCH(QString, reference);
        QFETCH(QString, reason);
        const DataFileWriteResult written = writeDataFile({"1", 1, reference.toStdString(), {}});
        QVERIFY(!written.bytes);
        QCOMPARE(QString::fromStdString(written.error), reason);
    }
};

QTEST_APPLESS_MAIN(TestDataFile)
#include "tst_core_datafile.moc"
