#include "scenario_parse.h"

#include <limits>

#include "platform/tcolor.h"

namespace nabrilo {

namespace {

bool IsBlank(QChar c) {
  return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

// Reads the quoted text that starts at line[*at] (the opening quote); leaves *at after the
// closing quote.
Token ReadQuoted(const QString& line, qsizetype* at) {
  Token token{QString(), true};
  for (qsizetype i = *at + 1; i < line.size(); ++i) {
    const QChar c = line[i];
    if (c == QLatin1Char('"')) {
      *at = i + 1;
      if (*at < line.size() && !IsBlank(line[*at])) {
        throw ScenarioError(QStringLiteral("a space must follow the closing quote"));
      }
      return token;
    }
    if (c != QLatin1Char('\\')) {
      token.text += c;
      continue;
    }
    if (++i == line.size()) break;
    switch (line[i].unicode()) {
      case '"':
      case '\\':
        token.text += line[i];
        break;
      case 'r':
        token.text += QLatin1Char('\r');
        break;
      case 'n':
        token.text += QLatin1Char('\n');
        break;
      default:
        throw ScenarioError(QStringLiteral("unknown escape \\%1 in a quoted text").arg(line[i]));
    }
  }
  throw ScenarioError(QStringLiteral("the quoted text is not closed"));
}

struct Slot {
  QString label;        // NAME, X, FILE, … or the first word of a choice
  QStringList choices;  // the words of a|b (may include FILE)
  bool optional = false;
};

std::vector<Slot> ReadPattern(const QString& pattern) {
  std::vector<Slot> parts;
  for (QString word : pattern.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
    Slot slot;
    if (word.startsWith(QLatin1Char('['))) {
      slot.optional = true;
      word = word.mid(1, word.size() - 2);
    }
    if (word.contains(QLatin1Char('|'))) slot.choices = word.split(QLatin1Char('|'));
    slot.label = word;
    parts.push_back(slot);
  }
  return parts;
}

QString Usage(const QString& command, const QString& pattern) {
  return pattern.isEmpty() ? command : command + QLatin1Char(' ') + pattern;
}

// Whole numbers in the range of the program's coordinates.
qint64 ReadNumber(const QString& label, const Token& token, qint64 min) {
  bool ok = false;
  const qint64 n = token.text.toLongLong(&ok, 10);
  if (!ok || token.quoted || n > std::numeric_limits<qint32>::max() ||
      n < std::numeric_limits<qint32>::min()) {
    throw ScenarioError(
        QStringLiteral("%1 must be a whole number, not \"%2\"").arg(label, token.text));
  }
  if (n < min) {
    throw ScenarioError(
        QStringLiteral("%1 must be at least %2, not %3").arg(label).arg(min).arg(n));
  }
  return n;
}

bool IsColorName(const QString& text) {
  for (const NamedColor& c : NamedColors()) {
    if (text == QLatin1String(c.name)) return true;
  }
  return false;
}

Arg CheckSlot(const Slot& slot, const Token& token) {
  Arg arg{token.text, 0, true, token.quoted};
  const QString& label = slot.label;
  if (!slot.choices.isEmpty()) {
    if (!token.quoted && slot.choices.contains(token.text)) return arg;
    if (slot.choices.contains(QStringLiteral("FILE"))) return arg;
    throw ScenarioError(QStringLiteral("expected %1, not \"%2\"").arg(label, token.text));
  }
  if (label == QLatin1String("X") || label == QLatin1String("Y") || label == QLatin1String("N")) {
    arg.number = ReadNumber(label, token, std::numeric_limits<qint32>::min());
  } else if (label == QLatin1String("W") || label == QLatin1String("H") ||
             label == QLatin1String("INDEX")) {
    arg.number = ReadNumber(label, token, 0);
  } else if (label == QLatin1String("COUNT")) {
    arg.number = ReadNumber(label, token, 1);
  } else if (label == QLatin1String("TEXT") && !token.quoted) {
    throw ScenarioError(QStringLiteral("TEXT must be written in double quotes"));
  } else if (label == QLatin1String("COLORNAME") && !IsColorName(token.text)) {
    throw ScenarioError(QStringLiteral("\"%1\" is not a colour of the colour box").arg(token.text));
  } else if (label == QLatin1String("KEY") && !KeyNamed(token.text)) {
    throw ScenarioError(QStringLiteral("unknown key \"%1\"").arg(token.text));
  } else if (label == QLatin1String("COLOR")) {
    quint32 color = 0;
    if (!ParsePixelColor(token.text, &color)) {
      throw ScenarioError(QStringLiteral("\"%1\" is not a colour (0x00BBGGRR)").arg(token.text));
    }
    arg.number = color;
  }
  return arg;
}

}  // namespace

std::vector<Token> SplitLine(const QString& line) {
  std::vector<Token> tokens;
  qsizetype at = 0;
  while (true) {
    while (at < line.size() && IsBlank(line[at])) ++at;
    if (at == line.size()) return tokens;
    if (line[at] == QLatin1Char('"')) {
      tokens.push_back(ReadQuoted(line, &at));
      continue;
    }
    const qsizetype begin = at;
    while (at < line.size() && !IsBlank(line[at])) ++at;
    tokens.push_back({line.mid(begin, at - begin), false});
  }
}

Args ParseArgs(const QString& command, const QString& pattern, const std::vector<Token>& tokens) {
  const std::vector<Slot> parts = ReadPattern(pattern);
  const QString usage = Usage(command, pattern);
  if (tokens.size() > parts.size()) {
    throw ScenarioError(QStringLiteral("%1: unexpected argument \"%2\" (usage: %3)")
                            .arg(command, tokens[parts.size()].text, usage));
  }
  Args args(parts.size());
  for (size_t i = 0; i < parts.size(); ++i) {
    if (i >= tokens.size()) {
      if (parts[i].optional) continue;
      throw ScenarioError(QStringLiteral("%1: missing argument %2 (usage: %3)")
                              .arg(command, parts[i].label, usage));
    }
    try {
      args[i] = CheckSlot(parts[i], tokens[i]);
    } catch (const ScenarioError& e) {
      throw ScenarioError(QStringLiteral("%1: %2 (usage: %3)").arg(command, e.Text(), usage));
    }
  }
  return args;
}

std::optional<KeyStroke> KeyNamed(const QString& name) {
  struct Named {
    const char* name;
    Qt::Key key;
    const char* text;
  };
  static constexpr Named kKeys[] = {{"Enter", Qt::Key_Return, "\r"},
                                    {"Escape", Qt::Key_Escape, "\x1b"},
                                    {"Backspace", Qt::Key_Backspace, "\b"},
                                    {"Tab", Qt::Key_Tab, "\t"},
                                    {"Space", Qt::Key_Space, " "},
                                    {"Delete", Qt::Key_Delete, "\x7f"},
                                    {"Left", Qt::Key_Left, ""},
                                    {"Right", Qt::Key_Right, ""},
                                    {"Up", Qt::Key_Up, ""},
                                    {"Down", Qt::Key_Down, ""},
                                    {"Home", Qt::Key_Home, ""},
                                    {"End", Qt::Key_End, ""}};
  for (const Named& k : kKeys) {
    if (name == QLatin1String(k.name)) return KeyStroke{k.key, QString::fromLatin1(k.text)};
  }
  // Letter and digit keys; a letter key without Shift types the small letter.
  if (name.size() == 1 && name[0].unicode() < 0x80) {
    const char c = name[0].toLatin1();
    if (c >= 'A' && c <= 'Z') {
      return KeyStroke{static_cast<Qt::Key>(Qt::Key_A + (c - 'A')),
                       QString(QChar(c + ('a' - 'A')))};
    }
    if (c >= '0' && c <= '9') {
      return KeyStroke{static_cast<Qt::Key>(Qt::Key_0 + (c - '0')), QString(QChar(c))};
    }
  }
  return std::nullopt;
}

bool ParsePixelColor(const QString& text, quint32* color) {
  for (const NamedColor& c : NamedColors()) {
    if (text == QLatin1String(c.name)) {
      *color = c.value;
      return true;
    }
  }
  QString digits = text;
  if (digits.startsWith(QLatin1String("0x"), Qt::CaseInsensitive)) digits = digits.mid(2);
  bool ok = false;
  const qulonglong value = digits.toULongLong(&ok, 16);
  if (!ok || digits.isEmpty() || value > 0xFFFFFF) return false;
  *color = static_cast<quint32>(value);
  return true;
}

}  // namespace nabrilo
