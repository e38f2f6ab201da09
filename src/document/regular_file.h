#pragma once
// What a path names, following links. Pictures are only read from and written to regular files:
// a pipe blocks its reader, and saving through a temporary file onto a device such as /dev/full
// would replace the device node by a regular file and report success.

#include <QString>

namespace nabrilo {

enum class PathKind { Missing, RegularFile, Other };

PathKind KindOfPath(const QString& path);

}  // namespace nabrilo
