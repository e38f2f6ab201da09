// One level of undo: after every finished drawing action the picture is recorded into Snap_Now,
// and the record before it stays in Snap_Prev; the undo buttons put Snap_Prev back.
#include "app/form_main.h"
#include "document/snapshot_streams.h"
#include "platform/controls.h"

namespace nabrilo {

void TForm_Main::Take_Snapshot() {
  const bool first = Undo_State == kUndoEmpty;
  if (first) Undo_State = kUndoFirst;
  // Tested before recording, so the first snapshot after a reset leaves the buttons disabled.
  const bool undo_possible = Undo_State == kUndoRecorded;
  Btn_Undo_1->setEnabled(undo_possible);
  Btn_Undo_2->setEnabled(undo_possible);
  // The first time both streams get the picture; after that Snap_Prev takes what Snap_Now had.
  RecordSnapshot(Image1->Picture().Image(), first, &Snap_Now, &Snap_Prev);
  Undo_State = kUndoRecorded;
  Keep_For_Recovery(Snap_Now);
}

void TForm_Main::Btn_Undo_1Click(QObject*) {
  if (Undo_State != kUndoRecorded) return;
  // Decoded straight into the picture's own pixels; a stream that cannot be decoded leaves the
  // picture as it was.
  if (!RestoreSnapshot(Snap_Prev, &Snap_Now, &Image1->Picture().Image())) return;
  // The view takes the restored picture as a new one: a fresh canvas state (default pen and
  // brush), its own size when auto-size is on, a full repaint.
  Image1->SetPicture(Image1->Picture());
  // The label follows the picture; the window keeps its size.
  Label_Size->SetCaption(Size_Text(Image1->Picture().Width(), Image1->Picture().Height()));
  Btn_Undo_1->setEnabled(false);
  Btn_Undo_2->setEnabled(false);
  Keep_For_Recovery(Snap_Now);
}

}  // namespace nabrilo
