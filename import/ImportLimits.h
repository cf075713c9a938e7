#pragma once

#include <QtGlobal>

// An archive entry that inflates past this is refused: no collection's text
// comes near it, and a hostile archive cannot fill the memory.
inline constexpr qint64 kMaxArchiveEntryBytes = qint64(512) << 20;
