// The real window as assistive technology sees it (Qt's accessibility interface, offscreen):
// every control a user can work has a name, the tool buttons say which tool is chosen, and the
// picture tells its size.
#include <QAccessible>
#include <QClipboard>
#include <QGuiApplication>
#include <QSet>

#include "form_fixture.h"

namespace nabrilo::testing {
namespace {

class Accessibility : public FormTest {
 protected:
  // Every enabled control of the kinds a user works, with what it is called.
  QStringList Nameless() {
    QStringList nameless;
    Walk(QAccessible::queryAccessibleInterface(form.get()), &nameless);
    return nameless;
  }
  static void Walk(QAccessibleInterface* node, QStringList* nameless) {
    if (!node) return;
    static const QList<QAccessible::Role> worked = {
        QAccessible::Button,       QAccessible::CheckBox, QAccessible::RadioButton,
        QAccessible::EditableText, QAccessible::ComboBox, QAccessible::List,
        QAccessible::Graphic,      QAccessible::SpinBox};
    if (worked.contains(node->role()) && !node->state().disabled &&
        node->text(QAccessible::Name).trimmed().isEmpty()) {
      *nameless << node->object()->objectName() + QLatin1Char('/') +
                       node->object()->metaObject()->className();
    }
    for (int i = 0; i < node->childCount(); ++i) Walk(node->child(i), nameless);
  }
  static QAccessibleInterface* Of(QObject* control) {
    return QAccessible::queryAccessibleInterface(control);
  }
  static QString Name(QObject* control) { return Of(control)->text(QAccessible::Name); }
};

TEST_F(Accessibility, EveryControlHasANameAndTheToolButtonsSayWhichIsChosen) {
  EXPECT_EQ(Nameless().join(", ").toStdString(), "");
  EXPECT_EQ(Name(form->S_Btn_V_Sarukan), "小　ヨリモドシ");
  EXPECT_EQ(Name(form->SpeedButton25), "消しゴム　大");
  EXPECT_EQ(Name(form->SpeedButton29), "文字入力");
  EXPECT_EQ(Name(form->SpeedButton13), "竿とスピニングリール");
  EXPECT_EQ(Name(form->S_Btn_Default), "道具なし");
  EXPECT_EQ(Name(form->Image1), "図");
  EXPECT_FALSE(Name(form->UpDown1->UpButton()).isEmpty());
  // Hovering shows the same name.
  for (TSpeedButton* b : form->findChildren<TSpeedButton*>()) {
    EXPECT_EQ(b->toolTip(), Name(b)) << b->objectName().toStdString();
  }
  // Parts that share a name (upright and lying, mirrored) are told apart by how they lie.
  EXPECT_EQ(Of(form->S_Btn_H_Sarukan)->text(QAccessible::Description), "横向き");
  QSet<QString> heard;
  for (TSpeedButton* b : form->Panel_Shikake->findChildren<TSpeedButton*>()) {
    const QString said = Name(b) + QLatin1Char('/') + Of(b)->text(QAccessible::Description);
    EXPECT_FALSE(heard.contains(said)) << said.toStdString();
    heard.insert(said);
  }

  // Buttons that stay pressed while their tool is chosen.
  QAccessibleInterface* swivel = Of(form->S_Btn_V_Sarukan);
  EXPECT_EQ(swivel->role(), QAccessible::Button);
  EXPECT_TRUE(swivel->state().checkable);
  EXPECT_FALSE(swivel->state().checked);
  EXPECT_TRUE(Of(form->S_Btn_Default)->state().checked);
  Click(form->S_Btn_V_Sarukan);
  EXPECT_TRUE(swivel->state().checked);
  EXPECT_FALSE(Of(form->S_Btn_Default)->state().checked);
  // Pressing through the accessibility interface chooses the tool as a click does.
  Of(form->SpeedButton26)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
  EXPECT_EQ(form->Label_Buhin->Caption(), "消しゴム　小");

  // The map buttons' names follow the bank.
  Click(form->Btn_Shikake_Or_Point);
  EXPECT_EQ(Name(form->S2_Btn4), "波止　四辺閉じ");
  form->R_Group1->SetItemIndex(1);
  EXPECT_EQ(Name(form->S2_Btn1), "縦線");
  EXPECT_EQ(form->S2_Btn1->toolTip(), "縦線");
  form->R_Group1->SetItemIndex(2);
  EXPECT_EQ(Name(form->S2_Btn9), "消しゴム");
  EXPECT_EQ(Nameless().join(", ").toStdString(), "");

  // The picture's size, kept current.
  EXPECT_EQ(Of(form->Image1)->role(), QAccessible::Graphic);
  EXPECT_EQ(Of(form->Image1)->text(QAccessible::Description), "500 × 500 ピクセル");
  QImage offered(40, 30, QImage::Format_RGB32);
  offered.fill(Qt::blue);
  QGuiApplication::clipboard()->setImage(offered);
  Click(form->Btn_ClipBord);
  EXPECT_EQ(Of(form->Image1)->text(QAccessible::Description), "40 × 30 ピクセル");
}

}  // namespace
}  // namespace nabrilo::testing
