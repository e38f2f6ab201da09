#pragma once
// TForm_Main: the one window of the program. Its controls, its state and every handler and
// drawing routine are members of this class, grouped below by the subsystem (folder) that
// defines them; read this header as the table of contents of the program.

#include <QByteArray>
#include <QString>
#include <QWidget>
#include <array>
#include <cstdint>

#include "platform/bitmap.h"
#include "platform/canvas.h"
#include "platform/controls.h"
#include "platform/tcolor.h"

namespace nabrilo {

class TForm_Main : public QWidget {
  Q_OBJECT

 public:
  explicit TForm_Main(QWidget* parent = nullptr);
  ~TForm_Main() override;

  // ---- Controls (app/form_layout.cpp builds them with their names, places and properties) ----
  // Header.
  TPanel* Panel2 = nullptr;
  TLabel* Label1 = nullptr;
  TLabel* Label2 = nullptr;
  TLabel* Label_Size = nullptr;
  TLabel* Label_Var = nullptr;
  TButton* Btn_Shikake_Or_Point = nullptr;
  TButton* Button_Clear = nullptr;
  TButton* Btn_File = nullptr;
  TButton* Btn_Clip = nullptr;
  TButton* Button1 = nullptr;
  // Drawing surface.
  TPanel* Panel_Image = nullptr;
  TImage* Image1 = nullptr;
  TEdit* Edit_Y = nullptr;
  TEdit* Edit_X = nullptr;
  // Rig palette.
  TPanel* Panel_Shikake = nullptr;
  TSpeedButton* S_Btn_Default = nullptr;
  TSpeedButton* SpeedButton13 = nullptr;
  TSpeedButton* SpeedButton14 = nullptr;
  TSpeedButton* S_Btn_V_Sarukan = nullptr;
  TSpeedButton* S_Btn_H_Sarukan = nullptr;
  TSpeedButton* S_Btn_V_Big_sarukan = nullptr;
  TSpeedButton* S_Btn_H_big_Sarukan = nullptr;
  TSpeedButton* S_Btn_Omori_Kotei = nullptr;
  TSpeedButton* S_Btn_Omori_Yudou = nullptr;
  TSpeedButton* SpeedButton9 = nullptr;
  TSpeedButton* SpeedButton10 = nullptr;
  TSpeedButton* S_Btn_H_M_Hari = nullptr;
  TSpeedButton* S_Btn_V_M_Hari = nullptr;
  TSpeedButton* S_Btn_H_B_Hari = nullptr;
  TSpeedButton* S_Btn_V_B_Hari = nullptr;
  TSpeedButton* SpeedButton1 = nullptr;
  TSpeedButton* SpeedButton2 = nullptr;
  TSpeedButton* SpeedButton3 = nullptr;
  TSpeedButton* SpeedButton4 = nullptr;
  TSpeedButton* SpeedButton15 = nullptr;
  TSpeedButton* SpeedButton16 = nullptr;
  TSpeedButton* SpeedButton17 = nullptr;
  TSpeedButton* SpeedButton18 = nullptr;
  TSpeedButton* SpeedButton19 = nullptr;
  TSpeedButton* SpeedButton20 = nullptr;
  TSpeedButton* SpeedButton21 = nullptr;
  TSpeedButton* SpeedButton22 = nullptr;
  TSpeedButton* SpeedButton23 = nullptr;
  TSpeedButton* SpeedButton24 = nullptr;
  TSpeedButton* SpeedButton25 = nullptr;
  TSpeedButton* SpeedButton26 = nullptr;
  TSpeedButton* SpeedButton27 = nullptr;
  TSpeedButton* SpeedButton28 = nullptr;
  TSpeedButton* SpeedButton29 = nullptr;
  TSpeedButton* SpeedButton30 = nullptr;
  TLabel* Label_Buhin = nullptr;
  TButton* Btn_Undo_1 = nullptr;
  TPanel* Panel_Color = nullptr;
  TColorBox* ColorBox1 = nullptr;
  TBevel* Bevel1 = nullptr;
  TLabel* Label3 = nullptr;
  TLabel* Label4 = nullptr;
  TButton* Btn_ClipBord = nullptr;
  TButton* Button4 = nullptr;
  // Map palette.
  TPanel* Panel_Point = nullptr;
  TSpeedButton* S2_Btn0 = nullptr;
  TSpeedButton* S2_Btn1 = nullptr;
  TSpeedButton* S2_Btn2 = nullptr;
  TSpeedButton* S2_Btn3 = nullptr;
  TSpeedButton* S2_Btn4 = nullptr;
  TSpeedButton* S2_Btn5 = nullptr;
  TSpeedButton* S2_Btn6 = nullptr;
  TSpeedButton* S2_Btn7 = nullptr;
  TSpeedButton* S2_Btn8 = nullptr;
  TSpeedButton* S2_Btn9 = nullptr;
  TLabel* Label_Point = nullptr;
  TButton* Btn_Undo_2 = nullptr;
  TRadioGroup* R_Group1 = nullptr;
  TBevel* Bevel2 = nullptr;
  TImage* Image_H = nullptr;
  TLabel* Label_Hato = nullptr;
  TEdit* Edit_Haba = nullptr;
  TUpDown* UpDown1 = nullptr;
  TRadioGroup* R_Group_line = nullptr;
  TRadioGroup* R_Group2 = nullptr;
  TRadioGroup* R_Group_Keshigomu = nullptr;
  // Non-visual.
  TOpenPictureDialog* OpenPicDialog1 = nullptr;
  TSavePictureDialog* SavePictureDialog1 = nullptr;
  TImageList* ImageList1 = nullptr;

  // ---- State (in this order; all zero, false or empty before FormCreate) ----
  QByteArray Snap_Now;   // the latest snapshot of the picture, as a BMP file image
  QByteArray Snap_Prev;  // the snapshot that undo brings back
  std::uint32_t Undo_State = 0;
  std::int32_t Buhin_Tag = 0;
  std::int32_t Line_Mode = 0;
  std::int32_t Start_X = 0, Start_Y = 0;
  std::int32_t Press_X = 0, Press_Y = 0;
  static constexpr int kTrailCapacity = 10000;
  std::array<std::array<std::int32_t, kTrailCapacity>, 2> Trail_XY{};  // row 0 x, row 1 y
  std::array<ColorText, kTrailCapacity> Trail_Color{};
  std::int32_t Trail_Count = 0;
  std::array<TPoint, 4> Bezier_Pts{};
  std::int32_t Begin_X = 0, Begin_Y = 0;
  std::int32_t End_X = 0, End_Y = 0;
  std::int32_t Down_X = 0, Down_Y = 0;
  std::int32_t Last_X = 0, Last_Y = 0;
  std::int32_t Last_X2 = 0, Last_Y2 = 0;
  std::int32_t Last_X3 = 0, Last_Y3 = 0;
  std::int32_t Last_X4 = 0, Last_Y4 = 0;
  std::int32_t Last_X5 = 0, Last_Y5 = 0;
  bool Mouse_Held = false;
  std::int32_t Haba_DX = 0, Haba_DY = 0;
  std::int32_t Haba1_DX = 0, Haba1_DY = 0;
  std::int32_t Haba3_DX = 0, Haba3_DY = 0;
  std::int32_t Point_Tag = 0;

  // ---- Application shell: start-up, layout, modes and palettes (app/) ----
  void FormCreate();
  void FormShow();
  void FormDestroy();
  void Button1Click(QObject* Sender);
  void Load_Cursor(int number, const QString& name);
  QString Get_File_Version();
  static QString Size_Text(int width, int height);
  bool Is_Rig_Mode() const;  // the caption test: "仕掛け図" is rig mode
  Canvas& Picture_Canvas();  // the canvas of the picture of Image1
  void New_Picture();        // a white 500 × 500 picture at (6, 6), as at creation
  // The window's outer size counts a frame of 8 × 34 around the client area (this widget).
  void Set_Outer_Size(int width, int height);  // never below the minimum, no upper limit
  QSize Outer_Size() const;
  void Btn_Shikake_Or_PointClick(QObject* Sender);
  void _cursor_sel_(QObject* Sender);
  void S_Btn_DefaultClick(QObject* Sender);
  void Show_Buhin();
  void Panel2MouseMove(QObject* Sender, TShiftState Shift, int X, int Y);
  void Panel_ColorMouseMove(QObject* Sender, TShiftState Shift, int X, int Y);
  void Btn_Undo_1MouseMove(QObject* Sender, TShiftState Shift, int X, int Y);
  void R_Group1Click(QObject* Sender);
  void Set_S2_Glyphs();
  void S2_Btn_Click(QObject* Sender);

  // ---- Drawing-surface interaction: press, move, release, trail, text (interaction/) ----
  void _Image1_MouseDown_(QObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
  void Image1MouseMove(QObject* Sender, TShiftState Shift, int X, int Y);
  void Image1MouseUp(QObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
  void Rig_Mouse_Up(int X, int Y);  // the rig-mode part of the release handler
  enum class ArcDirection { Upward, Downward };
  void Draw_Arc(ArcDirection direction);
  void Draw_Arrow_Head(int x1, int y1, int x2, int y2);
  void Eraser_Disc(int x, int y, int r);  // the white disc both erasers leave, in copy mode
  void Trail_Start(int x, int y);
  void Trail_Add(int x, int y);
  void Trail_Restore();
  bool Trail_Live = false;  // trail pixels are marked and not yet put back
  void Open_Text_Edit(TEdit* edit);
  void Edit_XKeyPress(QObject* Sender, char16_t& Key);
  void Edit_YKeyPress(QObject* Sender, char16_t& Key);
  void Commit_Text(TEdit* edit, TSpeedButton* no_tool_button, char16_t& Key);

  // ---- Rig-diagram parts: tackle-part stamps, rods and reels (rig/) ----
  void Stamp_V_Sarukan(int x, int y);
  void Stamp_H_Sarukan(int x, int y);
  void Stamp_V_Big_Sarukan(int x, int y);
  void Stamp_H_Big_Sarukan(int x, int y);
  void Stamp_Omori_Kotei(int x, int y);
  void Stamp_Omori_Yudou(int x, int y);
  void Stamp_V_Omori(int x, int y);
  void Stamp_H_Omori(int x, int y);
  void Stamp_H_M_Hari(int x, int y);
  void Stamp_V_M_Hari(int x, int y);
  void Stamp_H_B_Hari(int x, int y);
  void Stamp_V_B_Hari(int x, int y);
  void Stamp_H_M_Hari_Mirror(int x, int y);
  void Stamp_V_M_Hari_Mirror(int x, int y);
  void Stamp_H_B_Hari_Mirror(int x, int y);
  void Stamp_V_B_Hari_Mirror(int x, int y);
  void Draw_Rod_Spinning(int x, int y);
  void Draw_Rod_Revolving(int x, int y);

  // ---- Map drawing: breakwater bands, the drag step, map symbol stamps (map/) ----
  void Calc_Haba(int start_x, int start_y, int end_x, int end_y, int width);
  void Hato_Erase_Preview(int tag);
  void Hato_Preview(int tag, int start_x, int start_y, int x, int y);
  void Hato_Fill(int tag, int start_x, int start_y, int x, int y);
  void Map_Drag(int x, int y);
  void Map_Mouse_Down(int X, int Y);  // the map-mode part of the press handler
  void Map_Mouse_Up(int X, int Y);    // the map-mode part of the release handler
  void Stamp_Tetrapod_1(int x, int y);
  void Stamp_Tetrapod_2(int x, int y);
  void Stamp_Sankaku_Nami(int x, int y);
  void Stamp_Shikaku_Nami(int x, int y);
  void Stamp_Sunahama(int x, int y);
  void Stamp_Iwaba(int x, int y);
  void Stamp_Chushajo(int x, int y);
  void Stamp_Suna_Ten(int x, int y);

  // ---- Picture document: undo snapshots, clear, clipboard, files (document/) ----
  void Take_Snapshot();
  void Save_Snap_Now();
  void Btn_Undo_1Click(QObject* Sender);  // Undo_Picture, bound to both undo buttons
  void Button_ClearClick(QObject* Sender);
  void Btn_ClipClick(QObject* Sender);
  void Btn_FileClick(QObject* Sender);
  void Btn_ClipBordClick(QObject* Sender);
  void Button4Click(QObject* Sender);
  void Fit_Window_To_Picture();  // the window sizing rule after a paste or a load

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  bool shown_once_ = false;
};

}  // namespace nabrilo
