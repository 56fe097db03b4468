#include "testfixture.h"

#include "core/sharedcalculation.h"
#include "platform/clock.h"
#include "platform/commondialog.h"
#include "platform/documentopener.h"
#include "platform/documentsfolder.h"
#include "platform/formbackground.h"
#include "platform/messagebox.h"
#include "platform/mmcontrol.h"
#include "platform/modfenoverra.h"
#include "platform/programfiles.h"
#include "platform/twips.h"
#include "ratetable/presets.h"
#include "reports/helppagedocument.h"

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
    MMControl::useDouble(true);
    DocumentOpener::useDouble(true);
    DocumentOpener::setProgramForTesting(std::nullopt);
    ProgramFiles::setProgramDirectoryForTesting(std::nullopt);
    DocumentsFolder::setPathForTesting(QDir::tempPath() + "/fenoverra-test-documents-" +
                                       QString::number(QCoreApplication::applicationPid()));
    Twips::setScreenForTesting(std::nullopt);
    Clock::setTodayForTesting(today);
    core::periodi().clear();
    Presets::sceltatab = Presets::kNessuna;
    FormBackground::forgetChosen();
    ModFenoverra::impostatesti();
    ModFenoverra::setExitHandler({});
    ModFenoverra::titologuida.clear();
    ModFenoverra::testoguida.clear();
}

void expectBox() {
    MessageBox::setNextAnswer(MsgAnswer::Ok);
}
