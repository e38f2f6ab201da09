#include "scenario.h"

#include <QFile>
#include <vector>

#include "scenario_runner.h"

namespace nabrilo {

namespace {

bool Report(QTextStream& err, const QString& path, int line, const QString& what) {
  err << path << ':' << line << ": " << what << '\n';
  return false;
}

// Every line is checked before anything runs, so that a slip late in a long script is told at
// once.
std::optional<std::vector<ScriptLine>> ReadScript(const QString& path, const QByteArray& bytes,
                                                  QTextStream& err) {
  QString text = QString::fromUtf8(bytes);
  if (text.startsWith(QChar(0xFEFF))) text.remove(0, 1);
  const QStringList lines = text.split(QLatin1Char('\n'));
  std::vector<ScriptLine> script;
  for (qsizetype i = 0; i < lines.size(); ++i) {
    const int number = static_cast<int>(i + 1);
    try {
      if (std::optional<ScriptLine> line = ParseScriptLine(lines[i], number)) {
        script.push_back(std::move(*line));
      }
    } catch (const ScenarioError& e) {
      Report(err, path, number, e.Text());
      return std::nullopt;
    }
  }
  return script;
}

}  // namespace

bool RunScenarioFile(const QString& path, QTextStream& err) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    err << path << ": cannot read the scenario: " << file.errorString() << '\n';
    return false;
  }
  const std::optional<std::vector<ScriptLine>> script = ReadScript(path, file.readAll(), err);
  if (!script) return false;
  ScenarioRunner runner;
  int at = 0;
  try {
    runner.Start();
    for (const ScriptLine& line : *script) {
      at = line.number;
      runner.Run(line);
    }
    runner.Finish();
  } catch (const ScenarioError& e) {
    return Report(err, path, at, e.Text());
  }
  // Boxes nobody checked are worth a note; they fail a run only where the script asks.
  for (const QString& text : runner.UncheckedMessages()) {
    err << path << ": note: a message was shown and not checked: " << text << '\n';
  }
  return true;
}

}  // namespace nabrilo
