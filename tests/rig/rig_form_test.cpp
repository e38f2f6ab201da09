// The window's rig routines draw their own part on the picture of Image1: a routine wired to
// the wrong table (a mirrored hook for a plain one) shows here.
#include <gtest/gtest.h>

#include "app/form_main.h"
#include "platform/user_dialogs.h"
#include "rig/rig_parts.h"
#include "rig/stamp_check.h"

namespace nabrilo {
namespace {

struct Routine {
  void (TForm_Main::*draw)(int, int);
  int tag;
};

constexpr Routine kRoutines[] = {
    {&TForm_Main::Stamp_V_Sarukan, 1},        {&TForm_Main::Stamp_H_Sarukan, 2},
    {&TForm_Main::Stamp_V_Big_Sarukan, 3},    {&TForm_Main::Stamp_H_Big_Sarukan, 4},
    {&TForm_Main::Stamp_Omori_Kotei, 5},      {&TForm_Main::Stamp_Omori_Yudou, 6},
    {&TForm_Main::Stamp_V_Omori, 7},          {&TForm_Main::Stamp_H_Omori, 8},
    {&TForm_Main::Stamp_H_M_Hari, 9},         {&TForm_Main::Stamp_V_M_Hari, 10},
    {&TForm_Main::Stamp_H_B_Hari, 11},        {&TForm_Main::Stamp_V_B_Hari, 12},
    {&TForm_Main::Draw_Rod_Spinning, 13},     {&TForm_Main::Draw_Rod_Revolving, 14},
    {&TForm_Main::Stamp_H_M_Hari_Mirror, 31}, {&TForm_Main::Stamp_V_M_Hari_Mirror, 32},
    {&TForm_Main::Stamp_H_B_Hari_Mirror, 33}, {&TForm_Main::Stamp_V_B_Hari_Mirror, 34},
};

TEST(RigForm, EachRoutineDrawsItsPartOnThePicture) {
  ScriptedDialogs dialogs;
  SetDialogs(&dialogs);
  {
    TForm_Main form;
    for (const Routine& r : kRoutines) {
      SCOPED_TRACE(r.tag);
      form.New_Picture();
      (form.*r.draw)(120, 80);
      Bitmap expected(500, 500);
      if (r.tag == 13) {
        DrawRodSpinning(expected.GetCanvas(), 120, 80);
      } else if (r.tag == 14) {
        DrawRodRevolving(expected.GetCanvas(), 120, 80);
      } else {
        DrawRigStamp(expected.GetCanvas(), r.tag, 120, 80);
      }
      const QImage& picture = form.Image1->Picture().Image();
      ASSERT_GT(stamp_test::InkedPixels(picture), 0);
      EXPECT_EQ(ComparePictures(expected.Image(), picture).differing, 0);
    }
  }
  SetDialogs(nullptr);
}

}  // namespace
}  // namespace nabrilo
