// Placeholders until the document commands are written; each definition moves to its own file.
#include "app/form_main.h"

namespace nabrilo {

void TForm_Main::Take_Snapshot() {}
void TForm_Main::Save_Snap_Now() {}
void TForm_Main::Btn_Undo_1Click(QObject*) {}
void TForm_Main::Button_ClearClick(QObject*) {}
void TForm_Main::Btn_ClipClick(QObject*) {}
void TForm_Main::Btn_FileClick(QObject*) {}
void TForm_Main::Btn_ClipBordClick(QObject*) {}
void TForm_Main::Button4Click(QObject*) {}
void TForm_Main::Fit_Window_To_Picture() {}

}  // namespace nabrilo
