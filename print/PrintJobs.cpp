#include "print/PrintJobs.h"

#include "card/CardReader.h"
#include "card/CardText.h"

#include <QFileInfo>
#include <QPagedPaintDevice>

QString CardJob::title() const
{
    return TrimRight(m_card.record.text(CardRecord::Titre));
}

void CardJob::drawStep(QPainter &painter, QPagedPaintDevice &device, int)
{
    DrawCardPage(painter, device, m_card);
}

void CardFilesJob::drawStep(QPainter &painter, QPagedPaintDevice &device, int step)
{
    const QString &path = m_paths.at(step);
    const CardReadResult card = ReadCardFile(path);
    if (!card.ok()) {
        m_failures << QFileInfo(path).fileName() + QStringLiteral(" : ") + card.status.errorString;
        return;
    }
    if (m_pageUsed)
        device.newPage();
    m_pageUsed = true;
    DrawCardPage(painter, device, {card.record, card.poster});
}

void ListJob::begin(const QPagedPaintDevice &device)
{
    // The rows move into the pages: they are laid out once, for this device.
    m_pages.emplace(device, std::move(m_rows), m_heading);
}

void ListJob::drawStep(QPainter &painter, QPagedPaintDevice &device, int step)
{
    if (step > 0)
        device.newPage();
    m_pages->drawPage(painter, step);
}
