// Placeholders until the pointer handlers are written; each definition moves to its own file.
#include "app/form_main.h"

namespace nabrilo {

void TForm_Main::_Image1_MouseDown_(QObject*, TMouseButton, TShiftState, int, int) {}
void TForm_Main::Image1MouseMove(QObject*, TShiftState, int, int) {}
void TForm_Main::Image1MouseUp(QObject*, TMouseButton, TShiftState, int, int) {}
void TForm_Main::Draw_Arc(ArcDirection) {}
void TForm_Main::Draw_Arrow_Head(int, int, int, int) {}
void TForm_Main::Trail_Start(int, int) {}
void TForm_Main::Trail_Add(int, int) {}
void TForm_Main::Trail_Restore() {}
void TForm_Main::Open_Text_Edit(TEdit*) {}
void TForm_Main::Edit_XKeyPress(QObject*, char16_t&) {}
void TForm_Main::Edit_YKeyPress(QObject*, char16_t&) {}
void TForm_Main::Commit_Text(TEdit*, TSpeedButton*, char16_t&) {}

}  // namespace nabrilo
