#pragma once

#include "platform/Desktop.h"

// The desktop as Qt offers it.
class QtDesktop final : public Desktop
{
public:
    Answer showMessage(QWidget *parent, const MessageRequest &request) override;
    QString chooseFile(QWidget *parent, const FileDialogRequest &request) override;
    bool openUrl(const QUrl &url) override;
};
