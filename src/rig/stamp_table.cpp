#include "rig/stamp_table.h"

namespace nabrilo::stamp {

void DrawStampTable(Canvas& canvas, Table table, int x, int y) {
  RunTable(canvas, table, x, y);
}

}  // namespace nabrilo::stamp
