#pragma once

#include <QString>

struct stat;

// True when a file (not a folder) exists at the path.
bool FileExists(const QString &path);

// A file's modification time in milliseconds since the epoch, as Qt gives
// it, and its size; asked of the system directly, without the conversions
// to local time a QDateTime makes, for folders of many thousand files.
struct FileStamp
{
    qint64 modified = -1;
    qint64 size = -1;
    bool isFile = false; // a plain file, not a folder nor a device
    bool isFolder = false;
};
// Follows links; a stamp of -1 when nothing lies at the path.
FileStamp StampOf(const QString &path);
FileStamp StampOf(const struct stat &about);
