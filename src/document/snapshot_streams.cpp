#include "document/snapshot_streams.h"

#include <cstring>
#include <utility>

#include "document/bmp_file.h"
#include "document/bmp_read.h"

namespace nabrilo {

void SaveSnapshot(const QImage& picture, QByteArray* now) {
  EncodeBmpInto(picture, now);
}

void RecordSnapshot(const QImage& picture, bool first, QByteArray* now, QByteArray* prev) {
  if (first) {
    SaveSnapshot(picture, now);
    CopyStream(*now, prev);
    return;
  }
  std::swap(*now, *prev);
  SaveSnapshot(picture, now);
}

void CopyStream(const QByteArray& from, QByteArray* to) {
  if (from.constData() == to->constData()) return;  // already the same bytes
  to->resize(from.size());
  if (!from.isEmpty()) std::memcpy(to->data(), from.constData(), static_cast<size_t>(from.size()));
}

bool RestoreSnapshot(const QByteArray& prev, QByteArray* now, QImage* picture) {
  CopyStream(prev, now);
  return DecodeSnapshot(*now, picture);
}

}  // namespace nabrilo
