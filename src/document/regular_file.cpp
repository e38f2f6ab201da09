#include "document/regular_file.h"

#include <sys/stat.h>

#include <QFile>
#include <cerrno>

namespace nabrilo {

// One stat, following links: tells a missing path (a new file may be made there) from one that
// exists but is no regular file or cannot be examined.
PathKind KindOfPath(const QString& path) {
  struct stat info {};
  if (stat(QFile::encodeName(path).constData(), &info) != 0) {
    return errno == ENOENT ? PathKind::Missing : PathKind::Other;
  }
  return S_ISREG(info.st_mode) ? PathKind::RegularFile : PathKind::Other;
}

}  // namespace nabrilo
