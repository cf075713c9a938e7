#include "poster/CardPoster.h"

#include "card/CardHeader.h"
#include "poster/ImageLimits.h"

#include <QFile>

namespace {

CardPoster Damaged(QString why)
{
    return {IoStatus::failure(std::move(why)), {}};
}

} // namespace

CardPoster ReadCardPoster(const QString &cardPath)
{
    QFile card(cardPath);
    if (!card.open(QIODevice::ReadOnly))
        return Damaged(card.errorString());

    const CardHeader header = ReadCardHeader(card);
    switch (header.status) {
    case IoStatus::Ok: break;
    case IoStatus::NotACard: return Damaged(QStringLiteral("ce n'est pas une fiche"));
    case IoStatus::MissingFile:
    case IoStatus::Failed: return Damaged(card.errorString());
    }
    if (!header.whole)
        return Damaged(QStringLiteral("fiche tronquée"));
    if (header.posterLength == 0)
        return {};
    if (header.posterLength > kThumbnailMaxPosterBytes)
        return Damaged(QStringLiteral("affiche trop grande"));

    CardPoster result{IoStatus::success(), card.read(header.posterLength)};
    if (result.bytes.size() != header.posterLength)
        return Damaged(card.errorString());
    return result;
}
