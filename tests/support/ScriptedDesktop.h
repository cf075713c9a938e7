#pragma once

#include "app/Clock.h"
#include "app/Desktop.h"

#include <QList>
#include <QQueue>

// Stands in for the user and the desktop: records every message box, file
// dialog and address opened, and answers from scripts given in advance.
// Installs itself on construction and puts the real desktop back when gone.
class ScriptedDesktop final : public Desktop
{
public:
    ScriptedDesktop();
    ~ScriptedDesktop() override;

    // Answers for the next message boxes, in order; Ok, or the default
    // button, once the script is used up.
    void answerMessages(std::initializer_list<Answer> answers);
    // Paths for the next file dialogs, in order; empty (cancel) once used up.
    void answerFiles(std::initializer_list<QString> paths);
    void setOpenUrlResult(bool result) { m_openUrlResult = result; }

    QList<MessageRequest> messages;
    QList<FileDialogRequest> fileDialogs;
    QList<QUrl> openedUrls;
    QList<int> endedWith; // exit codes given to endProgram

    QStringList messageTexts() const;

    Answer showMessage(QWidget *parent, const MessageRequest &request) override;
    QString chooseFile(QWidget *parent, const FileDialogRequest &request) override;
    bool openUrl(const QUrl &url) override;
    void endProgram(int exitCode) override;

private:
    QQueue<Answer> m_answers;
    QQueue<QString> m_paths;
    bool m_openUrlResult = true;
};

// A clock that always tells the same date and time while it lives.
class FixedClock final : public Clock
{
public:
    explicit FixedClock(QDateTime when);
    ~FixedClock() override;
    QDateTime now() const override { return m_when; }

private:
    QDateTime m_when;
};
