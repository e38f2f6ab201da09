// The two modes and the palettes, driven with real clicks and pointer moves.
#include <QBitmap>
#include <QGuiApplication>
#include <QRadioButton>

#include "form_fixture.h"
#include "rig/rig_parts.h"
#include "rig/rig_tools.h"
#include "support/picture_compare.h"

namespace nabrilo::testing {
namespace {

TEST_F(FormTest, SwitchingModesStartsANewPictureAndMarksOnlyTheRigOne) {
  form->Picture_Canvas().SetPixel(100, 100, clRed);
  form->Undo_State = TForm_Main::kUndoRecorded;
  form->Btn_Undo_1->setEnabled(true);
  form->Btn_Undo_2->setEnabled(true);
  form->Set_Outer_Size(900, 700);

  Click(form->Btn_Shikake_Or_Point);  // into map mode
  EXPECT_EQ(form->Btn_Shikake_Or_Point->Caption(), "ポイント");
  EXPECT_FALSE(form->Is_Rig_Mode());
  EXPECT_EQ(form->Image1->Picture().Image(), WhitePicture(500, 500));
  EXPECT_EQ(form->Image1->geometry(), QRect(6, 6, 500, 500));
  EXPECT_EQ(form->Undo_State, TForm_Main::kUndoEmpty);
  EXPECT_FALSE(form->Btn_Undo_1->isEnabled());
  EXPECT_FALSE(form->Btn_Undo_2->isEnabled());
  EXPECT_EQ(form->Label_Size->Caption(), "BitMapのサイズ　500 * 500");
  EXPECT_EQ(form->Outer_Size(), QSize(900, 700));
  QWidget* at = form->childAt(form->Panel_Point->geometry().topLeft() + QPoint(100, 100));
  EXPECT_TRUE(form->Panel_Point->isAncestorOf(at)) << (at ? at->objectName().toStdString() : "");
  EXPECT_TRUE(form->S2_Btn0->Down());
  EXPECT_EQ(form->Point_Tag, 0);

  form->Undo_State = TForm_Main::kUndoFirst;
  form->Btn_Undo_1->setEnabled(true);
  Click(form->Btn_Shikake_Or_Point);  // back into rig mode
  EXPECT_EQ(form->Btn_Shikake_Or_Point->Caption(), "仕掛け図");
  EXPECT_EQ(form->Undo_State, TForm_Main::kUndoEmpty);
  EXPECT_FALSE(form->Btn_Undo_1->isEnabled());
  EXPECT_TRUE(form->S_Btn_Default->Down());
  at = form->childAt(form->Panel_Shikake->geometry().topLeft() + QPoint(100, 100));
  EXPECT_TRUE(form->Panel_Shikake->isAncestorOf(at));

  // The picture carries the mode's name, as the canvas writes it on a fresh picture.
  Bitmap expected(500, 500);
  expected.GetCanvas().TextOut(5, 2, QStringLiteral("仕掛け図"));
  const PictureDiff diff = ComparePictures(expected.Image(), form->Image1->Picture().Image());
  EXPECT_TRUE(diff.same_size && diff.differing == 0) << diff.Describe();
  EXPECT_NE(form->Image1->Picture().Image(), WhitePicture(500, 500));
  const Canvas& canvas = form->Picture_Canvas();
  EXPECT_EQ(canvas.BrushColor(), clWhite);
  EXPECT_EQ(canvas.BrushStyle(), bsSolid);
  EXPECT_EQ(canvas.PenColor(), clBlack);
  EXPECT_EQ(canvas.PenWidth(), 1);
  EXPECT_EQ(canvas.PenMode(), pmCopy);
}

TEST_F(FormTest, EnteringMapModeFromTheLineBankEndsInTheBreakwaterBank) {
  Click(form->Btn_Shikake_Or_Point);
  form->R_Group1->SetItemIndex(1);
  EXPECT_TRUE(form->R_Group_line->isEnabled());
  Click(form->Btn_Shikake_Or_Point);
  Click(form->Btn_Shikake_Or_Point);  // rig → map with the line bank still selected
  EXPECT_EQ(form->R_Group1->ItemIndex(), 0);
  EXPECT_EQ(form->S2_Btn1->Glyph(), form->ImageList1->GetBitmap(0).Image());
  EXPECT_EQ(form->S2_Btn9->Glyph(), form->ImageList1->GetBitmap(8).Image());
  EXPECT_TRUE(form->Edit_Haba->isEnabled());
  EXPECT_TRUE(form->UpDown1->isEnabled());
  EXPECT_TRUE(form->Label_Hato->isEnabled());
  EXPECT_FALSE(form->R_Group2->isEnabled());
  EXPECT_FALSE(form->R_Group_line->isEnabled());
  EXPECT_FALSE(form->R_Group_Keshigomu->isEnabled());
}

TEST_F(FormTest, EveryRigToolShowsItsTextAndItsCursorOverTheWholeWindow) {
  for (const RigTool& t : Rig_Tools()) {
    SCOPED_TRACE(t.button.name);
    TSpeedButton* button = form.get()->*t.button.field;
    Click(button);
    EXPECT_EQ(form->Buhin_Tag, t.tag);
    EXPECT_EQ(form->Label_Buhin->Caption(), QString::fromUtf16(t.text));
    EXPECT_EQ(ScreenCursor(), t.cursor);
    EXPECT_TRUE(button->Down());
    EXPECT_EQ(form->S_Btn_Default->Down(), t.tag == rig_tag::kNone);
  }
  // What a user sees of a few tools: the part's own picture as the cursor, with the hot spot where
  // the part will land; the pencil of the lines; the text beam; no cursor of its own.
  struct Golden {
    TSpeedButton* button;
    const char* text;
    Qt::CursorShape shape;
    QPoint hot_spot;
  };
  for (const Golden& g : {Golden{form->S_Btn_V_B_Hari, "大きい針", Qt::BitmapCursor, {11, 0}},
                          Golden{form->SpeedButton3, "大きい針", Qt::BitmapCursor, {29, 4}},
                          Golden{form->SpeedButton15, "細　ライン", Qt::BitmapCursor, {0, 31}},
                          Golden{form->SpeedButton29, "文字入力", Qt::IBeamCursor, {}},
                          Golden{form->SpeedButton25, "消しゴム　大", Qt::ArrowCursor, {}}}) {
    SCOPED_TRACE(g.text);
    Click(g.button);
    EXPECT_EQ(form->Label_Buhin->Caption(), QString::fromUtf8(g.text));
    const QCursor* shown = QGuiApplication::overrideCursor();
    if (g.shape == Qt::ArrowCursor) {
      EXPECT_EQ(shown, nullptr);
      continue;
    }
    ASSERT_NE(shown, nullptr);
    EXPECT_EQ(shown->shape(), g.shape);
    if (g.shape == Qt::BitmapCursor) {
      EXPECT_EQ(shown->hotSpot(), g.hot_spot);
      EXPECT_EQ(shown->bitmap().size(), QSize(32, 32));
    }
  }
  Click(form->S_Btn_Default);
  EXPECT_EQ(form->Buhin_Tag, rig_tag::kNone);
  EXPECT_EQ(form->Label_Buhin->Caption(), "");
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST_F(FormTest, TheRodButtonsDrawTheirRodAtOnce) {
  Click(form->SpeedButton15);
  Click(form->SpeedButton13);
  EXPECT_EQ(form->Buhin_Tag, rig_tag::kRodSpinning);
  EXPECT_EQ(form->Label_Buhin->Caption(), "");
  EXPECT_EQ(ScreenCursor(), 0);
  Bitmap spinning(500, 500);
  DrawRodSpinning(spinning.GetCanvas(), 0, 0);
  EXPECT_EQ(ComparePictures(spinning.Image(), form->Image1->Picture().Image()).differing, 0);

  Click(form->Btn_Shikake_Or_Point);
  Click(form->Btn_Shikake_Or_Point);
  Click(form->SpeedButton14);
  EXPECT_EQ(form->Buhin_Tag, rig_tag::kRodRevolving);
  Bitmap revolving(500, 500);
  revolving.GetCanvas().TextOut(5, 2, QStringLiteral("仕掛け図"));
  DrawRodRevolving(revolving.GetCanvas(), 0, 0);
  EXPECT_EQ(ComparePictures(revolving.Image(), form->Image1->Picture().Image()).differing, 0);
}

TEST_F(FormTest, ClickingThePressedToolChoosesItAgain) {
  Click(form->SpeedButton9);
  form->Buhin_Tag = rig_tag::kNone;
  Click(form->SpeedButton9);
  EXPECT_EQ(form->Buhin_Tag, rig_tag::kVOmori);
  EXPECT_TRUE(form->SpeedButton9->Down());
}

TEST_F(FormTest, MovingOntoTheHeaderOrTheColourFrameDropsTheRigTool) {
  auto choose_stamp = [&] {
    Click(form->S_Btn_V_B_Hari);
    ASSERT_EQ(ScreenCursor(), 12);
  };
  // Over a child control of the header nothing happens.
  choose_stamp();
  QTest::mouseMove(form->Panel2, form->Btn_File->geometry().center());
  EXPECT_EQ(form->Buhin_Tag, rig_tag::kVBHari);
  // Over the header's own area the tool is dropped.
  QTest::mouseMove(form->Panel2, QPoint(280, 50));
  EXPECT_EQ(form->Buhin_Tag, rig_tag::kNone);
  EXPECT_TRUE(form->S_Btn_Default->Down());
  EXPECT_EQ(form->Label_Buhin->Caption(), "");
  EXPECT_EQ(ScreenCursor(), 0);
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);

  choose_stamp();
  QTest::mouseMove(form->Panel_Color, form->ColorBox1->geometry().center());
  EXPECT_EQ(form->Buhin_Tag, rig_tag::kVBHari);
  QTest::mouseMove(form->Panel_Color, QPoint(2, 14));
  EXPECT_EQ(form->Buhin_Tag, rig_tag::kNone);
  EXPECT_TRUE(form->S_Btn_Default->Down());

  // The undo button (enabled, as after a drawing) only restores the arrow; the tool stays.
  form->Btn_Undo_1->setEnabled(true);
  choose_stamp();
  QTest::mouseMove(form->Btn_Undo_1, QPoint(10, 10));
  EXPECT_EQ(ScreenCursor(), 0);
  EXPECT_EQ(form->Buhin_Tag, rig_tag::kVBHari);
  EXPECT_TRUE(form->S_Btn_V_B_Hari->Down());
  EXPECT_EQ(form->Label_Buhin->Caption(), "大きい針");

  // In map mode the header drops the rig tool too, and leaves the map tool alone.
  Click(form->Btn_Shikake_Or_Point);
  Click(form->S2_Btn3);
  form->Buhin_Tag = rig_tag::kOmoriKotei;
  QTest::mouseMove(form->Panel2, QPoint(280, 50));
  EXPECT_EQ(form->Buhin_Tag, rig_tag::kNone);
  EXPECT_EQ(form->Point_Tag, 103);
}

struct MapTool {
  int bank;
  const char* button;
  const char* text;
  int preview;  // -1: none
};

// A few tools of each bank, as a user would check them.
constexpr MapTool kMapTools[] = {
    {0, "S2_Btn1", "", 0},
    {0, "S2_Btn9", "", 8},
    {1, "S2_Btn3", "斜め線", -1},
    {1, "S2_Btn8", "丸四角", 16},
    {2, "S2_Btn3", "三角　波消", 20},
    {2, "S2_Btn8", "文字入力", 25},
    {2, "S2_Btn9", "消しゴム", 26},
};

TEST_F(FormTest, EveryMapToolShowsItsTextAndPreviewByBank) {
  Click(form->Btn_Shikake_Or_Point);
  for (const MapTool& t : kMapTools) {
    SCOPED_TRACE(std::string(t.button) + " bank " + std::to_string(t.bank));
    form->R_Group1->SetItemIndex(t.bank);
    auto* button = Find<TSpeedButton>(t.button);
    Click(button);
    EXPECT_EQ(form->Point_Tag, button->Tag());
    EXPECT_EQ(form->Label_Point->Caption(), QString::fromUtf8(t.text));
    const QImage& preview = form->Image_H->Picture().Image();
    if (t.preview < 0) {
      EXPECT_TRUE(preview.isNull());
    } else {
      EXPECT_EQ(preview, form->ImageList1->GetBitmap(t.preview).Image());
      EXPECT_EQ(form->Image_H->PictureOffset(), QPoint(8, 8));  // centred in 49 × 49
    }
    EXPECT_EQ(form->R_Group_Keshigomu->isEnabled(), t.bank == 2 && button->Tag() == 109);
    EXPECT_EQ(ScreenCursor(), 0);
  }
  Click(form->S2_Btn0);
  EXPECT_EQ(form->Point_Tag, 0);
  EXPECT_TRUE(form->Image_H->Picture().Image().isNull());
  EXPECT_EQ(form->Label_Point->Caption(), "");
}

TEST_F(FormTest, ABankSwitchShowsItsGlyphsAndDropsTheMapToolButNotTheEraserSize) {
  Click(form->Btn_Shikake_Or_Point);
  form->UpDown1->StepUp();
  form->R_Group1->SetItemIndex(2);
  Click(form->S2_Btn9);  // the parts-bank eraser
  ASSERT_TRUE(form->R_Group_Keshigomu->isEnabled());
  form->Mouse_Held = true;

  QTest::mouseClick(form->R_Group1->Item(1), Qt::LeftButton);
  EXPECT_EQ(form->R_Group1->ItemIndex(), 1);
  for (int i = 1; i <= 9; ++i) {
    auto* b = Find<TSpeedButton>(("S2_Btn" + std::to_string(i)).c_str());
    EXPECT_EQ(b->Glyph(), form->ImageList1->GetBitmap(8 + i).Image()) << i;
  }
  EXPECT_EQ(form->Point_Tag, 0);
  EXPECT_FALSE(form->Mouse_Held);
  EXPECT_EQ(form->Label_Point->Caption(), "");
  EXPECT_TRUE(form->Image_H->Picture().Image().isNull());
  EXPECT_TRUE(form->R_Group_Keshigomu->isEnabled());
  EXPECT_TRUE(form->R_Group2->isEnabled());
  EXPECT_TRUE(form->R_Group_line->isEnabled());
  EXPECT_FALSE(form->Edit_Haba->isEnabled());
  EXPECT_FALSE(form->UpDown1->isEnabled());
  EXPECT_FALSE(form->Label_Hato->isEnabled());
  EXPECT_EQ(form->Edit_Haba->Text(), "25");
  // The pressed button stays pressed with its new glyph; clicking it chooses it.
  EXPECT_TRUE(form->S2_Btn9->Down());
  Click(form->S2_Btn9);
  EXPECT_EQ(form->Point_Tag, 109);
  EXPECT_EQ(form->Label_Point->Caption(), "丸");
  EXPECT_FALSE(form->R_Group_Keshigomu->isEnabled());

  QTest::mouseClick(form->R_Group1->Item(0), Qt::LeftButton);
  EXPECT_TRUE(form->Edit_Haba->isEnabled());
  EXPECT_FALSE(form->R_Group2->isEnabled());
}

TEST_F(FormTest, TheBreakwaterWidthStepsByFiveBetweenItsLimitsAndCannotBeTyped) {
  Click(form->Btn_Shikake_Or_Point);
  QToolButton* up = form->UpDown1->UpButton();
  QToolButton* down = form->UpDown1->DownButton();
  Click(up);
  EXPECT_EQ(form->Edit_Haba->Text(), "25");
  for (int i = 0; i < 20; ++i) Click(up);
  EXPECT_EQ(form->Edit_Haba->Text(), "100");
  EXPECT_EQ(form->UpDown1->Position(), 100);
  Click(down);
  EXPECT_EQ(form->Edit_Haba->Text(), "95");
  for (int i = 0; i < 30; ++i) Click(down);
  EXPECT_EQ(form->Edit_Haba->Text(), "20");

  form->Edit_Haba->setFocus();
  QTest::keyClicks(form->Edit_Haba, "55");
  QTest::keyClick(form->Edit_Haba, Qt::Key_Backspace);
  EXPECT_EQ(form->Edit_Haba->Text(), "20");
}

TEST_F(FormTest, TheCloseButtonClosesTheWindowWithoutAQuestion) {
  Click(form->Button1);
  EXPECT_FALSE(form->isVisible());
  EXPECT_TRUE(dialogs.shown.empty());
}

}  // namespace
}  // namespace nabrilo::testing
