#include "app/Desktop.h"

#include "app/QtDesktop.h"

namespace {

QtDesktop &realDesktop()
{
    static QtDesktop instance;
    return instance;
}

Desktop *current = nullptr;

} // namespace

Desktop &desktop()
{
    return current ? *current : realDesktop();
}

void setDesktop(Desktop *replacement)
{
    current = replacement;
}

Answer ShowMessage(QWidget *parent, const QString &text, MessageButtons buttons, MessageIcon icon,
                   Answer defaultButton)
{
    MessageRequest request;
    request.text = text;
    request.buttons = buttons;
    request.icon = icon;
    request.defaultButton = defaultButton;
    return desktop().showMessage(parent, request);
}
