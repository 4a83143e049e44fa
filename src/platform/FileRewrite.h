#pragma once
// Rewriting a file that the user set up (the settings file) without changing what stands
// around its bytes: its owner, group, permission bits and links stay as they were.

#include "platform/AtomicOutputFile.h"

#include <QByteArray>
#include <QString>

namespace tabulon {

// Writes `bytes` over the file at `path`, whose present content is `oldBytes`:
//  - a missing file is made whole or not at all (WriteFileWhole);
//  - a file the process may not write is left as it is (an error, never replaced);
//  - otherwise the new content is written beside it and renamed over it, taking the old
//    file's permission bits, owner and group;
//  - where the new file could not take the owner and group, the file has other names
//    (hard links), or the folder takes no new file, the bytes go into the file itself
//    (RewriteFileInPlace).
// The reason on failure (the system's own for the call that failed), empty on success.
QString RewriteFileKeepingItsSetup(const QString& path, const QByteArray& oldBytes, const QByteArray& bytes,
                                   AtomicOutputFile::Durability durability);

// Writes `bytes` into the existing regular file at `path` (never through a link), whose
// present content is `oldBytes`: it overwrites from the start without cutting the file
// first and cuts it to the new length only after every byte is written. When a write
// fails, the old bytes are put back. The reason on failure, empty on success.
QString RewriteFileInPlace(const QString& path, const QByteArray& oldBytes, const QByteArray& bytes);

}  // namespace tabulon
