#include "card/CardHeader.h"

#include <QIODevice>

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
    bytes.truncate(got);
    if (!IsCardMarker({bytes.left(kMarkerSize)})) {
        header.status = IoStatus::NotACard;
        return header;
    }
    header.status = IoStatus::Ok;
    header.record = CardRecord::fromBytes(QByteArrayView(bytes).sliced(kMarkerSize));
    header.whole = bytes.size() == kPosterOffset;
    if (header.whole)
        header.posterLength = qMax<qint64>(0, device.size() - kPosterOffset);
    return header;
}
