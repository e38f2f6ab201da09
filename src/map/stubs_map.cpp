// Placeholders until map drawing is written; each definition moves to its own file.
#include "app/form_main.h"
#include "map/map_stamps.h"

namespace nabrilo {

void TForm_Main::Calc_Haba(int, int, int, int, int) {}
void TForm_Main::Hato_Erase_Preview(int) {}
void TForm_Main::Hato_Preview(int, int, int, int, int) {}
void TForm_Main::Hato_Fill(int, int, int, int, int) {}
void TForm_Main::Map_Drag(int, int) {}
void TForm_Main::Map_Mouse_Down(int, int) {}
void TForm_Main::Map_Mouse_Up(int, int) {}

}  // namespace nabrilo
