#pragma once
// The control kinds the main window is built from: small wrappers that give Qt widgets the
// behaviour the handlers expect (speed buttons in exclusive groups, radio groups, an up-down on
// a read-only edit, a colour box, anchors, the picture view).

#include <cstdint>

namespace nabrilo {

enum class TMouseButton { mbLeft, mbRight, mbMiddle };
using TShiftState = std::uint32_t;  // modifier bits; the handlers never look at them

class TPanel;
class TLabel;
class TButton;
class TImage;
class TEdit;
class TSpeedButton;
class TColorBox;
class TBevel;
class TRadioGroup;
class TUpDown;
class TOpenPictureDialog;
class TSavePictureDialog;
class TImageList;

}  // namespace nabrilo
