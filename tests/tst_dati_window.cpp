// The Data window driven as a user drives it: captions, bars, rows, results.
#include "support/datisupport.h"
#include "support/testsupport.h"

#include "core/clock.h"
#include "core/date.h"
#include "datawindow/calculation.h"
#include "datawindow/captionlabel.h"
#include "shell/messagebox.h"
#include "shell/modfenoverra.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QProgressBar>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>

using namespace DatiTest;

namespace {

QString dateBefore(int days) {
    return QString::fromStdString(core::dateText(core::addDays(kToday, -days)));
}

QString shiftDate(const QString& text, int days) {
    return QString::fromStdString(
        core::dateText(core::addDays(*core::parseDate(text.toStdString()), days)));
}

QColor background(Dati& w, const QString& name) {
    return findControl<QWidget>(&w, name)->palette().color(QPalette::Window);
}

// Clicks a part of a scroll bar as the user would.
void clickPart(QScrollBar* bar, QStyle::SubControl part) {
    QStyleOptionSlider opt;
    opt.initFrom(bar);
    opt.orientation = bar->orientation();
    opt.minimum = bar->minimum();
    opt.maximum = bar->maximum();
    opt.sliderPosition = bar->sliderPosition();
    opt.sliderValue = bar->value();
    opt.singleStep = bar->singleStep();
    opt.pageStep = bar->pageStep();
    opt.upsideDown = bar->invertedAppearance();
    if (bar->orientation() == Qt::Horizontal) opt.state |= QStyle::State_Horizontal;
    const QRect r = bar->style()->subControlRect(QStyle::CC_ScrollBar, &opt, part, bar);
    QTest::mouseClick(bar, Qt::LeftButton, {}, r.center());
}

// Points on the bar as it appears on screen: the two arrows and the track
// on either side of the handle.
QStyleOptionSlider optionOf(QScrollBar* bar) {
    QStyleOptionSlider opt;
    opt.initFrom(bar);
    opt.orientation = bar->orientation();
    opt.minimum = bar->minimum();
    opt.maximum = bar->maximum();
    opt.sliderPosition = bar->sliderPosition();
    opt.sliderValue = bar->value();
    opt.singleStep = bar->singleStep();
    opt.pageStep = bar->pageStep();
    opt.upsideDown = bar->invertedAppearance();
    opt.state |= QStyle::State_Horizontal;
    return opt;
}
QRect handleOf(QScrollBar* bar) {
    const QStyleOptionSlider opt = optionOf(bar);
    return bar->style()->subControlRect(QStyle::CC_ScrollBar, &opt, QStyle::SC_ScrollBarSlider, bar);
}
QPoint leftArrow(QScrollBar* bar) { return QPoint(3, bar->height() / 2); }
QPoint rightArrow(QScrollBar* bar) { return QPoint(bar->width() - 4, bar->height() / 2); }
QPoint leftTrack(QScrollBar* bar) {
    return QPoint((bar->height() + handleOf(bar).left()) / 2, bar->height() / 2);
}
QPoint rightTrack(QScrollBar* bar) {
    return QPoint((handleOf(bar).right() + bar->width() - bar->height()) / 2, bar->height() / 2);
}

} // namespace

class TestDatiWindow : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { core::setTodayForTesting(std::nullopt); }

    void startUp() {
        auto w = newWindow();
        QCOMPARE(w->objectName(), QString("dati"));
        QCOMPARE(w->windowTitle(), QString("Fenoverra: dati per il calcolo"));
        QCOMPARE(text(*w, "passo"), QString("Scegliere la valuta e digitare il capitale iniziale o "
                                            "aprire un file con i dati archiviati."));
        QCOMPARE(text(*w, "datfin"), QString("08/12/26"));
        auto* moneta = findControl<QComboBox>(w.get(), "moneta");
        QCOMPARE(moneta->currentText(), QString("euro"));
        QStringList items;
        for (int i = 0; i < moneta->count(); ++i) items << moneta->itemText(i);
        QCOMPARE(items, QStringList({"euro", "lire", "dollari", "franchi", "sterline", "yen",
                                     "rubli"}));
        for (int i = 1; i <= 3; ++i) QCOMPARE(text(*w, row("eur", i)), QString("euro"));
        QVERIFY(findControl<QRadioButton>(w.get(), "Option1(1)")->isChecked());
        QCOMPARE(w->tipocalcolo(), 1);
        QVERIFY(findControl<QProgressBar>(w.get(), "ProgressBar1")->isHidden());
        for (int r = 1; r <= 10; ++r) {
            QCOMPARE(text(*w, row("num", r)), QString::number(r));
            QCOMPARE(findControl<QWidget>(w.get(), row("num", r))->toolTip(),
                     "cliccare per inserire una riga al n. " + QString::number(r));
            QCOMPARE(findControl<QWidget>(w.get(), row("delriga", r))->toolTip(),
                     "cliccare per eliminare la riga n. " + QString::number(r));
            QCOMPARE(findControl<QWidget>(w.get(), row("data1", r))->toolTip(),
                     QString("cliccare per andare indietro di 365 giorni"));
            QCOMPARE(text(*w, row("data1", r)), QString());
        }
        QCOMPARE(periodi().numperiodi, 0);
        QCOMPARE(ModFenoverra::titolocontrollo,
                 QString("Fenoverra: controllo dati immessi nella finestra attiva"));
    }

    void captionsAndTooltips_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("tip");
        const char* rows[][3] = {
            {"Label26", "Capitale iniziale", "capitale sul quale calcolare gli interessi"},
            {"Label27", "data finale di calcolo",
             "data fino a cui deve giungere il calcolo degli interessi"},
            {"rifer", "Riferimenti del calcolo:", "utile per l'archivio o per la stampa"},
            {"Label1", "Somma finale ad interessi semplici", "somma comprensiva degli interessi"},
            {"Label2", "Somma finale ad interessi composti",
             "somma comprensiva degli interessi composti progressivi"},
            {"Label12", "Maggiore somma per interessi composti",
             "differenza tra i due tipi di calcoli"},
            {"calcolare", "&calcola", "cliccare per aggiornare i risultati"},
            {"Label3", "n.", "numero d'ordine"},
            {"Label4", "dal", "data da cui parte il singolo tasso"},
            {"label7", "gg/mm/aa", "inserire le date usando le frecce laterali"},
            {"Label13", "al", "data a cui arriva il singolo tasso"},
            {"Label14", "gg/mm/aa", "queste date vengono calcolate in automatico"},
            {"Label5", "tasso", "tasso di interesse"},
            {"Label8", "%", "immettere il valore usando le freccette laterali"},
            {"Label6", "giorni", "numero di giorni ai quali viene riferito il tasso"},
            {"Label9", "num.", "numero di giorni ai quali viene riferito il tasso"},
            {"Label20", "interessi", "interessi del singolo periodo"},
            {"Label22", "totali interessi", "totale progressivo degli interessi maturati"},
            {"Label10", "capitale", "capitale progressivo maturato"},
            {"Label28", "dati per ogni singolo periodo",
             "digitare i dati relativi o prelevarli dalla finestra Tabelle"},
            {"Label29", "risultati del calcolo", "i risultati per ogni singolo periodo"},
            {"Option1(1)", " interessi semplici", ""},
            {"Option1(2)", " interessi composti", ""},
            {"Option1(3)", " entrambi i tipi", ""},
        };
        for (const auto& r : rows) QTest::newRow(r[0]) << r[0] << r[1] << r[2];
    }

    void captionsAndTooltips() {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(QString, tip);
        auto w = newWindow();
        QCOMPARE(text(*w, name), caption);
        QCOMPARE(findControl<QWidget>(w.get(), name)->toolTip(), tip);
    }

    void frameAndGuidanceBox() {
        auto w = newWindow();
        auto* frame = findControl<QGroupBox>(w.get(), "Frame1");
        QCOMPARE(frame->title(), QString("Tipo di calcolo:"));
        QCOMPARE(frame->toolTip(), QString("scegliere il tipo di calcolo che interessa"));
        QCOMPARE(findControl<QWidget>(w.get(), "passo")->toolTip(),
                 QString("indicazioni sulla corretta procedura di immissione dei dati"));
        QCOMPARE(background(*w, "passo"), QColor(255, 255, 0));
        QCOMPARE(background(*w, "capitales"), QColor(255, 0, 0));
        QCOMPARE(background(*w, "al(1)"), QColor(255, 255, 0));
        QCOMPARE(background(*w, "data1(1)"), QColor(255, 255, 255));
        QCOMPARE(background(*w, "capital(10)"), QColor(0, 255, 255));
    }

    // Arrows and track move every bar towards the side clicked; the date bars
    // have the oldest date at the left.
    void barsStepTowardsTheSideClicked_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("leftArrowGives");
        QTest::addColumn<int>("rightArrowGives");
        QTest::addColumn<int>("leftTrackGives");
        QTest::addColumn<int>("rightTrackGives");
        QTest::newRow("start date") << "hscroll1(1)" << 16000 << 16001 << 15999 << 16030 << 15970;
        QTest::newRow("start date today") << "hscroll1(2)" << 0 << 1 << 0 << 30 << 0;
        QTest::newRow("final date") << "scrollafinale" << 16000 << 16001 << 15999 << 16030
                                    << 15970;
        QTest::newRow("final date yesterday") << "scrollafinale" << 1 << 2 << 1 << 31 << 1;
        QTest::newRow("rate") << "scrollatassi(1)" << 5000 << 4999 << 5001 << 4900 << 5100;
        QTest::newRow("rate lowest") << "scrollatassi(3)" << 1 << 1 << 2 << 1 << 101;
    }

    void barsStepTowardsTheSideClicked() {
        QFETCH(QString, name);
        QFETCH(int, start);
        QFETCH(int, leftArrowGives);
        QFETCH(int, rightArrowGives);
        QFETCH(int, leftTrackGives);
        QFETCH(int, rightTrackGives);
        auto w = newWindow();
        w->show();
        QScrollBar* b = bar(*w, name);
        const QList<QPair<QPoint, int>> clicks = {{leftArrow(b), leftArrowGives},
                                                  {rightArrow(b), rightArrowGives},
                                                  {leftTrack(b), leftTrackGives},
                                                  {rightTrack(b), rightTrackGives}};
        for (int i = 0; i < clicks.size(); ++i) {
            b->setValue(start);
            // Track points depend on where the handle stands.
            const QPoint points[] = {leftArrow(b), rightArrow(b), leftTrack(b), rightTrack(b)};
            const int expected = clicks[i].second;
            QTest::mouseClick(b, Qt::LeftButton, {}, points[i]);
            QCOMPARE(b->value(), expected);
        }
        w->close();
    }

    void verticalBarPagesTenPeriods() {
        auto w = newWindow();
        w->show();
        QScrollBar* b = bar(*w, "VScroll1");
        QCOMPARE(b->minimum(), 1);
        QCOMPARE(b->maximum(), 191);
        clickPart(b, QStyle::SC_ScrollBarAddLine);
        QCOMPARE(b->value(), 2);
        clickPart(b, QStyle::SC_ScrollBarAddPage);
        QCOMPARE(b->value(), 12);
        QCOMPARE(text(*w, "num(1)"), QString("12"));
        w->close();
    }

    void enteringAPeriodWithTheTwoBars() {
        auto w = newWindow();
        type(*w, "capiniz", "1000");
        type(*w, "riferimento", "prova");
        QCOMPARE(text(*w, "passo"),
                 QString(" Scegliere il tipo di calcolo e digitare la data del primo tasso."));
        bar(*w, "hscroll1(1)")->setValue(daysBefore("01/01/01"));
        QCOMPARE(text(*w, "data1(1)"), QString("01/01/01"));
        QCOMPARE(periodi().slot(1).start, std::string("01/01/01"));
        QCOMPARE(text(*w, "passo"), QString("Cliccare sul tasto 'calcola' per aggiornare i "
                                            "risultati se sono stati modificate le date."));
        QVERIFY(!w->risultaticorrenti());
        QVERIFY(!findControl<QWidget>(w.get(), "capitales")->isEnabled());
        QCOMPARE(periodi().numperiodi, 0); // not yet: it has no rate

        bar(*w, "scrollatassi(1)")->setValue(1000);
        QCOMPARE(text(*w, "tas(1)"), QString("10"));
        QCOMPARE(periodi().numperiodi, 1);
        QCOMPARE(text(*w, "passo"), QString("Cliccare sul tasto 'calcola' per aggiornare i "
                                            "risultati se sono stati modificati i tassi."));

        // The second period gives the first its end once the rows are drawn again.
        enterPeriod(*w, 2, "01/07/01", 500);
        QCOMPARE(periodi().numperiodi, 2);
        w->mostraperiodi();
        QCOMPARE(text(*w, "al(1)"), QString("30/06/01"));
        QCOMPARE(text(*w, "al(2)"), QString("08/12/26"));
        click(*w, "calcolare");
        QVERIFY(w->risultaticorrenti());
        QVERIFY(findControl<QWidget>(w.get(), "capitales")->isEnabled());
        QVERIFY(!text(*w, "capitales").isEmpty());
    }

    void guidance_data() {
        QTest::addColumn<QString>("capital");
        QTest::addColumn<QString>("finalDate");
        QTest::addColumn<QString>("reference");
        QTest::addColumn<bool>("withPeriod");
        QTest::addColumn<QString>("expected");
        QTest::newRow("no capital") << "" << "31/12/01" << "x" << true
                                    << "Scegliere la valuta e digitare il capitale iniziale o "
                                       "aprire un file con i dati archiviati.";
        QTest::newRow("no final date")
            << "1000" << "" << "x" << true
            << "Digitare la data finale del calcolo o aprire un file archiviato.";
        QTest::newRow("no reference") << "1000" << "31/12/01" << "" << true
                                      << "Digitare il dato del 'riferimento del calcolo'.";
        QTest::newRow("blank reference is not empty")
            << "1000" << "31/12/01" << " " << false
            << " Scegliere il tipo di calcolo e digitare la data del primo tasso.";
        QTest::newRow("all there") << "1000" << "31/12/01" << "x" << true
                                   << "Correggere, archiviare quanto immesso, digitare ulteriori "
                                      "dati, andare oltre (stampa, altro calcolo).";
    }

    void guidance() {
        QFETCH(QString, capital);
        QFETCH(QString, finalDate);
        QFETCH(QString, reference);
        QFETCH(bool, withPeriod);
        QFETCH(QString, expected);
        auto w = newWindow();
        if (withPeriod) fillPeriods(*w, {{"01/01/01", "10"}});
        type(*w, "capiniz", capital);
        type(*w, "datfin", finalDate);
        type(*w, "riferimento", reference);
        w->aggiornaguida();
        QCOMPARE(text(*w, "passo"), expected);
    }

    void verticalBarShowsLaterPeriods_data() {
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("firstRow");
        QTest::addColumn<int>("lastRow");
        QTest::newRow("5") << 5 << 5 << 14;
        QTest::newRow("191") << 191 << 191 << 200;
        QTest::newRow("past the end") << 250 << 191 << 200;
    }

    void verticalBarShowsLaterPeriods() {
        QFETCH(int, position);
        QFETCH(int, firstRow);
        QFETCH(int, lastRow);
        auto w = newWindow();
        QList<QPair<QString, QString>> periods;
        for (int k = 1; k <= 200; ++k) periods.append({dateBefore(20000 - k * 30), "3"});
        fillPeriods(*w, periods);
        bar(*w, "VScroll1")->setValue(position);
        QCOMPARE(periodi().primoperiodo, firstRow);
        QCOMPARE(text(*w, "num(1)"), QString::number(firstRow));
        QCOMPARE(text(*w, "num(10)"), QString::number(lastRow));
        QCOMPARE(findControl<QWidget>(w.get(), "delriga(1)")->toolTip(),
                 "cliccare per eliminare la riga n. " + QString::number(firstRow));
        QCOMPARE(text(*w, "data1(1)"), dateBefore(20000 - firstRow * 30));
        QCOMPARE(text(*w, "al(1)"), shiftDate(dateBefore(20000 - (firstRow + 1) * 30), -1));
        QCOMPARE(bar(*w, "hscroll1(1)")->value(), 20000 - firstRow * 30);
    }

    void currencyNamesTheMoneyColumns() {
        auto w = newWindow();
        fillPeriods(*w, {{"01/01/01", "10"}});
        type(*w, "datfin", "31/12/01");
        type(*w, "capiniz", "1000");
        const QString before = text(*w, "capitales");
        findControl<QComboBox>(w.get(), "moneta")->setCurrentText("dollari");
        for (int i = 1; i <= 3; ++i) QCOMPARE(text(*w, row("eur", i)), QString("dollari"));
        QCOMPARE(text(*w, "capitales"), before);
    }

    void clickingTheStartDateGoesBack365Days() {
        auto w = newWindow();
        fillPeriods(*w, {{"15/06/20", "5"}});
        const int start = bar(*w, "hscroll1(1)")->value();
        click(*w, "data1(1)");
        QCOMPARE(text(*w, "data1(1)"), shiftDate("15/06/20", -365));
        QCOMPARE(bar(*w, "hscroll1(1)")->value(), start + 365);
        click(*w, "data1(1)");
        QCOMPARE(text(*w, "data1(1)"), shiftDate("15/06/20", -730));
        QCOMPARE(periodi().slot(1).start, shiftDate("15/06/20", -730).toStdString());
        QVERIFY(!w->risultaticorrenti());
    }

    void rateBarTexts_data() {
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("shown");
        QTest::newRow("highest") << 10000 << "100";
        QTest::newRow("below the lowest") << -5 << "0,01";
        QTest::newRow("2,5") << 250 << "2,5";
        QTest::newRow("0,07") << 7 << "0,07";
    }

    void rateBarTexts() {
        QFETCH(int, value);
        QFETCH(QString, shown);
        auto w = newWindow();
        bar(*w, "scrollatassi(1)")->setValue(5000);
        bar(*w, "scrollatassi(1)")->setValue(value);
        QCOMPARE(text(*w, "tas(1)"), shown);
    }

    void insertDoublesThePeriodOfTheRow() {
        auto w = newWindow();
        fillPeriods(*w, {{"01/01/01", "1"}, {"01/01/02", "2"}, {"01/01/03", "3"},
                         {"01/01/04", "4"}, {"01/01/05", "5"}});
        click(*w, "num(3)");
        QCOMPARE(periodi().numperiodi, 6);
        QCOMPARE(text(*w, "data1(3)"), QString("01/01/03"));
        QCOMPARE(text(*w, "data1(4)"), QString("01/01/03"));
        QCOMPARE(text(*w, "tas(4)"), QString("3"));
        QCOMPARE(text(*w, "data1(5)"), QString("01/01/04"));
        QCOMPARE(text(*w, "data1(6)"), QString("01/01/05"));
        QVERIFY(MessageBox::shown().isEmpty());
    }

    void insertBeyondTheLastPeriodChangesNothing() {
        auto w = newWindow();
        fillPeriods(*w, {{"01/01/01", "1"}});
        click(*w, "num(5)");
        QCOMPARE(periodi().numperiodi, 1);
        QCOMPARE(text(*w, "data1(5)"), QString());
    }

    void insertAt200PeriodsIsRefused() {
        auto w = newWindow();
        QList<QPair<QString, QString>> periods;
        for (int k = 1; k <= 200; ++k) periods.append({dateBefore(20000 - k * 30), "3"});
        fillPeriods(*w, periods);
        click(*w, "num(2)");
        QCOMPARE(periodi().numperiodi, 200);
        QCOMPARE(periodi().slot(200).start, dateBefore(20000 - 200 * 30).toStdString());
        QCOMPARE(MessageBox::shown().size(), 1);
        const auto box = MessageBox::shown().constFirst();
        QCOMPARE(box.prompt,
                 QString("Siamo già a 200 periodi: non è possibile aggiungerne degli altri."));
        QCOMPARE(box.style, MsgStyle::OkOnly | MsgStyle::Information);
        QCOMPARE(box.title, ModFenoverra::titolocontrollo);
    }

    void deleteRemovesThePeriodOfTheRow() {
        auto w = newWindow();
        fillPeriods(*w, {{"01/01/01", "1"}, {"01/01/02", "2"}, {"01/01/03", "3"}});
        click(*w, "delriga(2)");
        QCOMPARE(periodi().numperiodi, 2);
        QCOMPARE(text(*w, "data1(2)"), QString("01/01/03"));
        QCOMPARE(text(*w, "tas(2)"), QString("3"));
        QCOMPARE(text(*w, "data1(3)"), QString());
        QCOMPARE(periodi().slot(3).start, std::string());
        QCOMPARE(periodi().slot(3).rate, std::string());
        QVERIFY(!periodi().slot(3).days);
        // An incomplete row ignores its X.
        click(*w, "delriga(3)");
        QCOMPARE(periodi().numperiodi, 2);
    }

    void deleteIgnoresARowWithoutRate() {
        auto w = newWindow();
        fillPeriods(*w, {{"01/01/01", "1"}});
        bar(*w, "hscroll1(2)")->setValue(daysBefore("01/01/05"));
        click(*w, "delriga(2)");
        QCOMPARE(text(*w, "data1(2)"), QString("01/01/05"));
        QCOMPARE(periodi().numperiodi, 1);
    }

    void rowNumberHighlight() {
        auto w = newWindow();
        w->show();
        QTest::mouseMove(findControl<QWidget>(w.get(), "num(3)"));
        QCOMPARE(background(*w, "num(3)"), QColor(255, 255, 0));
        QCOMPARE(background(*w, "num(2)"), QColor(0, 255, 255));
        QTest::mouseMove(findControl<QWidget>(w.get(), "num(4)"));
        QCOMPARE(background(*w, "num(3)"), QColor(0, 255, 255));
        QCOMPARE(background(*w, "num(4)"), QColor(255, 255, 0));
        QTest::mouseMove(w.get(), QPoint(5, 5));
        QCOMPARE(background(*w, "num(4)"), QColor(0, 255, 255));
        w->close();
    }

    // Texts a bar cannot stand for arrive from files and tables; drawing the
    // row must show them as they are and never rewrite them.
    void textsTheBarsCannotHoldStayAsTheyAre_data() {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("rate");
        QTest::newRow("date too old") << "01/01/1850" << "5";
        QTest::newRow("date after today") << "01/01/29" << "5";
        QTest::newRow("not a date") << "31/02/10" << "5";
        QTest::newRow("rate zero") << "01/01/10" << "0,00";
        QTest::newRow("rate above 100") << "01/01/10" << "150";
        QTest::newRow("rate finer than the bar") << "01/01/10" << "2,555";
        QTest::newRow("rate not a number") << "01/01/10" << "tre";
        QTest::newRow("negative rate") << "01/01/10" << "-1";
    }

    void textsTheBarsCannotHoldStayAsTheyAre() {
        QFETCH(QString, start);
        QFETCH(QString, rate);
        auto w = newWindow();
        type(*w, "capiniz", "1000");
        fillPeriods(*w, {{"01/01/05", "4"}, {start, rate}});
        // Show the period in other rows too, so each bar is moved onto it.
        for (int v : {2, 1}) bar(*w, "VScroll1")->setValue(v);
        click(*w, "calcolare");
        chooseType(*w, 1);
        bar(*w, "VScroll1")->setValue(2);
        bar(*w, "VScroll1")->setValue(1);
        QCOMPARE(periodi().slot(2).start, start.toStdString());
        QCOMPARE(periodi().slot(2).rate, rate.toStdString());
        QCOMPARE(text(*w, "data1(2)"), start);
        QCOMPARE(text(*w, "tas(2)"), rate);
    }

    void exactRatesTakeTheBarsForm() {
        auto w = newWindow();
        fillPeriods(*w, {{"1/1/2001", "4,00"}});
        QCOMPARE(text(*w, "tas(1)"), QString("4"));
        QCOMPARE(text(*w, "data1(1)"), QString("01/01/01"));
        QCOMPARE(periodi().slot(1).rate, std::string("4"));
    }

    // 160 periods, two a year from 1940: splitting at every 1 January would
    // need 239 periods. The user is told and the list stays as it was.
    void yearSplitBeyond200PeriodsIsRefused() {
        auto w = newWindow();
        QList<QPair<QString, QString>> periods;
        for (int year = 1940; year < 2020; ++year) {
            const QString yy = QString::number(year % 100).rightJustified(2, '0');
            periods.append({"01/03/" + yy, "3"});
            periods.append({"01/09/" + yy, "4"});
        }
        fillPeriods(*w, periods);
        type(*w, "capiniz", "1000");
        MessageBox::clearShown();
        chooseType(*w, 2);
        QCOMPARE(periodi().numperiodi, 160);
        QCOMPARE(periodi().slot(3).start, std::string("01/03/41"));
        QCOMPARE(MessageBox::shown().size(), 1);
        const auto box = MessageBox::shown().constFirst();
        QVERIFY(box.prompt.contains("239"));
        QVERIFY(box.prompt.contains("non sarà corretto"));
        QCOMPARE(box.style, MsgStyle::OkOnly | MsgStyle::Exclamation);
        QCOMPARE(box.title, ModFenoverra::titolocontrollo);
        QVERIFY(w->risultaticorrenti());
        QVERIFY(!text(*w, "capitalec").isEmpty());
    }

    void finalDateBarSetsTheDateAndComputes() {
        auto w = newWindow();
        type(*w, "capiniz", "1000");
        enterPeriod(*w, 1, "01/01/01", 1000);
        bar(*w, "scrollafinale")->setValue(daysBefore("31/12/01"));
        QCOMPARE(text(*w, "datfin"), QString("31/12/01"));
        QCOMPARE(text(*w, "capitales"), QString("1099,73"));
        QVERIFY(w->risultaticorrenti());
        QCOMPARE(text(*w, "num(1)"), QString("1"));
    }

    // The worked examples, entered as a user enters them.
    void oneYearSimple() {
        auto w = newWindow();
        type(*w, "capiniz", "1000");
        type(*w, "datfin", "31/12/01");
        enterPeriod(*w, 1, "01/01/01", 1000);
        chooseType(*w, 1);
        QCOMPARE(text(*w, "capitales"), QString("1099,73"));
        QCOMPARE(text(*w, "giorn(1)"), QString("364"));
        QCOMPARE(text(*w, "interes(1)"), QString("99,73"));
        QCOMPARE(text(*w, "capital(1)"), QString("1099,73"));
        QVERIFY(w->risultaticorrenti());
    }

    void twoYearsEachType_data() {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("simple");
        QTest::addColumn<QString>("compound");
        QTest::addColumn<QString>("difference");
        QTest::newRow("simple") << 1 << "1199,73" << "" << "";
        QTest::newRow("compound") << 2 << "" << "1209,7" << "";
        QTest::newRow("both") << 3 << "1199,73" << "1209,7" << "9,97";
    }

    void twoYearsEachType() {
        QFETCH(int, type);
        QFETCH(QString, simple);
        QFETCH(QString, compound);
        QFETCH(QString, difference);
        auto w = newWindow();
        DatiTest::type(*w, "capiniz", "1000");
        DatiTest::type(*w, "datfin", "31/12/02");
        enterPeriod(*w, 1, "01/01/01", 1000);
        enterPeriod(*w, 2, "01/01/02", 1000);
        chooseType(*w, type);
        QCOMPARE(text(*w, "capitales"), simple);
        QCOMPARE(text(*w, "capitalec"), compound);
        QCOMPARE(text(*w, "differ"), difference);
        QCOMPARE(periodi().numperiodi, 2);
        QVERIFY(w->risultaticorrenti());
    }

    void midYearPeriodIsNotCompounded() {
        auto w = newWindow();
        type(*w, "capiniz", "1000");
        type(*w, "datfin", "31/12/02");
        enterPeriod(*w, 1, "01/01/01", 1000);
        enterPeriod(*w, 2, "01/01/02", 1000);
        enterPeriod(*w, 3, "01/07/02", 500);
        chooseType(*w, 2);
        QCOMPARE(text(*w, "capitalec"), QString("1179,47"));
        QCOMPARE(periodi().slot(2).interest, std::optional<double>(54.53));
        QCOMPARE(periodi().slot(3).interest, std::optional<double>(25.21));
    }

    void calcolaAfterAChangeMakesResultsCurrent() {
        auto w = newWindow();
        type(*w, "capiniz", "1000");
        type(*w, "datfin", "31/12/02");
        enterPeriod(*w, 1, "01/01/01", 1000);
        enterPeriod(*w, 2, "01/01/02", 1000);
        chooseType(*w, 3);
        QCOMPARE(text(*w, "num(1)"), QString("2")); // the pass leaves the last period on top
        bar(*w, "VScroll1")->setValue(1);
        bar(*w, "scrollatassi(2)")->setValue(500);
        QVERIFY(!w->risultaticorrenti());
        click(*w, "calcolare");
        QVERIFY(w->risultaticorrenti());
        QCOMPARE(text(*w, "capitales"), QString("1149,73"));
        QCOMPARE(w->tipocalcolo(), 3);
        QVERIFY(findControl<QProgressBar>(w.get(), "ProgressBar1")->isHidden());
    }

    void capitalTypedRecomputesAtOnce() {
        auto w = newWindow();
        type(*w, "datfin", "31/12/01");
        enterPeriod(*w, 1, "01/01/01", 1000);
        type(*w, "capiniz", "2000");
        QCOMPARE(text(*w, "capitales"), QString("2199,45"));
    }

    // FENOVERRA_DATI_GRAB=file.png: a picture of the window with 12 periods, to look at.
    void picture() {
        const QString path = qEnvironmentVariable("FENOVERRA_DATI_GRAB");
        if (path.isEmpty()) QSKIP("set FENOVERRA_DATI_GRAB to write the picture");
        auto w = newWindow();
        type(*w, "capiniz", "10000");
        type(*w, "riferimento", "Prestito a Mario, è già scaduto");
        QList<QPair<QString, QString>> periods;
        const char* rates[] = {"5", "10", "5", "3", "2,5", "3,5", "2,5", "3", "3,25", "2,75", "2", "1,5"};
        for (int k = 1; k <= 12; ++k)
            periods.append({QString("01/%1/%2").arg(k % 2 ? "01" : "07").arg(10 + (k - 1) / 2), rates[k - 1]});
        fillPeriods(*w, periods);
        findControl<QComboBox>(w.get(), "moneta")->setCurrentText("dollari");
        chooseType(*w, 3);
        w->show();
        QVERIFY(w->grab().save(path));
        w->close();
    }

    // The final date is typed key by key: on the way it is no date at all.
    void typingTheFinalDate() {
        auto w = newWindow();
        type(*w, "capiniz", "1000");
        fillPeriods(*w, {{"01/01/01", "10"}, {"01/07/01", "10"}});
        type(*w, "datfin", "31/12/01");
        QCOMPARE(text(*w, "al(2)"), QString("31/12/01"));
        QCOMPARE(text(*w, "giorn(2)"), QString("184"));
        QCOMPARE(text(*w, "giorn(1)"), QString("180"));
    }

    void capitalThatIsNotANumberComputesNothing() {
        auto w = newWindow();
        type(*w, "datfin", "31/12/01");
        enterPeriod(*w, 1, "01/01/01", 1000);
        type(*w, "capiniz", "mille");
        chooseType(*w, 3);
        QCOMPARE(text(*w, "capitales"), QString());
        QCOMPARE(text(*w, "capital(1)"), QString());
        type(*w, "capiniz", "1000");
        QCOMPARE(text(*w, "capitalec"), QString("1099,73"));
    }

    // Reactions run only on a real change: that is what ends the chains.
    void captionChangeIsSignalledOnce() {
        CaptionLabel label;
        QSignalSpy spy(&label, &CaptionLabel::captionChanged);
        label.setCaption("01/01/01");
        label.setCaption("01/01/01");
        label.setCaption("");
        QCOMPARE(spy.count(), 2);
        {
            const CaptionLabel::Batch batch;
            label.setCaption("x");
            QCOMPARE(label.caption(), QString("x"));
            QCOMPARE(spy.count(), 3);
        }
        QCOMPARE(label.text(), QString("x"));
    }

    void longCalculationEndsWithTheLastTenPeriods() {
        auto w = newWindow();
        QList<QPair<QString, QString>> periods;
        for (int k = 1; k <= 25; ++k) periods.append({dateBefore(9000 - k * 100), "2"});
        fillPeriods(*w, periods);
        type(*w, "capiniz", "1000");
        chooseType(*w, 1);
        QCOMPARE(text(*w, "num(1)"), QString("16"));
        QVERIFY(!text(*w, "capital(10)").isEmpty());
        QVERIFY(findControl<QProgressBar>(w.get(), "ProgressBar1")->isHidden());
    }
};

QTEST_MAIN(TestDatiWindow)
#include "tst_dati_window.moc"
