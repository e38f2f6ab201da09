#pragma once
// The two undo streams as the snapshot and the undo handle them. Both hold BMP file images. The
// streams keep their memory from one snapshot to the next: "copy the latest into the previous,
// then save the picture as the latest" is done by swapping the two and re-encoding into the one
// that already has the room, which gives the same two streams with one copy of the picture
// instead of two and no fresh allocation (first touches of new memory are slow).

#include <QByteArray>
#include <QImage>

namespace nabrilo {

// Saves the picture into `now`, reusing its buffer.
void SaveSnapshot(const QImage& picture, QByteArray* now);

// Records the picture: afterwards `prev` holds what `now` held and `now` holds the picture. On
// the first recording after a reset (`first`), both hold the picture.
void RecordSnapshot(const QImage& picture, bool first, QByteArray* now, QByteArray* prev);

// Replaces the content of `to` by that of `from`, in the memory `to` already has.
void CopyStream(const QByteArray& from, QByteArray* to);

// Undo: `now` takes the content of `prev`, and the picture is loaded from it (into its own
// buffer when the size matches). False, with the picture as it was, when it cannot be decoded.
bool RestoreSnapshot(const QByteArray& prev, QByteArray* now, QImage* picture);

}  // namespace nabrilo
