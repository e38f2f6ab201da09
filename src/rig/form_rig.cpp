// The window's rig routines: each draws its part on the picture through the shared tables.
#include "app/form_main.h"
#include "rig/rig_parts.h"
#include "rig/rig_tags.h"

namespace nabrilo {

void TForm_Main::Stamp_V_Sarukan(int x, int y) {
  DrawRigStamp(Picture_Canvas(), rig_tag::kVSarukan, x, y);
}
void TForm_Main::Stamp_H_Sarukan(int x, int y) {
  DrawRigStamp(Picture_Canvas(), rig_tag::kHSarukan, x, y);
}
void TForm_Main::Stamp_V_Big_Sarukan(int x, int y) {
  DrawRigStamp(Picture_Canvas(), rig_tag::kVBigSarukan, x, y);
}
void TForm_Main::Stamp_H_Big_Sarukan(int x, int y) {
  DrawRigStamp(Picture_Canvas(), rig_tag::kHBigSarukan, x, y);
}
void TForm_Main::Stamp_Omori_Kotei(int x, int y) {
  DrawRigStamp(Picture_Canvas(), rig_tag::kOmoriKotei, x, y);
}
void TForm_Main::Stamp_Omori_Yudou(int x, int y) {
  DrawRigStamp(Picture_Canvas(), rig_tag::kOmoriYudou, x, y);
}
void TForm_Main::Stamp_V_Omori(int x, int y) {
  DrawRigStamp(Picture_Canvas(), rig_tag::kVOmori, x, y);
}
void TForm_Main::Stamp_H_Omori(int x, int y) {
  DrawRigStamp(Picture_Canvas(), rig_tag::kHOmori, x, y);
}
void TForm_Main::Stamp_H_M_Hari(int x, int y) {
  DrawRigStamp(Picture_Canvas(), rig_tag::kHMHari, x, y);
}
void TForm_Main::Stamp_V_M_Hari(int x, int y) {
  DrawRigStamp(Picture_Canvas(), rig_tag::kVMHari, x, y);
}
void TForm_Main::Stamp_H_B_Hari(int x, int y) {
  DrawRigStamp(Picture_Canvas(), rig_tag::kHBHari, x, y);
}
void TForm_Main::Stamp_V_B_Hari(int x, int y) {
  DrawRigStamp(Picture_Canvas(), rig_tag::kVBHari, x, y);
}
void TForm_Main::Stamp_H_M_Hari_Mirror(int x, int y) {
  DrawRigStamp(Picture_Canvas(), rig_tag::kHMHariMirror, x, y);
}
void TForm_Main::Stamp_V_M_Hari_Mirror(int x, int y) {
  DrawRigStamp(Picture_Canvas(), rig_tag::kVMHariMirror, x, y);
}
void TForm_Main::Stamp_H_B_Hari_Mirror(int x, int y) {
  DrawRigStamp(Picture_Canvas(), rig_tag::kHBHariMirror, x, y);
}
void TForm_Main::Stamp_V_B_Hari_Mirror(int x, int y) {
  DrawRigStamp(Picture_Canvas(), rig_tag::kVBHariMirror, x, y);
}

void TForm_Main::Draw_Rod_Spinning(int x, int y) {
  DrawRodSpinning(Picture_Canvas(), x, y);
}
void TForm_Main::Draw_Rod_Revolving(int x, int y) {
  DrawRodRevolving(Picture_Canvas(), x, y);
}

}  // namespace nabrilo
