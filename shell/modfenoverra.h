#pragma once
// Program-wide values and operations shared by every window.

#include <QPointer>
#include <QString>
#include <QStringList>

class QLabel;
class QWidget;
class WordApplication;
class WordDocument;
class WordTable;

namespace ModFenoverra {

extern QString nomeprogramma;
extern QString descrizione;
extern QString versione;
extern QString datarilascio;     // gg/mm/aaaa
extern QString datacompilazione; // ggmmaa
extern QString titolocontrollo;
extern QString titoloaiuto;
extern QString titoloelimina;

// The word-processor objects of the most recent document (and its table,
// for the printed reports).
extern QPointer<WordApplication> appword;
extern QPointer<WordDocument> docword;
extern QPointer<WordTable> tabellaword;

// Set by a help page's print command before it calls stampaguida.
extern QPointer<QLabel> titologuida;
extern QPointer<QLabel> testoguida;

void impostavalori();
void impostatesti();
// Creates the Data window if it is not loaded and shows it.
void mostradati();
// The exit command: asks, unloads every window in order, shows the closing screen.
void confermauscita();
// Writes the help page named by titologuida / testoguida into a new document.
void stampaguida();

// The windows a confirmed exit unloads, in order.
QStringList windowsUnloadedAtExit();
// The loaded top-level window of that name (an unloaded one on its way out
// does not count), or nullptr.
QWidget* loadedWindow(const QString& name);
// Unloads a window: closes it and deletes it once control returns to the
// event loop; from now on loadedWindow no longer finds it.
void unload(QWidget* window);

} // namespace ModFenoverra
