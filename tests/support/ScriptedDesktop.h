#pragma once

#include "core/Clock.h"
#include "platform/Desktop.h"

#include <QtTest>

// Stands in for the user and the desktop while it lives: records every
// message box, file dialog, address opened and program end, and answers
// from the scripts given.
struct ScriptedDesktop final : Desktop
{
    QList<Answer> answers; // for the next message boxes; then each box's default button
    QStringList files;     // for the next file dialogs; then cancel
    bool openUrlResult = true;

    QList<MessageRequest> messages;
    QList<FileDialogRequest> dialogs;
    QList<QUrl> opened;

    ScriptedDesktop() { SetCurrentDesktop(this); }
    ~ScriptedDesktop() override { SetCurrentDesktop(nullptr); }

    Answer showMessage(QWidget *, const MessageRequest &m) override { messages << m; return answers.isEmpty() ? m.defaultButton : answers.takeFirst(); }
    QString chooseFile(QWidget *, const FileDialogRequest &r) override { dialogs << r; return files.isEmpty() ? QString() : files.takeFirst(); }
    bool openUrl(const QUrl &url) override { opened << url; return openUrlResult; }
};

// The clock stands still at this moment while the object lives.
struct FixedClock final : Clock
{
    QDateTime when;
    explicit FixedClock(QDateTime at) : when(std::move(at)) { SetCurrentClock(this); }
    ~FixedClock() override { SetCurrentClock(nullptr); }
    QDateTime now() const override { return when; }
};

Q_DECLARE_METATYPE(MessageRequest)

// Shown when a comparison of messages fails.
inline char *toString(const MessageRequest &m)
{
    return QTest::toString(QStringLiteral("\"%1\" buttons %2 icon %3 default %4 title \"%5\"")
                               .arg(m.text).arg(int(m.buttons)).arg(int(m.icon)).arg(int(m.defaultButton)).arg(m.title));
}
