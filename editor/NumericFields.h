#pragma once

#include <QObject>

class QLineEdit;
class QWidget;

// The year, hours and minutes boxes take only what reads as a number under
// the user's locale: a failing text is reported and loses its last
// character, again and again, until it is empty or passes.
class NumericFields : public QObject
{
    Q_OBJECT

public:
    NumericFields(QWidget *window, QLineEdit *year, QLineEdit *hours, QLineEdit *minutes);

signals:
    // A box now holds a text that passes.
    void edited();

private:
    void check(QLineEdit *box, const QString &message);

    QWidget *const m_window; // over which the message is shown
};
