#pragma once
// The Data window `dati`: where a calculation is entered and its results read.
// Constructing it performs the whole loading of the window.

#include "core/date.h"
#include "core/interest.h"
#include "datawindow/datacheck.h"
#include "datawindow/periodtexts.h"
#include "files/format/datafile.h"
#include "platform/calculationwindow.h"
#include "platform/clsresize.h"
#include "platform/commondialog.h"

#include <QWidget>
#include <array>
#include <functional>

class CaptionLabel;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QScrollBar;

class Dati : public QWidget, public CalculationWindow {
    Q_OBJECT
public:
    explicit Dati(QWidget* parent = nullptr);
    ~Dati() override;

    static constexpr int kRows = 10;

    // Draws the ten rows from the period list.
    void mostraperiodi();
    // Puts the guidance for the next step into the yellow box.
    void aggiornaguida();
    void risultatiattuali();
    void risultatiscaduti();
    // The results count as current while the first row's capital is enabled.
    bool risultaticorrenti() const;
    void evidenzianumeri();
    // One pass for calculation type `tipo`, drawing the rows as it goes.
    void ricalcola(int tipo);

    int tipocalcolo() const { return tipocalcolo_; }

    QString datfinText() const override;
    void setDatfinText(const QString& text) override;
    QString capinizText() const override;
    void setCapinizText(const QString& text) override;
    void mostraPagina(int first) override;

    // What a data file holds, taken from the window.
    fileformat::DataFileContent contenuto() const;
    // Puts a data file's content into the (cleared) window and computes it.
    void carica(const fileformat::DataFileContent& content);

    // The window's one common dialog and its current data file name.
    CommonDialog& dialogo() { return dialogo_; }
    QString nomefile;

public slots:
    // The "&calcola" button.
    void calcola() override;
    // Selects Option1(tipo) and runs its reaction, as a click does.
    void sceglitipo(int tipo) override;
    // The data check; returns whether the data passed. Silent: a message
    // only when it fails.
    bool controlla(DataCheck::Mode mode = DataCheck::Mode::Report);
    // Empties every field, the period list and the results.
    void cancella() override;
    void apri();
    void salva();
    // The calculation report (CalculationPrint).
    void stampa();
    void salvanome();
    void eliminare();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    struct Riga {
        CaptionLabel* num = nullptr;
        QPushButton* delriga = nullptr;
        CaptionLabel* data1 = nullptr;
        QScrollBar* hscroll1 = nullptr;
        CaptionLabel* al = nullptr;
        CaptionLabel* tas = nullptr;
        QScrollBar* scrollatassi = nullptr;
        CaptionLabel* giorn = nullptr;
        CaptionLabel* interes = nullptr;
        CaptionLabel* totint = nullptr;
        CaptionLabel* capital = nullptr;
    };

    void costruisci();
    void costruisciRighe();
    void costruisciAzioni();
    void collega();
    void collegaRiga(int r);

    // Reactions.
    void capinizCambiato();
    void datfinCambiato(const QString& text);
    void scrollafinaleCambiato(int value);
    void monetaCambiata();
    void data1Cambiato(int r, const QString& caption);
    void data1Cliccato(int r);
    // A start date moved by its bar or its click: results out of date.
    void dataInizialeSpostata(int r, core::Date date);
    void alCambiato(int r, const QString& caption);
    void tasCambiato(int r, const QString& caption);
    void hscroll1Cambiato(int r, int value);
    void scrollatassiCambiato(int r, int value);
    void numCliccato(int r);
    void numSorvolato(int r);
    void delrigaCliccato(int r);
    void tipoScelto(int tipo);

    void abilitaRisultati(bool attuali);
    int periodoDellaRiga(int r) const;
    void disegnaRiga(int r, int k);
    core::PassInput datiDelCalcolo(int tipo) const;
    // Drawing the rows and stepping the progress bar while the engine works.
    core::CalculationHooks agganci();
    // Runs the engine on the final sums shown and shows them afterwards,
    // painting the window once at the end.
    void calcolaSulleSomme(const std::function<void(core::FinalSums&)>& calcolo);
    void mostraUltimiPeriodi(); // the last ten, when there are more
    void avanzaProgresso();
    void nascondiProgresso();
    void mostraPeriodoInPrima(int k);
    void avvisaDivisioneRifiutata(int needed);

    // The period shown in the first row (1..191), taken from VScroll1 each
    // time the rows are drawn; the rows' reactions find their period by it.
    int primoperiodo_ = 1;
    // Depth of row drawing under way, and a guidance update it owes.
    int disegno_ = 0;
    bool guidaInSospeso_ = false;

    PeriodTexts testi_;
    std::string datfinTesto_; // the final date as the engine reads it
    clsResize resize_;
    CommonDialog dialogo_;
    int tipocalcolo_ = 1;

    QLineEdit* capiniz_ = nullptr;
    QComboBox* moneta_ = nullptr;
    std::array<CaptionLabel*, 4> eur_{};
    QLineEdit* datfin_ = nullptr;
    QScrollBar* scrollafinale_ = nullptr;
    QLineEdit* riferimento_ = nullptr;
    QGroupBox* frame1_ = nullptr;
    std::array<QRadioButton*, 4> option1_{};
    CaptionLabel* capitales_ = nullptr;
    CaptionLabel* capitalec_ = nullptr;
    CaptionLabel* differ_ = nullptr;
    QPushButton* calcolare_ = nullptr;
    CaptionLabel* passo_ = nullptr;
    QProgressBar* progressBar1_ = nullptr;
    QScrollBar* vscroll1_ = nullptr;
    std::array<Riga, kRows + 1> righe_{};
};
