#pragma once
// TColor: 0x00BBGGRR, red in the low byte. Pixels are stored as QImage RGB32 (0xFFRRGGBB);
// conversion happens only where a pixel is written or read.

#include <QString>
#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace nabrilo {

using TColor = std::uint32_t;

constexpr TColor clBlack = 0x000000;
constexpr TColor clMaroon = 0x000080;
constexpr TColor clGreen = 0x008000;
constexpr TColor clOlive = 0x008080;
constexpr TColor clNavy = 0x800000;
constexpr TColor clPurple = 0x800080;
constexpr TColor clTeal = 0x808000;
constexpr TColor clGray = 0x808080;
constexpr TColor clSilver = 0xC0C0C0;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clLime = 0x00FF00;
constexpr TColor clYellow = 0x00FFFF;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clFuchsia = 0xFF00FF;
constexpr TColor clAqua = 0xFFFF00;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clMoneyGreen = 0xC0DCC0;
constexpr TColor clSkyBlue = 0xF0CAA6;
constexpr TColor clCream = 0xF0FBFF;
constexpr TColor clMedGray = 0xA4A0A0;

struct NamedColor {
  const char* name;
  TColor value;
};

// The twenty colours of the colour box, in its order.
std::span<const NamedColor> NamedColors();

inline constexpr std::uint32_t ToRgb32(TColor c) {
  return 0xFF000000u | ((c & 0xFFu) << 16) | (c & 0xFF00u) | ((c >> 16) & 0xFFu);
}
inline constexpr TColor FromRgb32(std::uint32_t p) {
  return ((p & 0xFFu) << 16) | (p & 0xFF00u) | ((p >> 16) & 0xFFu);
}

// The text form of a colour: its name where it has one ("clRed"), otherwise hexadecimal
// ("$00123456"). Held inline, so that recording colours as text allocates nothing.
struct ColorText {
  std::array<char, 16> chars{};
  std::uint8_t length = 0;
  std::string_view View() const { return {chars.data(), length}; }
};
ColorText ColorToText(TColor c);
// The inverse of ColorToText; also takes "0x…" hexadecimal. Empty when the text is no colour.
std::optional<TColor> TextToColor(std::string_view text);

QString ColorToString(TColor c);
std::optional<TColor> StringToColor(const QString& text);

}  // namespace nabrilo
