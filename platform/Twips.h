#pragma once

#include <QRect>

// Lengths are given in twips, 1/1440 inch (15 twips a pixel at 96 DPI).
// They become pixels here only, at the screen's logical DPI.

int TwipsToPixels(double twips);
double PixelsToTwips(int pixels);
QRect TwipsRect(double left, double top, double width, double height);

// The DPI used from now on; by default the primary screen's logical DPI.
void SetTwipsDpi(double dpi);
