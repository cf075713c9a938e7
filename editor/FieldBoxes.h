#pragma once

class QLineEdit;
class QString;

// A box's length limit holds for what the user types or pastes; a text read
// from a card is shown whole, so that a stored "12" in the one-digit hours
// box is not cut to "1" and written back changed.

void LimitTyping(QLineEdit *box, int typedLimit);
void ShowStoredText(QLineEdit *box, const QString &text);
