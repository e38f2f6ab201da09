// The window's rig routines: each draws its part on the picture through the shared tables.
#include "app/form_main.h"
#include "rig/rig_parts.h"

namespace nabrilo {

void TForm_Main::Stamp_V_Sarukan(int x, int y) {
  DrawRigStamp(Picture_Canvas(), 1, x, y);
}
void TForm_Main::Stamp_H_Sarukan(int x, int y) {
  DrawRigStamp(Picture_Canvas(), 2, x, y);
}
void TForm_Main::Stamp_V_Big_Sarukan(int x, int y) {
  DrawRigStamp(Picture_Canvas(), 3, x, y);
}
void TForm_Main::Stamp_H_Big_Sarukan(int x, int y) {
  DrawRigStamp(Picture_Canvas(), 4, x, y);
}
void TForm_Main::Stamp_Omori_Kotei(int x, int y) {
  DrawRigStamp(Picture_Canvas(), 5, x, y);
}
void TForm_Main::Stamp_Omori_Yudou(int x, int y) {
  DrawRigStamp(Picture_Canvas(), 6, x, y);
}
void TForm_Main::Stamp_V_Omori(int x, int y) {
  DrawRigStamp(Picture_Canvas(), 7, x, y);
}
void TForm_Main::Stamp_H_Omori(int x, int y) {
  DrawRigStamp(Picture_Canvas(), 8, x, y);
}
void TForm_Main::Stamp_H_M_Hari(int x, int y) {
  DrawRigStamp(Picture_Canvas(), 9, x, y);
}
void TForm_Main::Stamp_V_M_Hari(int x, int y) {
  DrawRigStamp(Picture_Canvas(), 10, x, y);
}
void TForm_Main::Stamp_H_B_Hari(int x, int y) {
  DrawRigStamp(Picture_Canvas(), 11, x, y);
}
void TForm_Main::Stamp_V_B_Hari(int x, int y) {
  DrawRigStamp(Picture_Canvas(), 12, x, y);
}
void TForm_Main::Stamp_H_M_Hari_Mirror(int x, int y) {
  DrawRigStamp(Picture_Canvas(), 31, x, y);
}
void TForm_Main::Stamp_V_M_Hari_Mirror(int x, int y) {
  DrawRigStamp(Picture_Canvas(), 32, x, y);
}
void TForm_Main::Stamp_H_B_Hari_Mirror(int x, int y) {
  DrawRigStamp(Picture_Canvas(), 33, x, y);
}
void TForm_Main::Stamp_V_B_Hari_Mirror(int x, int y) {
  DrawRigStamp(Picture_Canvas(), 34, x, y);
}

void TForm_Main::Draw_Rod_Spinning(int x, int y) {
  DrawRodSpinning(Picture_Canvas(), x, y);
}
void TForm_Main::Draw_Rod_Revolving(int x, int y) {
  DrawRodRevolving(Picture_Canvas(), x, y);
}

}  // namespace nabrilo
