#pragma once

#include <QString>

// A small tmpfs mounted on an empty folder for the life of the object, to
// fill a disk or turn a folder read-only for real (root ignores file
// permissions). Mounting needs the right to mount; ok() tells.
class ScratchMount
{
public:
    ScratchMount(const QString &folder, int sizeKb);
    ~ScratchMount();
    ScratchMount(const ScratchMount &) = delete;
    ScratchMount &operator=(const ScratchMount &) = delete;

    bool ok() const { return m_mounted; }
    bool makeReadOnly();

private:
    QString m_folder;
    bool m_mounted = false;
};
