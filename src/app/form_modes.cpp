// The two editing modes and the map palette's banks and tools.
#include "app/form_main.h"
#include "map/map_tools.h"
#include "platform/controls.h"
#include "platform/cursors.h"

namespace nabrilo {

namespace {

const QString kRigCaption = QStringLiteral("仕掛け図");
const QString kMapCaption = QStringLiteral("ポイント");

using map_tools::kHatoBank;
using map_tools::kLineBank;
using map_tools::MapTool;

int Button_Tag(QObject* sender) {
  const auto* button = qobject_cast<TSpeedButton*>(sender);
  return button ? button->Tag() : 0;
}

}  // namespace

QString TForm_Main::Map_Tool_Name(int bank, int tag) {
  if (tag == 0) return QStringLiteral("道具なし");
  const MapTool* tool = map_tools::Find_Map_Tool(bank, tag);
  return tool ? QString::fromUtf16(tool->name) : QString();
}

void TForm_Main::Btn_Shikake_Or_PointClick(QObject*) {
  New_Picture();
  if (Is_Rig_Mode()) {
    Panel_Point->raise();
    Btn_Shikake_Or_Point->SetCaption(kMapCaption);
    Set_S2_Glyphs();
    R_Group1->SetItemIndex(kHatoBank);  // runs R_Group1Click when the bank changes
    R_Group2->setEnabled(false);
    R_Group_line->setEnabled(false);
    R_Group_Keshigomu->setEnabled(false);
    Edit_Haba->setEnabled(true);
    UpDown1->setEnabled(true);
    Label_Hato->setEnabled(true);
    Label_Point->SetCaption(QString());
    Image_H->Clear();
    S2_Btn0->SetDown(true);
    Point_Tag = 0;
  } else {
    Panel_Shikake->raise();
    Canvas& canvas = Picture_Canvas();
    canvas.TextOut(5, 2, kRigCaption);
    canvas.SetBrushColor(clWhite);
    canvas.SetPenColor(clBlack);
    canvas.SetPenWidth(1);
    Btn_Shikake_Or_Point->SetCaption(kRigCaption);
    S_Btn_Default->SetDown(true);
  }
  Undo_State = kUndoEmpty;
  Btn_Undo_1->setEnabled(false);
  Btn_Undo_2->setEnabled(false);
  Label_Size->SetCaption(Size_Text(Image1->width(), Image1->height()));
}

void TForm_Main::R_Group1Click(QObject*) {
  const int bank = R_Group1->ItemIndex();
  Set_S2_Glyphs();
  Mouse_Held = false;
  Image_H->Clear();
  Point_Tag = 0;
  Label_Point->SetCaption(QString());
  R_Group2->setEnabled(bank == kLineBank);
  R_Group_line->setEnabled(bank == kLineBank);
  Edit_Haba->setEnabled(bank == kHatoBank);
  UpDown1->setEnabled(bank == kHatoBank);
  Label_Hato->setEnabled(bank == kHatoBank);
}

void TForm_Main::Set_S2_Glyphs() {
  const int bank = R_Group1->ItemIndex();
  for (const MapTool& t : map_tools::Map_Tools()) {
    if (t.bank != bank) continue;
    auto* button = findChild<TSpeedButton*>(QStringLiteral("S2_Btn%1").arg(t.tag - 100));
    if (!button) continue;
    button->SetGlyph(ImageList1->GetBitmap(map_tools::Picture_Of(t)).Image());
    button->SetHint(Map_Tool_Name(bank, t.tag));
  }
}

void TForm_Main::S2_Btn_Click(QObject* Sender) {
  Point_Tag = Button_Tag(Sender);
  Image_H->Clear();
  Label_Point->SetCaption(QString());
  R_Group_Keshigomu->setEnabled(false);
  const MapTool* tool = map_tools::Find_Map_Tool(R_Group1->ItemIndex(), Point_Tag);
  if (!tool) return;
  Label_Point->SetCaption(QString::fromUtf16(tool->text));
  if (tool->preview) Image_H->SetPicture(ImageList1->GetBitmap(map_tools::Picture_Of(*tool)));
  // The map eraser's size is chosen while it is the tool.
  if (tool->gesture == map_tools::MapGesture::Eraser) R_Group_Keshigomu->setEnabled(true);
}

}  // namespace nabrilo
