#include "editor/SummaryBox.h"

#include "card/CardText.h"

#include <QKeyEvent>
#include <QMimeData>

namespace {

bool IsLineBreak(QChar c)
{
    return c == u'\n' || c == QChar::ParagraphSeparator || c == QChar::LineSeparator;
}

} // namespace

SummaryBox::SummaryBox(int maxLength, QWidget *parent)
    : QPlainTextEdit(parent)
    , m_maxLength(maxLength)
{
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setTabChangesFocus(true);
}

int SummaryBox::storedLength(const QString &text)
{
    int length = 0;
    for (QChar c : text)
        length += IsLineBreak(c) ? 2 : 1;
    return length;
}

void SummaryBox::setStoredText(const QString &stored)
{
    setPlainText(SummaryForEditor(stored));
    m_stored = stored;
    m_shown = boxText();
}

QString SummaryBox::storedText() const
{
    const QString text = boxText();
    return text == m_shown ? m_stored : SummaryForRecord(text);
}

QString SummaryBox::boxText() const
{
    QString text = document()->toRawText();
    text.replace(QChar::ParagraphSeparator, u'\n');
    return text.replace(QChar::LineSeparator, u'\n');
}

int SummaryBox::room() const
{
    return m_maxLength - storedLength(toPlainText()) + storedLength(textCursor().selectedText());
}

QString SummaryBox::fit(const QString &text, int room)
{
    qsizetype taken = 0;
    for (int used = 0; taken < text.size(); ++taken) {
        used += IsLineBreak(text.at(taken)) ? 2 : 1;
        if (used > room)
            break;
    }
    return text.left(taken);
}

void SummaryBox::keyPressEvent(QKeyEvent *event)
{
    const bool lineBreak = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const QString typed = lineBreak ? QStringLiteral("\n") : event->text();
    const bool inserts = lineBreak || (!typed.isEmpty() && typed.at(0).isPrint());
    if (inserts && storedLength(typed) > room()) {
        event->accept(); // the box is full
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void SummaryBox::insertFromMimeData(const QMimeData *source)
{
    QString text = source->text();
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    QMimeData fitted;
    fitted.setText(fit(text, room()));
    QPlainTextEdit::insertFromMimeData(&fitted);
}

void SummaryBox::inputMethodEvent(QInputMethodEvent *event)
{
    const QString commit = fit(event->commitString(), room());
    if (commit == event->commitString()) {
        QPlainTextEdit::inputMethodEvent(event);
        return;
    }
    QInputMethodEvent fitted(event->preeditString(), event->attributes());
    fitted.setCommitString(commit, event->replacementStart(), event->replacementLength());
    QPlainTextEdit::inputMethodEvent(&fitted);
}
