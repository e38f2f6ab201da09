#pragma once
// The screen-cursor table: cursors installed under numbers, and one screen cursor number that
// applies to the whole application while it is not 0. Number 0 is the default arrow and -4 the
// text I-beam; both are always there. Named cursors are 32 × 32 monochrome pictures embedded in
// the program (":/cursors/NAME.nbrp", a raw picture with its hot spot).

#include <QCursor>
#include <QImage>
#include <QString>
#include <optional>

namespace nabrilo {

constexpr int crDefault = 0;
constexpr int crIBeam = -4;

// The cursor resource called `name` from the program's own resources; nothing when there is
// none or it is not a usable cursor picture.
std::optional<QCursor> LoadCursorResource(const QString& name);
// A cursor from a picture: black and white pixels are drawn, transparent ones are not.
QCursor CursorFromImage(const QImage& image, QPoint hot_spot);

// Installs `cursor` under `number`, replacing what stood there; nothing leaves no entry.
void SetCursorEntry(int number, std::optional<QCursor> cursor);
std::optional<QCursor> CursorEntry(int number);

// The screen cursor: 0 lets every control show its own cursor; any other number shows that
// entry of the table over the whole application (the arrow when the entry is missing).
void SetScreenCursor(int number);
int ScreenCursor();

// The busy cursor over the whole application while it lives, above the screen cursor, for work
// that may take a while (loading or saving a photo). Work done in a blink shows nothing: the
// cursor is only drawn once the event loop runs, and by then it is gone.
class BusyCursor {
 public:
  BusyCursor();
  ~BusyCursor();
  BusyCursor(const BusyCursor&) = delete;
  BusyCursor& operator=(const BusyCursor&) = delete;
};

}  // namespace nabrilo
