#pragma once

#include "import/ImportReport.h"

#include <QString>

// Follows an import as it runs, on the thread that runs it.
class ImportProgress
{
public:
    virtual ~ImportProgress() = default;
    // The collection is read: this many films are to be written.
    virtual void started(int films) { Q_UNUSED(films); }
    // A film is done, its card written at the path (empty when skipped).
    virtual void filmDone(int done, const QString &cardPath)
    {
        Q_UNUSED(done);
        Q_UNUSED(cardPath);
    }
    // Asked before each film: true stops the import there.
    virtual bool cancelled() const { return false; }
};

// Imports the collection file into the folder, made when missing: the
// whole collection is read first, so that a file that cannot be read writes
// nothing; then one card per film, each fitted as FitFilm does, written
// whole or not at all, under a name of its own (CardFileName.h).
ImportReport RunImport(const QString &collectionPath, const QString &folder, ImportProgress &progress);
