#pragma once

#include "card/CardRecord.h"

#include <QDate>
#include <QFont>
#include <QImage>
#include <QList>
#include <QString>

#include <vector>

class QPagedPaintDevice;
class QPainter;

// One line of a printed list: the card's file, for its poster, and the
// fields as the caller shows them.
struct PrintRow
{
    QString path;
    CardRecord record;
};

// What heads the list's first page.
struct ListHeading
{
    QString folderName;
    QDate date;
    QString count;  // the number of cards as the caller words it: "12 fiches sur 2 000"
    QString search; // the words the rows were searched for; empty for none
};

// The rows as pages: a heading with the folder's name, the date and the
// number of cards, then one line per card with a small poster, title, year,
// running time, type and director; the column headings at the top of each
// page, "Page N sur M" at its foot. Each page's thumbnails are read and
// decoded when the page is drawn, so memory does not grow with the pages.
class ListPages
{
public:
    ListPages(const QPagedPaintDevice &device, std::vector<PrintRow> rows, ListHeading heading);

    int pageCount() const;
    // Draws the page (from 0) on the device's current page.
    void drawPage(QPainter &painter, int page) const;

private:
    int firstRow(int page) const;
    int drawHeading(QPainter &painter) const;
    void drawColumnHeadings(QPainter &painter, int top) const;
    void drawRow(QPainter &painter, const PrintRow &row, const QImage &thumbnail, int top) const;
    void drawCell(QPainter &painter, const QRectF &cell, const QString &text, const QFont &font) const;
    QList<QImage> thumbnails(int first, int count) const;

    const QPagedPaintDevice &m_device;
    std::vector<PrintRow> m_rows;
    ListHeading m_heading;
    QFont m_text;
    QFont m_bold;
    QFont m_title;
    double m_mm;         // a millimetre in device pixels
    double m_lineHeight; // of the list's text
    int m_rowHeight;
    int m_columnsHeight;
    int m_footHeight;
    int m_headingHeight;
    int m_rowsFirstPage;
    int m_rowsPerPage;
};
