// SPDX-License-Identifier: GPL-3.0-or-later
#include "testfixture.h"

#include "platform/clock.h"
#include "platform/commondialog.h"
#include "platform/documentopener.h"
#include "platform/documentsfolder.h"
#include "platform/filefolders.h"
#include "platform/messagebox.h"
#include "platform/mmcontrol.h"
#include "platform/programfiles.h"
#include "platform/twips.h"
#include "shell/startup.h"

#include <QApplication>
#include <QDir>
#include <QPointer>
#include <QTest>

namespace {

void failFor(const QString& what, const QStringList& texts) {
    if (texts.isEmpty()) return;
    const QString message = "unscripted " + what + ": \"" + texts.join("\", \"") + "\"";
    QTest::qFail(qPrintable(message), __FILE__, __LINE__);
}

TestFixture* current = nullptr;

} // namespace

TestFixture::TestFixture(core::Date today) {
    resetSeams(today);
    renewContext();
    current = this;
}

TestFixture::~TestFixture() {
    // A window left open must not outlive the context it works on.
    QList<QPointer<QWidget>> windows;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (QStringList{"dati", "tabella", "sommario"}.contains(window->objectName()))
            windows << window;
    for (const QPointer<QWidget>& window : windows)
        delete window.data(); // null when an earlier one took it along
    failFor("message box", MessageBox::unscripted());
    failFor("dialog", CommonDialog::unscripted());
    resetSeams(kTestToday);
    Clock::setTodayForTesting(std::nullopt);
    current = nullptr;
}

ProgramContext& TestFixture::context() {
    if (!current) qFatal("no test fixture alive");
    return *current->context_;
}

void TestFixture::renewContext() {
    context_ = std::make_unique<ProgramContext>();
    Startup::wireWindows(*context_);
}

void TestFixture::resetSeams(core::Date today) {
    MessageBox::useDouble(true);
    CommonDialog::useDouble(true);
    MMControl::useDouble(true);
    DocumentOpener::useDouble(true);
    DocumentOpener::setProgramForTesting(std::nullopt);
    ProgramFiles::setProgramDirectoryForTesting(std::nullopt);
    const QString pid = QString::number(QCoreApplication::applicationPid());
    DocumentsFolder::setPathForTesting(QDir::tempPath() + "/fenoverra-test-documents-" + pid);
    FileFolders::setSettingsFileForTesting(QDir::tempPath() + "/fenoverra-test-settings-" + pid +
                                           ".conf");
    Twips::setScreenForTesting(std::nullopt);
    Clock::setTodayForTesting(today);
}

void expectBox() {
    MessageBox::setNextAnswer(MsgAnswer::Ok);
}
