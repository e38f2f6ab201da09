// Typing text onto the picture: a small field opens over the press point; Enter draws its text
// there in the canvas's own font and closes it.
#include <algorithm>

#include "app/form_main.h"
#include "interaction/input_method.h"
#include "platform/arith.h"
#include "platform/cursors.h"
#include "platform/fonts.h"

namespace nabrilo {

namespace {
constexpr char16_t kEnter = 13;
constexpr TColor kFieldColor = clMoneyGreen;  // the colour of Panel_Image
// The field's top-left lies over picture pixel (x, y - 10).
constexpr int kFieldDy = -10, kFieldWidth = 150, kFieldHeight = 15;
// The typed characters stand two pixels below the field's top edge.
constexpr int kTextDy = -8;

// A press can be reported anywhere. The field stays where Qt's own geometry arithmetic cannot
// overflow; no press on the picture comes near that bound.
int Field_Pos(int press_pos, int offset) {
  return std::clamp(SatAdd(press_pos, offset), -QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
}
}  // namespace

void TForm_Main::Open_Text_Edit(TEdit* edit) {
  // Over the picture where it stands in Panel_Image now: at (6, 6), less what is scrolled away.
  const QPoint picture = Image1->pos();
  edit->setGeometry(Field_Pos(Start_X, picture.x()), Field_Pos(Start_Y, picture.y() + kFieldDy),
                    kFieldWidth, kFieldHeight);
  edit->setFont(UiFont(12));  // 9 points
  if (edit->parentWidget() != Panel_Image) {
    edit->setParent(Panel_Image);  // keeps the bounds, relative to the new parent
    edit->show();
  }
  edit->SetText(QString());
  edit->setCursor(Qt::IBeamCursor);
  edit->SetColor(kFieldColor);
  SetImeMode(edit, TImeMode::imHira);
  edit->raise();
  edit->setFocus();
}

void TForm_Main::Edit_XKeyPress(QObject*, char16_t& Key) {
  Commit_Text(Edit_X, S_Btn_Default, Key);
}

void TForm_Main::Edit_YKeyPress(QObject*, char16_t& Key) {
  Commit_Text(Edit_Y, S2_Btn0, Key);
}

void TForm_Main::Commit_Text(TEdit* edit, TSpeedButton* no_tool_button, char16_t& Key) {
  if (Key != kEnter) return;
  Key = 0;  // consumed: no line break, no beep
  Picture_Canvas().TextOut(Start_X, SatAdd(Start_Y, kTextDy), edit->Text());
  edit->SetText(QString());
  edit->lower();
  edit->setGeometry(0, 0, 0, 0);
  // The closed field gives the keys back: typing no longer lands in it unseen, and the
  // window's shortcuts work again.
  edit->clearFocus();
  no_tool_button->SetDown(true);  // only the look; the text tool stays selected
  SetScreenCursor(crDefault);
  Take_Snapshot();
}

bool TForm_Main::Text_Field_Open() const {
  return !Edit_X->geometry().isEmpty() || !Edit_Y->geometry().isEmpty();
}

}  // namespace nabrilo
