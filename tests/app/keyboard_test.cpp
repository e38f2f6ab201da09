// The keyboard in the real window: where the focus goes.
#include <QApplication>
#include <QRadioButton>

#include "form_fixture.h"
#include "support/picture_compare.h"

namespace nabrilo::testing {
namespace {

TEST_F(FormTest, AClickLeavesTheFocusWhereItWasSoSpaceDoesNotClickAgain) {
  ASSERT_EQ(QApplication::focusWidget(), form->Btn_Shikake_Or_Point);
  form->Picture_Canvas().SetPixel(40, 40, clRed);
  Click(form->Button_Clear);
  EXPECT_EQ(form->Image1->Picture().Image(), WhitePicture(500, 500));
  Click(form->R_Group_Keshigomu->Item(1));
  EXPECT_EQ(QApplication::focusWidget(), form->Btn_Shikake_Or_Point);

  // Tab still reaches the buttons, and Space presses the one it reached.
  for (int i = 0; i < 20 && QApplication::focusWidget() != form->Button_Clear; ++i) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  }
  ASSERT_EQ(QApplication::focusWidget(), form->Button_Clear);
  form->Picture_Canvas().SetPixel(40, 40, clRed);
  QTest::keyClick(form->Button_Clear, Qt::Key_Space);
  EXPECT_EQ(form->Image1->Picture().Image(), WhitePicture(500, 500));
}

}  // namespace
}  // namespace nabrilo::testing
