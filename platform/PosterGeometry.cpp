#include "platform/PosterGeometry.h"

#include "platform/Twips.h"

#include <cmath>
#include <limits>

std::optional<qint16> Whole16(double value)
{
    const double whole = std::nearbyint(value);
    if (whole >= std::numeric_limits<qint16>::min() && whole <= std::numeric_limits<qint16>::max())
        return qint16(whole);
    return std::nullopt;
}

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
