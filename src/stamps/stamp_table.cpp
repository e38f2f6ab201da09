#include "stamps/stamp_table.h"

#include "platform/find_by_tag.h"

namespace nabrilo::stamp {

void DrawStampTable(Canvas& canvas, Table table, int x, int y) {
  RunTable(canvas, table, x, y);
}

const TaggedStamp* FindStamp(std::span<const TaggedStamp> stamps, int tag) {
  return Find_By_Tag(stamps, tag);
}

void DrawTaggedStamp(Canvas& canvas, std::span<const TaggedStamp> stamps, int tag, int x, int y) {
  if (const TaggedStamp* s = FindStamp(stamps, tag)) DrawStampTable(canvas, s->ops, x, y);
}

QRect TaggedStampExtent(std::span<const TaggedStamp> stamps, int tag) {
  const TaggedStamp* s = FindStamp(stamps, tag);
  if (!s) return {};
  return QRect(QPoint(s->extent.left, s->extent.top), QPoint(s->extent.right, s->extent.bottom));
}

}  // namespace nabrilo::stamp
