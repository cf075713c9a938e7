#include "platform/KeyboardAccess.h"

#include <QAction>
#include <QApplication>
#include <QFocusFrame>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QShortcut>

namespace {

// The style's focus frame, drawn in the highlight colour: the style's own,
// in the text colour, is lost against a dark poster. Being a focus frame,
// a screen reader does not count it among the window's controls.
class FocusRing : public QFocusFrame
{
public:
    using QFocusFrame::QFocusFrame;

protected:
    void paintEvent(QPaintEvent *) override { QPainter(this).fillRect(rect(), palette().highlight()); }
};

bool IsClickKey(const QKeyEvent &event)
{
    const int key = event.key();
    const bool clickKey = key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space;
    return clickKey && !(event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
}

} // namespace

KeyboardClick::KeyboardClick(QWidget *control)
    : QObject(control)
    , m_control(control)
{
    // Tab only: a mouse click keeps its own meaning and moves no focus.
    control->setFocusPolicy(Qt::TabFocus);
    control->installEventFilter(this);
}

bool KeyboardClick::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::FocusIn:
        // Made on first use, beside the control, and following it.
        if (!m_focusFrame)
            m_focusFrame = new FocusRing(m_control->parentWidget());
        m_focusFrame->setWidget(m_control);
        break;
    case QEvent::FocusOut:
        if (m_focusFrame)
            m_focusFrame->setWidget(nullptr);
        break;
    case QEvent::Hide:
        // The control itself hidden, not its window.
        if (m_control->isHidden() && m_control->hasFocus())
            giveFocusBack();
        break;
    case QEvent::KeyPress:
        if (IsClickKey(*static_cast<QKeyEvent *>(event))) {
            emit clicked();
            return true;
        }
        break;
    default: break;
    }
    return QObject::eventFilter(watched, event);
}

void KeyboardClick::giveFocusBack()
{
    for (QWidget *before = m_control->previousInFocusChain(); before != m_control;
         before = before->previousInFocusChain()) {
        if ((before->focusPolicy() & Qt::TabFocus) && before->isVisible() && before->isEnabled()
            && before->window() == m_control->window()) {
            before->setFocus(Qt::BacktabFocusReason);
            return;
        }
    }
}

void AddMenuKeys(QWidget *area, Qt::ShortcutContext context, QMenu *menu)
{
    auto *keys = new QShortcut(area);
    keys->setKeys({QKeySequence(Qt::Key_Menu), QKeySequence(Qt::SHIFT | Qt::Key_F10)});
    keys->setContext(context);
    QObject::connect(keys, &QShortcut::activated, menu, [area, menu] {
        const QWidget *focused = QApplication::focusWidget() ? QApplication::focusWidget() : area;
        menu->exec(focused->mapToGlobal(focused->rect().center()));
    });
}

namespace {

// Turns down a text box's claim on a key that a menu item of the window
// has, so that the item's shortcut fires.
class MenuShortcutsFirst : public QObject
{
public:
    explicit MenuShortcutsFirst(QWidget *window)
        : QObject(window)
        , m_window(window)
    {
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() != QEvent::ShortcutOverride)
            return false;
        const auto *key = static_cast<QKeyEvent *>(event);
        if (!(key->modifiers() & Qt::ControlModifier))
            return false;
        const QKeySequence pressed(key->keyCombination());
        for (const QAction *action : m_window->findChildren<QAction *>())
            if (action->isEnabled() && action->shortcuts().contains(pressed)) {
                event->ignore();
                return true;
            }
        return false;
    }

private:
    QWidget *const m_window;
};

} // namespace

void GiveShortcutsPrecedence(QWidget *window)
{
    auto *filter = new MenuShortcutsFirst(window);
    for (QLineEdit *box : window->findChildren<QLineEdit *>())
        box->installEventFilter(filter);
}
