#include "print/ListPages.h"

#include "card/CardText.h"
#include "platform/Fonts.h"
#include "poster/PosterThumbnail.h"
#include "print/PageMeasures.h"

#include <QFontMetricsF>
#include <QLocale>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QTextLayout>
#include <QtConcurrent/QtConcurrentMap>

#include <array>

namespace {

using F = CardRecord::Field;

// The poster's box, then the columns' shares of the width left.
constexpr double kThumbnailWidthMm = 7;
constexpr double kThumbnailHeightMm = 9.5;
constexpr double kRowHeightMm = 10.5;
constexpr double kCellGapMm = 2.5;

struct Column
{
    const char *heading;
    double share;
};
constexpr std::array<Column, 5> kColumns{{
    {"Titre", 0.36},
    {"Année", 0.08},
    {"Durée", 0.08},
    {"Type", 0.18},
    {"Réalisateur", 0.30},
}};

std::array<QString, 5> Cells(const CardRecord &record)
{
    return {TrimRight(record.text(F::Titre)), record.text(F::Annee).trimmed(),
            RunningTimeText(record.text(F::DureeH), record.text(F::DureeMin)), TrimRight(record.text(F::Type)),
            TrimRight(record.text(F::Realisateur))};
}

} // namespace

ListPages::ListPages(const QPagedPaintDevice &device, std::vector<PrintRow> rows, ListHeading heading)
    : m_device(device)
    , m_rows(std::move(rows))
    , m_heading(std::move(heading))
    , m_text(SansSerif(kListTextPoints))
    , m_bold(BoldSansSerif(kListTextPoints))
    , m_title(BoldSansSerif(kListHeadingPoints))
    , m_mm(MmToPixels(1, device))
    , m_lineHeight(QFontMetricsF(m_text, &device).lineSpacing())
{
    m_rowHeight = qRound(kRowHeightMm * m_mm);
    m_columnsHeight = qCeil(m_lineHeight + 2 * m_mm);
    m_footHeight = qCeil(m_lineHeight + 2 * m_mm);
    const int headingLines = m_heading.search.isEmpty() ? 1 : 2;
    m_headingHeight = qCeil(QFontMetricsF(m_title, &device).lineSpacing() + headingLines * m_lineHeight + 4 * m_mm);
    const int rowsHeight = device.height() - m_columnsHeight - m_footHeight;
    m_rowsPerPage = std::max(1, rowsHeight / m_rowHeight);
    m_rowsFirstPage = std::max(1, (rowsHeight - m_headingHeight) / m_rowHeight);
}

int ListPages::pageCount() const
{
    const int rest = std::max(0, int(m_rows.size()) - m_rowsFirstPage);
    return 1 + (rest + m_rowsPerPage - 1) / m_rowsPerPage;
}

int ListPages::firstRow(int page) const
{
    return page == 0 ? 0 : m_rowsFirstPage + (page - 1) * m_rowsPerPage;
}

void ListPages::drawPage(QPainter &painter, int page) const
{
    int top = page == 0 ? drawHeading(painter) : 0;
    drawColumnHeadings(painter, top);
    top += m_columnsHeight;

    const int first = std::min(firstRow(page), int(m_rows.size()));
    const int count = std::min(page == 0 ? m_rowsFirstPage : m_rowsPerPage, int(m_rows.size()) - first);
    const QList<QImage> images = thumbnails(first, count);
    for (int i = 0; i < count; ++i)
        drawRow(painter, m_rows[first + i], images[i], top + i * m_rowHeight);

    painter.setPen(Qt::black);
    painter.setFont(m_text);
    const QRect foot(0, m_device.height() - m_footHeight, m_device.width(), m_footHeight);
    painter.drawText(foot, Qt::AlignHCenter | Qt::AlignBottom,
                     QStringLiteral("Page %1 sur %2").arg(page + 1).arg(pageCount()));
}

int ListPages::drawHeading(QPainter &painter) const
{
    const double titleHeight = QFontMetricsF(m_title, &m_device).lineSpacing();
    painter.setFont(m_title);
    const QString name =
        QFontMetricsF(m_title, &m_device).elidedText(m_heading.folderName, Qt::ElideRight, m_device.width());
    painter.drawText(QRectF(0, 0, m_device.width(), titleHeight), Qt::AlignLeft | Qt::TextSingleLine, name);
    const QLocale french(QLocale::French, QLocale::France);
    QString info =
        french.toString(m_heading.date, QStringLiteral("d MMMM yyyy")) + QStringLiteral(" — ") + m_heading.count;
    if (!m_heading.search.isEmpty())
        info += QStringLiteral("\nRecherche : ") + m_heading.search;
    painter.setFont(m_text);
    painter.drawText(QRectF(0, titleHeight, m_device.width(), m_headingHeight - titleHeight), Qt::AlignLeft, info);
    return m_headingHeight;
}

void ListPages::drawColumnHeadings(QPainter &painter, int top) const
{
    double x = (kThumbnailWidthMm + kCellGapMm) * m_mm;
    const double width = m_device.width() - x;
    for (const Column &column : kColumns) {
        drawCell(painter, QRectF(x, top + m_mm, width * column.share - kCellGapMm * m_mm, m_lineHeight),
                 QString::fromUtf8(column.heading), m_bold);
        x += width * column.share;
    }
    painter.setPen(QPen(Qt::black, 0.25 * m_mm));
    const double line = top + m_columnsHeight - 0.5 * m_mm;
    painter.drawLine(QPointF(0, line), QPointF(m_device.width(), line));
}

void ListPages::drawRow(QPainter &painter, const PrintRow &row, const QImage &thumbnail, int top) const
{
    if (!thumbnail.isNull()) {
        const QRectF box(0, top + 0.5 * m_mm, kThumbnailWidthMm * m_mm, kThumbnailHeightMm * m_mm);
        QRectF shown(QPointF(), QSizeF(thumbnail.size()).scaled(box.size(), Qt::KeepAspectRatio));
        shown.moveCenter(box.center());
        painter.drawImage(shown, thumbnail);
    }
    double x = (kThumbnailWidthMm + kCellGapMm) * m_mm;
    const double width = m_device.width() - x;
    const std::array<QString, 5> cells = Cells(row.record);
    for (size_t i = 0; i < cells.size(); ++i) {
        drawCell(painter, QRectF(x, top + m_mm, width * kColumns[i].share - kCellGapMm * m_mm, 2 * m_lineHeight),
                 cells[i], m_text);
        x += width * kColumns[i].share;
    }
    painter.setPen(QPen(Qt::lightGray, 0.15 * m_mm));
    painter.drawLine(QPointF(0, top + m_rowHeight), QPointF(m_device.width(), top + m_rowHeight));
}

void ListPages::drawCell(QPainter &painter, const QRectF &cell, const QString &text, const QFont &font) const
{
    // As many lines as the cell holds, the last one ending in "…" when the
    // text goes on.
    const int lines = std::max(1, int(cell.height() / m_lineHeight));
    QTextLayout layout(text, font, &m_device);
    layout.beginLayout();
    double y = cell.top();
    for (int i = 0; i < lines; ++i) {
        QTextLine line = layout.createLine();
        if (!line.isValid())
            break;
        line.setLineWidth(cell.width());
        line.setPosition(QPointF(cell.left(), y));
        y += line.height();
    }
    layout.endLayout();
    const int drawn = layout.lineCount();
    painter.setPen(Qt::black);
    for (int i = 0; i < drawn; ++i) {
        const QTextLine line = layout.lineAt(i);
        if (i < drawn - 1 || line.textStart() + line.textLength() >= text.size()) {
            line.draw(&painter, QPointF());
            continue;
        }
        painter.setFont(font);
        const QString rest =
            QFontMetricsF(font, &m_device).elidedText(text.mid(line.textStart()), Qt::ElideRight, cell.width());
        painter.drawText(QPointF(cell.left(), line.y() + line.ascent()), rest);
    }
}

QList<QImage> ListPages::thumbnails(int first, int count) const
{
    const int bound = qRound(kThumbnailHeightMm * m_mm);
    const auto begin = m_rows.begin() + first;
    return QtConcurrent::blockingMapped<QList<QImage>>(
        begin, begin + count, [bound](const PrintRow &row) { return CardThumbnail(row.path, bound); });
}
