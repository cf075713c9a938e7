#pragma once

#include "core/Files.h"

#include <QString>

// The first bytes of a file and its stamp, read with one open, one fstat
// and one pread: without QFile, which asks the system about the file at
// each step, for folders of many thousand files.
struct FileStart
{
    enum Status { Read, Missing, Unreadable };
    Status status = Unreadable;
    FileStamp stamp;    // whenever the file could be asked about
    qsizetype size = 0; // the bytes read, fewer than asked at the file's end
};
FileStart ReadFileStart(const QString &path, char *bytes, qsizetype most);
