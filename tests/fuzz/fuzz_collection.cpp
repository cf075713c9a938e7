// Feeds arbitrary files to the collection import, as a user's file would
// come: format detection, the readers (zip, XML, CSV), the fitting and the
// card writing. A file that cannot be read writes nothing; every film read
// becomes a card or is counted as skipped.
#include "import/ImportRun.h"
#include "FuzzCheck.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static int argc = 1;
    static char name[] = "fuzz_collection";
    static char *argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    static QTemporaryDir dir;
    const QString collection = dir.filePath(QStringLiteral("collection"));
    QFile file(collection);
    Check(file.open(QIODevice::WriteOnly | QIODevice::Truncate)
          && file.write(reinterpret_cast<const char *>(data), qint64(size)) == qint64(size));
    file.close();

    const QString folder = dir.filePath(QStringLiteral("cards"));
    ImportProgress progress;
    const ImportReport report = RunImport(collection, folder, progress);
    if (report.status == ImportReport::Status::Unreadable) {
        Check(!report.error.isEmpty() && !QFileInfo::exists(folder));
        return 0;
    }
    Check(report.created + report.skipped == report.films);
    Check(int(QDir(folder).entryList(QDir::Files).size()) == report.created);
    QDir(folder).removeRecursively();
    return 0;
}
