// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The copy of a document that is written as OpenDocument Text, mended where
// Qt's writer and the word processors reading its file part ways:
//
// - an empty paragraph is written without its character format and would
//   come out at the reader's default size: it gets a zero-width space that
//   carries the format;
// - a reader drops the blanks that begin a paragraph (" 1"): a zero-width
//   space in front keeps them;
// - a cell background is not written at all, so tables are shaded through
//   their paragraphs; a paragraph's shade does not cover the cell padding,
//   so the copy has no padding and a no-break space at each end of every
//   cell's text instead;
// - a table is written without column widths and the reader gives every
//   column the same share: each column gets a width in proportion to its
//   widest text, which the reader stretches across the page.

#include <memory>

class QTextDocument;

namespace OdfCopy {

std::unique_ptr<QTextDocument> make(const QTextDocument& document);

} // namespace OdfCopy
