// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/exit.h"

#include "platform/messagebox.h"
#include "platform/mmcontrol.h"
#include "platform/modfenoverra.h"
#include "platform/windowregistry.h"
#include "shell/frmsplash.h"

#include <QApplication>

namespace Exit {

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

void mostradati() {
    WindowRegistry::show(QStringLiteral("dati"));
}

void confermauscita() {
    const MsgAnswer answer =
        MessageBox::show(QApplication::activeWindow(),
                         QStringLiteral("Vuoi uscire da ") + ModFenoverra::nomeprogramma + u'?',
                         MsgStyle::YesNo + MsgStyle::Question + MsgStyle::DefaultButton2,
                         QStringLiteral("Attenzione: i dati non archiviati andranno persi !"));
    if (answer != MsgAnswer::Yes) return;

    for (const QString& name : windowsUnloadedAtExit()) {
        while (QWidget* window = WindowRegistry::loaded(name))
            WindowRegistry::unload(window);
    }

    auto* splash = qobject_cast<frmSplash*>(WindowRegistry::loaded(QStringLiteral("frmSplash")));
    if (!splash) splash = new frmSplash;
    splash->MMControl1()->setCommand(QStringLiteral("play"));
    splash->show();
    splash->raise();
    splash->activateWindow();
    splash->setFocus();
    splash->setLabelCaption(2, QStringLiteral("          elaborazione eseguita con"));
}

void install() {
    ModFenoverra::setExitHandler(&confermauscita);
}

} // namespace Exit
