#pragma once
// Scenario scripts: drive the real main window with clicks, pointer events and typing, and check
// captions, states, messages and pictures. The format is described in
// docs/scenario-format.md.

#include <QString>
#include <QTextStream>

namespace nabrilo {

// Runs the scenario in `path`; reports "FILE:LINE: what went wrong" to `err` and returns false
// at the first line that fails.
bool RunScenarioFile(const QString& path, QTextStream& err);

}  // namespace nabrilo
