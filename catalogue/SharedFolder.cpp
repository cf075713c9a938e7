#include "catalogue/SharedFolder.h"

#include "core/NetworkFolder.h"

namespace {

constexpr int kNetworkPollSeconds = 5;

} // namespace

int PollSeconds(const QString &folder)
{
    bool ok = false;
    const int forced = qEnvironmentVariableIntValue("FICHOSCOPE_POLL_SECONDS", &ok);
    if (ok && forced > 0)
        return forced;
    return IsNetworkFolder(folder) ? kNetworkPollSeconds : 0;
}

QStringList ChangedFolders(const FolderTimes &known)
{
    QStringList changed;
    for (auto it = known.begin(); it != known.end(); ++it) {
        const FileStamp folder = StampOf(it.key());
        if (!folder.isFolder || folder.modified != it.value())
            changed << it.key();
    }
    return changed;
}
