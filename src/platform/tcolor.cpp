#include "platform/tcolor.h"

#include <charconv>

namespace nabrilo {

namespace {
constexpr std::array<NamedColor, 20> kNamed{{
    {"clBlack", clBlack},
    {"clMaroon", clMaroon},
    {"clGreen", clGreen},
    {"clOlive", clOlive},
    {"clNavy", clNavy},
    {"clPurple", clPurple},
    {"clTeal", clTeal},
    {"clGray", clGray},
    {"clSilver", clSilver},
    {"clRed", clRed},
    {"clLime", clLime},
    {"clYellow", clYellow},
    {"clBlue", clBlue},
    {"clFuchsia", clFuchsia},
    {"clAqua", clAqua},
    {"clWhite", clWhite},
    {"clMoneyGreen", clMoneyGreen},
    {"clSkyBlue", clSkyBlue},
    {"clCream", clCream},
    {"clMedGray", clMedGray},
}};
}  // namespace

std::span<const NamedColor> NamedColors() {
  return kNamed;
}

ColorText ColorToText(TColor c) {
  ColorText t;
  for (const auto& n : kNamed) {
    if (n.value == c) {
      const std::string_view name(n.name);
      name.copy(t.chars.data(), name.size());
      t.length = static_cast<std::uint8_t>(name.size());
      return t;
    }
  }
  static constexpr char kHex[] = "0123456789ABCDEF";
  t.chars[0] = '$';
  for (int i = 0; i < 8; ++i) t.chars[1 + i] = kHex[(c >> (4 * (7 - i))) & 0xF];
  t.length = 9;
  return t;
}

std::optional<TColor> TextToColor(std::string_view text) {
  for (const auto& n : kNamed) {
    if (text == n.name) return n.value;
  }
  std::string_view digits;
  if (text.starts_with('$')) {
    digits = text.substr(1);
  } else if (text.starts_with("0x") || text.starts_with("0X")) {
    digits = text.substr(2);
  } else {
    return std::nullopt;
  }
  if (digits.empty() || digits.size() > 8) return std::nullopt;
  std::uint32_t value = 0;
  const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value, 16);
  if (ec != std::errc() || end != digits.data() + digits.size() || value > 0xFFFFFFu) {
    return std::nullopt;
  }
  return value;
}

QString ColorToString(TColor c) {
  const ColorText t = ColorToText(c);
  return QString::fromLatin1(t.chars.data(), t.length);
}

std::optional<TColor> StringToColor(const QString& text) {
  const QByteArray latin = text.toLatin1();
  if (QString::fromLatin1(latin) != text) return std::nullopt;
  return TextToColor(std::string_view(latin.constData(), static_cast<size_t>(latin.size())));
}

}  // namespace nabrilo
