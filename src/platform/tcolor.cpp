#include "platform/tcolor.h"

#include <array>

namespace nabrilo {

namespace {
constexpr std::array<NamedColor, 20> kNamed{{
    {"clBlack", clBlack},   {"clMaroon", clMaroon},         {"clGreen", clGreen},
    {"clOlive", clOlive},   {"clNavy", clNavy},             {"clPurple", clPurple},
    {"clTeal", clTeal},     {"clGray", clGray},             {"clSilver", clSilver},
    {"clRed", clRed},       {"clLime", clLime},             {"clYellow", clYellow},
    {"clBlue", clBlue},     {"clFuchsia", clFuchsia},       {"clAqua", clAqua},
    {"clWhite", clWhite},   {"clMoneyGreen", clMoneyGreen}, {"clSkyBlue", clSkyBlue},
    {"clCream", clCream},   {"clMedGray", clMedGray},
}};
}  // namespace

std::span<const NamedColor> NamedColors() { return kNamed; }

QString ColorToString(TColor c) {
  for (const auto& n : kNamed) {
    if (n.value == c) return QString::fromLatin1(n.name);
  }
  return QStringLiteral("$%1").arg(c, 8, 16, QLatin1Char('0')).toUpper();
}

std::optional<TColor> StringToColor(const QString& text) {
  for (const auto& n : kNamed) {
    if (text == QLatin1String(n.name)) return n.value;
  }
  QString digits;
  if (text.startsWith(QLatin1Char('$'))) {
    digits = text.mid(1);
  } else if (text.startsWith(QLatin1String("0x")) || text.startsWith(QLatin1String("0X"))) {
    digits = text.mid(2);
  } else {
    return std::nullopt;
  }
  if (digits.isEmpty() || digits.size() > 8) return std::nullopt;
  bool ok = false;
  const uint value = digits.toUInt(&ok, 16);
  if (!ok || value > 0xFFFFFFu) return std::nullopt;
  return static_cast<TColor>(value);
}

}  // namespace nabrilo
