// Placeholders until map drawing is written; each definition moves to its own file.
#include "app/form_main.h"
#include "map/map_stamps.h"

namespace nabrilo {

bool IsMapStampTag(int tag) { return tag >= 101 && tag <= 107; }
void DrawMapStamp(Canvas&, int, int, int) {}
void DrawSandDot(Canvas&, int, int) {}

void TForm_Main::Calc_Haba(int, int, int, int, int) {}
void TForm_Main::Hato_Erase_Preview(int) {}
void TForm_Main::Hato_Preview(int, int, int, int, int) {}
void TForm_Main::Hato_Fill(int, int, int, int, int) {}
void TForm_Main::Map_Drag(int, int) {}
void TForm_Main::Stamp_Tetrapod_1(int, int) {}
void TForm_Main::Stamp_Tetrapod_2(int, int) {}
void TForm_Main::Stamp_Sankaku_Nami(int, int) {}
void TForm_Main::Stamp_Shikaku_Nami(int, int) {}
void TForm_Main::Stamp_Sunahama(int, int) {}
void TForm_Main::Stamp_Iwaba(int, int) {}
void TForm_Main::Stamp_Chushajo(int, int) {}
void TForm_Main::Stamp_Suna_Ten(int, int) {}

}  // namespace nabrilo
