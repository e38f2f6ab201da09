#pragma once
// The real main window, created offscreen with the scripted dialogs installed first, shown and
// exposed, as the program does at start.

#include <gtest/gtest.h>

#include <QTest>
#include <memory>

#include "app/form_main.h"
#include "platform/controls.h"
#include "platform/cursors.h"
#include "platform/user_dialogs.h"
#include "rig/rig_tags.h"

namespace nabrilo::testing {

class FormTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetDialogs(&dialogs);
    Before_Create();
    form = std::make_unique<TForm_Main>();
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
  }
  void TearDown() override {
    form.reset();
    SetDialogs(nullptr);
  }
  // Tests that need the world changed before the window exists override this.
  virtual void Before_Create() {}

  void Click(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center()); }
  template <typename T>
  T* Find(const char* name) {
    return form->findChild<T*>(QString::fromLatin1(name));
  }
  // The texts of the boxes shown so far, oldest first.
  QStringList Shown() const {
    QStringList texts;
    for (const auto& s : dialogs.shown) texts << s.text;
    return texts;
  }

  ScriptedDialogs dialogs;
  std::unique_ptr<TForm_Main> form;
};

}  // namespace nabrilo::testing
