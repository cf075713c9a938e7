#include "editor/FieldBoxes.h"

#include <QLineEdit>

#include <algorithm>

void LimitTyping(QLineEdit *box, int typedLimit)
{
    box->setMaxLength(typedLimit);
    // Back to the typed limit as the user shortens a longer stored text;
    // Qt never cuts what is already there.
    QObject::connect(box, &QLineEdit::textEdited, box,
                     [box, typedLimit] { box->setMaxLength(std::max(typedLimit, int(box->text().size()))); });
}

void ShowStoredText(QLineEdit *box, const QString &text)
{
    box->setMaxLength(std::max(box->maxLength(), int(text.size())));
    box->setText(text);
}
