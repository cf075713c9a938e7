#include "card/CardReader.h"

#include "card/CardFileIo.h"
#include "card/CardHeader.h"

#include <QFile>
#include <QFileInfo>

namespace {

CardReadResult Failed(IoStatus status)
{
    CardReadResult result;
    result.status = std::move(status);
    return result;
}

} // namespace

CardReadResult ReadCardFile(const QString &cardPath)
{
    if (!QFileInfo(cardPath).isFile())
        return Failed(IoStatus::missingFile());
    QFile file(cardPath);
    if (!file.open(QIODevice::ReadOnly))
        return Failed(IoStatus::failure(CannotRead(file)));

    const CardHeader header = ReadCardHeader(file);
    switch (header.status) {
    case IoStatus::Ok: break;
    case IoStatus::NotACard: return Failed(IoStatus::notACard());
    case IoStatus::MissingFile:
    case IoStatus::Failed: return Failed(IoStatus::failure(CannotRead(file)));
    }
    CardReadResult result;
    result.record = header.record;
    result.posterLeftInFile = header.posterLength > kMaxPosterBytes;
    if (header.posterLength > 0 && !result.posterLeftInFile) {
        // Sized once: reading into a growing array would hold a third more.
        result.poster = QByteArray(header.posterLength, Qt::Uninitialized);
        if (file.read(result.poster.data(), header.posterLength) != header.posterLength)
            return Failed(IoStatus::failure(CannotRead(file)));
    }
    return result;
}
