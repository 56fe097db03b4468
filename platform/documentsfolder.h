// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the program writes the documents it makes for the user: the user's
// documents folder, subfolder "Fenoverra" (made when needed), so a document
// saved from the word processor does not land in a folder the system empties.

#include <QDateTime>
#include <QString>
#include <optional>

namespace DocumentsFolder {

// The folder, created if needed; empty when it cannot be created.
QString path();

// A new file name in the folder for a document about `what`
// ("calcolo-Prestito", "tabella-tassi-legali"): "Fenoverra-<what>-<date>-<time>.odt",
// with "-2", "-3"... when a file of that name exists. Characters a file
// name cannot hold become "_". Empty when the folder cannot be created.
QString newFileName(const QString& what, const QDateTime& when = QDateTime::currentDateTime());

// Tests: use this folder instead of the user's.
void setPathForTesting(std::optional<QString> folder);

} // namespace DocumentsFolder
