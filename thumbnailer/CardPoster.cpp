#include "thumbnailer/CardPoster.h"

#include "card/CardRecord.h"

#include <QFile>

namespace {

CardPoster Damaged(QString why)
{
    CardPoster result;
    result.errorString = std::move(why);
    return result;
}

} // namespace

CardPoster ReadCardPoster(const QString &cardPath, qint64 maxBytes)
{
    QFile card(cardPath);
    if (!card.open(QIODevice::ReadOnly))
        return Damaged(card.errorString());

    const QByteArray head = card.read(kPosterOffset); // marker, record, separator
    if (card.error() != QFileDevice::NoError)
        return Damaged(card.errorString());
    if (!IsCardMarker({head.left(kMarkerSize)}))
        return Damaged(QStringLiteral("ce n'est pas une fiche"));
    if (head.size() < kPosterOffset)
        return Damaged(QStringLiteral("fiche tronquée"));

    const qint64 posterSize = card.size() - kPosterOffset;
    if (posterSize == 0)
        return {CardPoster::NoPoster, {}, {}};
    if (posterSize > maxBytes)
        return Damaged(QStringLiteral("affiche trop grande"));

    CardPoster result{CardPoster::Ok, card.read(posterSize), {}};
    if (result.bytes.size() != posterSize)
        return Damaged(card.errorString());
    return result;
}
