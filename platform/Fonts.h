#pragma once

#include <QFont>

// The windows' font. The layout was drawn for MS Sans Serif 8.25 pt, a
// 13-pixel line at 96 DPI with narrow captions; DejaVu Sans Condensed, carried
// in the program, has the same line height at that size and, set a little
// tighter, fits every caption in its box, on any machine whatever fonts it has.
QFont SansSerif(double points = 8.25);
// Its bold face, carried too.
QFont BoldSansSerif(double points);
// The title's: 13.5 pt, bold, underlined.
QFont TitleFont();
