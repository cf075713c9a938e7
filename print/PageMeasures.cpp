#include "print/PageMeasures.h"

#include <QLocale>
#include <QPaintDevice>

namespace {

bool UsesLetter(QLocale::Territory territory)
{
    switch (territory) {
    case QLocale::UnitedStates:
    case QLocale::Canada:
    case QLocale::Mexico:
    case QLocale::Chile:
    case QLocale::Colombia:
    case QLocale::CostaRica:
    case QLocale::Guatemala:
    case QLocale::Panama:
    case QLocale::Venezuela:
    case QLocale::PuertoRico:
    case QLocale::DominicanRepublic:
    case QLocale::Philippines: return true;
    default: return false;
    }
}

} // namespace

double MmToPixels(double mm, const QPaintDevice &device)
{
    return mm * device.logicalDpiY() / 25.4;
}

QPageLayout PageLayoutFor(const QLocale &locale)
{
    const QPageSize size(UsesLetter(locale.territory()) ? QPageSize::Letter : QPageSize::A4);
    const QMarginsF margins(kPageMarginMm, kPageMarginMm, kPageMarginMm, kPageMarginMm);
    return QPageLayout(size, QPageLayout::Portrait, margins, QPageLayout::Millimeter);
}
