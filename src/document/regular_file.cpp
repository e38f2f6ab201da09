#include "document/regular_file.h"

#include <sys/stat.h>

#include <QFile>
#include <QSaveFile>
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

bool WriteRegularFile(const QString& path, const std::function<bool(QIODevice*)>& write) {
  if (KindOfPath(path) == PathKind::Other) return false;
  QSaveFile file(path);
  file.setDirectWriteFallback(false);
  if (!file.open(QIODevice::WriteOnly)) return false;
  if (!write(&file)) {
    file.cancelWriting();
    file.commit();  // removes the temporary file
    return false;
  }
  return file.commit();
}

}  // namespace nabrilo
