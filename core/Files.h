#pragma once

#include <QString>

// True when a file (not a folder) exists at the path.
bool FileExists(const QString &path);
