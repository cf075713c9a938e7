#include "card/CardReader.h"

#include "app/WorkFolder.h"
#include "card/FileCopy.h"

#include <QFile>

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

CardReadResult ReadCardFile(const QString &cardPath, const QString &workFolder)
{
    if (!FileExists(cardPath))
        return Failed(CardReadStatus::MissingFile);
    QFile card(cardPath);
    if (!card.open(QIODevice::ReadOnly))
        return Failed(CardReadStatus::Unreadable, CannotRead(card));

    const QByteArray header = card.read(kPosterOffset); // marker, record, separator
    if (card.error() != QFileDevice::NoError)
        return Failed(CardReadStatus::Unreadable, CannotRead(card));
    if (!IsCardMarker({header.left(kMarkerSize)}))
        return Failed(CardReadStatus::NotACard);

    CardReadResult result;
    result.record = CardRecord::fromBytes(header.mid(kMarkerSize, CardRecord::Size));
    if (card.atEnd())
        return result;

    if (workFolder.isEmpty())
        return Failed(CardReadStatus::Unreadable, NoWorkFolder());
    QFile poster(WorkFile(workFolder, kPosterFileName));
    if (!poster.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return Failed(CardReadStatus::Unreadable, CannotWrite(poster));
    if (IoStatus copied = CopyRest(card, poster); !copied.ok())
        return Failed(CardReadStatus::Unreadable, copied.errorString);
    if (!poster.flush())
        return Failed(CardReadStatus::Unreadable, CannotWrite(poster));
    result.hasPoster = true;
    return result;
}
