// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/commondialog.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QQueue>

namespace {

struct ScriptedAnswer {
    bool cancel = false;
    QString fileName;
    QColor color;
};

bool doubleOn = false;
QQueue<ScriptedAnswer> scriptedAnswers;
QList<CommonDialog::Shown> shownDialogs;
QStringList unscriptedDialogs;

// "*.*" means every file on the system the filters were written for; here
// it would only match names with a dot.
QString qtPatterns(const QString& pattern) {
    QStringList parts;
    for (const QString& part : pattern.split(u';', Qt::SkipEmptyParts)) {
        const QString trimmed = part.trimmed();
        if (trimmed.isEmpty()) continue;
        parts << (trimmed == QLatin1String("*.*") ? QStringLiteral("*") : trimmed);
    }
    return parts.isEmpty() ? QStringLiteral("*") : parts.join(u' ');
}

// "desc|pattern|desc|pattern" -> Qt name filters "desc (patterns)". A
// description that already shows its pattern in brackets is not repeated.
QStringList nameFilters(const QString& filter) {
    const QStringList parts = filter.split(u'|');
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts[i].trimmed();
        const QString pattern = parts[i + 1].trimmed();
        const QString shownPattern = QLatin1Char('(') + pattern + QLatin1Char(')');
        if (description.endsWith(shownPattern)) description.chop(shownPattern.size());
        description = description.trimmed();
        filters << description + QStringLiteral(" (") + qtPatterns(pattern) + QLatin1Char(')');
    }
    return filters;
}

bool answerFromScript(CommonDialog& dialog, CommonDialog::Kind kind) {
    shownDialogs.append(CommonDialog::Shown{kind, dialog.DialogTitle, dialog.Filter,
                                            dialog.FilterIndex, dialog.FileName, dialog.Color,
                                            dialog.InitDir});
    if (scriptedAnswers.isEmpty()) {
        unscriptedDialogs.append(dialog.DialogTitle);
        return false;
    }
    const ScriptedAnswer answer = scriptedAnswers.dequeue();
    if (answer.cancel) return false;
    if (kind == CommonDialog::Kind::Color) {
        if (!answer.color.isValid()) return false;
        dialog.Color = answer.color;
        return true;
    }
    if (answer.fileName.isEmpty()) return false;
    dialog.FileName = answer.fileName;
    return true;
}

bool showFileDialog(CommonDialog& dialog, QWidget* parent, QFileDialog::AcceptMode mode) {
    QFileDialog box(parent);
    box.setOption(QFileDialog::DontUseNativeDialog);
    box.setAcceptMode(mode);
    box.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                    : QFileDialog::AnyFile);
    // The save commands replace an existing file by design.
    box.setOption(QFileDialog::DontConfirmOverwrite);
    if (!dialog.DialogTitle.isEmpty()) box.setWindowTitle(dialog.DialogTitle);
    const QStringList filters = nameFilters(dialog.Filter);
    if (!filters.isEmpty()) {
        box.setNameFilters(filters);
        box.selectNameFilter(filters.value(qBound(1, dialog.FilterIndex, int(filters.size())) - 1));
    }
    if (!dialog.InitDir.isEmpty()) box.setDirectory(dialog.InitDir);
    const QString name =
        dialog.InitDir.isEmpty() ? dialog.FileName : QFileInfo(dialog.FileName).fileName();
    if (!name.isEmpty()) box.selectFile(name);
    if (box.exec() != QDialog::Accepted || box.selectedFiles().isEmpty()) return false;
    dialog.FileName = box.selectedFiles().constFirst();
    const int chosen = filters.indexOf(box.selectedNameFilter());
    if (chosen >= 0) dialog.FilterIndex = chosen + 1;
    return true;
}

} // namespace

bool CommonDialog::ShowOpen(QWidget* parent) {
    if (doubleOn) return answerFromScript(*this, Kind::Open);
    return showFileDialog(*this, parent, QFileDialog::AcceptOpen);
}

bool CommonDialog::ShowSave(QWidget* parent) {
    if (doubleOn) return answerFromScript(*this, Kind::Save);
    return showFileDialog(*this, parent, QFileDialog::AcceptSave);
}

bool CommonDialog::ShowColor(QWidget* parent) {
    if (doubleOn) return answerFromScript(*this, Kind::Color);
    const QColor chosen =
        QColorDialog::getColor(Color, parent, DialogTitle, QColorDialog::DontUseNativeDialog);
    if (!chosen.isValid()) return false;
    Color = chosen;
    return true;
}

QStringList CommonDialog::qtNameFilters(const QString& filter) {
    return nameFilters(filter);
}

void CommonDialog::useDouble(bool on) {
    doubleOn = on;
    scriptedAnswers.clear();
    shownDialogs.clear();
    unscriptedDialogs.clear();
}

void CommonDialog::setNextFileName(const QString& name) {
    scriptedAnswers.enqueue({false, name, QColor()});
}

void CommonDialog::setNextColor(const QColor& c) {
    scriptedAnswers.enqueue({false, QString(), c});
}

void CommonDialog::setNextCancel() {
    scriptedAnswers.enqueue({true, QString(), QColor()});
}

QList<CommonDialog::Shown> CommonDialog::shown() {
    return shownDialogs;
}

void CommonDialog::clearShown() {
    shownDialogs.clear();
}

QStringList CommonDialog::unscripted() {
    return unscriptedDialogs;
}
