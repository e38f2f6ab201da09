#pragma once
// TForm_Main: the one window of the program. Its controls, its state and every handler and
// drawing routine are members of this class, grouped below by the subsystem (folder) that
// defines them; read this header as the table of contents of the program.

#include <QByteArray>
#include <QImage>
#include <QMargins>
#include <QString>
#include <QWidget>
#include <array>
#include <cstdint>
#include <memory>

#include "platform/bitmap.h"
#include "platform/canvas.h"
#include "platform/controls.h"
#include "platform/tcolor.h"

namespace nabrilo {

class PanelScroller;
class RecoveryKeeper;

class TForm_Main : public QWidget {
  Q_OBJECT

 public:
  explicit TForm_Main(QWidget* parent = nullptr);
  ~TForm_Main() override;

  // ---- Controls (app/form_layout*.cpp build them with their names, places and properties) ----
  // The names are the controls' object names, which scenario scripts use; a gloss says what each
  // one is where the name does not.
  // Header.
  TPanel* Panel2 = nullptr;                 // the header strip; moving onto it drops the rig tool
  TLabel* Label1 = nullptr;                 // the title "Nabrilo"
  TLabel* Label2 = nullptr;                 // an empty label beside the title
  TLabel* Label_Size = nullptr;             // "BitMapのサイズ　W * H" of the picture
  TLabel* Label_Var = nullptr;              // "Ver " and the file version of the version data
  TButton* Btn_Shikake_Or_Point = nullptr;  // mode switch; its caption names the current mode
  TButton* Button_Clear = nullptr;          // 全　消　去: a new white picture
  TButton* Btn_File = nullptr;              // ファイルに保存: save the picture as BMP
  TButton* Btn_Clip = nullptr;              // クリップボードへ: copy the picture out
  TButton* Button1 = nullptr;               // 閉じる: close the window
  // Drawing surface.
  TPanel* Panel_Image = nullptr;  // the green ground around the picture
  TImage* Image1 = nullptr;       // the picture being drawn
  // Scroll bars of Panel_Image, shown only when the picture reaches past it (app/form_layout.cpp).
  PanelScroller* Image1_Scroll = nullptr;
  TEdit* Edit_Y = nullptr;  // the text field of map mode, on the drawing surface
  TEdit* Edit_X = nullptr;  // the text field of rig mode, on the window
  // Rig palette (仕掛け図). Each speed button carries its tool's tag; rig/rig_tools.h has one
  // row per button with its tool's text, cursor and gesture.
  TPanel* Panel_Shikake = nullptr;              // the rig palette (shikake: the rig, the tackle)
  TSpeedButton* S_Btn_Default = nullptr;        // 0: no tool (the arrow)
  TSpeedButton* SpeedButton13 = nullptr;        // 13: rod with spinning reel
  TSpeedButton* SpeedButton14 = nullptr;        // 14: rod with revolving reel
  TSpeedButton* S_Btn_V_Sarukan = nullptr;      // 1: small swivel, upright
  TSpeedButton* S_Btn_H_Sarukan = nullptr;      // 2: small swivel, lying
  TSpeedButton* S_Btn_V_Big_sarukan = nullptr;  // 3: large swivel, upright
  TSpeedButton* S_Btn_H_big_Sarukan = nullptr;  // 4: large swivel, lying
  TSpeedButton* S_Btn_Omori_Kotei = nullptr;    // 5: fixed sinker arm
  TSpeedButton* S_Btn_Omori_Yudou = nullptr;    // 6: sliding sinker arm
  TSpeedButton* SpeedButton9 = nullptr;         // 7: sinker, upright
  TSpeedButton* SpeedButton10 = nullptr;        // 8: sinker, lying
  TSpeedButton* S_Btn_H_M_Hari = nullptr;       // 9: small hook, lying
  TSpeedButton* S_Btn_V_M_Hari = nullptr;       // 10: small hook, upright
  TSpeedButton* S_Btn_H_B_Hari = nullptr;       // 11: large hook, lying
  TSpeedButton* S_Btn_V_B_Hari = nullptr;       // 12: large hook, upright
  TSpeedButton* SpeedButton1 = nullptr;         // 31: small hook, lying, mirrored
  TSpeedButton* SpeedButton2 = nullptr;         // 32: small hook, upright, mirrored
  TSpeedButton* SpeedButton3 = nullptr;         // 33: large hook, lying, mirrored
  TSpeedButton* SpeedButton4 = nullptr;         // 34: large hook, upright, mirrored
  TSpeedButton* SpeedButton15 = nullptr;        // 15: thin straight line
  TSpeedButton* SpeedButton16 = nullptr;        // 16: thin upward arc
  TSpeedButton* SpeedButton17 = nullptr;        // 17: thin downward arc
  TSpeedButton* SpeedButton18 = nullptr;        // 18: thick straight line
  TSpeedButton* SpeedButton19 = nullptr;        // 19: thick upward arc
  TSpeedButton* SpeedButton20 = nullptr;        // 20: thick downward arc
  TSpeedButton* SpeedButton21 = nullptr;        // 21: thin free line
  TSpeedButton* SpeedButton22 = nullptr;        // 22: thick free line
  TSpeedButton* SpeedButton23 = nullptr;        // 23: thick vertical line
  TSpeedButton* SpeedButton24 = nullptr;        // 24: thick horizontal line
  TSpeedButton* SpeedButton25 = nullptr;        // 25: large eraser
  TSpeedButton* SpeedButton26 = nullptr;        // 26: small eraser
  TSpeedButton* SpeedButton27 = nullptr;        // 27: thin vertical line
  TSpeedButton* SpeedButton28 = nullptr;        // 28: thin horizontal line
  TSpeedButton* SpeedButton29 = nullptr;        // 29: text
  TSpeedButton* SpeedButton30 = nullptr;        // 30: arrow
  TLabel* Label_Buhin = nullptr;                // the chosen rig tool's status text
  TButton* Btn_Undo_1 = nullptr;                // 戻　る: undo, rig palette
  TPanel* Panel_Color = nullptr;   // frame of the colour box; moving onto it drops the rig tool
  TColorBox* ColorBox1 = nullptr;  // the pen colour of lines, arcs, text and map figures
  TBevel* Bevel1 = nullptr;        // frame around the two load buttons
  TLabel* Label3 = nullptr;        // 編集用　読込: "load for editing", over the load buttons
  TLabel* Label4 = nullptr;        // BitMap Only, in red
  TButton* Btn_ClipBord = nullptr;  // ｸﾘｯﾌﾟﾎﾞｰﾄﾞから: paste a picture in (Btn_Clip copies out)
  TButton* Button4 = nullptr;  // ファイルから: load a picture from a file
  // Map palette (ポイント), over the upper part of the rig palette in map mode. S2_Btn0 to 9 are
  // the speed buttons of this second palette; S2_Btn1 to 9 carry the tags 101 to 109, whose tool
  // depends on the bank chosen in R_Group1: map/map_tools.h has one row per bank and tag.
  TPanel* Panel_Point = nullptr;
  TSpeedButton* S2_Btn0 = nullptr;  // 0: no tool (the arrow)
  TSpeedButton* S2_Btn1 = nullptr;
  TSpeedButton* S2_Btn2 = nullptr;
  TSpeedButton* S2_Btn3 = nullptr;
  TSpeedButton* S2_Btn4 = nullptr;
  TSpeedButton* S2_Btn5 = nullptr;
  TSpeedButton* S2_Btn6 = nullptr;
  TSpeedButton* S2_Btn7 = nullptr;
  TSpeedButton* S2_Btn8 = nullptr;
  TSpeedButton* S2_Btn9 = nullptr;
  TLabel* Label_Point = nullptr;        // the chosen map tool's status text
  TButton* Btn_Undo_2 = nullptr;        // 戻　る: undo, map palette
  TRadioGroup* R_Group1 = nullptr;      // ボタン選択: the bank, 波止 / 線 / 部品
  TBevel* Bevel2 = nullptr;             // frame around the preview and the band width
  TImage* Image_H = nullptr;            // preview of the chosen map tool
  TLabel* Label_Hato = nullptr;         // 波止の幅: breakwater band width
  TEdit* Edit_Haba = nullptr;           // the band width, 20 to 100 (read-only)
  TUpDown* UpDown1 = nullptr;           // steps Edit_Haba by 5
  TRadioGroup* R_Group_line = nullptr;  // 線の太さ: line bank pen, 細 / 太 / 極太
  TRadioGroup* R_Group2 = nullptr;      // 塗りつぶし: line bank shapes filled white, 有 / 無
  TRadioGroup* R_Group_Keshigomu = nullptr;  // 消しゴムの大きさ: map eraser size, 小 / 大
  // Non-visual.
  TOpenPictureDialog* OpenPicDialog1 = nullptr;      // for Button4
  TSavePictureDialog* SavePictureDialog1 = nullptr;  // for Btn_File
  // Nine pictures per map bank (波止 0-8, 線 9-17, 部品 18-26): the glyphs of S2_Btn1 to 9, and
  // the previews Image_H shows.
  TImageList* ImageList1 = nullptr;

  // ---- State (in this order; all zero, false or empty before FormCreate) ----
  // Owners: app/ sets the tags, rig/ the rig gesture, map/ the map gesture, document/ the undo
  // record.
  QByteArray Snap_Now;   // the latest snapshot of the picture, as a BMP file image
  QByteArray Snap_Prev;  // the snapshot that undo brings back
  // Undo_State (document/form_undo.cpp): how far the undo record has come since the last reset.
  static constexpr std::uint32_t kUndoEmpty = 0;     // nothing recorded; undo does nothing
  static constexpr std::uint32_t kUndoFirst = 1;     // only inside the first Take_Snapshot
  static constexpr std::uint32_t kUndoRecorded = 2;  // Snap_Prev holds a picture to go back to
  std::uint32_t Undo_State = kUndoEmpty;
  std::int32_t Buhin_Tag = 0;  // the chosen rig tool (rig/rig_tags.h); 0 none
  // Line_Mode (rig/): the rig stroke in progress, set by the press, ended by the
  // release; a drag step draws only while it holds the mode its tool's row names.
  static constexpr std::int32_t kLineNone = 0;
  static constexpr std::int32_t kLineDragging = 1;  // trail, free line or eraser
  static constexpr std::int32_t kLineVerticalThick = 2;
  static constexpr std::int32_t kLineHorizontalThick = 3;
  static constexpr std::int32_t kLineVerticalThin = 4;
  static constexpr std::int32_t kLineHorizontalThin = 5;
  std::int32_t Line_Mode = kLineNone;
  std::int32_t Start_X = 0, Start_Y = 0;  // press point of a rig line or of a text, either mode
  std::int32_t Press_X = 0, Press_Y = 0;  // the screen pointer at the last press: stamp anchor
  static constexpr int kTrailCapacity = 10000;
  // The blue pointer trail of the traced rig strokes (rig/form_rig_trail.cpp).
  std::array<std::array<std::int32_t, kTrailCapacity>, 2> Trail_XY{};  // row 0 x, row 1 y
  std::array<ColorText, kTrailCapacity> Trail_Color{};  // the colour each trail pixel covered
  std::int32_t Trail_Count = 0;                         // index of the last trail point
  std::array<TPoint, 4> Bezier_Pts{};                   // the last rig arc's control points
  std::int32_t Begin_X = 0, Begin_Y = 0;  // rig stroke start (the trail's first point)
  std::int32_t End_X = 0, End_Y = 0;      // rig stroke end (the release point)
  std::int32_t Down_X = 0, Down_Y = 0;    // map mode: press point of the gesture
  // Rig mode: the previous pointer position (where the eraser's last disc goes). Map mode: the
  // previous pointer position for the line bank and the eraser, and corner 1 of the breakwater
  // band outline shown (map/form_hato_band.cpp) for the breakwater bank.
  std::int32_t Last_X = 0, Last_Y = 0;
  std::int32_t Last_X2 = 0, Last_Y2 = 0;  // map mode: band outline corners 2 to 5, recorded
  std::int32_t Last_X3 = 0, Last_Y3 = 0;  // so that the next move can draw the outline again
  std::int32_t Last_X4 = 0, Last_Y4 = 0;  // in not-xor to erase it
  std::int32_t Last_X5 = 0, Last_Y5 = 0;
  bool Mouse_Held = false;  // map mode: a press on the picture has not been released yet
  // Map mode (map/form_hato_band.cpp): the band's width vector across the drag, at full width, a
  // quarter and three quarters of it; the release clears Haba_DY.
  std::int32_t Haba_DX = 0, Haba_DY = 0;
  std::int32_t Haba1_DX = 0, Haba1_DY = 0;
  std::int32_t Haba3_DX = 0, Haba3_DY = 0;
  std::int32_t Point_Tag = 0;  // the chosen map tool, 101 to 109 (map/map_tools.h); 0 none

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
  // Never below the minimum; up to the available area of the window's screen, inside which the
  // window is kept.
  void Set_Outer_Size(int width, int height);
  QSize Outer_Size() const;
  // The frame around the client area: the design frame (4 at the sides, 26 above, 8 below), or
  // the window manager's where that is larger.
  QMargins Frame_Margins() const;
  void Btn_Shikake_Or_PointClick(QObject* Sender);
  void _cursor_sel_(QObject* Sender);  // "cursor select": the click of every rig tool button
  void S_Btn_DefaultClick(QObject* Sender);
  void Show_Buhin();
  void Panel2MouseMove(QObject* Sender, TShiftState Shift, int X, int Y);
  void Panel_ColorMouseMove(QObject* Sender, TShiftState Shift, int X, int Y);
  void Btn_Undo_1MouseMove(QObject* Sender, TShiftState Shift, int X, int Y);
  void R_Group1Click(QObject* Sender);
  void Set_S2_Glyphs();  // and the buttons' names, which follow the bank
  // What map palette button `tag` is called in `bank` (its tooltip, and what a screen reader
  // says): the tool's status text, or a short name where it has none.
  static QString Map_Tool_Name(int bank, int tag);
  void S2_Btn_Click(QObject* Sender);
  // Pictures from outside the buttons: a file named on the command line, dropped files and
  // dropped image data (app/form_open.cpp).
  void Open_At_Start(const QString& path);  // once the shown window is ready
  void Open_Given_File(const QString& path);
  bool Gesture_In_Progress() const;  // a press on the picture not yet released

  // ---- Pointer on the picture, handed over to the mode; typing text (interaction/) ----
  void Image1MouseDown(QObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
  void Image1MouseMove(QObject* Sender, TShiftState Shift, int X, int Y);
  void Image1MouseUp(QObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
  void Draw_Arrow_Head(int x1, int y1, int x2, int y2);
  void Eraser_Disc(int x, int y, int r);  // the white disc both erasers leave, in copy mode
  void Open_Text_Edit(TEdit* edit);
  void Edit_XKeyPress(QObject* Sender, char16_t& Key);
  void Edit_YKeyPress(QObject* Sender, char16_t& Key);
  void Commit_Text(TEdit* edit, TSpeedButton* no_tool_button, char16_t& Key);
  bool Text_Field_Open() const;  // a text field shows on the picture: keys are the field's

  // ---- Rig drawing: the rig tools' gestures and trail (rig/) ----
  // Each reads the chosen tool's row of rig/rig_tools.h. The parts and rods are drawn on a Canvas
  // without the window (rig/rig_parts.h).
  void Rig_Mouse_Down(int X, int Y);  // the rig-mode part of the press handler
  void Rig_Drag(int X, int Y);        // the rig-mode part of the move handler, past its gate
  void Rig_Mouse_Up(int X, int Y);    // the rig-mode part of the release handler
  enum class ArcDirection { Upward, Downward };
  void Draw_Arc(ArcDirection direction);
  void Trail_Start(int x, int y);
  void Trail_Add(int x, int y);
  void Trail_Restore();
  bool Trail_Live = false;  // trail pixels are marked and not yet put back

  // ---- Map drawing: breakwater bands, the drag step, map symbol stamps (map/) ----
  void Calc_Haba(int start_x, int start_y, int end_x, int end_y, int width);
  void Hato_Erase_Preview(int tag);
  void Hato_Preview(int tag, int start_x, int start_y, int x, int y);
  void Hato_Fill(int tag, int start_x, int start_y, int x, int y);
  void Map_Drag(int x, int y);
  void Map_Mouse_Down(int X, int Y);  // the map-mode part of the press handler
  void Map_Mouse_Up(int X, int Y);    // the map-mode part of the release handler
  // The map symbols are drawn on a Canvas without the window (map/map_stamps.h).

  // ---- Picture document: undo snapshots, clear, clipboard, files (document/) ----
  void Take_Snapshot();
  void Btn_Undo_1Click(QObject* Sender);  // Undo_Picture, bound to both undo buttons
  void Button_ClearClick(QObject* Sender);
  void Btn_ClipClick(QObject* Sender);
  void Btn_FileClick(QObject* Sender);
  void Btn_ClipBordClick(QObject* Sender);
  void Button4Click(QObject* Sender);
  void Fit_Window_To_Picture();               // the window sizing rule after a paste or a load
  void Paste_Picture(const QImage& picture);  // a pasted or dropped picture replaces ours
  void Replace_Picture_From_File(const QString& FileName);  // a chosen or given file, loaded

  // ---- Recovery copies of the picture (document/form_recovery.cpp, document/recovery.h) ----
  // Off until Start_Recovery: the program turns it on; tests and the scenario runner only when
  // they ask for it. Copies left by an earlier run are offered once the window is shown.
  void Start_Recovery(const QString& folder);
  void Offer_Recovery();
  // A change of the picture has ended: the picture, or the undo snapshot that holds it, is
  // handed to the recovery writer.
  void Keep_For_Recovery();
  void Keep_For_Recovery(const QByteArray& snapshot);
  RecoveryKeeper* Recovery() { return recovery_.get(); }

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  bool shown_once_ = false;
  std::unique_ptr<RecoveryKeeper> recovery_;
  bool offering_ = false;     // the question about left copies is open
  QString open_after_offer_;  // a file named on the command line waits for it
};

}  // namespace nabrilo
