#pragma once

#include <QPlainTextEdit>

// A multi-line box with a vertical scroll bar whose length limit counts each
// line break as two characters, as the card stores it (CR LF). Typed,
// pasted and dropped input beyond the limit is not taken; a text set by
// the program is taken whole.
class SummaryBox : public QPlainTextEdit
{
    Q_OBJECT

public:
    explicit SummaryBox(int maxLength, QWidget *parent = nullptr);

    // The length as stored: line breaks count two.
    static int storedLength(const QString &text);

    // The summary as the card stores it, line breaks as CR LF. Until the
    // user changes it, the text read from the card comes back byte for byte
    // (a lone CR included); no-break spaces are kept either way.
    void setStoredText(const QString &stored);
    QString storedText() const;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void insertFromMimeData(const QMimeData *source) override;
    void inputMethodEvent(QInputMethodEvent *event) override;

private:
    // Room left for new input, the selection it replaces counted free.
    int room() const;
    // The longest start of the text that fits the room.
    static QString fit(const QString &text, int room);

    // The text as typed: toPlainText() would make no-break spaces plain.
    QString boxText() const;

    int m_maxLength;
    QString m_stored;
    QString m_shown; // the box's text right after the stored text was set
};
