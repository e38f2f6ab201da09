#pragma once
// What a path names, following links. Pictures are only read from and written to regular files:
// a pipe blocks its reader, and a device such as /dev/full turns a failed write into a "saved".

#include <QString>

namespace nabrilo {

enum class PathKind { Missing, RegularFile, Other };

PathKind KindOfPath(const QString& path);

}  // namespace nabrilo
