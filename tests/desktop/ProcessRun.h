#pragma once

#include <QByteArray>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

// How a program run by a test ended.
struct ProcessRun
{
    bool finished = false; // ended by itself, without crashing, in time
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

// Runs a program and waits for it at most timeoutMs; a program still
// running then is killed and counts as not finished.
inline ProcessRun RunProgram(const QString &program, const QStringList &args,
                             const QProcessEnvironment &env = QProcessEnvironment::systemEnvironment(),
                             int timeoutMs = 10000)
{
    QProcess process;
    process.setProcessEnvironment(env);
    process.start(program, args);
    ProcessRun run;
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished();
    } else {
        run.finished = process.exitStatus() == QProcess::NormalExit;
    }
    run.exitCode = process.exitCode();
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    return run;
}
