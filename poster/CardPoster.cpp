#include "poster/CardPoster.h"

#include "card/CardHeader.h"

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

    const CardHeader header = ReadCardHeader(card);
    switch (header.status) {
    case CardHeader::Ok: break;
    case CardHeader::NotACard: return Damaged(QStringLiteral("ce n'est pas une fiche"));
    case CardHeader::Unreadable: return Damaged(card.errorString());
    }
    if (!header.whole)
        return Damaged(QStringLiteral("fiche tronquée"));
    if (header.posterLength == 0)
        return {CardPoster::NoPoster, {}, {}};
    if (header.posterLength > maxBytes)
        return Damaged(QStringLiteral("affiche trop grande"));

    CardPoster result{CardPoster::Ok, card.read(header.posterLength), {}};
    if (result.bytes.size() != header.posterLength)
        return Damaged(card.errorString());
    return result;
}
