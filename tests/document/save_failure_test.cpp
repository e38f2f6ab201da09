// Saving that fails: the existing file stays exactly as it was and no temporary file is left.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <QFile>
#include <QTemporaryDir>

#include "document/bmp_file.h"
#include "document/document_test_support.h"

namespace nabrilo {
namespace {

constexpr auto kReadOnlyFolder =
    QFileDevice::ReadOwner | QFileDevice::ExeOwner | QFileDevice::ReadOther | QFileDevice::ExeOther;
constexpr auto kOpenFolder = kReadOnlyFolder | QFileDevice::WriteOwner | QFileDevice::WriteOther;

class SaveFailure : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    // Open to the ordinary user the failing saves run as.
    ASSERT_TRUE(QFile::setPermissions(dir_.path(), kOpenFolder));
    target_ = dir_.filePath("釣り 図.bmp");
    ASSERT_TRUE(WriteBmpFile(test::Drawing(30, 30, 1), target_));
    ASSERT_TRUE(QFile::setPermissions(target_, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                   QFileDevice::ReadOther |
                                                   QFileDevice::WriteOther));
    before_ = test::ReadFileBytes(target_);
  }
  void ExpectUntouched() {
    EXPECT_EQ(test::ReadFileBytes(target_), before_);
    EXPECT_EQ(test::FilesIn(dir_.path()), QStringList{"釣り 図.bmp"});
  }
  QTemporaryDir dir_;
  QString target_;
  QByteArray before_;
};

TEST_F(SaveFailure, AReadOnlyFolderRefusesTheSave) {
  ASSERT_TRUE(QFile::setPermissions(dir_.path(), kReadOnlyFolder));
  const QImage drawing = test::Drawing(40, 40, 2);
  EXPECT_TRUE(test::RunAsOrdinaryUser([&] { return !WriteBmpFile(drawing, target_); }));
  EXPECT_TRUE(
      test::RunAsOrdinaryUser([&] { return !WriteBmpFile(drawing, dir_.filePath("new.bmp")); }));
  ASSERT_TRUE(QFile::setPermissions(dir_.path(), kOpenFolder));
  ExpectUntouched();
}

// A disk that fills up halfway: the file size limit makes every write past it fail.
TEST_F(SaveFailure, WritesThatFailHalfwayLeaveTheOldFile) {
  const QImage drawing = test::Drawing(300, 300, 3);
  EXPECT_TRUE(test::RunAsOrdinaryUser([&] {
    signal(SIGXFSZ, SIG_IGN);
    const rlimit small{20000, 20000};
    return setrlimit(RLIMIT_FSIZE, &small) == 0 && !WriteBmpFile(drawing, target_);
  }));
  ExpectUntouched();
}

// Qt's save file would replace a device node or a pipe by a regular file (renaming its
// temporary file over it) and report success. Nodes made in the test folder stand in for
// /dev/full, so that a fault here can never replace the real one.
TEST_F(SaveFailure, DevicesPipesAndFoldersAreNotWrittenAsFiles) {
  const QImage drawing = test::Drawing(30, 30);
  const QByteArray pipe = QFile::encodeName(dir_.filePath("pipe.bmp"));
  ASSERT_EQ(mkfifo(pipe.constData(), 0666), 0);
  EXPECT_FALSE(WriteBmpFile(drawing, dir_.filePath("pipe.bmp")));
  if (test::RunningAsRoot()) {
    const QByteArray full = QFile::encodeName(dir_.filePath("full.bmp"));
    ASSERT_EQ(mknod(full.constData(), S_IFCHR | 0666, makedev(1, 7)), 0);
    EXPECT_FALSE(WriteBmpFile(drawing, dir_.filePath("full.bmp")));
    struct stat info {};
    ASSERT_EQ(stat(full.constData(), &info), 0);
    EXPECT_TRUE(S_ISCHR(info.st_mode));
    QFile::remove(dir_.filePath("full.bmp"));
  }
  EXPECT_TRUE(
      test::RunAsOrdinaryUser([&] { return !WriteBmpFile(drawing, QStringLiteral("/dev/full")); }));
  struct stat pipe_info {};
  ASSERT_EQ(stat(pipe.constData(), &pipe_info), 0);
  EXPECT_TRUE(S_ISFIFO(pipe_info.st_mode));
  QFile::remove(dir_.filePath("pipe.bmp"));
  EXPECT_FALSE(WriteBmpFile(drawing, dir_.path()));
  EXPECT_FALSE(WriteBmpFile(drawing, dir_.filePath("no such folder/x.bmp")));
  ExpectUntouched();
}

}  // namespace
}  // namespace nabrilo
