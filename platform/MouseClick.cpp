#include "platform/MouseClick.h"

#include <QMouseEvent>
#include <QWidget>

MouseClick::MouseClick(QWidget *control)
    : QObject(control)
    , m_control(control)
{
    control->installEventFilter(this);
}

bool MouseClick::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_control)
        return false;
    if (event->type() == QEvent::MouseButtonPress) {
        m_pressed = true;
    } else if (event->type() == QEvent::MouseButtonRelease && m_pressed) {
        m_pressed = false;
        const auto *mouse = static_cast<QMouseEvent *>(event);
        const QPointF at = mouse->position();
        if (at.x() < 0 || at.y() < 0 || at.x() > m_control->width() || at.y() > m_control->height())
            return false;
        if (mouse->button() == Qt::LeftButton)
            emit clicked();
        else if (mouse->button() == Qt::RightButton)
            emit rightClicked(mouse->globalPosition().toPoint());
    }
    return false;
}
