#include "document/regular_file.h"

#include <sys/stat.h>

#include <QFile>
#include <cerrno>

namespace nabrilo {

// QFileInfo::isFile() is true for devices too, so ask the system directly.
PathKind KindOfPath(const QString& path) {
  struct stat info {};
  if (stat(QFile::encodeName(path).constData(), &info) != 0) {
    return errno == ENOENT ? PathKind::Missing : PathKind::Other;
  }
  return S_ISREG(info.st_mode) ? PathKind::RegularFile : PathKind::Other;
}

}  // namespace nabrilo
