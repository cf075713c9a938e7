#include "platform/Centre.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

void CentreOnScreen(QWidget *window, QSize outer, ScreenArea area)
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect place = area == ScreenArea::Whole ? screen->geometry() : screen->availableGeometry();
    window->move(place.center() - QPoint(outer.width() / 2, outer.height() / 2));
}
