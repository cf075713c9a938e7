#include "card/ScratchMount.h"

#include <QProcess>

namespace {

bool Run(const QString &program, const QStringList &args)
{
    QProcess process;
    process.start(program, args);
    return process.waitForFinished(10000) && process.exitStatus() == QProcess::NormalExit
           && process.exitCode() == 0;
}

} // namespace

ScratchMount::ScratchMount(const QString &folder, int sizeKb)
    : m_folder(folder)
    , m_mounted(Run(QStringLiteral("mount"), {QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"),
                                              QStringLiteral("size=%1k").arg(sizeKb), QStringLiteral("tmpfs"), folder}))
{
}

ScratchMount::~ScratchMount()
{
    if (m_mounted)
        Run(QStringLiteral("umount"), {m_folder});
}

bool ScratchMount::makeReadOnly()
{
    return m_mounted && Run(QStringLiteral("mount"), {QStringLiteral("-o"), QStringLiteral("remount,ro"), m_folder});
}
