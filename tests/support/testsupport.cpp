// SPDX-License-Identifier: GPL-3.0-or-later
#include "testsupport.h"

#include "platform/commondialog.h"
#include "platform/messagebox.h"
#include "reports/wordprocessor.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>

QString row(const char* name, int i) {
    return QString("%1(%2)").arg(name).arg(i);
}

QString text(QWidget& form, const QString& name) {
    if (auto* label = findControl<QLabel>(&form, name)) return label->text();
    if (auto* edit = findControl<QLineEdit>(&form, name)) return edit->text();
    qFatal("no control %s", qPrintable(name));
}

QScrollBar* bar(QWidget& form, const QString& name) {
    auto* b = findControl<QScrollBar>(&form, name);
    if (!b) qFatal("no scroll bar %s", qPrintable(name));
    return b;
}

void click(QWidget& form, const QString& name) {
    auto* control = findControl<QWidget>(&form, name);
    if (!control) qFatal("nothing to click named %s", qPrintable(name));
    QTest::mouseClick(control, Qt::LeftButton);
}

QStringList boxes() {
    QStringList list;
    for (const auto& box : MessageBox::shown())
        list << QString("%1|%2|%3").arg(box.style).arg(box.title, box.prompt);
    return list;
}

QString box() {
    const QStringList all = boxes();
    return all.size() == 1 ? all[0] : QString("%1 boxes").arg(all.size());
}

QStringList dialogs() {
    QStringList list;
    for (const auto& d : CommonDialog::shown())
        list << QString("%1|%2|%3|%4").arg(d.title, d.filter).arg(d.filterIndex).arg(d.fileName);
    CommonDialog::clearShown();
    return list;
}

QByteArray contentsOf(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QString tempFile(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes) {
    QFile f(dir.filePath(name));
    if (!bytes.isEmpty() && f.open(QIODevice::WriteOnly)) f.write(bytes);
    return f.fileName();
}

QStringList paragraphsOf(const WordDocument* document) {
    QStringList paragraphs;
    for (QTextBlock b = document->textDocument()->begin(); b.isValid(); b = b.next()) {
        if (QTextCursor(b).currentTable()) continue;
        const QTextCharFormat f =
            b.text().isEmpty() ? b.charFormat() : b.begin().fragment().charFormat();
        const QString family = f.property(QTextFormat::FontFamily).toString();
        const bool page = b.blockFormat().pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore;
        paragraphs << (page ? "\f" : "") + b.text() + "|" + QString::number(f.fontPointSize()) +
                          (family == "Century Gothic" ? "" : "|" + family);
    }
    return paragraphs;
}

QString tableRow(const WordTable* table, int row) {
    QStringList cells;
    for (int column = 1; column <= table->Columns(); ++column)
        cells << table->cellText(row, column);
    return cells.join('|');
}
