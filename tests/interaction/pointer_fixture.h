#pragma once
// The real window, driven one pointer event at a time: each press, move or release below sends
// exactly one event to the picture, in picture coordinates, with the screen pointer put over the
// press point first (the stamp anchor reads it).

#include <QApplication>
#include <QCursor>
#include <QMouseEvent>

#include "app/form_fixture.h"
#include "document/snapshot_streams.h"
#include "platform/tcolor.h"

namespace nabrilo::testing {

class PointerTest : public FormTest {
 protected:
  // Clicks the rig palette button of `tag` (0: the no-tool button).
  void Choose(int tag) {
    for (TSpeedButton* b : form->Panel_Shikake->findChildren<TSpeedButton*>()) {
      if (b->Tag() == tag) {
        Click(b);
        ASSERT_EQ(form->Buhin_Tag, tag);
        return;
      }
    }
    FAIL() << "no rig button has tag " << tag;
  }
  void Color(const char* name) { ASSERT_TRUE(form->ColorBox1->SelectName(QLatin1String(name))); }

  void Press(int x, int y, Qt::MouseButton button = Qt::LeftButton) {
    QCursor::setPos(form->Image1->mapToGlobal(QPoint(x, y)));
    buttons_ |= button;
    Send(QEvent::MouseButtonPress, x, y, button);
  }
  void Move(int x, int y) { Send(QEvent::MouseMove, x, y, Qt::NoButton); }
  void Release(int x, int y, Qt::MouseButton button = Qt::LeftButton) {
    buttons_ &= ~Qt::MouseButtons(button);
    Send(QEvent::MouseButtonRelease, x, y, button);
  }

  QImage& Picture() { return form->Image1->Picture().Image(); }
  TColor PixelAt(int x, int y) { return FromRgb32(Picture().pixel(x, y)); }
  long CountColor(TColor c) {
    long n = 0;
    const QImage& p = Picture();
    for (int y = 0; y < p.height(); ++y) {
      for (int x = 0; x < p.width(); ++x) n += FromRgb32(p.pixel(x, y)) == c;
    }
    return n;
  }
  // The picture as a snapshot would record it now.
  QByteArray Encoded() {
    QByteArray bytes;
    SaveSnapshot(Picture(), &bytes);
    return bytes;
  }

 private:
  void Send(QEvent::Type type, int x, int y, Qt::MouseButton button) {
    const QPoint p(x, y);
    QMouseEvent event(type, p, form->Image1->mapToGlobal(p), button, buttons_, Qt::NoModifier);
    QApplication::sendEvent(form->Image1, &event);
  }
  Qt::MouseButtons buttons_;
};

}  // namespace nabrilo::testing
