// Pointer moves over the picture: the map drag step in map mode, the rig drag step in rig mode
// once the gate lets it through.
#include "app/form_main.h"

namespace nabrilo {

void TForm_Main::Image1MouseMove(QObject*, TShiftState, int X, int Y) {
  if (!Is_Rig_Mode()) {
    Map_Drag(X, Y);
    return;
  }
  // The gate tests the last press, not the pointer: a drag begun on the top row, the left column
  // or outside the picture draws nothing while it moves.
  if (!(0 < Press_X && Press_X < Image1->width() && 0 < Press_Y && Press_Y < Image1->height())) {
    return;
  }
  Rig_Drag(X, Y);
}

}  // namespace nabrilo
