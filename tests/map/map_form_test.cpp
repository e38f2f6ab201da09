// The window's map symbol routines draw their own symbol on the picture of Image1: a routine
// wired to the wrong table shows here.
#include <gtest/gtest.h>

#include "app/form_main.h"
#include "map/map_stamps.h"
#include "platform/user_dialogs.h"
#include "rig/stamp_check.h"

namespace nabrilo {
namespace {

struct Routine {
  void (TForm_Main::*draw)(int, int);
  int tag;  // 0: the sand dot
};

constexpr Routine kRoutines[] = {
    {&TForm_Main::Stamp_Tetrapod_1, 101},   {&TForm_Main::Stamp_Tetrapod_2, 102},
    {&TForm_Main::Stamp_Sankaku_Nami, 103}, {&TForm_Main::Stamp_Shikaku_Nami, 104},
    {&TForm_Main::Stamp_Sunahama, 105},     {&TForm_Main::Stamp_Iwaba, 106},
    {&TForm_Main::Stamp_Chushajo, 107},     {&TForm_Main::Stamp_Suna_Ten, 0},
};

TEST(MapForm, EachRoutineDrawsItsSymbolOnThePicture) {
  ScriptedDialogs dialogs;
  SetDialogs(&dialogs);
  {
    TForm_Main form;
    for (const Routine& r : kRoutines) {
      SCOPED_TRACE(r.tag);
      form.New_Picture();
      (form.*r.draw)(100, 100);
      Bitmap expected(500, 500);
      if (r.tag == 0) {
        DrawSandDot(expected.GetCanvas(), 100, 100);
      } else {
        DrawMapStamp(expected.GetCanvas(), r.tag, 100, 100);
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
