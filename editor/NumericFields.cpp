#include "editor/NumericFields.h"

#include "card/CardText.h"
#include "platform/Desktop.h"

#include <QLineEdit>
#include <QLocale>

namespace {

QString Lines(std::initializer_list<const char *> lines)
{
    QStringList texts;
    for (const char *line : lines)
        texts << QString::fromUtf8(line);
    return texts.join(u'\r');
}

} // namespace

NumericFields::NumericFields(QWidget *window, QLineEdit *year, QLineEdit *hours, QLineEdit *minutes)
    : QObject(window)
    , m_window(window)
{
    const auto install = [this](QLineEdit *box, const QString &message) {
        connect(box, &QLineEdit::textChanged, this, [this, box, message] { check(box, message); });
    };
    install(year, Lines({"Format invalide.", "L'année doit se composer de 4 chiffres"}));
    // "chiffes" is the message's own wording for the hours box.
    install(hours,
            Lines({"Format invalide.", "La durée doit se composer d'un chiffre pour l'heure",
                   "et de deux chiffes pour les minutes"}));
    install(minutes,
            Lines({"Format invalide.", "La durée doit se composer d'un chiffre pour l'heure",
                   "et de deux chiffres pour les minutes"}));
}

// Runs on every change of the box, the program's own included: setting the
// shortened text below runs it again on that text.
void NumericFields::check(QLineEdit *box, const QString &message)
{
    const QString text = box->text();
    if (text.isEmpty() || IsNumeric(text, QLocale())) {
        emit edited();
        return;
    }
    ShowMessage(m_window, message, MessageButtons::Ok, MessageIcon::Information);
    box->setText(text.chopped(1));
    box->setCursorPosition(int(box->text().size()));
}
