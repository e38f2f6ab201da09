#pragma once
// The control kinds the main window is built from: small wrappers that give Qt widgets the
// behaviour the handlers expect (speed buttons in exclusive groups, radio groups, an up-down on
// a read-only edit, a colour box, anchors, the picture view). Events are plain callbacks named
// after the events they stand for (OnClick, OnMouseMove, ...); a control with no callback set
// does nothing for that event.

#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "platform/application.h"
#include "platform/bitmap.h"
#include "platform/tcolor.h"

class QButtonGroup;
class QRadioButton;

namespace nabrilo {

enum class TMouseButton { mbLeft, mbRight, mbMiddle };
using TShiftState = std::uint32_t;  // modifier bits; the handlers never look at them

using TNotifyEvent = std::function<void(QObject* sender)>;
using TMouseEvent =
    std::function<void(QObject* sender, TMouseButton button, TShiftState shift, int x, int y)>;
using TMouseMoveEvent = std::function<void(QObject* sender, TShiftState shift, int x, int y)>;
using TKeyPressEvent = std::function<void(QObject* sender, char16_t& key)>;

// Anchors: a control anchored right (bottom) keeps its distance to the right (bottom) edge of
// its parent when the parent is resized; anchored on both sides it stretches.
enum TAnchor : unsigned { akLeft = 1, akTop = 2, akRight = 4, akBottom = 8 };
using TAnchors = unsigned;
// Takes the distances from the control's current geometry inside its parent's current size;
// moving or resizing the control later takes them again, as a design-time move would.
void SetAnchors(QWidget* control, TAnchors anchors);
TAnchors Anchors(const QWidget* control);

// The shared form of a control: object name, parent, bounds and (optionally) a font.
void PlaceControl(QWidget* control, const char* name, int left, int top, int width, int height);

enum class TBevelCut { bvNone, bvLowered, bvRaised };

class TPanel : public QWidget {
  Q_OBJECT
 public:
  explicit TPanel(QWidget* parent);
  void SetBevels(TBevelCut outer, TBevelCut inner);
  // Paints its own background in `color` (the panel does not show its parent's).
  void SetColor(TColor color);
  // Pointer moves over the panel's own area, not over its child controls.
  TMouseMoveEvent OnMouseMove;

 protected:
  void mouseMoveEvent(QMouseEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  TBevelCut outer_ = TBevelCut::bvRaised;
  TBevelCut inner_ = TBevelCut::bvNone;
};

class TLabel : public QLabel {
  Q_OBJECT
 public:
  explicit TLabel(QWidget* parent);
  QString Caption() const { return text(); }
  // With auto-size on (the default) the label takes the size of its text.
  void SetCaption(const QString& caption);
  void SetAutoSize(bool on);
  void SetFontColor(TColor color);

 private:
  bool auto_size_ = true;
};

class TButton : public QPushButton {
  Q_OBJECT
 public:
  explicit TButton(QWidget* parent);
  QString Caption() const { return text(); }
  void SetCaption(const QString& caption) { setText(caption); }
  TNotifyEvent OnClick;
  TMouseMoveEvent OnMouseMove;

 protected:
  void mouseMoveEvent(QMouseEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
};

enum class TButtonLayout { blGlyphLeft, blGlyphTop };

// A checkable tool button in an exclusive group of its parent: pressing one releases the others
// of the group, and clicking the pressed one raises its click again (it stays pressed).
class TSpeedButton : public QToolButton {
  Q_OBJECT
 public:
  explicit TSpeedButton(QWidget* parent);
  int Tag() const { return tag_; }
  void SetTag(int tag) { tag_ = tag; }
  void SetGroupIndex(int group_index);
  // The caption may break into lines with a carriage return.
  QString Caption() const { return caption_; }
  void SetCaption(const QString& caption);
  const QImage& Glyph() const { return glyph_; }
  void SetGlyph(const QImage& glyph);
  void SetLayout(TButtonLayout layout);
  TButtonLayout Layout() const { return layout_; }
  bool Down() const { return isChecked(); }
  // What the button is called: its tooltip and the name assistive technology reads out.
  void SetHint(const QString& hint);
  // Shows the button pressed (releasing the others of its group) without raising a click.
  void SetDown(bool down);
  TNotifyEvent OnClick;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  int tag_ = 0;
  QString caption_;
  QImage glyph_;
  // The glyph as painted, and its greyed form made the first time it is needed. Held here, not
  // in a QIcon: every icon's pixmaps are also filed in Qt's global pixmap cache, which grew with
  // every glyph change (each bank or mode switch sets nine).
  QPixmap shown_;
  QPixmap shown_disabled_;
  TButtonLayout layout_ = TButtonLayout::blGlyphLeft;

  const QPixmap& Shown_Glyph();
};

// A framed group of radio buttons in columns. The click is raised whenever the item index
// changes, by the user or by code.
class TRadioGroup : public QGroupBox {
  Q_OBJECT
 public:
  TRadioGroup(QWidget* parent, const QString& caption, int columns, const QStringList& items);
  int ItemIndex() const { return item_index_; }
  void SetItemIndex(int index);
  int Count() const { return static_cast<int>(buttons_.size()); }
  QRadioButton* Item(int index) const { return buttons_.at(index); }
  QStringList Items() const;
  int Columns() const { return columns_; }
  TNotifyEvent OnClick;

 private:
  void ItemToggled(int index, bool checked);
  std::vector<QRadioButton*> buttons_;
  int columns_ = 1;
  int item_index_ = -1;
};

class TEdit : public QLineEdit {
  Q_OBJECT
 public:
  explicit TEdit(QWidget* parent);
  QString Text() const { return text(); }
  void SetText(const QString& t) { setText(t); }
  void SetBorderless(bool borderless) { setFrame(!borderless); }
  void SetColor(TColor color);
  // Every typed character (keys and input-method commits alike) passes through OnKeyPress
  // first; a handler that sets the character to 0 swallows it.
  TKeyPressEvent OnKeyPress;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void inputMethodEvent(QInputMethodEvent* event) override;
};

// An up-down spinner attached to a read-only edit: its position is shown as the edit's text.
class TUpDown : public QWidget {
  Q_OBJECT
 public:
  explicit TUpDown(QWidget* parent);
  void Associate(TEdit* edit);
  void SetRange(int min, int max);
  void SetIncrement(int increment) { increment_ = increment; }
  void SetPosition(int position);
  int Position() const { return position_; }
  // One step up or down, stopping at the limits (no wrap-around).
  void StepUp() { SetPosition(position_ + increment_); }
  void StepDown() { SetPosition(position_ - increment_); }
  QToolButton* UpButton() const { return up_; }
  QToolButton* DownButton() const { return down_; }

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  QToolButton* up_;
  QToolButton* down_;
  TEdit* edit_ = nullptr;
  int min_ = 0, max_ = 100, increment_ = 1, position_ = 0;
};

// A drop-down list of the twenty named colours, each a swatch with its name.
class TColorBox : public QComboBox {
  Q_OBJECT
 public:
  explicit TColorBox(QWidget* parent);
  TColor Selected() const;
  void SetSelected(TColor color);
  // Selects the colour of this name ("clRed"); false when there is no such entry.
  bool SelectName(const QString& name);
};

class TBevel : public QFrame {
  Q_OBJECT
 public:
  explicit TBevel(QWidget* parent, bool raised);
};

// A list of same-sized pictures.
class TImageList {
 public:
  TImageList(int width, int height) : width_(width), height_(height) {}
  int Count() const { return static_cast<int>(images_.size()); }
  void Add(const QImage& image);
  // Picture `index` as a bitmap of the list's size; empty when there is no such picture.
  Bitmap GetBitmap(int index) const;

 private:
  int width_, height_;
  std::vector<QImage> images_;
};

// The picture dialogs: they hold the filter and default extension and ask Dialogs().
class TOpenPictureDialog {
 public:
  QString Filter;
  QString FileName;
  bool Execute();
};

class TSavePictureDialog {
 public:
  QString Filter;
  QString DefaultExt;
  QString FileName;
  int FilterIndex = 1;  // the filter chosen in the last Execute, 1 for the first
  bool Execute();
};

// The picture view: owns a Bitmap and shows it 1:1 (top-left, or centred), reports pointer
// presses, moves and releases in picture coordinates, and repaints only what the canvas
// reports as changed. Assistive technology hears it as a graphic described by its size.
class TImage : public QWidget {
  Q_OBJECT
 public:
  explicit TImage(QWidget* parent);
  ~TImage() override;
  Bitmap& Picture() { return picture_; }
  const Bitmap& Picture() const { return picture_; }
  // Takes a copy of `bitmap` with a fresh canvas state; with auto-size on the view takes its size.
  void SetPicture(const Bitmap& bitmap);
  void Clear() { SetPicture(Bitmap()); }
  bool AutoSize() const { return auto_size_; }
  void SetAutoSize(bool on);
  void SetCenter(bool on);
  // Schedules a repaint of what the canvas drew since the last call.
  void Flush();
  // Flushes every picture view; the controls call it after each event handler.
  static void FlushAll();
  // Where the top-left pixel of the picture stands in the view.
  QPoint PictureOffset() const;
  TMouseEvent OnMouseDown;
  TMouseMoveEvent OnMouseMove;
  TMouseEvent OnMouseUp;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  void Press(QMouseEvent* event);
  Bitmap picture_;
  bool auto_size_ = false;
  bool center_ = false;
};

// Lets assistive technology hear speed buttons as buttons pressed while their tool is chosen and
// picture views as graphics; the controls call it when they are made.
void InstallControlAccessibility();

// Runs an event callback, then lets the picture views show what it drew. An error it raises
// goes to the standard error box here: unwinding on through Qt's own frames would skip their
// clean-up (the event copies and guards they hold would leak).
template <typename Fn, typename... Args>
void RunEvent(const Fn& handler, Args&&... args) {
  if (handler) {
    DeliverShowingErrors([&] {
      handler(std::forward<Args>(args)...);
      return true;
    });
  }
  TImage::FlushAll();
}

// Qt's mouse buttons and modifiers in the program's terms; nullopt for buttons it has no name for.
std::optional<TMouseButton> ToMouseButton(Qt::MouseButton button);
TShiftState ToShiftState(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons);

}  // namespace nabrilo
