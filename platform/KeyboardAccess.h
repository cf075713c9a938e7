#pragma once

#include <QObject>

class QFocusFrame;
class QMenu;
class QWidget;

// Gives the keyboard what the mouse has on a picture or a link, which take
// no keys of their own: Tab reaches the control, a frame shows that it has
// the focus, and Enter or Space clicks it. Hidden while it has the focus
// (a poster removed), it hands the focus back to the control before it,
// rather than on to the next one.
class KeyboardClick : public QObject
{
    Q_OBJECT

public:
    // Lives as long as the control.
    explicit KeyboardClick(QWidget *control);

signals:
    void clicked();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void giveFocusBack();

    QWidget *const m_control;
    QFocusFrame *m_focusFrame = nullptr;
};

// The Menu key and Shift+F10 open the menu over the focused control while
// the focus is on the area (and, with Qt::WidgetWithChildrenShortcut, on
// one of its controls).
void AddMenuKeys(QWidget *area, Qt::ShortcutContext context, QMenu *menu);

// Text boxes take some Ctrl keys as their own moves (Ctrl+E to the end of
// the line, Ctrl+K to cut it, on Linux); the window's menu shortcuts come
// first wherever the focus is. Call once the window's menus are made.
void GiveShortcutsPrecedence(QWidget *window);
