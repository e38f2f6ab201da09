// The two editing modes and the map palette's banks and tools.
#include "app/form_main.h"
#include "map/map_tools.h"
#include "platform/controls.h"
#include "platform/cursors.h"

namespace nabrilo {

namespace {

const QString kRigCaption = QStringLiteral("仕掛け図");
const QString kMapCaption = QStringLiteral("ポイント");

using map_tools::kEraserTag;
using map_tools::kHatoBank;
using map_tools::kLineBank;
using map_tools::kPartsBank;

constexpr int kNoPreview = -1;

struct MapTool {
  const char16_t* text;        // Label_Point while the tool is chosen
  int preview;                 // picture of ImageList1, or kNoPreview
  const char16_t* name = u"";  // what the button is called where it has no text
};

// Tags 101 to 109 of each bank. The breakwater tools show no text; their names tell the three
// ends (open at the start, closed, open at both ends) and where the inner line runs.
constexpr MapTool kHatoBankTools[] = {{u"", 0, u"波止　始端開き"},
                                      {u"", 1, u"波止　始端開き　軸寄りの線"},
                                      {u"", 2, u"波止　始端開き　外寄りの線"},
                                      {u"", 3, u"波止　閉じた帯"},
                                      {u"", 4, u"波止　閉じた帯　軸寄りの線"},
                                      {u"", 5, u"波止　閉じた帯　外寄りの線"},
                                      {u"", 6, u"波止　両端開き"},
                                      {u"", 7, u"波止　両端開き　軸寄りの線"},
                                      {u"", 8, u"波止　両端開き　外寄りの線"}};
constexpr MapTool kLineBankTools[] = {
    {u"縦線", kNoPreview},   {u"横線", kNoPreview},   {u"斜め線", kNoPreview},
    {u"自由線", kNoPreview}, {u"矢印線", kNoPreview}, {u"×付線", kNoPreview},
    {u"四角", 15},           {u"丸四角", 16},         {u"丸", 17}};
constexpr MapTool kPartsBankTools[] = {
    {u"テトラポッド", 18}, {u"テトラポッド", 19}, {u"三角　波消", 20},
    {u"四角　波消", 21},   {u"砂浜", 22},         {u"岩場", 23},
    {u"駐車場", 24},       {u"文字入力", 25},     {u"消しゴム", 26}};

int Tag_Of(QObject* sender) {
  const auto* button = qobject_cast<TSpeedButton*>(sender);
  return button ? button->Tag() : 0;
}

std::optional<MapTool> Map_Tool(int bank, int tag) {
  if (!map_tools::IsToolTag(tag)) return std::nullopt;
  const int i = tag - map_tools::kFirstTag;
  switch (bank) {
    case kHatoBank:
      return kHatoBankTools[i];
    case kLineBank:
      return kLineBankTools[i];
    case kPartsBank:
      return kPartsBankTools[i];
    default:
      return std::nullopt;
  }
}

}  // namespace

QString TForm_Main::Map_Tool_Name(int bank, int tag) {
  if (tag == 0) return QStringLiteral("道具なし");
  const std::optional<MapTool> tool = Map_Tool(bank, tag);
  if (!tool) return {};
  return QString::fromUtf16(tool->text[0] != u'\0' ? tool->text : tool->name);
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
  if (bank < kHatoBank || bank > kPartsBank) return;
  for (int i = 0; i < 9; ++i) {
    auto* button = findChild<TSpeedButton*>(QStringLiteral("S2_Btn%1").arg(i + 1));
    if (!button) continue;
    button->SetGlyph(ImageList1->GetBitmap(i + 9 * bank).Image());
    button->SetHint(Map_Tool_Name(bank, button->Tag()));
  }
}

void TForm_Main::S2_Btn_Click(QObject* Sender) {
  Point_Tag = Tag_Of(Sender);
  Image_H->Clear();
  Label_Point->SetCaption(QString());
  R_Group_Keshigomu->setEnabled(false);
  const int bank = R_Group1->ItemIndex();
  const std::optional<MapTool> tool = Map_Tool(bank, Point_Tag);
  if (!tool) return;
  Label_Point->SetCaption(QString::fromUtf16(tool->text));
  if (tool->preview != kNoPreview) Image_H->SetPicture(ImageList1->GetBitmap(tool->preview));
  if (bank == kPartsBank && Point_Tag == kEraserTag) R_Group_Keshigomu->setEnabled(true);
}

}  // namespace nabrilo
