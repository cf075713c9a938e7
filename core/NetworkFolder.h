#pragma once

#include <QString>

// Whether the folder lies on a network file system (NFS, SMB/CIFS, 9P, AFS,
// Ceph, or a FUSE mount such as sshfs), whose changes made by other
// machines this machine's change notification never sees.
bool IsNetworkFolder(const QString &folder);
