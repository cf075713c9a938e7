#include "platform/Twips.h"

#include <QGuiApplication>
#include <QScreen>

#include <cmath>

namespace {

constexpr double kTwipsPerInch = 1440.0;
constexpr double kFallbackDpi = 96.0;

double dpiOverride = 0;

double Dpi()
{
    if (dpiOverride > 0)
        return dpiOverride;
    static const double screenDpi = [] {
        const QScreen *screen = QGuiApplication::primaryScreen();
        return screen ? screen->logicalDotsPerInchY() : kFallbackDpi;
    }();
    return screenDpi;
}

} // namespace

int TwipsToPixels(double twips)
{
    return int(std::lround(twips * Dpi() / kTwipsPerInch));
}

double PixelsToTwips(int pixels)
{
    return pixels * kTwipsPerInch / Dpi();
}

QRect TwipsRect(double left, double top, double width, double height)
{
    return {TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width), TwipsToPixels(height)};
}

void SetTwipsDpi(double dpi)
{
    dpiOverride = dpi;
}
