#include "editor/ActorsList.h"

#include "card/CardText.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

ActorsList::ActorsList(QComboBox *box, QPushButton *removeButton)
    : QObject(box)
    , m_box(box)
    , m_removeButton(removeButton)
{
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert); // Enter is handled here
    box->setCompleter(nullptr);                // names are typed whole
    box->installEventFilter(this);
    // Only the user's edits: a text set by choosing an entry must stay.
    connect(box->lineEdit(), &QLineEdit::textEdited, this, &ActorsList::applyTextRule);
    connect(box, &QComboBox::activated, this, &ActorsList::select);
    connect(removeButton, &QPushButton::clicked, this, &ActorsList::remove);
}

QStringList ActorsList::names() const
{
    QStringList names;
    for (int i = 0; i < m_box->count(); ++i)
        names << m_box->itemText(i);
    return names;
}

void ActorsList::addLoaded(const QString &name)
{
    const QString text = m_box->currentText();
    m_box->addItem(name);
    deselect(text);
    updateLock();
}

void ActorsList::clearSelection()
{
    deselect(m_box->currentText());
    updateLock();
}

void ActorsList::clear()
{
    m_box->clear();
    deselect(QString());
    updateLock();
}

bool ActorsList::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_box && event->type() == QEvent::KeyPress) {
        switch (static_cast<QKeyEvent *>(event)->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter: enter(); return true;
        case Qt::Key_Escape: escape(); return true;
        default: break;
        }
    }
    return QObject::eventFilter(watched, event);
}

void ActorsList::applyTextRule()
{
    QLineEdit *edit = m_box->lineEdit();
    const QString text = edit->text();
    if (isLocked()) {
        edit->clear();
        return;
    }
    // "|" ends every name in the card file: a name holding one would come
    // back as two.
    QString name = text;
    name.remove(u'|');
    const bool tooLong = name.size() > kMaxActorName;
    if (name == text && !tooLong)
        return;
    const int caret = edit->cursorPosition() - int(text.left(edit->cursorPosition()).count(u'|'));
    name.truncate(kMaxActorName);
    edit->setText(name);
    edit->setCursorPosition(tooLong ? int(name.size()) : caret);
}

void ActorsList::enter()
{
    const QString name = m_box->currentText();
    if (name.isEmpty())
        return;
    const int index = m_selected;
    if (index != -1) {
        m_box->removeItem(index);
        m_box->insertItem(index, name);
    } else {
        m_box->addItem(name);
    }
    emit edited();
    deselect(QString());
    updateLock();
}

void ActorsList::escape()
{
    deselect(QString());
    updateLock();
}

void ActorsList::select(int index)
{
    m_selected = index;
    m_removeButton->setEnabled(true);
    updateLock();
}

void ActorsList::remove()
{
    const QString text = m_box->currentText();
    m_box->removeItem(m_selected);
    deselect(text);
    updateLock();
    emit edited();
}

// Qt selects an entry by itself when the first one is added or the selected
// one is removed, and rewrites the text with it: undo both.
void ActorsList::deselect(const QString &text)
{
    m_box->setCurrentIndex(-1);
    m_box->setEditText(text);
    m_selected = -1;
    m_removeButton->setEnabled(false);
}

void ActorsList::updateLock()
{
    m_locked = m_box->count() >= kMaxActors && m_selected == -1;
    if (m_locked)
        m_box->setEditText(QString());
}
