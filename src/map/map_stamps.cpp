// The map symbols of the parts bank, each a table of its own. Figures without a brush setting of
// their own are filled with the canvas's current brush, so they come out hollow after a line-bank
// gesture without fill; the wave breakers set white for their inner figure, which also makes the
// brush solid again.
#include "map/map_stamps.h"

namespace nabrilo {

namespace {

using namespace stamp;

// clang-format off

constexpr TPoint kTetrapod1[] = {{12, 35}, {18, 35}, {20, 18}, {33, 5},   {29, 1},
                                 {15, 9},  {1, 1},   {-3, 5},  {10, 18}, {12, 35}};
constexpr Op kStamp_Tetrapod_1[] = {
    PenWidth(2), PenColor(clBlack),
    Polygon(kTetrapod1),
};

constexpr TPoint kTetrapod2[] = {{0, 0},   {6, 0},    {8, 17},   {21, 30},  {17, 34},
                                 {3, 26},  {-11, 34}, {-15, 30}, {-2, 17},  {0, 0}};
constexpr Op kStamp_Tetrapod_2[] = {
    PenWidth(2), PenColor(clBlack),
    Polygon(kTetrapod2),
};

constexpr TPoint kSankakuOuter[] = {{0, -19}, {16, 9}, {-16, 9}, {0, -19}};
constexpr TPoint kSankakuInner[] = {{0, -8}, {7, 4}, {-7, 4}, {0, -8}};
constexpr Op kStamp_Sankaku_Nami[] = {
    PenWidth(2), PenColor(clBlack),
    Polygon(kSankakuOuter),
    BrushColor(clWhite),
    Polygon(kSankakuInner),
};

constexpr TPoint kShikakuOuter[] = {{12, -12}, {12, 12}, {-12, 12}, {-12, -12}, {12, -12}};
constexpr TPoint kShikakuInner[] = {{5, -5}, {5, 5}, {-5, 5}, {-5, -5}, {5, -5}};
constexpr Op kStamp_Shikaku_Nami[] = {
    PenWidth(2), PenColor(clBlack),
    Polygon(kShikakuOuter),
    BrushColor(clWhite),
    Polygon(kShikakuInner),
};

// One sand dot: a black 2 × 2 square; pen and brush are not used.
constexpr Op kStamp_Suna_Ten[] = {
    SetPixel(0, 0, clBlack), SetPixel(1, 0, clBlack), SetPixel(1, 1, clBlack), SetPixel(0, 1, clBlack),
};

constexpr Op kStamp_Sunahama[] = {
    Call(kStamp_Suna_Ten, -8, -11), Call(kStamp_Suna_Ten, -3, -12), Call(kStamp_Suna_Ten, 5, -11),
    Call(kStamp_Suna_Ten, -10, -5), Call(kStamp_Suna_Ten, -5, -3),  Call(kStamp_Suna_Ten, 1, -6),
    Call(kStamp_Suna_Ten, -10, 3),  Call(kStamp_Suna_Ten, -5, 5),   Call(kStamp_Suna_Ten, 0, 0),
    Call(kStamp_Suna_Ten, 6, -3),   Call(kStamp_Suna_Ten, 11, -4),  Call(kStamp_Suna_Ten, 2, 6),
    Call(kStamp_Suna_Ten, 10, 4),   Call(kStamp_Suna_Ten, -9, 9),   Call(kStamp_Suna_Ten, -3, 10),
    Call(kStamp_Suna_Ten, 3, 13),   Call(kStamp_Suna_Ten, 8, 8),
};

// Each later stone covers what it overlaps of the earlier ones; some boxes are given with their
// corners swapped, which the canvas puts in order.
constexpr Op kStamp_Iwaba[] = {
    PenColor(clBlack), BrushStyle(bsSolid), BrushColor(clWhite), PenWidth(1),
    Ellipse(-12, -11, 0, 0),
    Ellipse(2, -13, 11, -5),
    Ellipse(5, -6, 15, 0),
    Ellipse(-13, 0, -3, 11),
    Ellipse(12, 0, -1, 13),
    Ellipse(-5, 5, 8, -7),
};

// A frame two pixels thick around the letter P.
constexpr TPoint kChushajoOuter[] = {{11, -11}, {11, 11}, {-11, 11}, {-11, -11}, {11, -11}};
constexpr TPoint kChushajoInner[] = {{10, -10}, {10, 10}, {-10, 10}, {-10, -10}, {10, -10}};
constexpr Op kStamp_Chushajo[] = {
    PenWidth(1), PenColor(clBlack),
    Polygon(kChushajoOuter),
    Polygon(kChushajoInner),
    PenWidth(2),
    Arc(-3, -8, 7, 1, 2, 1, 2, -8),  // the bowl: the right half of the ellipse
    MoveTo(-4, -8), LineTo(-4, 8),   // stem
    MoveTo(-2, 8), LineTo(-6, 8),    // foot
    MoveTo(2, -7), LineTo(-4, -7),   // upper bar of the bowl
    MoveTo(2, 0), LineTo(-4, 0),     // lower bar of the bowl
};

constexpr TaggedStamp kMapStamps[] = {
    {101, kStamp_Tetrapod_1, {-3, 1, 33, 35}},
    {102, kStamp_Tetrapod_2, {-15, 0, 21, 34}},
    {103, kStamp_Sankaku_Nami, {-16, -19, 16, 9}},
    {104, kStamp_Shikaku_Nami, {-12, -12, 12, 12}},
    {105, kStamp_Sunahama, {-10, -12, 12, 14}},
    {106, kStamp_Iwaba, {-13, -13, 15, 13}},
    {107, kStamp_Chushajo, {-11, -11, 11, 11}},
};

// clang-format on

static_assert(TablesMatchExtents(kMapStamps),
              "a map stamp table disagrees with its symbol's extent");

}  // namespace

bool IsMapStampTag(int tag) {
  return FindStamp(kMapStamps, tag) != nullptr;
}

void DrawMapStamp(Canvas& canvas, int tag, int x, int y) {
  DrawTaggedStamp(canvas, kMapStamps, tag, x, y);
}

void DrawSandDot(Canvas& canvas, int x, int y) {
  DrawStampTable(canvas, kStamp_Suna_Ten, x, y);
}

stamp::Table MapStampTable(int tag) {
  const TaggedStamp* s = FindStamp(kMapStamps, tag);
  return s ? s->ops : stamp::Table();
}

QRect MapStampExtent(int tag) {
  return TaggedStampExtent(kMapStamps, tag);
}

}  // namespace nabrilo
