// Start-up: what the user sees when the window first appears, the layout of every control, the
// window's size rules, and start-up going on after a cursor or version failure.
#include <QGuiApplication>
#include <QRadioButton>
#include <QScreen>
#include <QTemporaryFile>

#include "form_fixture.h"
#include "platform/fonts.h"
#include "platform/version_info.h"
#include "rig/rig_tools.h"
#include "support/picture_compare.h"

namespace nabrilo::testing {
namespace {

TEST_F(FormTest, StartsInRigModeWithLabelsFilledAndNothingChosen) {
  EXPECT_EQ(form->windowTitle(), "Nabrilo");
  // The installed icon's sizes, so that a dock showing the window finds a sharp one.
  EXPECT_EQ(
      form->windowIcon().availableSizes(),
      (QList<QSize>{{16, 16}, {24, 24}, {32, 32}, {48, 48}, {64, 64}, {128, 128}, {256, 256}}));
  EXPECT_EQ(form->Btn_Shikake_Or_Point->Caption(), "仕掛け図");
  EXPECT_TRUE(form->Is_Rig_Mode());
  EXPECT_EQ(form->focusWidget(), form->Btn_Shikake_Or_Point);
  EXPECT_EQ(form->Label_Size->Caption(), "BitMapのサイズ　500 * 500");
  EXPECT_EQ(form->Label_Var->Caption(), "Ver 3.0.1.0");
  EXPECT_EQ(form->Label_Buhin->Caption(), "");
  EXPECT_FALSE(form->Btn_Undo_1->isEnabled());
  EXPECT_FALSE(form->Btn_Undo_2->isEnabled());
  EXPECT_TRUE(form->S_Btn_Default->Down());
  EXPECT_TRUE(form->S2_Btn0->Down());
  EXPECT_EQ(form->Buhin_Tag, rig_tag::kNone);
  EXPECT_EQ(form->Point_Tag, 0);
  EXPECT_EQ(ScreenCursor(), 0);
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
  EXPECT_EQ(form->Undo_State, TForm_Main::kUndoEmpty);
  EXPECT_TRUE(Shown().isEmpty()) << Shown().join("; ").toStdString();

  // The rig palette stands in front of the map palette.
  QWidget* at = form->childAt(600, 150);
  ASSERT_NE(at, nullptr);
  EXPECT_TRUE(form->Panel_Shikake->isAncestorOf(at) || at == form->Panel_Shikake);
  EXPECT_EQ(form->Panel_Point->pos(), QPoint(512, 59));

  // A blank white picture of 500 × 500 at (6, 6).
  const QImage& picture = form->Image1->Picture().Image();
  ASSERT_EQ(picture.size(), QSize(500, 500));
  EXPECT_EQ(picture, WhitePicture(500, 500));
  EXPECT_EQ(form->Image1->geometry(), QRect(6, 6, 500, 500));
  EXPECT_FALSE(form->Image1->AutoSize());
  EXPECT_EQ(form->Edit_X->size(), QSize(0, 0));
  EXPECT_EQ(form->Edit_Y->size(), QSize(0, 0));
}

TEST_F(FormTest, OnlyTheRodButtonsHaveCaptionsOfTwoLines) {
  for (TSpeedButton* b : form->findChildren<TSpeedButton*>()) {
    if (b == form->SpeedButton13 || b == form->SpeedButton14) continue;
    EXPECT_EQ(b->Caption(), "") << b->objectName().toStdString();
  }
  EXPECT_EQ(form->SpeedButton13->Caption(), "Rod\rｽﾋﾟﾆﾝｸﾞﾘｰﾙ");
  EXPECT_EQ(form->SpeedButton14->Caption(), "Rod\r回転ﾘｰﾙ");
  EXPECT_EQ(form->SpeedButton13->text(), "Rod\nｽﾋﾟﾆﾝｸﾞﾘｰﾙ");
}

struct Placement {
  const char* name;
  const char* parent;
  int left, top, width, height;
  TAnchors anchors;
};

constexpr TAnchors kLT = akLeft | akTop;

// Where every sized control stands, from the window's design.
constexpr Placement kPlacements[] = {
    {"Panel2", "Form_Main", 0, 0, 712, 59, akLeft | akTop | akRight},
    {"Label1", "Panel2", 24, 10, 231, 24, kLT},
    {"Label_Var", "Panel2", 560, 40, 137, 13, kLT},
    {"Btn_Shikake_Or_Point", "Panel2", 301, 5, 121, 25, akTop | akRight},
    {"Button_Clear", "Panel2", 301, 29, 121, 25, akTop | akRight},
    {"Btn_File", "Panel2", 432, 5, 121, 25, akRight | akBottom},
    {"Btn_Clip", "Panel2", 432, 29, 121, 25, akRight | akBottom},
    {"Button1", "Panel2", 561, 5, 137, 32, akRight | akBottom},
    {"Panel_Image", "Form_Main", 0, 59, 512, 511, akLeft | akTop | akRight | akBottom},
    {"Image1", "Panel_Image", 6, 6, 500, 500, kLT},
    {"Panel_Shikake", "Form_Main", 512, 59, 200, 511, akTop | akRight | akBottom},
    {"Panel_Point", "Form_Main", 512, 59, 199, 426, akTop | akRight},
    {"S_Btn_Default", "Panel_Shikake", 16, 8, 41, 41, kLT},
    {"SpeedButton13", "Panel_Shikake", 16, 56, 81, 41, kLT},
    {"SpeedButton14", "Panel_Shikake", 96, 56, 81, 41, kLT},
    {"SpeedButton29", "Panel_Shikake", 136, 376, 41, 41, kLT},
    {"Btn_Undo_1", "Panel_Shikake", 96, 24, 81, 25, kLT},
    {"Panel_Color", "Panel_Shikake", 8, 429, 181, 29, kLT},
    {"ColorBox1", "Panel_Color", 5, 4, 173, 22, kLT},
    {"Bevel1", "Panel_Shikake", 8, 458, 181, 50, kLT},
    {"Btn_ClipBord", "Panel_Shikake", 14, 478, 86, 25, kLT},
    {"Button4", "Panel_Shikake", 99, 478, 86, 25, kLT},
    {"S2_Btn0", "Panel_Point", 16, 8, 41, 41, kLT},
    {"S2_Btn5", "Panel_Point", 56, 152, 41, 41, kLT},
    {"S2_Btn9", "Panel_Point", 96, 192, 41, 41, kLT},
    {"Btn_Undo_2", "Panel_Point", 96, 24, 81, 25, kLT},
    {"R_Group1", "Panel_Point", 16, 59, 169, 46, kLT},
    {"Bevel2", "Panel_Point", 140, 112, 57, 98, kLT},
    {"Image_H", "Panel_Point", 144, 116, 49, 49, kLT},
    {"Edit_Haba", "Panel_Point", 144, 180, 33, 23, kLT},
    {"UpDown1", "Panel_Point", 177, 180, 16, 23, kLT},
    {"R_Group_line", "Panel_Point", 16, 240, 161, 41, kLT},
    {"R_Group2", "Panel_Point", 16, 280, 161, 41, kLT},
    {"R_Group_Keshigomu", "Panel_Point", 16, 320, 161, 41, kLT},
};

TEST_F(FormTest, EveryControlStandsWhereTheDesignPutsIt) {
  for (const Placement& p : kPlacements) {
    SCOPED_TRACE(p.name);
    auto* w = Find<QWidget>(p.name);
    ASSERT_NE(w, nullptr);
    ASSERT_NE(w->parentWidget(), nullptr);
    EXPECT_EQ(w->parentWidget()->objectName(), p.parent);
    EXPECT_EQ(w->geometry(), QRect(p.left, p.top, p.width, p.height));
    EXPECT_EQ(Anchors(w), p.anchors);
  }
  // Labels without a size take the size of their text at their place.
  EXPECT_EQ(form->Label_Size->pos(), QPoint(24, 40));
  EXPECT_EQ(form->Label_Buhin->pos(), QPoint(72, 8));
  EXPECT_EQ(form->Label3->pos(), QPoint(21, 465));
  EXPECT_EQ(form->Label4->pos(), QPoint(114, 467));
  EXPECT_EQ(form->Label_Hato->pos(), QPoint(142, 164));
  EXPECT_EQ(form->Label_Point->pos(), QPoint(72, 8));
  EXPECT_GT(form->Label_Size->width(), 0);
  // Edit_X starts on the window, Edit_Y on the drawing surface.
  EXPECT_EQ(form->Edit_X->parentWidget(), form.get());
  EXPECT_EQ(form->Edit_Y->parentWidget(), form->Panel_Image);
}

TEST_F(FormTest, CaptionsFontsAndColoursAreTheDesignedOnes) {
  EXPECT_EQ(form->Button_Clear->Caption(), "全　消　去");
  EXPECT_EQ(form->Btn_File->Caption(), "ファイルに保存");
  EXPECT_EQ(form->Btn_Clip->Caption(), "クリップボードへ");
  EXPECT_EQ(form->Button1->Caption(), "閉じる");
  EXPECT_EQ(form->Btn_Undo_1->Caption(), "戻　る");
  EXPECT_EQ(form->Btn_Undo_2->Caption(), "戻　る");
  EXPECT_EQ(form->Label1->Caption(), "Nabrilo");
  EXPECT_EQ(form->Label3->Caption(), "編集用　読込");
  EXPECT_EQ(form->Label4->Caption(), "BitMap Only");
  EXPECT_EQ(form->Btn_ClipBord->Caption(), "ｸﾘｯﾌﾟﾎﾞｰﾄﾞから");
  EXPECT_EQ(form->Button4->Caption(), "ファイルから");
  EXPECT_EQ(form->Label_Hato->Caption(), "波止の幅");
  EXPECT_EQ(form->Edit_Haba->Text(), "20");
  EXPECT_TRUE(form->Edit_Haba->isReadOnly());

  EXPECT_EQ(form->font().family(), kUiFontFamily);
  EXPECT_EQ(form->font().pixelSize(), 15);
  EXPECT_EQ(form->Btn_File->font().pixelSize(), 15);  // inherited from the window
  const QFont title = form->Label1->font();
  EXPECT_EQ(title.pixelSize(), 24);
  EXPECT_TRUE(title.bold());
  EXPECT_TRUE(title.underline());
  EXPECT_EQ(form->Label1->palette().color(QPalette::WindowText), QColor(0, 0, 0x80));
  EXPECT_EQ(form->Label_Var->font().pixelSize(), 13);
  EXPECT_TRUE(form->Label_Var->alignment() & Qt::AlignRight);
  EXPECT_EQ(form->Button1->font().pixelSize(), 16);
  EXPECT_TRUE(form->Button1->font().bold());
  EXPECT_EQ(form->Label4->font().pixelSize(), 11);
  EXPECT_EQ(form->Label4->palette().color(QPalette::WindowText), QColor(0xFF, 0, 0));
  EXPECT_EQ(form->Btn_ClipBord->font().pixelSize(), 13);
  EXPECT_EQ(form->Edit_X->font().pixelSize(), 12);
  EXPECT_EQ(form->Edit_Y->font().pixelSize(), 12);
  EXPECT_FALSE(form->Edit_X->hasFrame());
  EXPECT_FALSE(form->Edit_Y->hasFrame());
  EXPECT_EQ(form->Panel_Image->palette().color(QPalette::Window), QColor(0xC0, 0xDC, 0xC0));
  EXPECT_TRUE(form->Panel_Image->autoFillBackground());

  EXPECT_EQ(form->OpenPicDialog1->Filter,
            "画像ファイル (*.bmp;*.jpg;*.jpeg;*.png)|*.bmp;*.jpg;*.jpeg;*.png|"
            "ビットマップ (*.bmp)|*.bmp|写真 jpg|*.jpg;*.jpeg|PNG (*.png)|*.png");
  EXPECT_EQ(form->SavePictureDialog1->Filter,
            "ビットマップ (*.bmp)|*.bmp|PNG (*.png)|*.png|JPEG (*.jpg;*.jpeg)|*.jpg;*.jpeg");
  EXPECT_EQ(form->SavePictureDialog1->DefaultExt, "bmp");
}

TEST_F(FormTest, ColourBoxAndRadioGroupsHoldTheirItems) {
  const QStringList names = {"clBlack",  "clMaroon",     "clGreen",   "clOlive",   "clNavy",
                             "clPurple", "clTeal",       "clGray",    "clSilver",  "clRed",
                             "clLime",   "clYellow",     "clBlue",    "clFuchsia", "clAqua",
                             "clWhite",  "clMoneyGreen", "clSkyBlue", "clCream",   "clMedGray"};
  ASSERT_EQ(form->ColorBox1->count(), 20);
  for (int i = 0; i < 20; ++i) EXPECT_EQ(form->ColorBox1->itemText(i), names[i]);
  EXPECT_EQ(form->ColorBox1->Selected(), 0x000000u);
  ASSERT_TRUE(form->ColorBox1->SelectName("clSkyBlue"));
  EXPECT_EQ(form->ColorBox1->Selected(), 0xF0CAA6u);

  struct Group {
    TRadioGroup* group;
    QString caption;
    int columns;
    QStringList items;
    int index;
  };
  const Group groups[] = {
      {form->R_Group1, "ボタン選択", 3, {"波止", "線", "部品"}, 0},
      {form->R_Group_line, "線の太さ", 3, {"細", "太", "極太"}, 1},
      {form->R_Group2, "塗りつぶし", 2, {"有", "無"}, 1},
      {form->R_Group_Keshigomu, "消しゴムの大きさ", 2, {"小", "大"}, 0},
  };
  for (const Group& g : groups) {
    SCOPED_TRACE(g.caption.toStdString());
    EXPECT_EQ(g.group->title(), g.caption);
    EXPECT_EQ(g.group->Columns(), g.columns);
    EXPECT_EQ(g.group->Items(), g.items);
    EXPECT_EQ(g.group->ItemIndex(), g.index);
    EXPECT_TRUE(g.group->Item(g.index)->isChecked());
  }
}

TEST_F(FormTest, PalettesCarryTheirGlyphsAndTheImageListItsPictures) {
  for (const RigTool& t : Rig_Tools()) {
    auto* b = Find<TSpeedButton>(t.button.name);
    ASSERT_EQ(b, form.get()->*t.button.field) << t.button.name;
    EXPECT_EQ(b->Glyph().size(), QSize(t.glyph.width, t.glyph.height)) << t.button.name;
  }
  // The glyph sizes a user would notice: a small part, the small eraser's block, the map arrow.
  EXPECT_EQ(form->S_Btn_V_Sarukan->Glyph().size(), QSize(7, 22));
  EXPECT_EQ(form->SpeedButton26->Glyph().size(), QSize(21, 11));
  EXPECT_EQ(form->S2_Btn0->Glyph().size(), QSize(32, 32));
  EXPECT_TRUE(form->SpeedButton13->Glyph().isNull());
  EXPECT_TRUE(form->SpeedButton14->Glyph().isNull());
  EXPECT_EQ(form->S_Btn_H_Sarukan->Layout(), TButtonLayout::blGlyphTop);
  EXPECT_EQ(form->S_Btn_V_Sarukan->Layout(), TButtonLayout::blGlyphLeft);
  ASSERT_EQ(form->ImageList1->Count(), 27);
  for (int n = 0; n < 27; ++n) {
    const Bitmap b = form->ImageList1->GetBitmap(n);
    EXPECT_EQ(QSize(b.Width(), b.Height()), QSize(32, 32)) << n;
  }
  // Every picture of the line bank shows something (a blank picture is a missing resource).
  for (int n = 9; n < 18; ++n) {
    const QImage image = form->ImageList1->GetBitmap(n).Image();
    EXPECT_NE(image, WhitePicture(32, 32)) << n;
  }
}

TEST_F(FormTest, WindowHasItsSizeLimitsAndKeepsControlsAnchoredWhenItGrows) {
  EXPECT_EQ(form->size(), QSize(712, 571));
  EXPECT_EQ(form->Outer_Size(), QSize(720, 605));
  EXPECT_EQ(form->minimumSize(), QSize(712, 571));
  const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
  const QPoint outer_centre = form->pos() + QPoint(720 / 2, 605 / 2);
  EXPECT_LE((outer_centre - screen.center()).manhattanLength(), 4);

  form->resize(300, 200);
  EXPECT_EQ(form->size(), QSize(712, 571));
  form->Set_Outer_Size(100, 100);
  EXPECT_EQ(form->Outer_Size(), QSize(720, 605));

  form->Set_Outer_Size(920, 705);  // 200 wider, 100 taller
  EXPECT_EQ(form->size(), QSize(912, 671));
  EXPECT_EQ(form->Outer_Size(), QSize(920, 705));
  EXPECT_EQ(form->Panel2->geometry(), QRect(0, 0, 912, 59));
  EXPECT_EQ(form->Panel_Image->geometry(), QRect(0, 59, 712, 611));
  EXPECT_EQ(form->Panel_Shikake->geometry(), QRect(712, 59, 200, 611));
  EXPECT_EQ(form->Panel_Point->geometry(), QRect(712, 59, 199, 426));
  EXPECT_EQ(form->Btn_Shikake_Or_Point->pos(), QPoint(501, 5));
  EXPECT_EQ(form->Btn_File->pos(), QPoint(632, 5));
  EXPECT_EQ(form->Button1->pos(), QPoint(761, 5));
  EXPECT_EQ(form->Label_Var->pos(), QPoint(560, 40));  // not anchored
  EXPECT_EQ(form->Image1->pos(), QPoint(6, 6));
  EXPECT_EQ(form->ColorBox1->pos(), QPoint(5, 4));

  form->Set_Outer_Size(720, 605);
  EXPECT_EQ(form->Panel_Shikake->geometry(), QRect(512, 59, 200, 511));
  EXPECT_EQ(form->Btn_File->pos(), QPoint(432, 5));
}

TEST_F(FormTest, ACursorThatCannotBeLoadedRaisesItsNameAndLeavesNoCursor) {
  try {
    form->Load_Cursor(40, "Cursor_099");
    ADD_FAILURE() << "no error raised";
  } catch (const AppError& e) {
    EXPECT_EQ(e.Text(), "Can not load the cursor [Cursor_099]");
  }
  EXPECT_FALSE(CursorEntry(40).has_value());
  // Loading over an installed number replaces it, and a failure leaves nothing there either.
  ASSERT_TRUE(CursorEntry(7).has_value());
  EXPECT_THROW(form->Load_Cursor(7, "Cursor_7"), AppError);
  EXPECT_FALSE(CursorEntry(7).has_value());
  form->Load_Cursor(7, "Cursor_007");
  EXPECT_EQ(CursorEntry(7)->hotSpot(), QPoint(4, 0));
}

class VersionFailureTest : public FormTest {
 protected:
  void Before_Create() override {
    ASSERT_TRUE(junk.open());
    junk.write("\\StringFileInfo\\040904B0\\FileVersion=9.9.9.9\n");
    junk.close();
    SetVersionResourceName(junk.fileName());
  }
  void TearDown() override {
    FormTest::TearDown();
    SetVersionResourceName(QStringLiteral(":/version/nabrilo.ver"));
  }
  QTemporaryFile junk;
};

TEST_F(VersionFailureTest, IsReportedAsAnAssertionFailureAndStartUpGoesOn) {
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_EQ(dialogs.shown.front().kind, ScriptedDialogs::Shown::Error);
  EXPECT_TRUE(dialogs.shown.front().text.startsWith("Assertion failure"));
  EXPECT_TRUE(dialogs.shown.front().text.contains("Main"));
  EXPECT_FALSE(form->Label_Var->Caption().startsWith("Ver"));
  // The rest of the show steps still ran.
  EXPECT_EQ(form->Panel_Point->pos(), QPoint(512, 59));
  EXPECT_EQ(form->focusWidget(), form->Btn_Shikake_Or_Point);
  EXPECT_EQ(form->Label_Size->Caption(), "BitMapのサイズ　500 * 500");

  SetVersionResourceName(":/no/such/resource");
  EXPECT_THROW(form->Get_File_Version(), AppError);
}

TEST(VersionData, ReadsTheFileVersionOfTheBuild) {
  const QString file = VersionResourceName();
  const std::uint32_t size = GetFileVersionInfoSize(file);
  ASSERT_GT(size, 0u);
  std::vector<char> data(size);
  ASSERT_TRUE(GetFileVersionInfo(file, data));
  EXPECT_EQ(VerQueryValue(data, "\\StringFileInfo\\041103A4\\FileVersion"), "3.0.1.0");
  EXPECT_EQ(VerQueryValue(data, "\\StringFileInfo\\041103A4\\ProductVersion"), "1.0.0.0");
  EXPECT_EQ(VerQueryValue(data, "\\StringFileInfo\\041103A4\\Missing"), std::nullopt);
  std::vector<char> wrong_size(size + 1);
  EXPECT_FALSE(GetFileVersionInfo(file, wrong_size));
}

}  // namespace
}  // namespace nabrilo::testing
