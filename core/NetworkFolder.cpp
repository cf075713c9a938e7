#include "core/NetworkFolder.h"

#include <QFile>

#include <sys/vfs.h>

namespace {

// statfs(2)'s f_type of each network file system, as <linux/magic.h> and
// the kernel's file systems name them.
constexpr unsigned long kNetworkFileSystems[] = {
    0x6969,     // NFS_SUPER_MAGIC
    0x517B,     // SMB_SUPER_MAGIC
    0xFF534D42, // CIFS_SUPER_MAGIC
    0xFE534D42, // SMB2_SUPER_MAGIC
    0x65735546, // FUSE_SUPER_MAGIC: sshfs and other FUSE mounts
    0x01021997, // V9FS_MAGIC
    0x5346414F, // AFS_SUPER_MAGIC
    0x00C36400, // CEPH_SUPER_MAGIC
    0x73757245, // CODA_SUPER_MAGIC
};

} // namespace

bool IsNetworkFolder(const QString &folder)
{
    struct statfs about
    {
    };
    if (statfs(QFile::encodeName(folder).constData(), &about) != 0)
        return false;
    for (unsigned long type : kNetworkFileSystems)
        if (static_cast<unsigned long>(about.f_type) == type)
            return true;
    return false;
}
