// Placeholders until the rig stamps are written; each definition moves to its own file.
#include "app/form_main.h"
#include "rig/rig_parts.h"

namespace nabrilo {

bool IsRigStampTag(int tag) { return (tag >= 1 && tag <= 12) || (tag >= 31 && tag <= 34); }
void DrawRigStamp(Canvas&, int, int, int) {}
void DrawRodSpinning(Canvas&, int, int) {}
void DrawRodRevolving(Canvas&, int, int) {}

void TForm_Main::Stamp_V_Sarukan(int, int) {}
void TForm_Main::Stamp_H_Sarukan(int, int) {}
void TForm_Main::Stamp_V_Big_Sarukan(int, int) {}
void TForm_Main::Stamp_H_Big_Sarukan(int, int) {}
void TForm_Main::Stamp_Omori_Kotei(int, int) {}
void TForm_Main::Stamp_Omori_Yudou(int, int) {}
void TForm_Main::Stamp_V_Omori(int, int) {}
void TForm_Main::Stamp_H_Omori(int, int) {}
void TForm_Main::Stamp_H_M_Hari(int, int) {}
void TForm_Main::Stamp_V_M_Hari(int, int) {}
void TForm_Main::Stamp_H_B_Hari(int, int) {}
void TForm_Main::Stamp_V_B_Hari(int, int) {}
void TForm_Main::Stamp_H_M_Hari_Mirror(int, int) {}
void TForm_Main::Stamp_V_M_Hari_Mirror(int, int) {}
void TForm_Main::Stamp_H_B_Hari_Mirror(int, int) {}
void TForm_Main::Stamp_V_B_Hari_Mirror(int, int) {}
void TForm_Main::Draw_Rod_Spinning(int, int) {}
void TForm_Main::Draw_Rod_Revolving(int, int) {}

}  // namespace nabrilo
