// SPDX-License-Identifier: GPL-3.0-or-later
#include "reports/pdfwriter.h"

#include "reports/pagelayout.h"

#include <QFontMetricsF>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <algorithm>

namespace {

QFont fontOf(const QString& family, double size, bool bold) {
    QFont font(family);
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(size);
    font.setBold(bold);
    return font;
}

int flagsOf(Report::Align align) {
    switch (align) {
    case Report::Align::Right:
        return Qt::AlignRight | Qt::TextWordWrap;
    case Report::Align::Justify:
        return Qt::AlignJustify | Qt::TextWordWrap;
    case Report::Align::Left:
        break;
    }
    return Qt::AlignLeft | Qt::TextWordWrap;
}

// Paints down the text area page after page; lengths in points, turned into
// the writer's units only when painted.
class Pages {
public:
    Pages(QPdfWriter& writer, QPainter& painter)
        : writer_(writer), painter_(painter), scale_(writer.resolution() / 72.0) {}

    void paragraph(const Report::Paragraph& p) {
        const QFont font = fontOf(p.font, p.size, p.bold);
        painter_.setFont(font);
        const int flags = flagsOf(p.align);
        const double height =
            p.text.isEmpty()
                ? QFontMetricsF(font, &writer_).lineSpacing() / scale_
                : painter_.boundingRect(area(0, PageLayout::kTextWidth, 1e6), flags, p.text)
                          .height() /
                      scale_;
        if (p.newPage && y_ > 0) newPage();
        makeRoom(height);
        painter_.setPen(Qt::black);
        painter_.drawText(area(0, PageLayout::kTextWidth, height), flags, p.text);
        y_ += height;
    }

    void table(const Report::Table& table) {
        const PageLayout::TableGeometry geometry = PageLayout::geometry(table);
        const QFont head = fontOf(table.font, table.size, true);
        const QFont body = fontOf(table.font, table.size, false);
        const double lineHeight = std::max(QFontMetricsF(head, &writer_).lineSpacing(),
                                           QFontMetricsF(body, &writer_).lineSpacing()) /
                                  scale_;
        const qsizetype headings = std::min<qsizetype>(table.headingRows, table.rows.size());
        // The heading rows never stand alone at the foot of a page.
        double start = 0;
        for (qsizetype r = 0; r < std::min(headings + 1, table.rows.size()); ++r)
            start += rowHeight(table, geometry, r, lineHeight);
        makeRoom(start);
        for (qsizetype r = 0; r < table.rows.size(); ++r) {
            const double height = rowHeight(table, geometry, r, lineHeight);
            if (r >= headings && y_ + height > textHeight() && y_ > 0) {
                newPage();
                for (qsizetype h = 0; h < headings; ++h)
                    row(table, geometry, h, rowHeight(table, geometry, h, lineHeight));
            }
            row(table, geometry, r, height);
        }
    }

private:
    static double textHeight() { return PageLayout::kPageHeight - 2 * PageLayout::kTopMargin; }

    QRectF area(double x, double width, double height) const {
        return {x * scale_, y_ * scale_, width * scale_, height * scale_};
    }

    void newPage() {
        writer_.newPage();
        y_ = 0;
    }

    void makeRoom(double height) {
        if (y_ > 0 && y_ + height > textHeight()) newPage();
    }

    const QFont& fontFor(const Report::Table& table, qsizetype row) {
        font_ = fontOf(table.font, table.size, row == 0);
        return font_;
    }

    // One line, unless a text needs more at its column's width.
    double rowHeight(const Report::Table& table, const PageLayout::TableGeometry& geometry,
                     qsizetype r, double lineHeight) {
        const QFontMetricsF metrics(fontFor(table, r), &writer_);
        double height = lineHeight;
        const QStringList& cells = table.rows.at(r);
        for (qsizetype c = 0; c < geometry.columns.size() && c < cells.size(); ++c) {
            const double inner =
                (geometry.columns.at(c) - 2 * (PageLayout::kGridWidth + geometry.padding)) * scale_;
            if (metrics.horizontalAdvance(cells.at(c)) <= inner) continue;
            const QRectF needed =
                metrics.boundingRect(QRectF(0, 0, inner, 1e6), Qt::TextWordWrap, cells.at(c));
            height = std::max(height, needed.height() / scale_);
        }
        return height;
    }

    void row(const Report::Table& table, const PageLayout::TableGeometry& geometry, qsizetype r,
             double height) {
        const bool first = r == 0;
        painter_.setFont(fontFor(table, r));
        const QStringList& cells = table.rows.at(r);
        double x = 0;
        for (qsizetype c = 0; c < geometry.columns.size(); ++c) {
            const double width = geometry.columns.at(c);
            const QRectF cell = area(x, width, height);
            painter_.fillRect(cell, first ? table.headBackground : table.bodyBackground);
            painter_.setPen(first ? table.headText : table.bodyText);
            const double inset = (PageLayout::kGridWidth + geometry.padding) * scale_;
            painter_.drawText(cell.adjusted(inset, 0, -inset, 0),
                              flagsOf(Report::alignment(table.columns.at(c))) | Qt::AlignVCenter,
                              cells.value(c));
            painter_.setPen(QPen(table.grid, PageLayout::kGridWidth * scale_));
            painter_.setBrush(Qt::NoBrush);
            painter_.drawRect(cell);
            x += width;
        }
        y_ += height;
    }

    QPdfWriter& writer_;
    QPainter& painter_;
    double scale_; // writer's units per point
    double y_ = 0; // points from the top of the text area
    QFont font_;
};

} // namespace

namespace PdfWriter {

bool write(const Report::Document& document, const QString& fileName) {
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly)) return false;
    {
        QPdfWriter writer(&file);
        writer.setCreator(QStringLiteral("Fenoverra"));
        writer.setTitle(document.description);
        const double side = PageLayout::kSideMargin;
        const double top = PageLayout::kTopMargin;
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                         QMarginsF(side, top, side, top), QPageLayout::Point));
        QPainter painter;
        if (!painter.begin(&writer)) return false;
        Pages pages(writer, painter);
        for (const Report::Paragraph& p : document.paragraphs)
            pages.paragraph(p);
        if (document.table) pages.table(*document.table);
        for (const Report::Paragraph& p : document.after)
            pages.paragraph(p);
        if (!painter.end()) return false;
    }
    return file.commit();
}

} // namespace PdfWriter
