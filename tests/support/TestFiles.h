#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Small file helpers for tests.
QByteArray ReadBytes(const QString &path);
void WriteBytes(const QString &path, const QByteArray &bytes);
// n bytes that differ from one offset to the next (a stand-in picture).
QByteArray PatternBytes(qsizetype n, int seed = 7);
// The work folders (hidden "$..." folders) lying in a folder now.
QStringList WorkFoldersIn(const QString &folder);
