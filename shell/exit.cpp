// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/exit.h"

#include "platform/messagebox.h"
#include "platform/mmcontrol.h"
#include "platform/modfenoverra.h"
#include "platform/programcontext.h"
#include "platform/windownames.h"
#include "platform/windowregistry.h"
#include "shell/frmsplash.h"

#include <QApplication>

namespace Exit {

void mostradati() {
    WindowRegistry::show(WindowName::dati);
}

void confermauscita() {
    const MsgAnswer answer =
        MessageBox::show(QApplication::activeWindow(),
                         QStringLiteral("Vuoi uscire da ") + ModFenoverra::nomeprogramma + u'?',
                         MsgStyle::YesNo + MsgStyle::Question + MsgStyle::DefaultButton2,
                         QStringLiteral("Attenzione: i dati non archiviati andranno persi !"));
    if (answer != MsgAnswer::Yes) return;

    // Asked of the registry, so that a window added to the program is
    // unloaded too.
    for (const QString& name : WindowRegistry::defined()) {
        while (QWidget* window = WindowRegistry::loaded(name))
            WindowRegistry::unload(window);
    }

    auto* splash = qobject_cast<frmSplash*>(WindowRegistry::loaded(WindowName::frmSplash));
    if (!splash) splash = new frmSplash;
    splash->MMControl1()->setCommand(QStringLiteral("play"));
    splash->show();
    splash->raise();
    splash->activateWindow();
    splash->setFocus();
    splash->setLabelCaption(2, QStringLiteral("          elaborazione eseguita con"));
}

void install(ProgramContext& context) {
    context.exitCommand = &confermauscita;
}

} // namespace Exit
