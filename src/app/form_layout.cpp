// The header, the drawing surface and the non-visual parts of the main window, as designed.

#include "app/form_build.h"
#include "app/form_main.h"
#include "document/picture_save.h"
#include "platform/controls.h"
#include "platform/fonts.h"
#include "platform/panel_scroller.h"
#include "platform/raw_picture.h"

namespace nabrilo {

QImage Artwork(const QString& path) {
  const std::optional<RawPicture> picture = LoadRawPicture(path);
  return picture ? picture->image : QImage();
}

namespace {

TButton* Push_Button(QWidget* parent, const char* name, int left, int top, int width, int height,
                     const QString& caption, TAnchors anchors) {
  auto* b = new TButton(parent);
  PlaceControl(b, name, left, top, width, height);
  b->SetCaption(caption);
  SetAnchors(b, anchors);
  return b;
}

TLabel* Fixed_Label(QWidget* parent, const char* name, int left, int top, int width, int height) {
  auto* l = new TLabel(parent);
  l->SetAutoSize(false);
  PlaceControl(l, name, left, top, width, height);
  return l;
}

}  // namespace

void Build_Header(TForm_Main& f) {
  f.Panel2 = new TPanel(&f);
  PlaceControl(f.Panel2, "Panel2", 0, 0, kClientWidth, 59);
  SetAnchors(f.Panel2, akLeft | akTop | akRight);  // aligned to the top, full width

  f.Label1 = Fixed_Label(f.Panel2, "Label1", 24, 10, 231, 24);
  f.Label1->SetCaption(QStringLiteral("Nabrilo"));
  f.Label1->setFont(UiFont(24, true, true));
  f.Label1->SetFontColor(clNavy);
  f.Label2 = Fixed_Label(f.Panel2, "Label2", 100, 18, 46, 15);

  f.Label_Size = new TLabel(f.Panel2);
  PlaceControl(f.Label_Size, "Label_Size", 24, 40, 0, 0);
  f.Label_Var = Fixed_Label(f.Panel2, "Label_Var", 560, 40, 137, 13);
  f.Label_Var->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  f.Label_Var->setFont(UiFont(13));

  f.Btn_Shikake_Or_Point = Push_Button(f.Panel2, "Btn_Shikake_Or_Point", 301, 5, 121, 25,
                                       QStringLiteral("仕掛け図"), akTop | akRight);
  f.Button_Clear = Push_Button(f.Panel2, "Button_Clear", 301, 29, 121, 25,
                               QStringLiteral("全　消　去"), akTop | akRight);
  f.Btn_File = Push_Button(f.Panel2, "Btn_File", 432, 5, 121, 25, QStringLiteral("ファイルに保存"),
                           akRight | akBottom);
  f.Btn_Clip = Push_Button(f.Panel2, "Btn_Clip", 432, 29, 121, 25,
                           QStringLiteral("クリップボードへ"), akRight | akBottom);
  f.Button1 = Push_Button(f.Panel2, "Button1", 561, 5, 137, 32, QStringLiteral("閉じる"),
                          akRight | akBottom);
  f.Button1->setFont(UiFont(16, true));
}

void Build_Drawing_Surface(TForm_Main& f) {
  f.Panel_Image = new TPanel(&f);
  PlaceControl(f.Panel_Image, "Panel_Image", 0, 59, 512, 511);
  f.Panel_Image->SetColor(clMoneyGreen);
  SetAnchors(f.Panel_Image, akLeft | akTop | akRight | akBottom);

  f.Image1 = new TImage(f.Panel_Image);
  PlaceControl(f.Image1, "Image1", 6, 6, 500, 500);
  f.Image1->setAccessibleName(QStringLiteral("図"));
  f.Image1_Scroll = new PanelScroller(f.Panel_Image, f.Image1, QPoint(6, 6));

  f.Edit_Y = new TEdit(f.Panel_Image);
  PlaceControl(f.Edit_Y, "Edit_Y", 0, 0, 0, 0);
  f.Edit_Y->SetBorderless(true);
  f.Edit_Y->setAccessibleName(QStringLiteral("文字入力"));
  f.Edit_Y->setFont(UiFont(12));
  // Closed, the text fields are 0 × 0: Tab must not stop there, or typing would go in unseen.
  // Opening one gives it the focus itself.
  f.Edit_Y->setFocusPolicy(Qt::ClickFocus);

  f.Edit_X = new TEdit(&f);
  PlaceControl(f.Edit_X, "Edit_X", 0, 0, 0, 0);
  f.Edit_X->SetBorderless(true);
  f.Edit_X->setAccessibleName(QStringLiteral("文字入力"));
  f.Edit_X->SetColor(clWhite);
  f.Edit_X->setFont(UiFont(12));
  f.Edit_X->setFocusPolicy(Qt::ClickFocus);
}

void Build_Non_Visual(TForm_Main& f) {
  f.OpenPicDialog1 = new TOpenPictureDialog;
  f.OpenPicDialog1->Filter = OpenPictureFilter();
  f.SavePictureDialog1 = new TSavePictureDialog;
  f.SavePictureDialog1->Filter = SavePictureFilter();
  f.SavePictureDialog1->DefaultExt = SavePictureDefaultExt();
  f.ImageList1 = new TImageList(32, 32);
  for (int n = 0; n < 27; ++n) {
    f.ImageList1->Add(
        Artwork(QStringLiteral(":/imagelist/%1.nbrp").arg(n, 2, 10, QLatin1Char('0'))));
  }
}

}  // namespace nabrilo
