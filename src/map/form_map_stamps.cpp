// The window's map symbol routines: each draws its symbol on the picture through the tables.
#include "app/form_main.h"
#include "map/map_stamps.h"

namespace nabrilo {

void TForm_Main::Stamp_Tetrapod_1(int x, int y) {
  DrawMapStamp(Picture_Canvas(), 101, x, y);
}
void TForm_Main::Stamp_Tetrapod_2(int x, int y) {
  DrawMapStamp(Picture_Canvas(), 102, x, y);
}
void TForm_Main::Stamp_Sankaku_Nami(int x, int y) {
  DrawMapStamp(Picture_Canvas(), 103, x, y);
}
void TForm_Main::Stamp_Shikaku_Nami(int x, int y) {
  DrawMapStamp(Picture_Canvas(), 104, x, y);
}
void TForm_Main::Stamp_Sunahama(int x, int y) {
  DrawMapStamp(Picture_Canvas(), 105, x, y);
}
void TForm_Main::Stamp_Iwaba(int x, int y) {
  DrawMapStamp(Picture_Canvas(), 106, x, y);
}
void TForm_Main::Stamp_Chushajo(int x, int y) {
  DrawMapStamp(Picture_Canvas(), 107, x, y);
}
void TForm_Main::Stamp_Suna_Ten(int x, int y) {
  DrawSandDot(Picture_Canvas(), x, y);
}

}  // namespace nabrilo
