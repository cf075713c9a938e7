#include "platform/Desktop.h"

#include "platform/QtDesktop.h"

namespace {

QtDesktop &RealDesktop()
{
    static QtDesktop instance;
    return instance;
}

Desktop *current = nullptr;

} // namespace

Desktop &CurrentDesktop()
{
    return current ? *current : RealDesktop();
}

void SetCurrentDesktop(Desktop *replacement)
{
    current = replacement;
}

Answer ShowMessage(QWidget *parent, const QString &text, MessageButtons buttons, MessageIcon icon, Answer defaultButton)
{
    MessageRequest request;
    request.text = text;
    request.buttons = buttons;
    request.icon = icon;
    request.defaultButton = defaultButton;
    return CurrentDesktop().showMessage(parent, request);
}
