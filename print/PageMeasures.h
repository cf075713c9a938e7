#pragma once

#include <QPageLayout>

class QLocale;
class QPaintDevice;

// Printed lengths are given in millimetres and font sizes in points; they
// become device pixels at the printer's resolution only.

inline constexpr double kPageMarginMm = 15;
inline constexpr double kPosterMaxWidthMm = 90;
inline constexpr double kPosterGapMm = 6;
// PDF files are drawn at this resolution: posters are decoded for it.
inline constexpr int kPdfResolution = 300;

inline constexpr double kCardTitlePoints = 20;
inline constexpr double kCardTextPoints = 10.5;
inline constexpr double kListHeadingPoints = 15;
inline constexpr double kListTextPoints = 9;

double MmToPixels(double mm, const QPaintDevice &device);

// Letter where the locale's country uses it (the Americas' and the
// Philippines'), A4 elsewhere; portrait, within the page margins.
QPageLayout PageLayoutFor(const QLocale &locale);
