#pragma once

#include <QCursor>
#include <QIcon>
#include <QPixmap>

// The program's pictures.

// The program icon, 16 to 256 pixels.
QIcon AppIcon();
// The pointing hand over every clickable picture and link: a 32 x 32
// monochrome cursor whose hot spot (13, 4) is the tip of the index finger.
QCursor HandCursor();
// The 21 x 17 delete symbol of the actors' remove button.
QPixmap DeletePicture();
// The maker's 58 x 37 logo in the About box.
QPixmap AboutLogo();
