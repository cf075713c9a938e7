#include "editor/ActorsList.h"

#include "editor/frmMain.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

ActorsList::ActorsList(frmMain &editor)
    : QObject(&editor)
    , m_editor(editor)
    , m_box(editor.cboActeurs)
{
    QComboBox *box = editor.cboActeurs;
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert); // Enter is handled here
    box->setCompleter(nullptr);                // names are typed whole
    box->setProperty("Tag", QString::fromLatin1(kUnlocked));
    box->installEventFilter(this);
    // Only the user's edits: a text set by choosing an entry must stay.
    connect(box->lineEdit(), &QLineEdit::textEdited, this, &ActorsList::ApplyTextRule);
    connect(box, &QComboBox::activated, this, &ActorsList::Select);
    connect(editor.cmdActSupp, &QPushButton::clicked, this, &ActorsList::Remove);
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

bool ActorsList::IsLocked() const
{
    return m_box->property("Tag").toString() == QLatin1String(kLocked);
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
    const int index = RememberedIndex();
    if (index != -1) {
        m_box->removeItem(index);
        m_box->insertItem(index, name);
    } else {
        m_box->addItem(name);
    }
    m_editor.ChangeEdit(true);
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
    m_editor.lblAct = QString::number(index);
    m_editor.cmdActSupp->setEnabled(true);
    UpdateLock();
}

void ActorsList::Remove()
{
    const QString text = m_box->currentText();
    m_box->removeItem(RememberedIndex());
    Deselect(text);
    UpdateLock();
    m_editor.ChangeEdit(true);
}

int ActorsList::RememberedIndex() const
{
    return m_editor.lblAct.toInt();
}

// Qt selects an entry by itself when the first one is added or the selected
// one is removed, and rewrites the text with it: undo both.
void ActorsList::Deselect(const QString &text)
{
    m_box->setCurrentIndex(-1);
    m_box->setEditText(text);
    m_editor.lblAct = QStringLiteral("-1");
    m_editor.cmdActSupp->setEnabled(false);
}

void ActorsList::UpdateLock()
{
    const bool locked = m_box->count() >= kMaxActors && RememberedIndex() == -1;
    m_box->setProperty("Tag", QString::fromLatin1(locked ? kLocked : kUnlocked));
    if (locked)
        m_box->setEditText(QString());
}
