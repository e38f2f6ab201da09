#include "platform/version_info.h"

#include <QFile>

namespace nabrilo {

namespace {
QString& ResourceName() {
  static QString name = QStringLiteral(":/version/nabrilo.ver");
  return name;
}
}  // namespace

QString VersionResourceName() {
  return ResourceName();
}
void SetVersionResourceName(const QString& name) {
  ResourceName() = name;
}

std::uint32_t GetFileVersionInfoSize(const QString& file) {
  QFile f(file);
  if (!f.exists()) return 0;
  const qint64 size = f.size();
  if (size <= 0 || size > 0xFFFF) return 0;  // version blocks are small; anything else is junk
  return static_cast<std::uint32_t>(size);
}

bool GetFileVersionInfo(const QString& file, std::span<char> data) {
  QFile f(file);
  if (!f.open(QIODevice::ReadOnly) || f.size() != static_cast<qint64>(data.size())) return false;
  return f.read(data.data(), static_cast<qint64>(data.size())) == static_cast<qint64>(data.size());
}

std::optional<QString> VerQueryValue(std::span<const char> data, const QString& sub_block) {
  const QString text = QString::fromUtf8(data.data(), static_cast<qsizetype>(data.size()));
  for (const QString& line : text.split(QLatin1Char('\n'))) {
    const qsizetype eq = line.indexOf(QLatin1Char('='));
    if (eq < 0) continue;
    if (line.left(eq).trimmed().compare(sub_block, Qt::CaseInsensitive) == 0) {
      return line.mid(eq + 1).trimmed();
    }
  }
  return std::nullopt;
}

}  // namespace nabrilo
