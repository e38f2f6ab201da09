#include "document/picture_clipboard.h"

#include <QBuffer>
#include <QClipboard>
#include <QGuiApplication>
#include <QImageReader>
#include <QMimeData>

#include "document/bmp_read.h"
#include "document/png_file.h"
#include "platform/picture_reader_limit.h"
#include "platform/user_dialogs.h"

namespace nabrilo {

namespace {

QClipboard* Clipboard() {
  QClipboard* clipboard = QGuiApplication::clipboard();
  if (!clipboard) throw AppError(ClipboardUnreadableText());
  return clipboard;
}

void CheckSize(QSize size, const PictureLimits& limits) {
  if (!WithinPictureLimits(size.width(), size.height(), limits)) {
    throw AppError(ClipboardTooLargeText());
  }
}

// Transparent parts of a pasted image become what they show over white paper.
QImage ToRgb32(const QImage& image) {
  QImage out = LaidOnWhite(image);
  if (out.isNull()) throw AppError(ClipboardUnreadableText());
  return out;
}

// An encoded image that another program offers (image/png, image/bmp, …): its size is read
// from the header, and only a picture within the limits is decoded.
std::optional<QImage> DecodeOffered(const QMimeData& mime, const PictureLimits& limits,
                                    bool* offered) {
  // A BMP goes through our own reader, so that it shows the colours it shows from a file; one
  // that reader refuses takes the general road below, with its messages.
  for (const QString& name : {QStringLiteral("image/bmp"), QStringLiteral("image/x-bmp")}) {
    if (!mime.hasFormat(name)) continue;
    const QByteArray bytes = mime.data(name);
    QImage image = DecodeBmp(bytes, limits).image;
    if (image.isNull()) continue;
    *offered = true;
    return image;
  }
  for (const QByteArray& type : QImageReader::supportedMimeTypes()) {
    const QString name = QString::fromLatin1(type);
    if (!mime.hasFormat(name)) continue;
    *offered = true;
    QByteArray bytes = mime.data(name);
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    const QList<QByteArray> formats = QImageReader::imageFormatsForMimeType(type);
    QImageReader reader(&buffer, formats.isEmpty() ? QByteArray() : formats.first());
    const QSize size = reader.size();
    if (!size.isValid()) continue;
    CheckSize(size, limits);
    AdmitProgramPictureSizes();
    const QImage image = reader.read();
    if (image.isNull()) throw AppError(ClipboardUnreadableText());
    return ToRgb32(image);
  }
  return std::nullopt;
}

}  // namespace

QString ClipboardTooLargeText() {
  return QStringLiteral("クリップボードの画像が大きすぎます");
}
QString ClipboardUnreadableText() {
  return QStringLiteral("クリップボードの画像を読み込めません");
}

void CopyPictureToClipboard(const QImage& picture, const PictureLimits& limits) {
  if (picture.isNull()) throw AppError(ClipboardUnreadableText());
  CheckSize(picture.size(), limits);
  Clipboard()->setImage(picture);
}

std::optional<QImage> PastePictureFromClipboard(const PictureLimits& limits) {
  // Offscreen, an empty clipboard has no mime data at all.
  const QMimeData* mime = Clipboard()->mimeData();
  if (!mime) return std::nullopt;
  return PictureFromMimeData(*mime, limits);
}

bool OffersPicture(const QMimeData& mime) {
  if (mime.hasImage()) return true;
  for (const QByteArray& type : QImageReader::supportedMimeTypes()) {
    if (mime.hasFormat(QString::fromLatin1(type))) return true;
  }
  return false;
}

std::optional<QImage> PictureFromMimeData(const QMimeData& mime, const PictureLimits& limits) {
  bool offered = false;
  if (std::optional<QImage> image = DecodeOffered(mime, limits, &offered)) return image;
  if (!mime.hasImage()) {
    if (offered) throw AppError(ClipboardUnreadableText());
    return std::nullopt;
  }
  // An image object, ours or converted by the platform.
  const QImage image = qvariant_cast<QImage>(mime.imageData());
  if (image.isNull()) throw AppError(ClipboardUnreadableText());
  CheckSize(image.size(), limits);
  return ToRgb32(image);
}

}  // namespace nabrilo
