// SPDX-License-Identifier: GPL-3.0-or-later
#include "testfixture.h"

#include "core/sharedcalculation.h"
#include "platform/clock.h"
#include "platform/commondialog.h"
#include "platform/documentopener.h"
#include "platform/documentsfolder.h"
#include "platform/filefolders.h"
#include "platform/formbackground.h"
#include "platform/messagebox.h"
#include "platform/mmcontrol.h"
#include "platform/modfenoverra.h"
#include "platform/twips.h"
#include "ratetable/presets.h"
#include "reports/documentreferences.h"
#include "reports/helppagedocument.h"
#include "reports/wordprocessor.h"

#include <QDir>
#include <QTest>

namespace {

void failFor(const QString& what, const QStringList& texts) {
    if (texts.isEmpty()) return;
    const QString message = "unscripted " + what + ": \"" + texts.join("\", \"") + "\"";
    QTest::qFail(qPrintable(message), __FILE__, __LINE__);
}

} // namespace

TestFixture::TestFixture(core::Date today) {
    resetProgramState(today);
}

TestFixture::~TestFixture() {
    failFor("message box", MessageBox::unscripted());
    failFor("dialog", CommonDialog::unscripted());
    resetProgramState(kTestToday);
    Clock::setTodayForTesting(std::nullopt);
}

void TestFixture::resetProgramState(core::Date today) {
    MessageBox::useDouble(true);
    CommonDialog::useDouble(true);
    WordApplication::useDouble(true);
    MMControl::useDouble(true);
    DocumentOpener::useDouble(true);
    const QString pid = QString::number(QCoreApplication::applicationPid());
    DocumentsFolder::setPathForTesting(QDir::tempPath() + "/fenoverra-test-documents-" + pid);
    FileFolders::setSettingsFileForTesting(QDir::tempPath() + "/fenoverra-test-settings-" + pid +
                                           ".conf");
    Twips::setScreenForTesting(std::nullopt);
    Clock::setTodayForTesting(today);
    core::periodi().clear();
    Presets::sceltatab = Presets::kNessuna;
    FormBackground::forgetChosen();
    ModFenoverra::impostatesti();
    ModFenoverra::setExitHandler({});
    ModFenoverra::appword.clear();
    ModFenoverra::docword.clear();
    ModFenoverra::tabellaword.clear();
    ModFenoverra::titologuida.clear();
    ModFenoverra::testoguida.clear();
}

void expectBox() {
    MessageBox::setNextAnswer(MsgAnswer::Ok);
}
