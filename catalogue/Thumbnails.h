#pragma once

#include <QCache>
#include <QImage>
#include <QObject>
#include <QSet>
#include <QThreadPool>

// The posters' thumbnails, read and decoded off the interface thread, as
// the table asks for them (that is, for the rows in view), and kept in a
// cache of bounded size. Each poster is read straight from its card with
// the thumbnailer's limits: 64 MB of file, 64 MB once decoded.
class Thumbnails : public QObject
{
    Q_OBJECT

public:
    // Thumbnails fit a square of `bound` pixels; about `kept` of them are
    // kept in the cache.
    Thumbnails(int bound, int kept, QObject *parent = nullptr);
    ~Thumbnails() override;

    // The thumbnail when it is ready, a null image otherwise (not loaded
    // yet, or the card has no usable poster); a load starts if needed.
    QImage thumbnail(const QString &cardPath);
    // Drops the loads not started yet: the rows they were for left the view.
    void dropQueued();
    // The card changed: its thumbnail is read again when next asked for.
    void forget(const QString &cardPath);

signals:
    void loaded(const QString &cardPath);

private:
    void take(const QString &cardPath, const QImage &image);

    const int m_bound;
    QCache<QString, QImage> m_cache; // null images too: no poster to load
    QSet<QString> m_pending;
    QThreadPool m_pool; // last, so that its jobs are done before the rest goes
};
