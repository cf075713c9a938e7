#include "editor/CardDocument.h"

#include <QFileInfo>

QString CardDocument::name() const
{
    return isNew() ? QString::fromLatin1(kNewCardName) : QFileInfo(m_path).fileName();
}

void CardDocument::setPoster(const QByteArray &poster)
{
    m_poster = poster;
    // A new card is written whole anyway.
    if (!isNew())
        m_posterChanged = true;
}

bool CardDocument::restorePoster()
{
    if (m_openedPoster.isEmpty())
        return false;
    m_poster = m_openedPoster;
    // Put back after a change, the poster is the file's own again; put back
    // while unchanged, the card is written whole, with the same bytes.
    m_posterChanged = !m_posterChanged;
    return true;
}

void CardDocument::startNew()
{
    m_poster.clear();
    m_openedPoster.clear();
    m_posterChanged = false;
    takeFile({});
}

void CardDocument::opened(const QString &path, const QByteArray &poster)
{
    m_poster = poster;
    m_openedPoster = poster;
    m_posterChanged = false;
    takeFile(path);
}

void CardDocument::saved(const QString &path)
{
    m_posterChanged = false;
    takeFile(path);
}

void CardDocument::takeFile(const QString &path)
{
    m_path = path;
    m_modified = false;
    emit fileChanged();
}
