#pragma once

#include <QSize>
#include <QtGlobal>

#include <optional>

// The poster's size in twips, which the editor and the viewer share: both
// show it 1935 twips wide, its proportions kept.

struct TwipsSize
{
    float width = 0;
    float height = 0;
};

inline constexpr float kPosterWidth = 1935;

// A picture's natural size in twips, from its size in pixels.
TwipsSize NaturalTwips(QSize pixels);

// The height of a picture shown 1935 twips wide, its proportions kept, or
// nothing when that passes 16 bits.
std::optional<qint16> ScaledPosterHeight(TwipsSize natural);

// The size in pixels at which a picture of that natural size in pixels is
// shown; empty when its height passes 16 bits.
QSize ShownPosterSize(QSize natural);
