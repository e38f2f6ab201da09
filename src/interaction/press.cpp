// The press on the picture (and on the bare window): stamps at the screen pointer, the start of
// strokes, the text field; in map mode the map press.
#include <QCursor>

#include "app/form_main.h"
#include "platform/cursors.h"

namespace nabrilo {

namespace {

enum class Press {
  Nothing,
  StampAndReset,  // the stamp at (Press_X, Press_Y), tool none, snapshot, default cursor
  RodDone,        // tool none, snapshot of the rod drawn when it was chosen
  Trail,          // Trail_Start at the event's point
  StrokeStart,    // Line_Mode, Start_X/Start_Y and the pen position at the event's point
  Eraser,         // Line_Mode 1; the eraser is under the pointer
  Text,           // Start_X/Start_Y, then the rig text field
};

struct RigPress {
  int tag;
  Press action;
  void (TForm_Main::*stamp)(int, int) = nullptr;
  int line_mode = 0;
};

using F = TForm_Main;

constexpr RigPress kRigPresses[] = {
    {0, Press::Nothing},
    {1, Press::StampAndReset, &F::Stamp_V_Sarukan},
    {2, Press::StampAndReset, &F::Stamp_H_Sarukan},
    {3, Press::StampAndReset, &F::Stamp_V_Big_Sarukan},
    {4, Press::StampAndReset, &F::Stamp_H_Big_Sarukan},
    {5, Press::StampAndReset, &F::Stamp_Omori_Kotei},
    {6, Press::StampAndReset, &F::Stamp_Omori_Yudou},
    {7, Press::StampAndReset, &F::Stamp_V_Omori},
    {8, Press::StampAndReset, &F::Stamp_H_Omori},
    {9, Press::StampAndReset, &F::Stamp_H_M_Hari},
    {10, Press::StampAndReset, &F::Stamp_V_M_Hari},
    {11, Press::StampAndReset, &F::Stamp_H_B_Hari},
    {12, Press::StampAndReset, &F::Stamp_V_B_Hari},
    {13, Press::RodDone},
    // The revolving-reel rod ends like its twin, so that the rod drawn at selection can be undone.
    {14, Press::RodDone},
    {15, Press::Trail},
    {16, Press::Trail},
    {17, Press::Trail},
    {18, Press::Trail},
    {19, Press::Trail},
    {20, Press::Trail},
    {21, Press::StrokeStart, nullptr, 1},
    {22, Press::StrokeStart, nullptr, 1},
    {23, Press::StrokeStart, nullptr, 2},
    {24, Press::StrokeStart, nullptr, 3},
    {25, Press::Eraser},
    {26, Press::Eraser},
    {27, Press::StrokeStart, nullptr, 4},
    {28, Press::StrokeStart, nullptr, 5},
    {29, Press::Text},
    {30, Press::Trail},
    {31, Press::StampAndReset, &F::Stamp_H_M_Hari_Mirror},
    {32, Press::StampAndReset, &F::Stamp_V_M_Hari_Mirror},
    {33, Press::StampAndReset, &F::Stamp_H_B_Hari_Mirror},
    {34, Press::StampAndReset, &F::Stamp_V_B_Hari_Mirror},
};

const RigPress* Find_Rig_Press(int tag) {
  for (const RigPress& p : kRigPresses) {
    if (p.tag == tag) return &p;
  }
  return nullptr;
}

}  // namespace

void TForm_Main::_Image1_MouseDown_(QObject*, TMouseButton, TShiftState, int X, int Y) {
  // The stamp anchor is where the screen pointer is, whichever control reported the press.
  const QPoint anchor = Image1->mapFromGlobal(QCursor::pos()) - Image1->PictureOffset();
  Press_X = anchor.x();
  Press_Y = anchor.y();
  if (!Is_Rig_Mode()) {
    Map_Mouse_Down(X, Y);
    return;
  }
  const RigPress* press = Find_Rig_Press(Buhin_Tag);
  if (!press) return;
  switch (press->action) {
    case Press::Nothing:
      break;
    case Press::StampAndReset:
      (this->*press->stamp)(Press_X, Press_Y);
      Buhin_Tag = 0;
      Take_Snapshot();
      SetScreenCursor(crDefault);
      break;
    case Press::RodDone:
      Buhin_Tag = 0;
      Take_Snapshot();
      break;
    case Press::Trail:
      Trail_Start(X, Y);
      break;
    case Press::StrokeStart:
      Line_Mode = press->line_mode;
      Start_X = X;
      Start_Y = Y;
      Picture_Canvas().MoveTo(X, Y);
      break;
    case Press::Eraser:
      Line_Mode = 1;
      // The first disc of the drag falls where the eraser was last seen; moves the gate held back
      // would leave that somewhere the user never erased, so it starts at the press point.
      Last_X = X;
      Last_Y = Y;
      break;
    case Press::Text:
      Start_X = X;
      Start_Y = Y;
      Open_Text_Edit(Edit_X);
      break;
  }
}

}  // namespace nabrilo
