#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QtTest>

QByteArray ReadBytes(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(path));
    return file.readAll();
}

void WriteBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

QByteArray PatternBytes(qsizetype n, int seed)
{
    QByteArray bytes(n, Qt::Uninitialized);
    quint32 state = quint32(seed);
    for (qsizetype i = 0; i < n; ++i) {
        state = state * 1103515245u + 12345u;
        bytes[i] = char(state >> 16);
    }
    return bytes;
}

QStringList WorkFoldersIn(const QString &folder)
{
    return QDir(folder).entryList({QStringLiteral("$*"), QStringLiteral(".$*")},
                                  QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot);
}
