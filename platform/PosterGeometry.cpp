#include "platform/PosterGeometry.h"

#include "card/CardText.h"
#include "platform/Twips.h"

TwipsSize NaturalTwips(QSize pixels)
{
    return {float(PixelsToTwips(pixels.width())), float(PixelsToTwips(pixels.height()))};
}

QSize ShownPosterSize(QSize natural)
{
    const std::optional<qint16> height = ScaledPosterHeight(NaturalTwips(natural));
    return height ? QSize(TwipsToPixels(kPosterWidth), TwipsToPixels(*height)) : QSize();
}

std::optional<qint16> ScaledPosterHeight(TwipsSize natural)
{
    return Whole16(double(natural.height) * (double(kPosterWidth) / natural.width));
}
