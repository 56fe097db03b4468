// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The whole help guide in one document, a small paper manual, saved under
// the program's name and opened for the user.

#include "reports/reportmodel.h"

#include <QList>
#include <QString>

namespace GuideDocument {

// One help page: its title and its text.
struct Page {
    QString title;
    QString text;
};

// The program's name followed by "-guida" and ".doc". The file holds
// OpenDocument Text, which word processors recognise by its content.
QString fileName();

// The program's name (20 points) and description (16), then every page as
// "Guida: " and its title, and its text. The first title is 16 points,
// everything after it 12; every text but the last is followed by a new
// page; every paragraph is justified.
Report::Document build(const QList<Page>& pages);

// Writes the guide as fileName(), replacing an older one, and opens it.
// Run from a build folder, it goes beside the program; installed, never
// among the program's files (whoever runs it) but into the user's documents
// folder, and a message says where. A build folder that does not take it
// sends it there too, with a message; so does failing everywhere.
// Returns the file written, empty when none was.
QString write(const QList<Page>& pages);

} // namespace GuideDocument
