#pragma once

class QSize;
class QWidget;

// Which part of the screen a window is centred on.
enum class ScreenArea {
    Whole,     // the whole screen
    Available, // the screen without the desktop's panels
};

// Moves the window so that a frame of the outer size is centred on the
// primary screen.
void CentreOnScreen(QWidget *window, QSize outer, ScreenArea area = ScreenArea::Whole);
