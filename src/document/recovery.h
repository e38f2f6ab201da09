#pragma once
// Recovery copies: the picture as it was after the last finished change, kept on disk so that a
// run that ends otherwise than by the user's own close (a signal at logout, a crash, a kill, a
// power cut) loses nothing. Each running window has one copy, NAME.bmp, beside the lock file
// NAME.lock that it holds while it runs; NAME is "nabrilo-PID-START", so the owner can be told.
// A copy whose lock nobody holds any more (QLockFile's test: the owner's process is gone and
// its file lock was released with it) is left over from an earlier run.
//
// The window's thread only hands over the picture (a shared, copy-on-write reference); a
// worker thread copies, encodes and writes it. A newer picture replaces one still waiting, and
// a write waits a moment for the changes that follow, so a burst of changes costs one write.

#include <QByteArray>
#include <QDateTime>
#include <QImage>
#include <QLockFile>
#include <QString>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace nabrilo {

// $XDG_STATE_HOME/nabrilo/recovery, else $HOME/.local/state/nabrilo/recovery; empty when
// neither variable names a folder.
QString RecoveryFolder();

// A copy left by a window that is no longer running. While it exists this process holds the
// dead owner's lock, so no other window offers it at the same time.
struct LeftCopy {
  QString path;
  QDateTime written;
  std::unique_ptr<QLockFile> lock;
};

class RecoveryKeeper {
 public:
  // Makes the folder (0700) and takes this window's lock. When that fails, one line goes to
  // standard error and the keeper keeps nothing (drawing goes on all the same).
  explicit RecoveryKeeper(const QString& folder, int gather_ms = 250);
  // Writes what is still waiting, then stops: every end but the user's close keeps the copy.
  ~RecoveryKeeper();
  RecoveryKeeper(const RecoveryKeeper&) = delete;
  RecoveryKeeper& operator=(const RecoveryKeeper&) = delete;

  bool Active() const { return lock_ != nullptr; }
  const QString& CopyPath() const { return copy_path_; }

  // The copies whose owner is gone, newest first, each locked until it is dropped. Lock files
  // and unfinished temporary files left without a copy are removed on the way.
  std::vector<LeftCopy> TakeLeftCopies();
  // A left copy becomes this window's own copy; returns its new path (empty when it failed).
  QString Adopt(LeftCopy* copy);
  // Deletes a left copy and its lock.
  static void Remove(LeftCopy* copy);

  // Hands over the picture after a finished change: a BMP file image (an undo snapshot) or the
  // pixels themselves. Never waits on the disk.
  void Keep(const QByteArray& bmp);
  void Keep(const QImage& picture);
  // The user's own close: what waits is dropped, and the copy and the lock are removed.
  void Discard();

  // For tests and benchmarks: waits until nothing waits or is being written.
  void WaitIdle();
  int Writes() const;

 private:
  struct Picture {
    QByteArray bmp;
    QImage image;
  };
  void Hand(Picture picture);
  void Work();
  bool WriteCopy(const QByteArray& bytes);
  void Report(unsigned kind, const QString& text);

  QString folder_, copy_path_;
  std::unique_ptr<QLockFile> lock_;
  const int gather_ms_;

  mutable std::mutex mutex_;
  std::condition_variable wake_, idle_;
  Picture pending_;
  bool has_pending_ = false, writing_ = false, stopping_ = false, discarded_ = false;
  int writes_ = 0;
  std::mutex report_mutex_;
  unsigned reported_ = 0;  // the kinds of failure already said on standard error
  std::thread worker_;
};

}  // namespace nabrilo
