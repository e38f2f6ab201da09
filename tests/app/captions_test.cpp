// Every caption fits its control with the fonts the program uses, measured with the control's
// own font against the room the control gives its text; and stays readable on a dark desktop.
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>

#include "form_fixture.h"

namespace nabrilo::testing {
namespace {

// The inked size of a caption: its widest line's ink, and one line's ink or the full height of
// several lines.
QSize Ink(const QWidget* w, const QString& text) {
  const QFontMetrics fm = w->fontMetrics();
  const QStringList lines = text.split(QLatin1Char('\n'));
  int width = 0;
  for (const QString& line : lines) width = std::max(width, fm.tightBoundingRect(line).width());
  const int height = lines.size() == 1 ? fm.tightBoundingRect(text).height()
                                       : static_cast<int>(lines.size()) * fm.height();
  return {width, height};
}

TEST_F(FormTest, EveryCaptionFitsItsControl) {
  QStringList cut;
  const auto check = [&](const QWidget* w, const QString& text, QSize ink, QSize room) {
    if (text.isEmpty()) return;
    if (ink.width() > room.width() || ink.height() > room.height()) {
      cut << QStringLiteral("%1 「%2」 %3×%4 in %5×%6")
                 .arg(w->objectName(), text)
                 .arg(ink.width())
                 .arg(ink.height())
                 .arg(room.width())
                 .arg(room.height());
    }
  };
  // Push buttons inside their 2-pixel frame, speed buttons inside their 1-pixel bevel.
  for (const TButton* b : form->findChildren<TButton*>()) {
    check(b, b->text(), Ink(b, b->text()), b->size() - QSize(4, 4));
  }
  for (const TSpeedButton* b : form->findChildren<TSpeedButton*>()) {
    if (!b->text().isEmpty()) check(b, b->text(), Ink(b, b->text()), b->size() - QSize(2, 2));
  }
  // Radio buttons beside their indicator, and no two of a group overlapping.
  for (const QRadioButton* r : form->findChildren<QRadioButton*>()) {
    QStyleOptionButton option;
    option.initFrom(r);
    option.text = r->text();
    const QRect room = r->style()->subElementRect(QStyle::SE_RadioButtonContents, &option, r);
    check(r, r->text(), Ink(r, r->text()), room.size());
    for (const QRadioButton* other : r->parentWidget()->findChildren<QRadioButton*>()) {
      if (other != r && other->geometry().intersects(r->geometry()))
        check(r, r->text(), {1, 1}, {0, 0});
    }
  }
  for (const QGroupBox* g : form->findChildren<QGroupBox*>()) {
    check(g, g->title(), Ink(g, g->title()), g->size() - QSize(16, 0));
  }
  for (const QLabel* l : form->findChildren<QLabel*>()) {
    check(l, l->text(), Ink(l, l->text()), l->size());
  }
  EXPECT_EQ(cut.join("\n").toStdString(), "");
}

TEST_F(FormTest, WithoutAThemeTheWindowHasQtsOwnColours) {
  QStringList differing;
  for (int g = 0; g < QPalette::NColorGroups; ++g) {
    for (int r = 0; r < QPalette::NColorRoles; ++r) {
      const auto group = static_cast<QPalette::ColorGroup>(g);
      const auto role = static_cast<QPalette::ColorRole>(r);
      if (form->palette().color(group, role).rgba() !=
          QApplication::palette().color(group, role).rgba()) {
        differing << QStringLiteral("%1/%2").arg(g).arg(r);
      }
    }
  }
  EXPECT_EQ(differing.join(", ").toStdString(), "");
}

class DarkDesktop : public FormTest {
 protected:
  void Before_Create() override {
    QPalette dark(QColor(0x30, 0x30, 0x30), QColor(0x20, 0x20, 0x20));
    dark.setColor(QPalette::WindowText, Qt::white);
    dark.setColor(QPalette::ButtonText, Qt::white);
    QApplication::setPalette(dark);
  }
  void TearDown() override {
    FormTest::TearDown();
    QApplication::setPalette(QApplication::style()->standardPalette());
  }
};

TEST_F(DarkDesktop, TheWindowKeepsTheLightColoursItsGlyphsWereDrawnFor) {
  ASSERT_LT(QApplication::palette().color(QPalette::Button).lightness(), 100);
  for (const QWidget* w :
       {static_cast<const QWidget*>(form->S_Btn_H_M_Hari),
        static_cast<const QWidget*>(form->Btn_File), static_cast<const QWidget*>(form->Panel2)}) {
    EXPECT_GT(w->palette().color(QPalette::Button).lightness(), 180)
        << w->objectName().toStdString();
    EXPECT_GT(w->palette().color(QPalette::Window).lightness(), 180)
        << w->objectName().toStdString();
    EXPECT_LT(w->palette().color(QPalette::ButtonText).lightness(), 80);
  }
  // The navy title on a light header.
  EXPECT_GT(form->Panel2->palette().color(QPalette::Window).lightness() -
                form->Label1->palette().color(QPalette::WindowText).lightness(),
            100);
}

}  // namespace
}  // namespace nabrilo::testing
