// The commands that replace the picture or send it out: clearing, the clipboard both ways,
// saving to a BMP, PNG or JPEG file and loading a BMP, JPEG or PNG file, with the window sizing
// that follows.
#include <cstdio>
#include <exception>
#include <optional>

#include "app/form_main.h"
#include "document/picture_clipboard.h"
#include "document/picture_file.h"
#include "document/picture_save.h"
#include "platform/controls.h"
#include "platform/cursors.h"
#include "platform/panel_scroller.h"
#include "platform/user_dialogs.h"

namespace nabrilo {

namespace {
QString FailedText() {
  return QStringLiteral("エラー発生　失敗");
}
}  // namespace

void TForm_Main::Fit_Window_To_Picture() {
  const Bitmap& picture = Image1->Picture();
  Set_Outer_Size(picture.Width() + 220, picture.Height() + 105);
}

void TForm_Main::Button_ClearClick(QObject*) {
  New_Picture();
  Image1->SetAutoSize(false);
  Label_Size->SetCaption(Size_Text(500, 500));
  Set_Outer_Size(720, 605);
  Snap_Now = QByteArray();
  Snap_Prev = QByteArray();
  Undo_State = kUndoEmpty;
  Btn_Undo_1->setEnabled(false);
  Btn_Undo_2->setEnabled(false);
  Keep_For_Recovery();
}

void TForm_Main::Btn_ClipClick(QObject*) {
  try {
    CopyPictureToClipboard(Image1->Picture().Image());
  } catch (const std::exception&) {
    Dialogs().ShowMessage(FailedText());
    return;
  }
  Dialogs().ShowMessage(QStringLiteral("クリップボードにコピーしました"));
}

// Written through a temporary file that replaces the chosen one only when complete; the dialog
// has asked before overwriting.
void TForm_Main::Btn_FileClick(QObject*) {
  bool saved = false;
  try {
    if (!SavePictureDialog1->Execute()) return;
    const QString& name = SavePictureDialog1->FileName;
    const BusyCursor busy;
    saved = WritePictureFile(Image1->Picture().Image(), name,
                             SaveKindOf(name, SavePictureDialog1->FilterIndex));
  } catch (const std::exception&) {
    saved = false;
  }
  Dialogs().ShowMessage(saved ? QStringLiteral("ファイルに保存しました") +
                                    SavePictureDialog1->FileName
                              : FailedText());
}

// A clipboard that cannot be read raises an error for the standard error box; nothing changes.
void TForm_Main::Btn_ClipBordClick(QObject*) {
  const std::optional<QImage> pasted = PastePictureFromClipboard();
  if (!pasted) {
    Dialogs().ShowMessage(QStringLiteral("クリップボードに画像がありません"));
    return;
  }
  Paste_Picture(*pasted);
}

void TForm_Main::Paste_Picture(const QImage& picture) {
  Image1->SetPicture(Bitmap(picture));
  Image1_Scroll->ScrollTo({0, 0});
  Label_Size->SetCaption(Size_Text(picture.width(), picture.height()));
  Image1->SetAutoSize(true);
  Fit_Window_To_Picture();
  Keep_For_Recovery();
}

void TForm_Main::Button4Click(QObject*) {
  if (!OpenPicDialog1->Execute()) return;
  Replace_Picture_From_File(OpenPicDialog1->FileName);
}

void TForm_Main::Replace_Picture_From_File(const QString& FileName) {
  std::optional<BusyCursor> busy(std::in_place);
  const PictureLoad load = LoadPictureFile(FileName);
  // The message the user sees says only that the file was not taken; why goes to the log.
  if (load.outcome != PictureLoad::Loaded && load.outcome != PictureLoad::NotAPicture) {
    std::fprintf(stderr, "%s\n", qUtf8Printable(RefusalLine(FileName, load)));
  }
  switch (load.outcome) {
    case PictureLoad::Loaded:
      Image1->SetPicture(Bitmap(load.image));
      Image1_Scroll->ScrollTo({0, 0});
      Keep_For_Recovery();
      break;
    case PictureLoad::BadBitmap:  // the standard error box; the picture and window stay
      busy.reset();
      throw AppError(BadBitmapText());
    case PictureLoad::BadJpeg:
    case PictureLoad::BadPng:
    case PictureLoad::NotAPicture:  // a name with none of the known extensions
      busy.reset();
      Dialogs().ShowMessage(UnsupportedFormatText());
      break;
  }
  Image1->SetAutoSize(true);
  Fit_Window_To_Picture();
  Label_Size->SetCaption(Size_Text(Image1->Picture().Width(), Image1->Picture().Height()));
}

}  // namespace nabrilo
