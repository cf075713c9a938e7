#include "catalogue/CatalogueCard.h"

#include "card/CardHeader.h"
#include "card/CardText.h"

#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>

void CatalogueCard::setRecord(const CardRecord &record)
{
    fields.clear();
    fields.reserve(CardRecord::Size);
    for (int field = 0; field < CardRecord::FieldCount; ++field) {
        QByteArrayView stored =
            QByteArrayView(record.bytes())
                .sliced(CardRecord::offset(CardRecord::Field(field)), CardRecord::length(CardRecord::Field(field)));
        while (stored.endsWith(' '))
            stored.chop(1);
        fields += stored;
        fieldEnds[field] = quint16(fields.size());
    }
    fields.squeeze();
}

QByteArrayView CatalogueCard::bytes(CardRecord::Field field) const
{
    const qsizetype start = field == 0 ? 0 : fieldEnds[field - 1];
    return QByteArrayView(fields).sliced(start, fieldEnds[field] - start);
}

CardRecord CatalogueCard::record() const
{
    QByteArray stored;
    stored.reserve(CardRecord::Size);
    for (int field = 0; field < CardRecord::FieldCount; ++field)
        stored +=
            bytes(CardRecord::Field(field)).toByteArray().leftJustified(CardRecord::length(CardRecord::Field(field)));
    return CardRecord::fromBytes(stored);
}

QString CatalogueCard::text(CardRecord::Field field) const
{
    return DecodeCardText(bytes(field).toByteArray());
}

QString CatalogueCard::title() const
{
    return readable ? text(CardRecord::Titre) : QFileInfo(path).fileName();
}

QString CatalogueCard::duration() const
{
    return RunningTimeText(text(CardRecord::DureeH), text(CardRecord::DureeMin));
}

int CatalogueCard::year() const
{
    bool ok = false;
    const int value = text(CardRecord::Annee).trimmed().toInt(&ok);
    return ok ? value : -1;
}

int CatalogueCard::minutes() const
{
    return RunningMinutes(text(CardRecord::DureeH), text(CardRecord::DureeMin), QLocale());
}

FileStamp StampOf(const QString &path)
{
    FileStamp stamp;
    struct stat about
    {
    };
    if (::stat(QFile::encodeName(path).constData(), &about) == 0) {
        stamp.modified = qint64(about.st_mtim.tv_sec) * 1000 + about.st_mtim.tv_nsec / 1000000;
        stamp.size = about.st_size;
        stamp.isFile = S_ISREG(about.st_mode);
    }
    return stamp;
}

CatalogueCard ReadCatalogueCard(const QString &absolutePath)
{
    CatalogueCard card;
    card.path = absolutePath;
    QFile in(card.path);
    if (!in.open(QIODevice::ReadOnly)) {
        card.settled = in.exists();
        return card;
    }
    const FileStamp stamp = StampOf(card.path);
    card.modified = stamp.modified;
    card.size = stamp.size;
    // A card cut inside its text part reads as the viewer reads it: the
    // rest is spaces.
    const CardHeader header = ReadCardHeader(in);
    card.setRecord(header.record);
    card.readable = header.ok();
    // Shorter than the marker, or a marker without the whole text part: a
    // file still being written, most likely.
    card.settled = header.ok() ? header.whole : card.size >= kMarkerSize;
    return card;
}
