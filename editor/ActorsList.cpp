#include "editor/ActorsList.h"

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
    connect(box->lineEdit(), &QLineEdit::textEdited, this, &ActorsList::ApplyTextRule);
    connect(box, &QComboBox::activated, this, &ActorsList::Select);
    connect(removeButton, &QPushButton::clicked, this, &ActorsList::Remove);
}

QStringList ActorsList::SelectEachInTurn()
{
    QStringList names;
    for (int i = 0; i < m_box->count(); ++i) {
        m_box->setCurrentIndex(i);
        Select(i);
        names << m_box->currentText();
    }
    return names;
}

void ActorsList::AddLoaded(const QString &name)
{
    const QString text = m_box->currentText();
    m_box->addItem(name);
    Deselect(text);
    UpdateLock();
}

void ActorsList::ClearSelection()
{
    Deselect(m_box->currentText());
    UpdateLock();
}

void ActorsList::Empty()
{
    m_box->clear();
    Deselect(QString());
    UpdateLock();
}

bool ActorsList::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_box && event->type() == QEvent::KeyPress) {
        switch (static_cast<QKeyEvent *>(event)->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            Enter();
            return true;
        case Qt::Key_Escape:
            Escape();
            return true;
        default:
            break;
        }
    }
    return QObject::eventFilter(watched, event);
}

void ActorsList::ApplyTextRule()
{
    QLineEdit *edit = m_box->lineEdit();
    const QString text = edit->text();
    if (IsLocked()) {
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

void ActorsList::Enter()
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
    Deselect(QString());
    UpdateLock();
}

void ActorsList::Escape()
{
    Deselect(QString());
    UpdateLock();
}

void ActorsList::Select(int index)
{
    m_selected = index;
    m_removeButton->setEnabled(true);
    UpdateLock();
}

void ActorsList::Remove()
{
    const QString text = m_box->currentText();
    m_box->removeItem(m_selected);
    Deselect(text);
    UpdateLock();
    emit edited();
}

// Qt selects an entry by itself when the first one is added or the selected
// one is removed, and rewrites the text with it: undo both.
void ActorsList::Deselect(const QString &text)
{
    m_box->setCurrentIndex(-1);
    m_box->setEditText(text);
    m_selected = -1;
    m_removeButton->setEnabled(false);
}

void ActorsList::UpdateLock()
{
    m_locked = m_box->count() >= kMaxActors && m_selected == -1;
    if (m_locked)
        m_box->setEditText(QString());
}
