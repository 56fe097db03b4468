// The data-file codec: exact bytes on disk, tolerant reading, whole-file
// refusals with a reason, Windows-1252 and the round trip.
#include "files/format/cp1252.h"
#include "files/format/datafile.h"

#include <QRandomGenerator>
#include <QtTest>

using namespace fileformat;

Q_DECLARE_METATYPE(fileformat::DataFileContent)

namespace {

std::string bytesOf(const QByteArray& a) {
    return std::string(a.constData(), static_cast<std::size_t>(a.size()));
}

QString describe(const DataFileContent& c) {
    QString s = QStringLiteral("[%1|%2|%3]")
                    .arg(QString::fromStdString(c.capital))
                    .arg(c.type)
                    .arg(QString::fromStdString(c.reference));
    for (const auto& p : c.periods)
        s += QStringLiteral(" (%1|%2|%3)")
                 .arg(QString::fromStdString(p.start), QString::fromStdString(p.end),
                      QString::fromStdString(p.rate));
    return s;
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

// Every character Windows-1252 holds except the double quote, built without the code under test.
QList<QString> cp1252Repertoire() {
    QList<QString> chars;
    for (char16_t c = 0; c < 0x80; ++c) {
        if (c != u'"') chars << QString(QChar(c));
    }
    for (char16_t c = 0xA0; c <= 0xFF; ++c)
        chars << QString(QChar(c));
    for (const char16_t c :
         {u'€', u'\u0081', u'‚',      u'ƒ', u'„',      u'…',      u'†', u'‡',      u'ˆ', u'‰', u'Š',
          u'‹', u'Œ',      u'\u008D', u'Ž', u'\u008F', u'\u0090', u'‘', u'’',      u'“', u'”', u'•',
          u'–', u'—',      u'˜',      u'™', u'š',      u'›',      u'œ', u'\u009D', u'ž', u'Ÿ'})
        chars << QString(QChar(c));
    return chars;
}

} // namespace

class TestDataFile : public QObject {
    Q_OBJECT
private slots:
    // Files whose bytes are fixed: writing gives them exactly, reading gives the content back.
    void knownFiles_data() {
        QTest::addColumn<DataFileContent>("data");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("two periods, compound") << kExample << kExampleBytes;
        QTest::newRow("one period is two lines")
            << content("500", 1, "", {{"15/03/00", "15/03/01", "2"}})
            << QByteArray("1,\"500\",1,\"\"\r\n\"15/03/00\",\"15/03/01\",\"2\"\r\n");
        QTest::newRow("no periods") << content("", 1, "") << QByteArray("0,\"\",1,\"\"\r\n");
        QTest::newRow("comma, è and € in Windows-1252")
            << content("1.000,50", 1, "Caffè, € 2", {{"01/01/01", "", "3,5"}})
            << QByteArray("1,\"1.000,50\",1,\"Caff\xE8, \x80 2\"\r\n\"01/01/01\",\"\",\"3,5\"\r\n");
        QTest::newRow("line break inside a text")
            << content("1", 1, "riga uno\r\nriga due")
            << QByteArray("0,\"1\",1,\"riga uno\r\nriga due\"\r\n");
    }
    void knownFiles() {
        QFETCH(DataFileContent, data);
        QFETCH(QByteArray, bytes);
        const DataFileWriteResult written = writeDataFile(data);
        QVERIFY2(written.bytes, written.error.c_str());
        QCOMPARE(QByteArray::fromStdString(*written.bytes), bytes);
        const DataFileReadResult read = readDataFile(bytesOf(bytes));
        QVERIFY2(read.content, read.error.c_str());
        QVERIFY2(*read.content == data, qPrintable(describe(*read.content)));
    }

    // Forms the writer never produces but a reader must take.
    void readsTolerantForms_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<DataFileContent>("expected");
        QTest::newRow("LF only") << QByteArray(kExampleBytes).replace("\r\n", "\n") << kExample;
        QTest::newRow("no final line end") << kExampleBytes.chopped(2) << kExample;
        QTest::newRow("blank lines at the end") << kExampleBytes + "\r\n\r\n  \r\n" << kExample;
        QTest::newRow("byte Windows-1252 leaves undefined")
            << QByteArray("0,\"\x81\",1,\"\"") << content("\xC2\x81", 1, "");
        QTest::newRow("200 periods") << [] {
            QByteArray b = "200,\"1\",1,\"r\"\r\n";
            for (int i = 0; i < 200; ++i)
                b += "\"01/01/01\",\"\",\"1\"\r\n";
            return b;
        }() << content("1", 1, "r", std::vector<DataFilePeriod>(200, {"01/01/01", "", "1"}));
    }
    void readsTolerantForms() {
        QFETCH(QByteArray, bytes);
        QFETCH(DataFileContent, expected);
        const DataFileReadResult read = readDataFile(bytesOf(bytes));
        QVERIFY2(read.content, read.error.c_str());
        QVERIFY2(*read.content == expected, qPrintable(describe(*read.content)));
    }

    // A faulty file is refused as a whole, with a reason that fits in
    // "Il file <nome> non può essere aperto: <motivo>."
    void refusesMalformedFiles_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("reason");
        const QString notDataFile = "non è un file di dati di Fenoverra";
        QTest::newRow("empty") << QByteArray() << "il file è vuoto";
        QTest::newRow("binary") << QByteArray("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16) << notDataFile;
        QTest::newRow("first field quoted")
            << QByteArray("\"01/01/58\",\"4,00\"\r\n") << notDataFile;
        QTest::newRow("rate table")
            << QByteArray("2\r\n\"01/01/58\",\"4,00\"\r\n\"16/12/90\",\"10,00\"\r\n")
            << "la prima riga contiene solo un numero: sembra un file di tabella dei tassi, non un "
               "file di dati";
        QTest::newRow("count 201") << QByteArray("201,\"1\",1,\"\"\r\n")
                                   << "il numero dei periodi (201) non è compreso tra 0 e 200";
        QTest::newRow("capital unquoted")
            << QByteArray("0,10000,1,\"\"\r\n") << "il capitale non è un testo tra virgolette";
        QTest::newRow("type 0") << QByteArray("0,\"1\",0,\"\"\r\n")
                                << "il tipo di calcolo (0) non è 1, 2 o 3";
        QTest::newRow("type x") << QByteArray("0,\"1\",x,\"\"\r\n")
                                << "il tipo di calcolo non è un numero";
        QTest::newRow("no period lines") << kExampleBytes.left(kExampleBytes.indexOf('\n') + 1)
                                         << "il file annuncia 2 periodi ma non ne contiene nessuno";
        QTest::newRow("rate missing")
            << QByteArray(kExampleBytes).replace(",\"2,75\"", "") << "manca il tasso del periodo 2";
        QTest::newRow("one period more than announced")
            << QByteArray(kExampleBytes).replace("2,\"10000\"", "1,\"10000\"")
            << "il file annuncia 1 periodo ma contiene altre righe dopo l'ultimo";
    }
    void refusesMalformedFiles() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, reason);
        const DataFileReadResult read = readDataFile(bytesOf(bytes));
        QVERIFY2(!read.content, qPrintable(describe(*read.content)));
        QCOMPARE(QString::fromStdString(read.error), reason);
    }

    void refusesUnstorableTexts_data() {
        QTest::addColumn<DataFileContent>("data");
        QTest::addColumn<QString>("reason");
        QTest::newRow("quote in reference")
            << content("1", 1, "il \"vecchio\" mutuo")
            << "il riferimento contiene virgolette (\"): il formato dei file non le può conservare";
        QTest::newRow("character outside Windows-1252")
            << content("1", 1, "Prestito ☺ casa")
            << "il riferimento contiene il carattere «☺» (U+263A): il formato dei file non lo può "
               "conservare";
        QTest::newRow("type 0") << content("1", 0, "") << "il tipo di calcolo (0) non è 1, 2 o 3";
    }
    void refusesUnstorableTexts() {
        QFETCH(DataFileContent, data);
        QFETCH(QString, reason);
        const DataFileWriteResult written = writeDataFile(data);
        QVERIFY(!written.bytes);
        QCOMPARE(QString::fromStdString(written.error), reason);
    }

    // Random content over the whole repertoire the format can carry survives
    // a write and a read unchanged, one byte per character on disk.
    void roundTripsRandomContent() {
        const QList<QString> repertoire = cp1252Repertoire();
        QCOMPARE(repertoire.size(), 255);
        QRandomGenerator random(20261208);
        qsizetype characters = 0;
        const auto randomText = [&] {
            QString text;
            const int length = random.bounded(0, 12);
            for (int i = 0; i < length; ++i)
                text += repertoire[random.bounded(repertoire.size())];
            characters += text.size();
            return text.toStdString();
        };
        for (int round = 0; round < 300; ++round) {
            characters = 0;
            DataFileContent data = content(randomText(), random.bounded(1, 4), randomText());
            data.periods.resize(round == 0 ? 200 : random.bounded(0, 201));
            for (auto& p : data.periods)
                p = {randomText(), randomText(), randomText()};

            const DataFileWriteResult written = writeDataFile(data);
            QVERIFY2(written.bytes, written.error.c_str());
            const std::size_t frame =
                std::to_string(data.periods.size()).size() + 10 + 10 * data.periods.size();
            QCOMPARE(written.bytes->size(), frame + static_cast<std::size_t>(characters));
            const DataFileReadResult read = readDataFile(*written.bytes);
            QVERIFY2(read.content, read.error.c_str());
            QVERIFY2(
                *read.content == data,
                qPrintable(QStringLiteral("round %1: %2").arg(round).arg(describe(*read.content))));
        }
    }

    void convertsToWindows1252_data() {
        QTest::addColumn<QByteArray>("utf8");
        QTest::addColumn<QByteArray>("cp1252");
        QTest::newRow("è") << QByteArray("è") << QByteArray("\xE8");
        QTest::newRow("€") << QByteArray("€") << QByteArray("\x80");
        QTest::newRow("undefined byte as C1 control")
            << QByteArray("\xC2\x9D") << QByteArray("\x9D");
    }
    void convertsToWindows1252() {
        QFETCH(QByteArray, utf8);
        QFETCH(QByteArray, cp1252);
        const auto encoded = utf8ToCp1252(bytesOf(utf8));
        QVERIFY(encoded);
        QCOMPARE(QByteArray::fromStdString(*encoded), cp1252);
        QCOMPARE(QByteArray::fromStdString(cp1252ToUtf8(bytesOf(cp1252))), utf8);
    }

    // Every byte read from a file can be written back as the same byte.
    void everyByteSurvives() {
        for (int b = 0; b < 256; ++b) {
            const std::string byte(1, static_cast<char>(b));
            const auto back = utf8ToCp1252(cp1252ToUtf8(byte));
            QVERIFY2(back && *back == byte, qPrintable(QString::number(b, 16)));
        }
    }
};

QTEST_APPLESS_MAIN(TestDataFile)
#include "tst_core_datafile.moc"
