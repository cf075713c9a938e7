#include "editor/NumericFields.h"

#include "app/Desktop.h"
#include "card/CardText.h"
#include "editor/frmMain.h"

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

// Runs on every change of the box, the program's own included: setting the
// shortened text below runs it again on that text.
void CheckNumeric(frmMain &editor, QLineEdit *box, const QString &message)
{
    const QString text = box->text();
    if (text.isEmpty() || IsNumeric(text, QLocale())) {
        editor.ChangeEdit(true);
        return;
    }
    ShowMessage(&editor, message, MessageButtons::Ok, MessageIcon::Information);
    box->setText(text.chopped(1));
    box->setCursorPosition(int(box->text().size()));
}

void Install(frmMain &editor, QLineEdit *box, const QString &message)
{
    QObject::connect(box, &QLineEdit::textChanged, &editor,
                     [&editor, box, message] { CheckNumeric(editor, box, message); });
}

} // namespace

void InstallNumericChecks(frmMain &editor)
{
    Install(editor, editor.txtAnnee,
            Lines({"Format invalide.", "L'année doit se composer de 4 chiffres"}));
    // "chiffes" is the message's own wording for the hours box.
    Install(editor, editor.txtDuree1,
            Lines({"Format invalide.", "La durée doit se composer d'un chiffre pour l'heure",
                   "et de deux chiffes pour les minutes"}));
    Install(editor, editor.txtDuree2,
            Lines({"Format invalide.", "La durée doit se composer d'un chiffre pour l'heure",
                   "et de deux chiffres pour les minutes"}));
}
