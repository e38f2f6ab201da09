// The two tool palettes as designed: the rig palette (Panel_Shikake) with the colour box and the
// load buttons below it, and the map palette (Panel_Point) that covers its upper part.
#include <QAbstractItemView>

#include "app/form_build.h"
#include "app/form_main.h"
#include "map/map_tools.h"
#include "platform/controls.h"
#include "platform/fonts.h"
#include "rig/rig_tools.h"

namespace nabrilo {

namespace {

struct SpeedButtonSpec {
  TSpeedButton* TForm_Main::*field;
  const char* name;
  int tag;
  int left, top;
  TButtonLayout layout;
};

constexpr auto kLeft = TButtonLayout::blGlyphLeft;

constexpr SpeedButtonSpec kMapButtons[] = {
    {&TForm_Main::S2_Btn0, "S2_Btn0", 0, 16, 8, kLeft},
    {&TForm_Main::S2_Btn1, "S2_Btn1", 101, 16, 112, kLeft},
    {&TForm_Main::S2_Btn2, "S2_Btn2", 102, 56, 112, kLeft},
    {&TForm_Main::S2_Btn3, "S2_Btn3", 103, 96, 112, kLeft},
    {&TForm_Main::S2_Btn4, "S2_Btn4", 104, 16, 152, kLeft},
    {&TForm_Main::S2_Btn5, "S2_Btn5", 105, 56, 152, kLeft},
    {&TForm_Main::S2_Btn6, "S2_Btn6", 106, 96, 152, kLeft},
    {&TForm_Main::S2_Btn7, "S2_Btn7", 107, 16, 192, kLeft},
    {&TForm_Main::S2_Btn8, "S2_Btn8", 108, 56, 192, kLeft},
    {&TForm_Main::S2_Btn9, "S2_Btn9", 109, 96, 192, kLeft},
};

// A speed button of a palette: 41 × 41, in the palette's exclusive group, its glyph from the
// artwork.
TSpeedButton* Speed_Button(QWidget* panel, const char* name, int tag, int left, int top,
                           TButtonLayout layout, int group_index) {
  auto* b = new TSpeedButton(panel);
  PlaceControl(b, name, left, top, 41, 41);
  b->SetTag(tag);
  b->SetGroupIndex(group_index);
  b->SetLayout(layout);
  b->SetGlyph(Artwork(QStringLiteral(":/glyphs/%1.nbrp").arg(QLatin1String(name))));
  return b;
}

TLabel* Label_At(QWidget* parent, const char* name, int left, int top, const QString& caption,
                 int font_height = 0) {
  auto* l = new TLabel(parent);
  PlaceControl(l, name, left, top, 0, 0);
  if (font_height > 0) l->setFont(UiFont(font_height));
  l->SetCaption(caption);
  return l;
}

TButton* Button_At(QWidget* parent, const char* name, int left, int top, int width, int height,
                   const QString& caption) {
  auto* b = new TButton(parent);
  PlaceControl(b, name, left, top, width, height);
  b->SetCaption(caption);
  return b;
}

TRadioGroup* Radio_Group(QWidget* parent, const char* name, int left, int top, int width,
                         int height, const QString& caption, int columns, const QStringList& items,
                         int index) {
  auto* g = new TRadioGroup(parent, caption, columns, items);
  PlaceControl(g, name, left, top, width, height);
  g->SetItemIndex(index);
  return g;
}

}  // namespace

void Build_Rig_Palette(TForm_Main& f) {
  f.Panel_Shikake = new TPanel(&f);
  PlaceControl(f.Panel_Shikake, "Panel_Shikake", 512, 59, 200, 511);
  SetAnchors(f.Panel_Shikake, akTop | akRight | akBottom);
  QWidget* p = f.Panel_Shikake;

  f.Bevel1 = new TBevel(p, true);
  PlaceControl(f.Bevel1, "Bevel1", 8, 458, 181, 50);
  for (const RigTool& t : Rig_Tools()) {
    const RigToolButton& b = t.button;
    f.*b.field = Speed_Button(p, b.name, t.tag, b.left, b.top, b.layout, 1);
    (f.*b.field)->SetHint(Rig_Tool_Name(t));
    if (t.stroke.pose) (f.*b.field)->setAccessibleDescription(QString::fromUtf16(t.stroke.pose));
  }
  f.SpeedButton13->resize(81, 41);  // the rod buttons are twice as wide
  f.SpeedButton14->resize(81, 41);
  for (TSpeedButton* rod : {f.SpeedButton13, f.SpeedButton14}) {
    QFont font = WindowFont();  // condensed, so that "ｽﾋﾟﾆﾝｸﾞﾘｰﾙ" stays inside the bevel
    font.setStretch(QFont::SemiCondensed);
    rod->setFont(font);
  }
  f.S_Btn_Default->SetDown(true);

  f.Label_Buhin = Label_At(p, "Label_Buhin", 72, 8, QStringLiteral("Label_Buhin"));
  f.Btn_Undo_1 = Button_At(p, "Btn_Undo_1", 96, 24, 81, 25, QStringLiteral("戻　る"));

  f.Panel_Color = new TPanel(p);
  PlaceControl(f.Panel_Color, "Panel_Color", 8, 429, 181, 29);
  f.Panel_Color->SetBevels(TBevelCut::bvRaised, TBevelCut::bvLowered);
  f.ColorBox1 = new TColorBox(f.Panel_Color);
  PlaceControl(f.ColorBox1, "ColorBox1", 5, 4, 173, 22);
  f.ColorBox1->SetSelected(clBlack);
  f.ColorBox1->setAccessibleName(QStringLiteral("描く色"));
  f.ColorBox1->setAccessibleDescription(QStringLiteral("描く色"));  // its name is the colour chosen
  f.ColorBox1->view()->setAccessibleName(QStringLiteral("描く色"));  // its drop-down list

  f.Label3 = Label_At(p, "Label3", 21, 465, QStringLiteral("編集用　読込"), 11);
  f.Label4 = Label_At(p, "Label4", 114, 467, QStringLiteral("BitMap Only"));
  f.Label4->setFont(UiFont(11, true));
  f.Label4->SetFontColor(clRed);
  f.Label4->SetCaption(f.Label4->Caption());  // size it to its own font
  f.Btn_ClipBord = Button_At(p, "Btn_ClipBord", 14, 478, 86, 25, QStringLiteral("ｸﾘｯﾌﾟﾎﾞｰﾄﾞから"));
  // Condensed, so that the caption fits its button at the height of its neighbour's.
  QFont condensed = UiFont(13);
  condensed.setStretch(QFont::SemiCondensed);
  f.Btn_ClipBord->setFont(condensed);
  f.Button4 = Button_At(p, "Button4", 99, 478, 86, 25, QStringLiteral("ファイルから"));
  f.Button4->setFont(UiFont(13));
}

void Build_Map_Palette(TForm_Main& f) {
  f.Panel_Point = new TPanel(&f);
  PlaceControl(f.Panel_Point, "Panel_Point", 512, 59, 199, 426);
  SetAnchors(f.Panel_Point, akTop | akRight);
  QWidget* p = f.Panel_Point;

  f.Bevel2 = new TBevel(p, false);
  PlaceControl(f.Bevel2, "Bevel2", 140, 112, 57, 98);
  for (const SpeedButtonSpec& s : kMapButtons) {
    f.*s.field = Speed_Button(p, s.name, s.tag, s.left, s.top, s.layout, 2);
    (f.*s.field)->SetCaption(QString::number(s.tag == 0 ? 0 : s.tag - 100));
    (f.*s.field)->SetHint(TForm_Main::Map_Tool_Name(map_tools::kHatoBank, s.tag));
  }
  f.S2_Btn0->SetDown(true);

  f.Label_Point = Label_At(p, "Label_Point", 72, 8, QString());
  f.Btn_Undo_2 = Button_At(p, "Btn_Undo_2", 96, 24, 81, 25, QStringLiteral("戻　る"));
  f.R_Group1 =
      Radio_Group(p, "R_Group1", 16, 59, 169, 46, QStringLiteral("ボタン選択"), 3,
                  {QStringLiteral("波止"), QStringLiteral("線"), QStringLiteral("部品")}, 0);

  f.Image_H = new TImage(p);
  PlaceControl(f.Image_H, "Image_H", 144, 116, 49, 49);
  f.Image_H->SetCenter(true);
  f.Label_Hato = Label_At(p, "Label_Hato", 142, 164, QStringLiteral("波止の幅"), 13);
  f.Edit_Haba = new TEdit(p);
  PlaceControl(f.Edit_Haba, "Edit_Haba", 144, 180, 33, 23);
  f.Edit_Haba->setReadOnly(true);
  f.UpDown1 = new TUpDown(p);
  PlaceControl(f.UpDown1, "UpDown1", 177, 180, 16, 23);
  f.UpDown1->SetRange(20, 100);
  f.UpDown1->SetIncrement(5);
  f.UpDown1->SetPosition(20);
  f.UpDown1->Associate(f.Edit_Haba);
  f.Edit_Haba->setAccessibleName(QStringLiteral("波止の幅"));
  f.UpDown1->setAccessibleName(QStringLiteral("波止の幅"));
  f.UpDown1->UpButton()->setAccessibleName(QStringLiteral("波止の幅を広く"));
  f.UpDown1->DownButton()->setAccessibleName(QStringLiteral("波止の幅を狭く"));
  f.Image_H->setAccessibleName(QStringLiteral("選んだ道具の見本"));

  f.R_Group_line =
      Radio_Group(p, "R_Group_line", 16, 240, 161, 41, QStringLiteral("線の太さ"), 3,
                  {QStringLiteral("細"), QStringLiteral("太"), QStringLiteral("極太")}, 1);
  f.R_Group2 = Radio_Group(p, "R_Group2", 16, 280, 161, 41, QStringLiteral("塗りつぶし"), 2,
                           {QStringLiteral("有"), QStringLiteral("無")}, 1);
  f.R_Group_Keshigomu =
      Radio_Group(p, "R_Group_Keshigomu", 16, 320, 161, 41, QStringLiteral("消しゴムの大きさ"), 2,
                  {QStringLiteral("小"), QStringLiteral("大")}, 0);
  // The breakwater bank is the one shown at first: only its width controls are in use.
  f.R_Group_line->setEnabled(false);
  f.R_Group2->setEnabled(false);
  f.R_Group_Keshigomu->setEnabled(false);
}

}  // namespace nabrilo
