#include "editor/FieldBoxes.h"

#include <QLineEdit>

#include <algorithm>

namespace {

// Where a box keeps the limit for typing, apart from the one Qt enforces.
constexpr char kTypedLimit[] = "typedLimit";

int TypedLimit(const QLineEdit *box)
{
    return box->property(kTypedLimit).toInt();
}

} // namespace

void LimitTyping(QLineEdit *box, int typedLimit)
{
    box->setProperty(kTypedLimit, typedLimit);
    box->setMaxLength(typedLimit);
    // Back to the typed limit as the user shortens a longer stored text;
    // Qt never cuts what is already there.
    QObject::connect(box, &QLineEdit::textEdited, box,
                     [box] { box->setMaxLength(std::max(TypedLimit(box), int(box->text().size()))); });
}

void ShowStoredText(QLineEdit *box, const QString &text)
{
    // Raised for this text only: the next card starts from the typed limit.
    box->setMaxLength(std::max(TypedLimit(box), int(text.size())));
    box->setText(text);
}
