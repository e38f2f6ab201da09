#pragma once
// Reading scenario lines: splitting a line into words and quoted texts, and checking the words
// against a command's argument pattern ("NAME INDEX", "X Y [left|right]", "FILE|cancel").

#include <QString>
#include <QStringList>
#include <Qt>
#include <optional>
#include <stdexcept>
#include <vector>

namespace nabrilo {

// What went wrong on one line; the runner prefixes "FILE:LINE: ".
class ScenarioError : public std::runtime_error {
 public:
  explicit ScenarioError(const QString& text)
      : std::runtime_error(text.toStdString()), text_(text) {}
  const QString& Text() const { return text_; }

 private:
  QString text_;
};

struct Token {
  QString text;
  bool quoted = false;
};

// The words of a line. A text in double quotes is one token (inside it \" is a quote, \\ a
// backslash, \r a carriage return and \n a line feed). Throws on an unclosed quote or an
// unknown escape.
std::vector<Token> SplitLine(const QString& line);

// One argument after checking: the word as written, its number where the pattern wants one,
// and whether it was given at all (an optional argument may be left out).
struct Arg {
  QString text;
  qint64 number = 0;
  bool given = false;
  bool quoted = false;
};
using Args = std::vector<Arg>;

// Checks `tokens` (the arguments after the command word) against `pattern` and returns one Arg
// per pattern slot. Slot names: NAME (a control), TEXT (quoted), FILE, KEY, COLORNAME (an entry
// of the colour box), COLOR (0x00BBGGRR or a colour name), X Y N (whole numbers), W H INDEX
// (not negative), COUNT (at least 1); a|b is one of the words; [..] may be left out. Throws
// with the command's usage on a missing, extra or malformed argument.
Args ParseArgs(const QString& command, const QString& pattern, const std::vector<Token>& tokens);

// A key of the `key` command: Enter, Escape, Backspace, Tab, Space, Delete, the arrows, Home,
// End, A … Z and 0 … 9, with the text a keyboard without modifiers sends for it.
struct KeyStroke {
  Qt::Key key;
  QString text;
};
std::optional<KeyStroke> KeyNamed(const QString& name);

// The colour of an expect-pixel argument: "0x00BBGGRR", bare hexadecimal or a colour name.
bool ParsePixelColor(const QString& text, quint32* color);

}  // namespace nabrilo
