#pragma once
// The picture on and off the clipboard, as an image other desktop programs paste.

#include <QImage>
#include <QMimeData>
#include <optional>

#include "document/picture_limits.h"

namespace nabrilo {

// Puts the picture on the clipboard. Throws AppError when it cannot (too large, no clipboard).
void CopyPictureToClipboard(const QImage& picture, const PictureLimits& limits = {});

// The clipboard's picture in Format_RGB32, or nothing when the clipboard holds no image. Throws
// AppError when it holds one that cannot be read or is beyond `limits`; encoded images offered
// by other programs are checked from their header before they are decoded.
std::optional<QImage> PastePictureFromClipboard(const PictureLimits& limits = {});

// The same for a picture dragged onto the window, which arrives in the same form.
std::optional<QImage> PictureFromMimeData(const QMimeData& mime, const PictureLimits& limits = {});
// True when `mime` holds an image object or encoded image data of a kind Qt reads.
bool OffersPicture(const QMimeData& mime);

// The texts of those errors.
QString ClipboardTooLargeText();
QString ClipboardUnreadableText();

}  // namespace nabrilo
