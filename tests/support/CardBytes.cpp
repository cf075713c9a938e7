#include "support/CardBytes.h"

QByteArray CardBytes(const CardFields &f, const QByteArray &poster)
{
    const auto field = [](const QByteArray &bytes, int length) { return bytes.leftJustified(length, ' ', true); };
    return "@FCHSC@" + field(f.titre, 50) + field(f.annee, 4) + field(f.heures, 2) + field(f.minutes, 2)
           + field(f.type, 50) + field(f.realisateur, 50) + field(f.acteurs, 510) + field(f.resume, 500)
           + char(0xA9) + poster;
}
