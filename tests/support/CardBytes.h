#pragma once

#include <QByteArray>

// The fields of a card as bytes, each one space-padded (or cut) to its
// fixed length when the card is laid out.
struct CardFields
{
    QByteArray titre = "Alien";
    QByteArray annee = "1979";
    QByteArray heures = " 1";
    QByteArray minutes = "57";
    QByteArray type = "SF";
    QByteArray realisateur = "Scott";
    QByteArray acteurs = "Weaver|";
    QByteArray resume = "Un cargo.";
};

// A card file's bytes laid out by hand: marker, the eight fields, the
// separator 0xA9 and the poster's bytes.
QByteArray CardBytes(const CardFields &fields, const QByteArray &poster = {});
