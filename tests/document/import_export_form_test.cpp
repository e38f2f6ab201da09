// Clearing, the clipboard, saving and loading in the real window: the picture, the window size,
// the size label and the messages the user sees.
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <cstdlib>

#include "app/form_fixture.h"
#include "document/document_test_support.h"
#include "document/picture_file.h"
#include "platform/application.h"
#include "support/picture_compare.h"

namespace nabrilo::testing {
namespace {

class ImportExportTest : public FormTest {
 protected:
  QImage Picture() const { return form->Image1->Picture().Image().copy(); }
  // Runs a handler as the application does: an error it raises goes to the standard error box.
  template <typename Fn>
  void Run(Fn handler) {
    DeliverShowingErrors([&] {
      handler();
      return true;
    });
  }
  // Something drawn, recorded twice so that undo is available.
  void Draw() {
    form->Picture_Canvas().SetBrushColor(clRed);
    form->Picture_Canvas().Rectangle(20, 20, 120, 80);
    form->Take_Snapshot();
    form->Take_Snapshot();
  }
  // Clicks the load button answering `path`; the standard error it gives.
  std::string LoadGivingLog(const QString& path) {
    dialogs.QueueAnswer(path);
    ::testing::internal::CaptureStderr();
    Run([&] { form->Button4Click(form->Button4); });
    return ::testing::internal::GetCapturedStderr();
  }
  void ExpectErrorBox(const QString& text) {
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown.front().kind, ScriptedDialogs::Shown::Error);
    EXPECT_EQ(dialogs.shown.front().text, text);
    dialogs.shown.clear();
  }
  QTemporaryDir dir;
};

TEST_F(ImportExportTest, ClearingGivesAWhitePictureTheStartWindowAndNoUndo) {
  Click(form->SpeedButton15);
  const int tool = form->Buhin_Tag;
  Draw();
  form->Set_Outer_Size(1000, 800);
  Click(form->Button_Clear);
  EXPECT_EQ(form->Image1->Picture().Image(), WhitePicture(500, 500));
  EXPECT_EQ(form->Image1->geometry(), QRect(6, 6, 500, 500));
  EXPECT_FALSE(form->Image1->AutoSize());
  EXPECT_EQ(form->Outer_Size(), QSize(720, 605));
  EXPECT_EQ(form->Label_Size->Caption(), "BitMapのサイズ　500 * 500");
  EXPECT_EQ(form->Undo_State, TForm_Main::kUndoEmpty);
  EXPECT_TRUE(form->Snap_Now.isEmpty() && form->Snap_Prev.isEmpty());
  EXPECT_FALSE(form->Btn_Undo_1->isEnabled() || form->Btn_Undo_2->isEnabled());
  EXPECT_EQ(form->Buhin_Tag, tool);
  EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(ImportExportTest, CopyThenPasteBringsBackTheSamePictureAndSizesTheWindow) {
  Draw();
  const QImage drawn = Picture();
  Click(form->Btn_Clip);
  EXPECT_EQ(Shown(), QStringList{"クリップボードにコピーしました"});
  Click(form->Button_Clear);
  Click(form->Btn_ClipBord);
  EXPECT_EQ(Picture(), drawn);
  EXPECT_TRUE(form->Btn_Undo_1->isEnabled() == false);  // clearing reset it; pasting leaves it

  QGuiApplication::clipboard()->setImage(test::Drawing(300, 200));
  Click(form->Btn_ClipBord);
  EXPECT_EQ(Picture(), test::Drawing(300, 200));
  EXPECT_EQ(form->Label_Size->Caption(), "BitMapのサイズ　300 * 200");
  EXPECT_TRUE(form->Image1->AutoSize());
  EXPECT_EQ(form->Image1->size(), QSize(300, 200));
  EXPECT_EQ(form->Outer_Size(), QSize(720, 605));  // 520 × 305 asked, the minimum holds

  QGuiApplication::clipboard()->setImage(test::Drawing(800, 600));
  Click(form->Btn_ClipBord);
  EXPECT_EQ(form->Outer_Size(), QSize(1020, 705));
}

TEST_F(ImportExportTest, PastingKeepsTheUndoStateAndUndoReturnsToTheKeptPicture) {
  Draw();
  const QImage kept = Picture();
  QGuiApplication::clipboard()->setImage(test::Drawing(300, 200));
  Click(form->Btn_ClipBord);
  EXPECT_TRUE(form->Btn_Undo_1->isEnabled());
  Click(form->Btn_Undo_1);
  EXPECT_EQ(Picture(), kept);
}

TEST_F(ImportExportTest, AnEmptyOrUnreadableClipboardChangesNothing) {
  Draw();
  const QImage before = Picture();
  QGuiApplication::clipboard()->clear();
  Click(form->Btn_ClipBord);
  EXPECT_EQ(Shown(), QStringList{"クリップボードに画像がありません"});
  dialogs.shown.clear();
  // Wider than the program takes: the error box, refused before anything is allocated for it.
  QImage wide(32768, 1, QImage::Format_RGB32);
  wide.fill(Qt::blue);
  QGuiApplication::clipboard()->setImage(wide);
  Run([&] { form->Btn_ClipBordClick(form->Btn_ClipBord); });
  ExpectErrorBox(QStringLiteral("クリップボードの画像が大きすぎます"));
  EXPECT_EQ(Picture(), before);
  EXPECT_EQ(form->Outer_Size(), QSize(720, 605));
  EXPECT_EQ(form->Label_Size->Caption(), "BitMapのサイズ　500 * 500");
}

TEST_F(ImportExportTest, ACopyThatFailsSaysSo) {
  form->Image1->SetPicture(Bitmap(32768, 1));
  Click(form->Btn_Clip);
  EXPECT_EQ(Shown(), QStringList{"エラー発生　失敗"});
}

TEST_F(ImportExportTest, SavingWritesBmpUnderTheChosenNameAndSaysWhere) {
  Draw();
  const QImage drawn = Picture();
  dialogs.QueueAnswer(dir.filePath("drawing"));
  Click(form->Btn_File);
  EXPECT_EQ(dialogs.last_save_filter,
            "ビットマップ (*.bmp)|*.bmp|PNG (*.png)|*.png|JPEG (*.jpg;*.jpeg)|*.jpg;*.jpeg");
  EXPECT_EQ(dialogs.last_save_extension, "bmp");
  const QString saved = dir.filePath("drawing.bmp");
  EXPECT_EQ(Shown(), QStringList{"ファイルに保存しました" + saved});
  const PictureDiff diff = ComparePictures(drawn, QImage(saved, "BMP"));
  EXPECT_TRUE(diff.same_size && diff.differing == 0) << diff.Describe();
  dialogs.shown.clear();
  // A .jpg or .JPEG name gets JPEG content, which loads back (JPEG is lossy: close, not equal),
  // and the busy cursor shown while saving and loading is gone afterwards.
  for (const QString& name : {QStringLiteral("写真 1.jpg"), QStringLiteral("map.JPEG")}) {
    SCOPED_TRACE(name.toStdString());
    dialogs.QueueAnswer(dir.filePath(name));
    Click(form->Btn_File);
    EXPECT_EQ(Shown(), QStringList{"ファイルに保存しました" + dir.filePath(name)});
    dialogs.shown.clear();
    EXPECT_TRUE(test::ReadFileBytes(dir.filePath(name)).startsWith("\xFF\xD8\xFF"));
    const PictureLoad load = LoadPictureFile(dir.filePath(name));
    ASSERT_EQ(load.outcome, PictureLoad::Loaded);
    ASSERT_EQ(load.image.size(), drawn.size());
    for (const QPoint p : {QPoint(70, 50), QPoint(300, 300)}) {
      const QRgb a = drawn.pixel(p), b = load.image.pixel(p);
      EXPECT_LE(std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
                    std::abs(qBlue(a) - qBlue(b)),
                12);
    }
  }
  // The JPEG filter chosen: a bare name gets ".jpg".
  dialogs.save_filter_index = 3;
  dialogs.QueueAnswer(dir.filePath("photo"));
  Click(form->Btn_File);
  EXPECT_TRUE(test::ReadFileBytes(dir.filePath("photo.jpg")).startsWith("\xFF\xD8\xFF"));
  dialogs.save_filter_index = 1;
  dialogs.shown.clear();
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
  // Cancelled: nothing.
  dialogs.QueueAnswer(std::nullopt);
  Click(form->Btn_File);
  EXPECT_TRUE(dialogs.shown.empty());
  EXPECT_EQ(Picture(), drawn);
}

TEST_F(ImportExportTest, SavingWritesPngUnderItsFilterOrItsNameAndLoadsItBack) {
  Draw();
  const QImage drawn = Picture();
  const auto expect_png = [&](const QString& path) {
    SCOPED_TRACE(path.toStdString());
    EXPECT_EQ(Shown(), QStringList{"ファイルに保存しました" + path});
    dialogs.shown.clear();
    EXPECT_TRUE(test::ReadFileBytes(path).startsWith("\x89PNG"));
    const PictureDiff diff = ComparePictures(drawn, QImage(path, "PNG"));
    EXPECT_TRUE(diff.same_size && diff.differing == 0) << diff.Describe();
  };
  // The PNG filter chosen: a bare name gets ".png".
  dialogs.save_filter_index = 2;
  dialogs.QueueAnswer(dir.filePath("仕掛け"));
  Click(form->Btn_File);
  expect_png(dir.filePath("仕掛け.png"));
  EXPECT_EQ(form->SavePictureDialog1->FilterIndex, 2);
  // The BMP filter with a name ending in .PNG.
  dialogs.save_filter_index = 1;
  dialogs.QueueAnswer(dir.filePath("map.PNG"));
  Click(form->Btn_File);
  expect_png(dir.filePath("map.PNG"));
  // Back through the load dialog, under its third filter.
  Click(form->Button_Clear);
  dialogs.QueueAnswer(dir.filePath("map.PNG"));
  Click(form->Button4);
  // The load dialog's first filter, the default, shows every kind it opens.
  EXPECT_TRUE(dialogs.last_open_filter.startsWith(
      "画像ファイル (*.bmp;*.jpg;*.jpeg;*.png)|*.bmp;*.jpg;*.jpeg;*.png|"));
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
  EXPECT_TRUE(dialogs.shown.empty());
  EXPECT_EQ(Picture(), drawn);
  EXPECT_EQ(form->Label_Size->Caption(), "BitMapのサイズ　500 * 500");
  // A save that fails leaves the old file and says so.
  ASSERT_TRUE(test::WriteFileBytes(dir.filePath("plain"), "old"));
  dialogs.QueueAnswer(dir.filePath("plain/drawing.png"));
  Click(form->Btn_File);
  EXPECT_EQ(Shown(), QStringList{"エラー発生　失敗"});
}

TEST_F(ImportExportTest, ASaveThatFailsSaysSoAndLeavesTheOldFile) {
  ASSERT_TRUE(test::WriteFileBytes(dir.filePath("plain"), "old"));
  dialogs.QueueAnswer(dir.filePath("plain/drawing.bmp"));
  Click(form->Btn_File);
  EXPECT_EQ(Shown(), QStringList{"エラー発生　失敗"});
  dialogs.shown.clear();
  QDir(dir.path()).mkdir("folder.bmp");
  dialogs.QueueAnswer(dir.filePath("folder.bmp"));
  Click(form->Btn_File);
  EXPECT_EQ(Shown(), QStringList{"エラー発生　失敗"});
  EXPECT_EQ(test::ReadFileBytes(dir.filePath("plain")), "old");
  EXPECT_EQ(test::FilesIn(dir.path()), (QStringList{"folder.bmp", "plain"}));
}

TEST_F(ImportExportTest, LoadingABmpOrAJpegReplacesThePictureAndSizesTheWindow) {
  form->Set_Outer_Size(1000, 800);
  dialogs.QueueAnswer(test::CorpusPath("bmp_rle8.bmp"));
  Click(form->Button4);
  test::ExpectCorpusPatternLoaded(*form);
  EXPECT_TRUE(dialogs.shown.empty());

  // photo.Jpeg: the test is on the upper-cased name.
  ASSERT_TRUE(QFile::copy(test::CorpusPath("jpeg_baseline.jpg"), dir.filePath("photo.Jpeg")));
  dialogs.QueueAnswer(dir.filePath("photo.Jpeg"));
  Click(form->Button4);
  EXPECT_EQ(Picture().size(), QSize(64, 48));
  EXPECT_EQ(form->Label_Size->Caption(), "BitMapのサイズ　64 * 48");
  EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(ImportExportTest, ANameOfNoKnownKindSaysSoLoadsNothingButSizesTheWindow) {
  Draw();
  const QImage before = Picture();
  form->Set_Outer_Size(1000, 800);
  ASSERT_TRUE(QFile::copy(test::CorpusPath("bmp_24bit.bmp"), dir.filePath("picture.tiff")));
  dialogs.QueueAnswer(dir.filePath("picture.tiff"));
  Click(form->Button4);
  EXPECT_EQ(Shown(), QStringList{"対応していないフォーマットです"});
  EXPECT_EQ(Picture(), before);
  EXPECT_EQ(form->Outer_Size(), QSize(720, 605));
  EXPECT_TRUE(form->Image1->AutoSize());
  // Cancelled: nothing at all.
  form->Set_Outer_Size(1000, 800);
  dialogs.QueueAnswer(std::nullopt);
  Click(form->Button4);
  EXPECT_EQ(form->Outer_Size(), QSize(1000, 800));
}

TEST_F(ImportExportTest, AJpegOrPngThatCannotBeDecodedSaysSoAndKeepsThePicture) {
  Draw();
  const QImage before = Picture();
  form->Set_Outer_Size(1000, 800);
  // A bitmap under a .jpg name, a cut-off photo, and one wider than the program takes.
  QByteArray huge = test::ReadFileBytes(test::CorpusPath("jpeg_baseline.jpg"));
  const qsizetype sof = huge.indexOf(QByteArray("\xFF\xC0", 2));
  ASSERT_GT(sof, 0);
  huge[sof + 7] = '\x80';  // width 0x8040 = 32832
  huge[sof + 8] = '\x40';
  const QByteArray cases[] = {test::ReadFileBytes(test::CorpusPath("bmp_24bit.bmp")),
                              test::ReadFileBytes(test::CorpusPath("jpeg_baseline.jpg")).left(200),
                              huge};
  // The reason each goes to standard error for; libjpeg adds its own words in brackets.
  const struct {
    QString name;
    const char* why[3];
  } kinds[] = {{"bad photo.jpg", {"damaged (Not a JPEG file", "damaged (", "too large"}},
               {"bad 図.png", {"not a file of its kind", "not a file of its kind", "not a file"}}};
  for (const auto& kind : kinds) {
    for (int i = 0; i < 3; ++i) {
      const QString path = dir.filePath(kind.name);
      ASSERT_TRUE(test::WriteFileBytes(path, cases[i]));
      const std::string log = LoadGivingLog(path);
      EXPECT_NE(log.find("nabrilo: cannot load " + path.toStdString() + ": " + kind.why[i]),
                std::string::npos)
          << log;
      EXPECT_EQ(Shown(), QStringList{"対応していないフォーマットです"});
      dialogs.shown.clear();
      EXPECT_EQ(Picture(), before);
      EXPECT_EQ(form->Outer_Size(), QSize(720, 605));
      EXPECT_EQ(form->Label_Size->Caption(), "BitMapのサイズ　500 * 500");
    }
  }
}

TEST_F(ImportExportTest, ABmpThatCannotBeReadRaisesTheErrorBoxAndChangesNothing) {
  Draw();
  const QImage before = Picture();
  form->Set_Outer_Size(1000, 800);
  QByteArray wide = test::ReadFileBytes(test::CorpusPath("bmp_24bit.bmp"));
  wide[18] = '\x40';  // width 0x9C40 = 40000
  wide[19] = '\x9C';
  const std::pair<QByteArray, const char*> cases[] = {
      {test::ReadFileBytes(test::CorpusPath("jpeg_baseline.jpg")), "not a file of its kind"},
      {test::ReadFileBytes(test::CorpusPath("bmp_24bit.bmp")).left(500), "truncated"},
      {wide, "too large"},
      {QByteArray(), "truncated"}};
  const QString path = dir.filePath("釣り 図.BMP");
  for (const auto& [bytes, why] : cases) {
    ASSERT_TRUE(test::WriteFileBytes(path, bytes));
    // One line that names the file and says why, beside the unchanged box.
    EXPECT_EQ(LoadGivingLog(path),
              "nabrilo: cannot load " + path.toStdString() + ": " + why + "\n");
    ExpectErrorBox(QStringLiteral("ビットマップイメージが不正です"));
    EXPECT_EQ(Picture(), before);
    EXPECT_FALSE(form->Image1->AutoSize());
    EXPECT_EQ(form->Outer_Size(), QSize(1000, 800));
    EXPECT_EQ(form->Label_Size->Caption(), "BitMapのサイズ　500 * 500");
  }
}

}  // namespace
}  // namespace nabrilo::testing
