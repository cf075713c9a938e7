#include "card/CardReader.h"

#include "card/CardFileIo.h"
#include "card/CardHeader.h"

#include <QFile>
#include <QFileInfo>

namespace {

CardReadResult Failed(CardReadStatus status, QString error = {})
{
    CardReadResult result;
    result.status = status;
    result.errorString = std::move(error);
    return result;
}

} // namespace

QString ReadFailureMessage(const CardReadResult &card)
{
    switch (card.status) {
    case CardReadStatus::MissingFile: return QStringLiteral("Fichier introuvable");
    case CardReadStatus::NotACard: return QStringLiteral("Fichier incorrect");
    case CardReadStatus::Ok:
    case CardReadStatus::Unreadable: break;
    }
    return card.errorString;
}

CardReadResult ReadCardFile(const QString &cardPath)
{
    if (!QFileInfo(cardPath).isFile())
        return Failed(CardReadStatus::MissingFile);
    QFile file(cardPath);
    if (!file.open(QIODevice::ReadOnly))
        return Failed(CardReadStatus::Unreadable, CannotRead(file));

    const CardHeader header = ReadCardHeader(file);
    switch (header.status) {
    case CardHeader::Ok: break;
    case CardHeader::NotACard: return Failed(CardReadStatus::NotACard);
    case CardHeader::Unreadable: return Failed(CardReadStatus::Unreadable, CannotRead(file));
    }
    CardReadResult result;
    result.record = header.record;
    if (header.posterLength > 0 && header.posterLength <= kMaxPosterBytes) {
        // Sized once: reading into a growing array would hold a third more.
        result.poster = QByteArray(header.posterLength, Qt::Uninitialized);
        if (file.read(result.poster.data(), header.posterLength) != header.posterLength)
            return Failed(CardReadStatus::Unreadable, CannotRead(file));
    }
    return result;
}
