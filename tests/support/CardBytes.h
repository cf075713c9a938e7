#pragma once

#include <QByteArray>

// A card's fields as bytes; each one is cut or space-padded to its length
// when the card is laid out.
struct CardFields
{
    QByteArray titre{}, annee{}, heures{}, minutes{}, type{}, realisateur{}, acteurs{}, resume{};
};

// A card file laid out by hand: "@FCHSC@", the eight fields (50, 4, 2, 2,
// 50, 50, 510 and 500 bytes), the separator 0xA9, then the poster's bytes.
QByteArray CardBytes(const CardFields &fields, const QByteArray &poster = {});
