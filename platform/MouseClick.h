#pragma once

#include <QObject>
#include <QPoint>

class QWidget;

// A click on a control that takes none of its own (a picture, a link): a
// button pressed on it and released over it, its edges included.
class MouseClick : public QObject
{
    Q_OBJECT

public:
    // Lives as long as the control.
    explicit MouseClick(QWidget *control);

signals:
    void clicked();
    void rightClicked(QPoint globalPosition);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *const m_control;
    bool m_pressed = false;
};
