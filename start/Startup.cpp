#include "start/Startup.h"

#include "editor/frmMain.h"
#include "start/OpenCatalogue.h"
#include "viewer/LoadViewer.h"

#include <QAction>
#include <QCoreApplication>
#include <QFileInfo>
#include <QStringList>

#ifdef Q_OS_WIN
#include <qt_windows.h>
#endif

QString CommandLineText()
{
#ifdef Q_OS_WIN
    // The raw text as the shell passed it, after the program's name.
    const QString line = QString::fromWCharArray(GetCommandLineW());
    qsizetype end = 0;
    if (line.startsWith(u'"')) {
        end = line.indexOf(u'"', 1);
        end = end < 0 ? line.size() : end + 1;
    } else {
        while (end < line.size() && !line.at(end).isSpace())
            ++end;
    }
    while (end < line.size() && line.at(end).isSpace())
        ++end;
    return line.mid(end);
#else
    return JoinedArguments(QCoreApplication::arguments().mid(1));
#endif
}

QString JoinedArguments(const QStringList &arguments)
{
    QStringList spelled;
    for (const QString &argument : arguments)
        spelled << (argument.isEmpty() ? QStringLiteral("\"\"") : argument);
    return spelled.join(u' ');
}

bool Main(const QString &commandLine)
{
    if (commandLine.isEmpty()) {
        auto *editor = new frmMain;
        editor->setAttribute(Qt::WA_DeleteOnClose);
        ConnectCatalogueCommand(*editor);
        editor->show();
        return true;
    }
    QString path = commandLine;
    path.remove(u'"');
    if (QFileInfo(path).isDir())
        return OpenCatalogue(path) != nullptr;
    return LoadViewer(path);
}
