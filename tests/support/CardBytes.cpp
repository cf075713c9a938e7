#include "support/CardBytes.h"

namespace {

QByteArray Field(const QByteArray &bytes, int length)
{
    return bytes.leftJustified(length, ' ', true);
}

} // namespace

QByteArray CardBytes(const CardFields &f, const QByteArray &poster)
{
    return "@FCHSC@" + Field(f.titre, 50) + Field(f.annee, 4) + Field(f.heures, 2) + Field(f.minutes, 2)
           + Field(f.type, 50) + Field(f.realisateur, 50) + Field(f.acteurs, 510) + Field(f.resume, 500)
           + char(0xA9) + poster;
}
