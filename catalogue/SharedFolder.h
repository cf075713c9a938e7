#pragma once

#include "catalogue/CatalogueFolder.h"

#include <QStringList>

// How often, in seconds, the folder is looked at for changes; 0: never.
// FICHOSCOPE_POLL_SECONDS, a whole number above 0, forces that period on
// any folder; otherwise network folders are looked at every 5 seconds.
int PollSeconds(const QString &folder);

// The folders whose modification time is no longer the one known, or that
// are gone: a card added, removed or renamed there changes it.
QStringList ChangedFolders(const FolderTimes &known);
