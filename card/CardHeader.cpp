#include "card/CardHeader.h"

#include <QIODevice>

#include <algorithm>

CardHeader ReadCardHeader(QIODevice &device)
{
    CardHeader header;
    QByteArray bytes(kPosterOffset, Qt::Uninitialized); // marker, record, separator
    qint64 got = 0;
    while (got < kPosterOffset) {
        const qint64 read = device.read(bytes.data() + got, kPosterOffset - got);
        if (read < 0)
            return header; // Unreadable
        if (read == 0)
            break; // the end of the file
        got += read;
    }
    const QByteArrayView start(bytes.constData(), got);
    return ParseCardHeader(start, got == kPosterOffset ? device.size() : got);
}

CardHeader ParseCardHeader(QByteArrayView start, qint64 fileSize)
{
    CardHeader header;
    start = start.first(std::min<qsizetype>(start.size(), kPosterOffset));
    if (start.size() < kMarkerSize || !IsCardMarker({start.first(kMarkerSize).toByteArray()})) {
        header.status = IoStatus::NotACard;
        return header;
    }
    header.status = IoStatus::Ok;
    header.record = CardRecord::fromBytes(start.sliced(kMarkerSize));
    header.whole = start.size() == kPosterOffset;
    if (header.whole)
        header.posterLength = qMax<qint64>(0, fileSize - kPosterOffset);
    return header;
}
