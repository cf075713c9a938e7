#include "catalogue/Thumbnails.h"

#include "poster/PosterThumbnail.h"

Thumbnails::Thumbnails(int bound, int kept, QObject *parent)
    : QObject(parent)
    , m_bound(bound)
    // Posters stand: two thirds as wide as high, four bytes a pixel.
    , m_cache(qsizetype(bound) * bound * 2 / 3 * 4 * kept / 1024)
{
    m_pool.setMaxThreadCount(2);
}

Thumbnails::~Thumbnails()
{
    m_pool.clear();
    m_pool.waitForDone();
}

QImage Thumbnails::thumbnail(const QString &cardPath)
{
    if (const QImage *image = m_cache.object(cardPath))
        return *image;
    if (!m_pending.contains(cardPath)) {
        m_pending.insert(cardPath);
        const int bound = m_bound;
        m_pool.start([this, cardPath, bound] {
            const QImage image = CardThumbnail(cardPath, bound);
            QMetaObject::invokeMethod(
                this, [this, cardPath, image] { take(cardPath, image); }, Qt::QueuedConnection);
        });
    }
    return {};
}

void Thumbnails::dropQueued()
{
    m_pool.clear();
    m_pending.clear();
}

void Thumbnails::forget(const QString &cardPath)
{
    m_cache.remove(cardPath);
}

void Thumbnails::take(const QString &cardPath, const QImage &image)
{
    m_pending.remove(cardPath);
    m_cache.insert(cardPath, new QImage(image), std::max<qsizetype>(1, image.sizeInBytes() / 1024));
    emit loaded(cardPath);
}
