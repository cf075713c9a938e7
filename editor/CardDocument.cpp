#include "editor/CardDocument.h"

#include "card/CardReader.h"
#include "card/CardText.h"
#include "card/CardWriter.h"

#include <QFile>
#include <QFileInfo>
#include <QLocale>

QString CardDocument::field(CardRecord::Field field) const
{
    return TrimRight(m_record.text(field));
}

void CardDocument::setField(CardRecord::Field field, const QString &stored)
{
    m_record.set(field, stored);
    setModified(true);
}

void CardDocument::fill(const CardRecord &record, bool takePoster, const QByteArray &poster)
{
    m_record = record;
    if (takePoster)
        replacePoster(poster);
    emit replaced();
    setModified(true);
}

QString CardDocument::name() const
{
    return isNew() ? QString::fromLatin1(kNewCardName) : QFileInfo(m_path).fileName();
}

void CardDocument::setModified(bool modified)
{
    m_modified = modified;
    emit modifiedChanged(modified);
}

void CardDocument::setPoster(const QByteArray &poster)
{
    replacePoster(poster);
    setModified(true);
}

void CardDocument::replacePoster(const QByteArray &poster)
{
    m_poster = poster;
    // A new card is written whole anyway.
    if (!isNew())
        m_posterChanged = true;
    m_posterLeftInFile = false;
}

bool CardDocument::restorePoster()
{
    if (m_openedPoster.isEmpty())
        return false;
    m_poster = m_openedPoster;
    // Put back after a change, the poster is the file's own again; put back
    // while unchanged, the card is written whole, with the same bytes.
    m_posterChanged = !m_posterChanged;
    setModified(true);
    return true;
}

void CardDocument::startNew()
{
    m_record = CardRecord();
    m_poster.clear();
    m_openedPoster.clear();
    m_posterChanged = false;
    m_posterLeftInFile = false;
    m_stamp = {};
    emit replaced();
    takeFile({});
}

IoStatus CardDocument::open(const QString &path)
{
    CardReadResult card = ReadCardFile(path);
    if (!card.ok())
        return card.status;
    // The running time is kept in the program's own form, as the editor
    // writes it back.
    const QLocale locale;
    CardRecord record = card.record;
    record.set(CardRecord::DureeH, HoursForRecord(HoursForEditor(record.text(CardRecord::DureeH), locale), locale));
    record.set(CardRecord::DureeMin, MinutesForEditor(record.text(CardRecord::DureeMin), locale));
    record.set(CardRecord::Acteurs, JoinActors(SplitActors(record.text(CardRecord::Acteurs))));
    m_record = record;
    m_poster = card.poster;
    m_openedPoster = card.poster;
    m_posterChanged = false;
    m_posterLeftInFile = card.posterLeftInFile;
    m_stamp = stampOf(path);
    emit replaced();
    takeFile(path);
    return IoStatus::success();
}

IoStatus CardDocument::save()
{
    // The text part alone is rewritten only over the very file that was
    // read, whole as its size shows; a file changed or removed since gets
    // the whole card, unless its poster could not be held.
    const bool textPartOnly = !m_posterChanged
        && (m_posterLeftInFile ? IsWholeCardFile(m_path) : !changedOnDisk() && m_stamp.size > kHeaderSize);
    return concludeWrite(m_path,
                         textPartOnly ? WriteCardHeader(m_path, m_record) : WriteCard(m_record, m_poster, m_path));
}

IoStatus CardDocument::saveAs(const QString &path)
{
    if (!isNew() && QFileInfo(path) == QFileInfo(m_path))
        return save();
    // A poster too large to hold comes over from the card's own file.
    const IoStatus status = m_posterLeftInFile && !m_posterChanged ? CopyCardWithHeader(m_path, path, m_record)
                                                                   : WriteCard(m_record, m_poster, path);
    return concludeWrite(path, status);
}

bool CardDocument::changedOnDisk() const
{
    return !isNew() && !(stampOf(m_path) == m_stamp);
}

CardDocument::DiskStamp CardDocument::stampOf(const QString &path)
{
    const QFileInfo info(path);
    if (!info.isFile())
        return {};
    QFile file(path);
    DiskStamp stamp{info.size(), info.lastModified(), {}};
    if (file.open(QIODevice::ReadOnly))
        stamp.header = file.read(kHeaderSize);
    return stamp;
}

IoStatus CardDocument::concludeWrite(const QString &path, IoStatus status)
{
    if (!status.ok())
        return status;
    m_posterChanged = false;
    m_stamp = stampOf(path);
    takeFile(path);
    return status;
}

void CardDocument::takeFile(const QString &path)
{
    m_path = path;
    emit fileChanged();
    setModified(false);
}
