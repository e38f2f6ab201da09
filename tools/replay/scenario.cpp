#include "scenario.h"

namespace nabrilo {

bool RunScenarioFile(const QString& path, QTextStream& err) {
  err << path << ": scenarios are not available yet\n";
  return false;
}

}  // namespace nabrilo
