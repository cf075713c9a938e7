#pragma once

#include <QFont>
#include <QStringList>

// The windows' font, MS Sans Serif 8.25 pt, is seldom installed: the
// nearest sans-serif font stands in for it.
QFont SansSerif(double points = 8.25);
// The title's: 13.5 pt, bold, underlined.
QFont TitleFont();
