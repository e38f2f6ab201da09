#include "document/recovery.h"

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <map>

#include "document/bmp_file.h"
#include "document/snapshot_streams.h"

namespace nabrilo {

namespace {

constexpr unsigned kFolderFailure = 1, kLockFailure = 2, kWriteFailure = 4;
constexpr QFileDevice::Permissions kOwnerOnly =
    QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner;
const QString kPrefix = QStringLiteral("nabrilo-");
const QString kCopySuffix = QStringLiteral(".bmp");
const QString kLockSuffix = QStringLiteral(".lock");
const QString kPartSuffix = QStringLiteral(".bmp.part");

// A lock no live process holds: a dead owner's flock went with it, and staleness is judged by
// the owner's process alone, never by the lock's age (a window may run for days).
std::unique_ptr<QLockFile> TryLock(const QString& path) {
  auto lock = std::make_unique<QLockFile>(path);
  lock->setStaleLockTime(0);
  // Our own number in another window's lock: that window died and this process got its number
  // again (a fresh container at each boot), so the number says nothing; the file lock decides.
  qint64 pid = 0;
  QString host, app;
  if (lock->getLockInfo(&pid, &host, &app) && pid == QCoreApplication::applicationPid()) {
    lock->removeStaleLockFile();
  }
  if (!lock->tryLock(0)) return nullptr;
  return lock;
}

bool WriteAll(int fd, const char* data, qint64 size) {
  while (size > 0) {
    const ssize_t n = ::write(fd, data, static_cast<size_t>(size));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    data += n;
    size -= n;
  }
  return true;
}

}  // namespace

QString RecoveryFolder() {
  QString base = qEnvironmentVariable("XDG_STATE_HOME");
  if (base.isEmpty() || QDir::isRelativePath(base)) {  // a relative one is to be ignored
    const QString home = qEnvironmentVariable("HOME");
    if (home.isEmpty()) return {};
    base = home + QStringLiteral("/.local/state");
  }
  return base + QStringLiteral("/nabrilo/recovery");
}

RecoveryKeeper::RecoveryKeeper(const QString& folder, int gather_ms)
    : folder_(folder), gather_ms_(gather_ms) {
  if (folder.isEmpty()) {
    Report(kFolderFailure,
           QStringLiteral("recovery copies are off: neither XDG_STATE_HOME nor HOME is set"));
    return;
  }
  if (!QDir().mkpath(folder)) {
    Report(kFolderFailure,
           QStringLiteral("recovery copies are off: cannot make the folder %1").arg(folder));
    return;
  }
  QFile::setPermissions(folder, kOwnerOnly);
  QFile::setPermissions(QFileInfo(folder).path(), kOwnerOnly);  // the program's state folder
  const QString name = kPrefix + QStringLiteral("%1-%2")
                                     .arg(QCoreApplication::applicationPid())
                                     .arg(QDateTime::currentMSecsSinceEpoch());
  lock_ = TryLock(folder + QLatin1Char('/') + name + kLockSuffix);
  if (!lock_) {
    Report(kLockFailure,
           QStringLiteral("recovery copies are off: cannot write in the folder %1").arg(folder));
    return;
  }
  QFile::setPermissions(lock_->fileName(), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
  copy_path_ = folder + QLatin1Char('/') + name + kCopySuffix;
  worker_ = std::thread(&RecoveryKeeper::Work, this);
}

RecoveryKeeper::~RecoveryKeeper() {
  if (!worker_.joinable()) return;
  {
    const std::lock_guard guard(mutex_);
    stopping_ = true;
  }
  wake_.notify_all();
  worker_.join();
}

std::vector<LeftCopy> RecoveryKeeper::TakeLeftCopies() {
  std::vector<LeftCopy> copies;
  if (!Active()) return copies;
  const QDir dir(folder_);
  // One entry per owner: its lock, its copy, an unfinished write.
  std::map<QString, QFileInfo> owners;
  for (const QFileInfo& file : dir.entryInfoList({kPrefix + QLatin1Char('*')}, QDir::Files)) {
    QString base = file.fileName();
    for (const QString& suffix : {kPartSuffix, kCopySuffix, kLockSuffix}) {
      if (base.endsWith(suffix)) {
        base.chop(suffix.size());
        break;
      }
    }
    owners.try_emplace(base);
  }
  const QString own = QFileInfo(copy_path_).completeBaseName();
  for (const auto& [base, unused] : owners) {
    if (base == own) continue;
    const QString stem = dir.filePath(base);
    std::unique_ptr<QLockFile> lock = TryLock(stem + kLockSuffix);
    if (!lock) continue;  // its window is still running: never touched
    QFile::remove(stem + kPartSuffix);
    const QFileInfo copy(stem + kCopySuffix);
    if (!copy.exists()) continue;  // the lock goes with `lock`
    copies.push_back({copy.filePath(), copy.lastModified(), std::move(lock)});
  }
  std::sort(copies.begin(), copies.end(),
            [](const LeftCopy& a, const LeftCopy& b) { return a.written > b.written; });
  return copies;
}

QString RecoveryKeeper::Adopt(LeftCopy* copy) {
  if (!Active()) return {};
  if (::rename(QFile::encodeName(copy->path).constData(),
               QFile::encodeName(copy_path_).constData()) != 0) {
    return {};
  }
  copy->lock.reset();
  return copy_path_;
}

void RecoveryKeeper::Remove(LeftCopy* copy) {
  QFile::remove(copy->path);
  copy->lock.reset();
}

void RecoveryKeeper::Keep(const QByteArray& bmp) {
  Hand({bmp, {}});
}

void RecoveryKeeper::Keep(const QImage& picture) {
  Hand({{}, picture});
}

void RecoveryKeeper::Hand(Picture picture) {
  if (!Active()) return;
  {
    const std::lock_guard guard(mutex_);
    if (discarded_) return;
    pending_ = std::move(picture);
    has_pending_ = true;
  }
  wake_.notify_all();
}

void RecoveryKeeper::Discard() {
  if (!Active()) return;
  {
    std::unique_lock lock(mutex_);
    discarded_ = true;
    has_pending_ = false;
    pending_ = {};
    wake_.notify_all();
    idle_.wait(lock, [this] { return !writing_; });
  }
  QFile::remove(copy_path_);
  QFile::remove(QFileInfo(copy_path_).path() + QLatin1Char('/') +
                QFileInfo(copy_path_).completeBaseName() + kPartSuffix);
  lock_->unlock();
}

void RecoveryKeeper::WaitIdle() {
  std::unique_lock lock(mutex_);
  idle_.wait(lock, [this] { return !has_pending_ && !writing_; });
}

int RecoveryKeeper::Writes() const {
  const std::lock_guard guard(mutex_);
  return writes_;
}

void RecoveryKeeper::Work() {
  // The window's thread comes first when the cores are busy.
  ::setpriority(PRIO_PROCESS, static_cast<id_t>(::gettid()), 10);
  QByteArray own;  // the copy being written; its memory is reused from one write to the next
  std::unique_lock lock(mutex_);
  for (;;) {
    wake_.wait(lock, [this] { return has_pending_ || stopping_; });
    if (!has_pending_) break;
    writing_ = true;
    // The changes that follow within a moment replace this one: a burst costs one write, and
    // the copying is done while the user is most likely not drawing. Only the newest picture
    // is referenced meanwhile, which the next snapshot does not write into.
    if (!stopping_) {
      wake_.wait_for(lock, std::chrono::milliseconds(gather_ms_),
                     [this] { return stopping_ || discarded_; });
    }
    if (has_pending_ && !discarded_) {
      Picture picture = std::move(pending_);
      pending_ = {};
      has_pending_ = false;
      lock.unlock();
      if (!picture.bmp.isNull()) {
        CopyStream(picture.bmp, &own);
      } else {
        EncodeBmpInto(picture.image, &own);
      }
      picture = {};  // the window's own memory is no longer shared
      const bool written = WriteCopy(own);
      lock.lock();
      if (written) ++writes_;
    }
    writing_ = false;
    idle_.notify_all();
  }
  idle_.notify_all();
}

// A new file, flushed to disk, renamed over the old one, and the folder flushed: after a power
// cut the copy is either the old picture or the new one, never half of one.
bool RecoveryKeeper::WriteCopy(const QByteArray& bytes) {
  const QByteArray target = QFile::encodeName(copy_path_);
  const QByteArray part = QFile::encodeName(folder_ + QLatin1Char('/') +
                                            QFileInfo(copy_path_).completeBaseName() + kPartSuffix);
  const int fd = ::open(part.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
  bool ok = fd >= 0 && ::fchmod(fd, 0600) == 0 && WriteAll(fd, bytes.constData(), bytes.size()) &&
            ::fsync(fd) == 0;
  const int error = errno;
  if (fd >= 0 && ::close(fd) != 0) ok = false;
  if (ok && ::rename(part.constData(), target.constData()) == 0) {
    const int folder =
        ::open(QFile::encodeName(folder_).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder >= 0) {
      ::fsync(folder);
      ::close(folder);
    }
    return true;
  }
  if (fd >= 0) ::unlink(part.constData());
  Report(kWriteFailure,
         QStringLiteral("cannot write the recovery copy %1: %2")
             .arg(copy_path_, QString::fromLocal8Bit(std::strerror(ok ? errno : error))));
  return false;
}

// One line per kind of failure, not per change: a full disk stays full for many strokes.
void RecoveryKeeper::Report(unsigned kind, const QString& text) {
  {
    const std::lock_guard guard(report_mutex_);
    if (reported_ & kind) return;
    reported_ |= kind;
  }
  std::fprintf(stderr, "nabrilo: %s\n", text.toLocal8Bit().constData());
}

}  // namespace nabrilo
