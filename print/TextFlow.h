#pragma once

#include <QFont>
#include <QRect>
#include <QString>

class QPagedPaintDevice;
class QPainter;

// Paragraphs drawn one under the other within the page's printable area,
// wrapped at word ends, going on to a new page rather than being cut. Lines
// keep clear of a box set aside on the current page (the poster).
class TextFlow
{
public:
    TextFlow(QPainter &painter, QPagedPaintDevice &device);

    int top() const { return m_y; }
    int width() const { return m_area.width(); }
    void setAside(const QRect &box) { m_aside = box; }
    void skip(int pixels) { m_y += pixels; }
    // The first `boldLength` characters are drawn in `bold`.
    void paragraph(const QString &text, const QFont &font, const QFont &bold = {}, int boldLength = 0);

private:
    int widthAt(int y) const;
    void newPage();

    QPainter &m_painter;
    QPagedPaintDevice &m_device;
    QRect m_area;
    QRect m_aside;
    int m_y;
};
