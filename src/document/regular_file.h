#pragma once
// What a path names, following links. Pictures are only read from and written to regular files:
// a pipe blocks its reader, and saving through a temporary file onto a device such as /dev/full
// would replace the device node by a regular file and report success.

#include <QString>
#include <functional>

class QIODevice;

namespace nabrilo {

enum class PathKind { Missing, RegularFile, Other };

PathKind KindOfPath(const QString& path);

// Writes the file at `path` through a temporary file in the same folder, which `write` fills and
// which replaces the target only once `write` returned true and everything reached the disk.
// False when anything fails; the target is then as it was and no temporary file is left. Only
// regular files (or a new name) are written.
bool WriteRegularFile(const QString& path, const std::function<bool(QIODevice*)>& write);

}  // namespace nabrilo
