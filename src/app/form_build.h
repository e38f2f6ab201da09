#pragma once
// How the main window is put together: its controls as designed, and their events wired to the
// handlers. Used by the window's constructor only.

#include <QImage>
#include <QString>

namespace nabrilo {

class TForm_Main;

// Client area at start, which is also the minimum; the outer size adds the frame.
constexpr int kClientWidth = 712;
constexpr int kClientHeight = 571;
constexpr int kFrameWidth = 8;
constexpr int kFrameHeight = 34;

void Build_Header(TForm_Main& form);
void Build_Drawing_Surface(TForm_Main& form);
void Build_Rig_Palette(TForm_Main& form);
void Build_Map_Palette(TForm_Main& form);
void Build_Non_Visual(TForm_Main& form);
void Wire_Events(TForm_Main& form);

// A picture embedded in the program (":/glyphs/…"); null when it is not there.
QImage Artwork(const QString& path);

}  // namespace nabrilo
