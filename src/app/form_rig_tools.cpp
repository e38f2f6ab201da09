// Choosing a rig tool: its status text and screen cursor, and the rods drawn at once.
#include "app/form_main.h"
#include "platform/controls.h"
#include "platform/cursors.h"

namespace nabrilo {

namespace {

struct RigTool {
  int tag;
  const char16_t* text;
  int cursor;
};

constexpr int kRodSpinning = 13;
constexpr int kRodRevolving = 14;

constexpr RigTool kRigTools[] = {
    {0, u"", crDefault},
    {1, u"小　ヨリモドシ", 1},
    {2, u"小　ヨリモドシ", 2},
    {3, u"大　ヨリモドシ", 3},
    {4, u"大　ヨリモドシ", 4},
    {5, u"固定テンビン", 5},
    {6, u"遊動テンビン", 6},
    {7, u"オモリ", 7},
    {8, u"オモリ", 8},
    {9, u"小さい針", 9},
    {10, u"小さい針", 10},
    {11, u"大きい針", 11},
    {12, u"大きい針", 12},
    {kRodSpinning, u"", crDefault},
    {kRodRevolving, u"", crDefault},
    {15, u"細　ライン", 21},
    {16, u"細　上向きの弧", 21},
    {17, u"細　下向きの弧", 21},
    {18, u"太　ライン", 21},
    {19, u"太　上向きの弧", 21},
    {20, u"太　下向きの弧", 21},
    {21, u"自由細　ライン", 21},
    {22, u"自由太　ライン", 21},
    {23, u"垂直　太　ライン", 21},
    {24, u"水平　太　ライン", 21},
    {25, u"消しゴム　大", crDefault},
    {26, u"消しゴム　小", crDefault},
    {27, u"垂直　細　ライン", 21},
    {28, u"水平　細　ライン", 21},
    {29, u"文字入力", crIBeam},
    {30, u"矢印", crDefault},
    {31, u"小さい針", 31},
    {32, u"小さい針", 32},
    {33, u"大きい針", 33},
    {34, u"大きい針", 34},
};

const RigTool* Find_Rig_Tool(int tag) {
  for (const RigTool& t : kRigTools) {
    if (t.tag == tag) return &t;
  }
  return nullptr;
}

}  // namespace

void TForm_Main::_cursor_sel_(QObject* Sender) {
  const auto* button = qobject_cast<TSpeedButton*>(Sender);
  Buhin_Tag = button ? button->Tag() : 0;
  Show_Buhin();
}

void TForm_Main::S_Btn_DefaultClick(QObject* Sender) {
  _cursor_sel_(Sender);
}

void TForm_Main::Show_Buhin() {
  const RigTool* tool = Find_Rig_Tool(Buhin_Tag);
  if (!tool) {
    SetScreenCursor(crDefault);
    return;
  }
  SetScreenCursor(tool->cursor);
  Label_Buhin->SetCaption(QString::fromUtf16(tool->text));
  if (Buhin_Tag == kRodSpinning) Draw_Rod_Spinning(0, 0);
  if (Buhin_Tag == kRodRevolving) Draw_Rod_Revolving(0, 0);
}

// Moving onto the header or the colour box frame puts the rig tool down.
void TForm_Main::Panel2MouseMove(QObject*, TShiftState, int, int) {
  S_Btn_Default->SetDown(true);
  Buhin_Tag = 0;
  Label_Buhin->SetCaption(QString());
  SetScreenCursor(crDefault);
}

void TForm_Main::Panel_ColorMouseMove(QObject* Sender, TShiftState Shift, int X, int Y) {
  Panel2MouseMove(Sender, Shift, X, Y);
}

void TForm_Main::Btn_Undo_1MouseMove(QObject*, TShiftState, int, int) {
  SetScreenCursor(crDefault);
}

}  // namespace nabrilo
