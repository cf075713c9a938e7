#pragma once

#include "core/Files.h"

#include <QString>

#include <functional>

// What a walk through a folder tree meets.
struct FolderVisitor
{
    // Each folder, the root first, with its stamp.
    std::function<void(const QString &path, const FileStamp &stamp)> folder;
    // Each plain file, or link to one, whose name ends with the suffix
    // (without regard to case); false stops the walk.
    std::function<bool(const QString &path)> file;
};

// Walks the folder and its subfolders, hidden ones included, reading each
// folder's entries once and asking the system about an entry only when its
// type is not given with it (some file systems) or it is a link. Links to
// folders are not followed, so that no loop can hold the walk up. Returns
// false when the visitor stopped it.
bool WalkFolders(const QString &root, const QString &suffix, const FolderVisitor &visitor);
