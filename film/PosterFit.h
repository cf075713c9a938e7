#pragma once

#include <QByteArray>
#include <QString>

// A picture made into what a card stores as its poster.
struct FittedPoster
{
    QByteArray bytes; // empty when the picture was refused
    QString change;   // French, when the picture was converted or scaled
    QString problem;  // French, why it was refused

    bool ok() const { return problem.isEmpty(); }
};

// JPEG, BMP and GIF are kept byte for byte; any other picture Qt reads (PNG
// among them) becomes a JPEG of quality 90; a picture past the program's
// picture limits is scaled down by halves until it fits them (JPEG, quality
// 90); a picture Qt cannot read is refused.
FittedPoster FitPoster(const QByteArray &picture);
