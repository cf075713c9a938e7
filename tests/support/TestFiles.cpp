#include "support/TestFiles.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTimer>
#include <QWidget>
#include <QWindow>

QByteArray ReadBytes(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(path));
    return file.readAll();
}

QString WriteBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

QStringList WorkFoldersLeft()
{
    return QDir(QCoreApplication::applicationDirPath())
        .entryList({QStringLiteral("$*"), QStringLiteral(".$*")}, QDir::Dirs | QDir::Hidden);
}

QWidget *ShownWindow(const char *objectName)
{
    for (QWidget *window : QApplication::topLevelWidgets())
        if (window->isVisible() && window->objectName() == QLatin1String(objectName))
            return window;
    return nullptr;
}

void WhenModal(std::function<void(QWidget *)> act)
{
    QTimer::singleShot(0, [act] {
        QWidget *shown = QApplication::activePopupWidget() ? QApplication::activePopupWidget() : QApplication::activeModalWidget();
        if (!shown)
            qFatal("no modal window or menu was shown");
        act(shown);
        if (shown->isVisible())
            shown->close();
    });
}

QString ShownTitle(const QWidget &window)
{
    return window.windowHandle() ? window.windowHandle()->title() : QString();
}
