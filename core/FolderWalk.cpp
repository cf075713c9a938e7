#include "core/FolderWalk.h"

#include <QFile>
#include <QStringList>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <memory>

namespace {

struct CloseFolder
{
    void operator()(DIR *folder) const { ::closedir(folder); }
};

// The entry's type: DT_DIR, DT_REG, or another (link to a folder, device...).
unsigned char TypeOf(int folder, const dirent &entry)
{
    if (entry.d_type != DT_UNKNOWN && entry.d_type != DT_LNK)
        return entry.d_type;
    struct stat about
    {
    };
    if (::fstatat(folder, entry.d_name, &about, AT_SYMLINK_NOFOLLOW) != 0)
        return DT_UNKNOWN;
    if (S_ISLNK(about.st_mode)) // a link counts as a file when it leads to one
        return ::fstatat(folder, entry.d_name, &about, 0) == 0 && S_ISREG(about.st_mode) ? DT_REG : DT_LNK;
    return S_ISDIR(about.st_mode) ? DT_DIR : S_ISREG(about.st_mode) ? DT_REG : DT_UNKNOWN;
}

} // namespace

bool WalkFolders(const QString &root, const QString &suffix, const FolderVisitor &visitor)
{
    const QByteArray wanted = QFile::encodeName(suffix);
    QStringList toWalk{root};
    bool isRoot = true;
    while (!toWalk.isEmpty()) {
        const QString path = toWalk.takeLast();
        // Below the root, a folder that became a link meanwhile is not followed.
        const int fd =
            ::open(QFile::encodeName(path).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC | (isRoot ? 0 : O_NOFOLLOW));
        isRoot = false;
        if (fd < 0)
            continue;
        const std::unique_ptr<DIR, CloseFolder> folder(::fdopendir(fd));
        if (!folder) {
            ::close(fd);
            continue;
        }
        struct stat about
        {
        };
        if (::fstat(fd, &about) == 0)
            visitor.folder(path, StampOf(about));
        const QString prefix = path.endsWith(u'/') ? path : path + u'/';
        while (const dirent *entry = ::readdir(folder.get())) {
            const QByteArrayView name(entry->d_name);
            if (name == "." || name == "..")
                continue;
            const bool named = name.size() >= wanted.size()
                && qstrnicmp(name.data() + name.size() - wanted.size(), wanted.constData(), wanted.size()) == 0;
            // Only folders and the files named so are worth a question.
            if (!named && entry->d_type != DT_DIR && entry->d_type != DT_UNKNOWN)
                continue;
            const unsigned char type = TypeOf(fd, *entry);
            if (type == DT_DIR)
                toWalk << prefix + QFile::decodeName(entry->d_name);
            else if (type == DT_REG && named && !visitor.file(prefix + QFile::decodeName(entry->d_name)))
                return false;
        }
    }
    return true;
}
