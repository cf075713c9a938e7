#pragma once

#include <QString>

// What a screen reader says of a card's poster picture.
inline QString PosterAccessibleName(bool shown)
{
    return shown ? QStringLiteral("Affiche du film") : QStringLiteral("Aucune affiche");
}
