// nabrilo-replay on scripts that must fail: the first bad line is named as FILE:LINE with what
// went wrong, on standard error, and the exit status is 1. A good script ends with status 0.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include "replay/replay_process.h"
#include "support/picture_compare.h"

namespace nabrilo::testing {
namespace {

class ReplayScripts : public ::testing::Test {
 protected:
  // Writes `script` as NAME.nbr in the working directory and runs it from there.
  ReplayRun Run(const char* name, const char* script) {
    const QString file = QString::fromLatin1(name) + QStringLiteral(".nbr");
    QFile out(work.filePath(file));
    EXPECT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(script);
    out.close();
    return RunReplay(file, work.path());
  }
  void ExpectFailure(const char* name, const char* script, int line, const QString& what) {
    SCOPED_TRACE(name);
    const ReplayRun run = Run(name, script);
    EXPECT_TRUE(run.finished);
    EXPECT_EQ(run.exit_code, 1);
    const QString want =
        QStringLiteral("%1.nbr:%2: %3\n").arg(QLatin1String(name)).arg(line).arg(what);
    EXPECT_EQ(run.err.toStdString(), want.toStdString());
  }
  QTemporaryDir work;
};

TEST_F(ReplayScripts, ScriptMistakesStopTheRunAtTheirLine) {
  ExpectFailure("unknown", "# start\n\nclick S_Btn_Default\nfrobnicate 1\n", 4,
                "unknown command \"frobnicate\"");
  ExpectFailure("missing", "press 10\n", 1,
                "press: missing argument Y (usage: press X Y [left|right])");
  ExpectFailure("extra", "click S_Btn_Default S2_Btn0\n", 1,
                "click: unexpected argument \"S2_Btn0\" (usage: click NAME)");
  ExpectFailure("number", "press 10 1.5\n", 1,
                "press: Y must be a whole number, not \"1.5\" (usage: press X Y [left|right])");
  ExpectFailure("choice", "press 1 2 middle\n", 1,
                "press: expected left|right, not \"middle\" (usage: press X Y [left|right])");
  ExpectFailure("quote", "expect Label_Buhin \"open\n", 1, "the quoted text is not closed");
  ExpectFailure("unquoted", "expect Label_Buhin text\n", 1,
                "expect: TEXT must be written in double quotes (usage: expect NAME TEXT)");
  ExpectFailure("colour", "color clPink\n", 1,
                "color: \"clPink\" is not a colour of the colour box (usage: color COLORNAME)");
  ExpectFailure("key", "key F13\n", 1, "key: unknown key \"F13\" (usage: key KEY)");
  // Mistakes are found before anything runs: line 1 would have saved a file.
  ExpectFailure("late", "save early.bmp\npress x 1\n", 2,
                "press: X must be a whole number, not \"x\" (usage: press X Y [left|right])");
  EXPECT_FALSE(QFile::exists(work.filePath("early.bmp")));
}

TEST_F(ReplayScripts, UnknownControlsAndFailedExpectationsStopTheRun) {
  ExpectFailure("control", "click S_Btn_Default\nclick NoSuchButton\n", 2,
                "no control named \"NoSuchButton\"");
  ExpectFailure("notbutton", "click Label_Buhin\n", 1, "\"Label_Buhin\" is not a button");
  ExpectFailure("caption", "click S_Btn_V_Sarukan\nexpect Label_Buhin \"大　ヨリモドシ\"\n", 2,
                "Label_Buhin reads \"小　ヨリモドシ\", expected \"大　ヨリモドシ\"");
  ExpectFailure("enabled", "expect-enabled Btn_Undo_1 yes\n", 1, "Btn_Undo_1 is disabled");
  ExpectFailure("down", "expect-down S_Btn_Default no\n", 1, "S_Btn_Default is down");
  ExpectFailure("size", "expect-size 500 501\n", 1, "the picture is 500 x 500");
  ExpectFailure("window", "expect-window 712 571\n", 1, "the window is 720 x 605");
  ExpectFailure("cursor", "click S_Btn_V_Big_sarukan\nexpect-cursor 0\n", 2,
                "the screen cursor is 3");
  ExpectFailure("pixel", "expect-pixel 3 4 0x00000000\n", 1,
                "pixel (3, 4) is 0x00ffffff, expected 0x00000000");
  ExpectFailure("outside", "expect-pixel 500 0 clWhite\n", 1,
                "(500, 0) lies outside the 500 x 500 picture");
  ExpectFailure("message", "expect-message \"クリップボードにコピーしました\"\n", 1,
                "no message was shown; expected \"クリップボードにコピーしました\"");
  ExpectFailure("dialog", "click Btn_File\n", 1,
                "a file dialog was shown with no answer queued (use \"answer\" first)");
  ExpectFailure("unused", "answer cancel\nexpect-no-message\n", 2,
                "1 answer(s) queued for a dialog that never came");
  ExpectFailure("covered", "click Btn_Shikake_Or_Point\nclick S_Btn_V_Sarukan\n", 2,
                "\"S_Btn_V_Sarukan\" cannot be clicked: S2_Btn1 lies in front of it");
}

TEST_F(ReplayScripts, APictureMismatchTellsHowManyPixelsAndTheFirst) {
  QImage expected = WhitePicture(500, 500);
  expected.setPixel(7, 9, qRgb(0, 0, 255));
  expected.setPixel(400, 300, qRgb(0, 0, 255));
  ASSERT_TRUE(expected.save(work.filePath("expected.png")));
  ExpectFailure("picture", "expect-picture expected.png\n", 1,
                "the picture differs from \"expected.png\" in 2 pixel(s); the first at (7, 9) is "
                "0x00ffffff, expected 0x00ff0000");
  ASSERT_TRUE(expected.copy(0, 0, 400, 500).save(work.filePath("narrow.png")));
  ExpectFailure("narrow", "expect-picture narrow.png\n", 1,
                "the picture is 500 x 500, \"narrow.png\" is 400 x 500");
}

TEST_F(ReplayScripts, AGoodScriptSucceedsQuietlyAndSavesWhereItRuns) {
  const ReplayRun run = Run("good",
                            "# a rod, saved, copied and checked\n"
                            "click SpeedButton13\n"
                            "expect Label_Buhin \"\"\n"
                            "save rod.bmp\n"
                            "click Btn_Clip\n"
                            "expect-message \"クリップボードにコピーしました\"\n"
                            "clipboard-save copied.bmp\n"
                            "expect-picture rod.bmp\n"
                            "# the save dialog adds the default extension to a bare name\n"
                            "answer by_dialog\n"
                            "click Btn_File\n"
                            "expect-some-message\n"
                            "expect-no-message\n");
  EXPECT_TRUE(run.finished);
  EXPECT_EQ(run.exit_code, 0);
  EXPECT_EQ(run.err, QString());
  const QImage rod(work.filePath("rod.bmp"));
  ASSERT_EQ(rod.size(), QSize(500, 500));
  EXPECT_EQ(QImage(work.filePath("copied.bmp")).convertToFormat(QImage::Format_RGB32),
            rod.convertToFormat(QImage::Format_RGB32));
  EXPECT_NE(rod.convertToFormat(QImage::Format_RGB32),
            WhitePicture(500, 500));  // the rod was drawn and saved
  EXPECT_EQ(QImage(work.filePath("by_dialog.bmp")).convertToFormat(QImage::Format_RGB32),
            rod.convertToFormat(QImage::Format_RGB32));
}

TEST_F(ReplayScripts, PicturesOfEachKindGoOnTheClipboardAsImages) {
  QImage picture(30, 20, QImage::Format_RGB32);
  picture.fill(qRgb(0, 0, 255));
  ASSERT_TRUE(picture.save(work.filePath("blue.png")));
  ASSERT_TRUE(picture.save(work.filePath("blue.bmp")));
  ASSERT_TRUE(picture.save(work.filePath("blue.jpg"), "JPEG", 100));
  const ReplayRun run = Run("kinds",
                            "clipboard blue.png\nclipboard-save from_png.bmp\n"
                            "clipboard blue.bmp\nclipboard-save from_bmp.bmp\n"
                            "clipboard blue.jpg\nclick Btn_ClipBord\nexpect-size 30 20\n"
                            "clipboard-clear\nclipboard-save nothing.bmp\n");
  EXPECT_EQ(run.exit_code, 1);
  EXPECT_EQ(run.err.toStdString(), "kinds.nbr:9: the clipboard holds no picture\n");
  EXPECT_EQ(QImage(work.filePath("from_png.bmp")).convertToFormat(QImage::Format_RGB32), picture);
  EXPECT_EQ(QImage(work.filePath("from_bmp.bmp")).convertToFormat(QImage::Format_RGB32), picture);
  EXPECT_FALSE(QFile::exists(work.filePath("nothing.bmp")));
}

}  // namespace
}  // namespace nabrilo::testing
