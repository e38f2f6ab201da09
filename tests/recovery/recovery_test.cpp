// Recovery copies, on real processes: the program and the scenario runner are killed, ended by a
// signal or closed, and started again against the same state folder. The runner answers the
// question and compares the picture it gets back.
#include "document/recovery.h"

#include <gtest/gtest.h>
#include <signal.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <algorithm>
#include <functional>
#include <memory>
#include <string>

#include "app/form_main.h"
#include "platform/controls.h"
#include "platform/user_dialogs.h"
#include "replay/replay_process.h"

namespace nabrilo::testing {
namespace {

// The scenario line that expects the restore question, asked once.
const std::string kAsked = "expect-message \"前回保存されていない図があります。復元しますか？\"\n";

QString Picture(const char* name) {
  return QStringLiteral(NABRILO_TEST_DATA_DIR "/scenarios/pictures/") + QLatin1String(name);
}

bool WaitUntil(const std::function<bool()>& done) {
  QElapsedTimer clock;
  clock.start();
  while (!done()) {
    if (clock.elapsed() > 20000) return false;
    QThread::msleep(20);
  }
  return true;
}

class Recovery : public ::testing::Test {
 protected:
  Recovery() { env.insert("XDG_STATE_HOME", work.filePath("state")); }

  QString Folder() const { return work.filePath("state/nabrilo/recovery"); }
  QStringList Files(const char* pattern = "*") const {
    return QDir(Folder()).entryList({QLatin1String(pattern)}, QDir::Files, QDir::Name);
  }
  QByteArray Bytes(const QString& name) const {
    QFile file(QDir(Folder()).filePath(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }

  // Runs a scenario to its end; it must pass.
  ReplayRun Replay(const char* name, const std::string& script) {
    WriteScript(name, script);
    const ReplayRun run = RunReplay(QLatin1String(name), work.path(), env);
    EXPECT_TRUE(run.finished && run.exit_code == 0) << name << ": " << run.err.toStdString();
    return run;
  }
  // The real program, offscreen, left running.
  std::unique_ptr<QProcess> StartProgram(const QString& file) {
    auto process = Start(QStringLiteral(NABRILO_BINARY), {file});
    return process;
  }
  // A scenario that draws and then holds: running, its copy on disk.
  std::unique_ptr<QProcess> StartHeldScenario(const char* name, const char* script) {
    WriteScript(name, script);
    auto process = Start(QStringLiteral(NABRILO_REPLAY), {QLatin1String(name)});
    EXPECT_TRUE(WaitUntil([&] {
      process->waitForReadyRead(50);
      return process->canReadLine() && process->readLine() == "holding\n";
    })) << process->readAllStandardError().toStdString();
    return process;
  }
  static void Kill(QProcess* process, int signal) {
    ::kill(static_cast<pid_t>(process->processId()), signal);
    EXPECT_TRUE(process->waitForFinished(20000));
  }

  QTemporaryDir work;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();

 private:
  void WriteScript(const char* name, const std::string& script) {
    QFile out(work.filePath(QLatin1String(name)));
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(script.data(), static_cast<qint64>(script.size()));
  }
  std::unique_ptr<QProcess> Start(const QString& program, const QStringList& arguments) {
    auto process = std::make_unique<QProcess>();
    QProcessEnvironment run_env = env;
    run_env.insert("QT_QPA_PLATFORM", "offscreen");
    process->setProcessEnvironment(run_env);
    process->setWorkingDirectory(work.path());
    process->start(program, arguments);
    EXPECT_TRUE(process->waitForStarted());
    return process;
  }
};

TEST_F(Recovery, AKilledDrawingComesBackIdenticalOnYesAndClosingLeavesNothing) {
  auto drawing = StartHeldScenario("draw.nbr",
                                   "recovery\n"
                                   "click S_Btn_V_Sarukan\npress 100 100\n"
                                   "click SpeedButton18\npress 20 300\nmove 200 320\n"
                                   "release 400 350\n"
                                   "expect-pixel 20 300 clBlack\n"
                                   "save drawn.bmp\n"
                                   "hold\n");
  const qint64 pid = drawing->processId();
  Kill(drawing.get(), SIGKILL);
  // One copy and its owner's lock, named after the owner; only the user may read them.
  const QString stem = QStringLiteral("nabrilo-%1-").arg(pid);
  const QStringList left = Files();
  ASSERT_EQ(left.size(), 2) << left.join(' ').toStdString();
  EXPECT_TRUE(left[0].startsWith(stem) && left[0].endsWith(".bmp"));
  EXPECT_TRUE(left[1].startsWith(stem) && left[1].endsWith(".lock"));
  const auto others = QFileDevice::ReadGroup | QFileDevice::WriteGroup | QFileDevice::ReadOther |
                      QFileDevice::WriteOther | QFileDevice::ExeGroup | QFileDevice::ExeOther;
  EXPECT_FALSE(QFileInfo(QDir(Folder()).filePath(left[0])).permissions() & others);
  EXPECT_FALSE(QFileInfo(Folder()).permissions() & others);

  Replay("yes.nbr", "reply yes\nrecovery\n" + kAsked +
                        "expect-picture drawn.bmp\nexpect-size 500 500\nexpect-window 720 605\n"
                        "expect-no-message\n"
                        "click Button1\n");
  EXPECT_EQ(Files(), QStringList());
}

TEST_F(Recovery, TheProgramKilledAfterALoadIsRestoredAndNoDeletesTheCopy) {
  auto program = StartProgram(Picture("rod_spinning.png"));
  ASSERT_TRUE(WaitUntil([&] { return Files("*.bmp").size() == 1; }));
  Kill(program.get(), SIGKILL);
  // はい: the load button's load, sizing included; the copy is the runner's own afterwards and
  // stays, since the runner ends without the user's close.
  Replay("yes.nbr", "reply yes\nrecovery\n" + kAsked +
                        "expect-picture " NABRILO_TEST_DATA_DIR
                        "/scenarios/pictures/rod_spinning.png\n"
                        "expect-no-message\n");
  EXPECT_EQ(Files("*.bmp").size(), 1);
  Replay("no.nbr", "reply no\nrecovery\n" + kAsked + "expect-size 500 500\nexpect-no-message\n");
  EXPECT_EQ(Files(), QStringList());
}

TEST_F(Recovery, TwoRunningWindowsKeepApartAndSigtermWritesTheCopy) {
  auto first = StartProgram(Picture("rod_spinning.png"));
  auto second = StartProgram(Picture("rig_title.png"));
  ASSERT_TRUE(WaitUntil([&] { return Files("*.bmp").size() == 2; }));
  const QStringList copies = Files("*.bmp");
  const QByteArray first_copy = Bytes(copies[0]), second_copy = Bytes(copies[1]);
  // A third window is not asked about copies whose owners still run, and leaves them alone.
  Replay("third.nbr", "recovery\nexpect-no-message\n");
  EXPECT_EQ(Files("*.bmp"), copies);
  EXPECT_EQ(Bytes(copies[0]), first_copy);
  EXPECT_EQ(Bytes(copies[1]), second_copy);

  Kill(first.get(), SIGTERM);
  EXPECT_EQ(first->exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(first->exitCode(), 128 + SIGTERM);
  Kill(second.get(), SIGKILL);
  EXPECT_EQ(Files("*.bmp"), copies);
  EXPECT_EQ(Bytes(copies[0]), first_copy);

  // Both are offered now, newest first; いいえ to each empties the folder.
  Replay("no.nbr", "reply no\nreply no\nrecovery\n" + kAsked + kAsked + "expect-no-message\n");
  EXPECT_EQ(Files(), QStringList());
}

TEST_F(Recovery, DamagedAndOversizedCopiesAreRefusedWithTheLoadMessageAndRemoved) {
  ASSERT_TRUE(QDir().mkpath(Folder()));
  QFile junk(QDir(Folder()).filePath("nabrilo-1-1.bmp"));
  ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
  junk.write("this is no picture");
  junk.close();
  // A BMP header for 60000 x 60000 pixels and nothing after it.
  QByteArray huge("BM");
  const auto le32 = [&huge](quint32 v) {
    for (int i = 0; i < 4; ++i) huge.append(char((v >> (8 * i)) & 0xFF));
  };
  le32(54 + 16);
  le32(0);
  le32(54);
  le32(40);
  le32(60000);
  le32(60000);
  huge.append("\x01\x00\x20\x00", 4);
  for (int i = 0; i < 6; ++i) le32(0);
  QFile big(QDir(Folder()).filePath("nabrilo-2-2.bmp"));
  ASSERT_TRUE(big.open(QIODevice::WriteOnly));
  big.write(huge);
  big.close();

  Replay("damaged.nbr", "reply yes\nreply yes\nrecovery\n" + kAsked +
                            "expect-message \"ビットマップイメージが不正です\"\n" + kAsked +
                            "expect-message \"ビットマップイメージが不正です\"\n"
                            "expect-size 500 500\nexpect-no-message\n");
  EXPECT_EQ(Files(), QStringList());
}

// `nabrilo FILE`: the question comes first, and FILE is opened after the answer.
TEST_F(Recovery, AFileGivenAtStartIsOpenedAfterTheQuestion) {
  auto program = StartProgram(Picture("rig_title.png"));
  ASSERT_TRUE(WaitUntil([&] { return Files("*.bmp").size() == 1; }));
  Kill(program.get(), SIGKILL);
  ScriptedDialogs dialogs;
  dialogs.replies.push_back(true);
  SetDialogs(&dialogs);
  {
    TForm_Main form;
    form.Start_Recovery(Folder());
    form.show();
    form.Open_At_Start(Picture("rod_spinning.png"));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown.front().kind, ScriptedDialogs::Shown::Question);
    EXPECT_TRUE(dialogs.replies.empty());
    EXPECT_EQ(form.Image1->Picture().Image(),
              QImage(Picture("rod_spinning.png")).convertToFormat(QImage::Format_RGB32));
  }
  SetDialogs(nullptr);
}

// A restarted process may get the number of the one that died (a fresh container at each
// boot): the lock then names this very process, and only the file lock tells it is free.
TEST_F(Recovery, ALockInThisProcesssOwnNumberDoesNotHideACopy) {
  ASSERT_TRUE(QDir().mkpath(Folder()));
  QFile copy(QDir(Folder()).filePath("nabrilo-7-7.bmp"));
  ASSERT_TRUE(copy.open(QIODevice::WriteOnly));
  copy.close();
  QFile lock(QDir(Folder()).filePath("nabrilo-7-7.lock"));
  ASSERT_TRUE(lock.open(QIODevice::WriteOnly));
  lock.write(QStringLiteral("%1\n%2\n%3\n")
                 .arg(QCoreApplication::applicationPid())
                 .arg(QFileInfo(QCoreApplication::applicationFilePath()).fileName(),
                      QSysInfo::machineHostName())
                 .toUtf8());
  lock.close();
  RecoveryKeeper keeper(Folder());
  EXPECT_EQ(keeper.TakeLeftCopies().size(), 1u);
}

// The end of a run by a signal destroys the window with a write still waiting: it is written
// then. The user's close drops it and takes the copy and the lock away.
TEST_F(Recovery, AWaitingWriteIsDoneAtTheEndAndDroppedByTheUsersClose) {
  QImage picture(300, 200, QImage::Format_RGB32);
  picture.fill(0xff3366cc);
  QString path;
  {
    RecoveryKeeper keeper(Folder(), 60000);
    keeper.Keep(picture);
    path = keeper.CopyPath();
  }
  EXPECT_EQ(QImage(path, "BMP").convertToFormat(QImage::Format_RGB32), picture);
  ASSERT_TRUE(QFile::remove(path));
  {
    RecoveryKeeper keeper(Folder(), 60000);
    keeper.Keep(picture);
    keeper.Discard();
    keeper.Keep(picture);
  }
  EXPECT_EQ(Files(), QStringList());
}

// Drawing goes on and no box appears when copies cannot be written; standard error gets one
// line for the kind of failure, however many changes follow.
class RecoveryWriteFailure : public Recovery {
 protected:
  void ExpectDrawingGoesOn(const char* name) {
    SCOPED_TRACE(name);
    const ReplayRun run = Replay(name,
                                 "recovery\n"
                                 "click SpeedButton18\npress 20 300\nrelease 400 350\n"
                                 "click S_Btn_V_Sarukan\npress 100 100\n"
                                 "expect-pixel 20 300 clBlack\nexpect-enabled Btn_Undo_1 yes\n"
                                 "click Button_Clear\n"
                                 "expect-no-message\n");
    EXPECT_EQ(run.err.count(QStringLiteral("nabrilo: ")), 1) << run.err.toStdString();
  }
  bool Mount(const QString& options) {
    QDir().mkpath(work.filePath("state"));
    const int status =
        QProcess::execute("mount", {"-t", "tmpfs", "-o", options, "tmpfs", work.filePath("state")});
    mounted_ = status == 0;
    return mounted_;
  }
  void TearDown() override {
    if (mounted_) QProcess::execute("umount", {work.filePath("state")});
  }

 private:
  bool mounted_ = false;
};

TEST_F(RecoveryWriteFailure, AFileInTheWayOrNoHomeLeavesRecoveryOff) {
  QDir().mkpath(work.filePath("state"));
  QFile in_the_way(work.filePath("state/nabrilo"));
  ASSERT_TRUE(in_the_way.open(QIODevice::WriteOnly));
  in_the_way.close();
  ExpectDrawingGoesOn("file_in_the_way.nbr");

  env.remove("XDG_STATE_HOME");
  env.remove("HOME");
  ExpectDrawingGoesOn("no_home.nbr");
}

TEST_F(RecoveryWriteFailure, AReadOnlyFolderOrAFullDiskOnlyCostTheCopy) {
  if (!Mount("size=64k")) GTEST_SKIP() << "cannot mount a tmpfs here (needs root)";
  // Full: the lock fits, a 500 x 500 copy does not; no unfinished file is left behind.
  ExpectDrawingGoesOn("full.nbr");
  EXPECT_EQ(Files("*.bmp*"), QStringList());
  // Writes that keep failing are said once.
  {
    RecoveryKeeper keeper(Folder(), 0);
    ::testing::internal::CaptureStderr();
    for (int i = 0; i < 3; ++i) {
      keeper.Keep(QImage(500, 500, QImage::Format_RGB32));
      keeper.WaitIdle();
    }
    const std::string err = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(keeper.Writes(), 0);
    EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
  }

  QDir().mkpath(Folder());
  ASSERT_EQ(QProcess::execute("mount", {"-o", "remount,ro", work.filePath("state")}), 0);
  ExpectDrawingGoesOn("read_only.nbr");
}

}  // namespace
}  // namespace nabrilo::testing
