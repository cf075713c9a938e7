#include "print/TextFlow.h"

#include <QPagedPaintDevice>
#include <QPainter>
#include <QTextLayout>

#include <vector>

TextFlow::TextFlow(QPainter &painter, QPagedPaintDevice &device)
    : m_painter(painter)
    , m_device(device)
    , m_area(0, 0, device.width(), device.height())
    , m_y(m_area.top())
{
}

int TextFlow::widthAt(int y) const
{
    if (m_aside.isEmpty() || y >= m_aside.bottom())
        return m_area.width();
    return m_aside.left() - m_area.left();
}

void TextFlow::newPage()
{
    m_device.newPage();
    m_aside = {};
    m_y = m_area.top();
}

void TextFlow::paragraph(const QString &text, const QFont &font, const QFont &bold, int boldLength)
{
    QTextLayout layout(text, font, &m_device);
    if (boldLength > 0) {
        QTextLayout::FormatRange range{0, boldLength, {}};
        range.format.setFont(bold);
        layout.setFormats({range});
    }
    // Laid out first, each line given the page it falls on, then drawn.
    std::vector<int> pages;
    int page = 0;
    int y = m_y;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(page == 0 ? widthAt(y) : m_area.width());
        if (y + line.height() > m_area.bottom() && y > m_area.top()) {
            ++page;
            y = m_area.top();
            line.setLineWidth(m_area.width());
        }
        line.setPosition(QPointF(0, y));
        y += qCeil(line.height());
        pages.push_back(page);
    }
    layout.endLayout();
    for (int i = 0; i < layout.lineCount(); ++i) {
        if (pages[i] > 0 && (i == 0 || pages[i] != pages[i - 1]))
            newPage();
        layout.lineAt(i).draw(&m_painter, QPointF(m_area.left(), 0));
    }
    m_y = y;
}
