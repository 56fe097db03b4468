#include "shell/modfenoverra.h"

#include "datawindow/dati.h"
#include "reports/wordprocessor.h"
#include "shell/frmsplash.h"
#include "shell/messagebox.h"
#include "shell/mmcontrol.h"

#include <QApplication>
#include <QLabel>

#ifndef FENOVERRA_BUILD_DATE
#define FENOVERRA_BUILD_DATE "000000"
#endif

namespace {

const char* const unloadedProperty = "fenoverraUnloaded";

} // namespace

namespace ModFenoverra {

QString nomeprogramma;
QString descrizione;
QString versione;
QString datarilascio;
QString datacompilazione;
QString titolocontrollo;
QString titoloaiuto;
QString titoloelimina;

QPointer<WordApplication> appword;
QPointer<WordDocument> docword;
QPointer<WordTable> tabellaword;
QPointer<QLabel> titologuida;
QPointer<QLabel> testoguida;

void impostavalori() {
    nomeprogramma = QStringLiteral("Fenoverra");
    descrizione = QStringLiteral("calcolo di interessi semplici e composti");
    versione = QStringLiteral("1.0");
    datarilascio = QStringLiteral("07/12/2026");
    datacompilazione = QStringLiteral(FENOVERRA_BUILD_DATE);
}

void impostatesti() {
    impostavalori();
    titolocontrollo =
        nomeprogramma + QStringLiteral(": controllo dati immessi nella finestra attiva");
    titoloaiuto = nomeprogramma + QStringLiteral(": aiuto in linea");
    titoloelimina =
        QStringLiteral("Elimina: seleziona il file desiderato e clicca su Apri per cancellarlo");
}

QStringList windowsUnloadedAtExit() {
    return {QStringLiteral("dati"),
            QStringLiteral("tabella"),
            QStringLiteral("sommario"),
            QStringLiteral("manuale"),
            QStringLiteral("guidafunzionamento"),
            QStringLiteral("guidaarchivio"),
            QStringLiteral("guidastampa"),
            QStringLiteral("guidadati"),
            QStringLiteral("guidatabella"),
            QStringLiteral("frmTip"),
            QStringLiteral("informa")};
}

QWidget* loadedWindow(const QString& name) {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == name && !widget->property(unloadedProperty).toBool())
            return widget;
    }
    return nullptr;
}

void unload(QWidget* window) {
    if (!window) return;
    window->setProperty(unloadedProperty, true);
    window->close();
    // Deleted once its own event handlers have returned: the exit command
    // may be running inside one of them.
    window->deleteLater();
}

void mostradati() {
    QWidget* dati = loadedWindow(QStringLiteral("dati"));
    if (!dati) dati = new Dati;
    dati->show();
    dati->raise();
    dati->activateWindow();
}

void confermauscita() {
    const MsgAnswer answer = MessageBox::show(
        QApplication::activeWindow(), QStringLiteral("Vuoi uscire da ") + nomeprogramma + u'?',
        MsgStyle::YesNo + MsgStyle::Question + MsgStyle::DefaultButton2,
        QStringLiteral("Attenzione: i dati non archiviati andranno persi !"));
    if (answer != MsgAnswer::Yes) return;

    for (const QString& name : windowsUnloadedAtExit()) {
        while (QWidget* window = loadedWindow(name))
            unload(window);
    }

    auto* splash = qobject_cast<frmSplash*>(loadedWindow(QStringLiteral("frmSplash")));
    if (!splash) splash = new frmSplash;
    splash->MMControl1()->setCommand(QStringLiteral("play"));
    splash->show();
    splash->raise();
    splash->activateWindow();
    splash->setFocus();
    splash->setLabelCaption(2, QStringLiteral("          elaborazione eseguita con"));
}

void stampaguida() {
    WordApplication* application = WordApplication::create();
    appword = application;
    application->setVisible(true);
    WordDocument* document = application->DocumentsAdd();
    docword = document;

    const QChar cr(13);
    const QString title = titologuida ? titologuida->text() : QString();
    const QString text = testoguida ? testoguida->text() : QString();

    WordSelection* selection = application->Selection();
    selection->setFontName(QStringLiteral("Century Gothic"));
    selection->setFontSize(20);
    selection->TypeText(nomeprogramma + cr);
    selection->setFontSize(16);
    selection->TypeText(descrizione + cr + cr + cr);
    selection->TypeText(QStringLiteral("Guida: ") + title + cr + cr);
    selection->setFontSize(12);
    selection->TypeText(text + cr);
    selection->selectWholeDocument();
    selection->setParagraphAlignment(WdAlign::Justify);
}

} // namespace ModFenoverra
