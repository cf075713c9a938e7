#include "support/ScriptedDesktop.h"

ScriptedDesktop::ScriptedDesktop()
{
    setDesktop(this);
}

ScriptedDesktop::~ScriptedDesktop()
{
    setDesktop(nullptr);
}

void ScriptedDesktop::answerMessages(std::initializer_list<Answer> answers)
{
    for (Answer answer : answers)
        m_answers.enqueue(answer);
}

void ScriptedDesktop::answerFiles(std::initializer_list<QString> paths)
{
    for (const QString &path : paths)
        m_paths.enqueue(path);
}

QStringList ScriptedDesktop::messageTexts() const
{
    QStringList texts;
    for (const MessageRequest &request : messages)
        texts << request.text;
    return texts;
}

Answer ScriptedDesktop::showMessage(QWidget *, const MessageRequest &request)
{
    messages << request;
    return m_answers.isEmpty() ? request.defaultButton : m_answers.dequeue();
}

QString ScriptedDesktop::chooseFile(QWidget *, const FileDialogRequest &request)
{
    fileDialogs << request;
    return m_paths.isEmpty() ? QString() : m_paths.dequeue();
}

bool ScriptedDesktop::openUrl(const QUrl &url)
{
    openedUrls << url;
    return m_openUrlResult;
}

void ScriptedDesktop::endProgram(int exitCode)
{
    endedWith << exitCode;
}

FixedClock::FixedClock(QDateTime when)
    : m_when(std::move(when))
{
    setCurrentClock(this);
}

FixedClock::~FixedClock()
{
    setCurrentClock(nullptr);
}
