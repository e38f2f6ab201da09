#pragma once
// The version data of the program's own file: a resource written by the build, holding
// "path=value" lines such as "\StringFileInfo\041103A4\FileVersion=3.0.1.0". Read as the
// Windows version API is: the size first, then the data into a buffer of that size, then one
// value looked up by its path.

#include <QString>
#include <cstdint>
#include <optional>
#include <span>

namespace nabrilo {

// Where the program's version data lives; tests point it elsewhere to see a failure.
QString VersionResourceName();
void SetVersionResourceName(const QString& name);

// The size in bytes of the version data of `file`; 0 when it has none.
std::uint32_t GetFileVersionInfoSize(const QString& file);
// Copies the version data of `file` into `data` (exactly `data.size()` bytes); false when the
// data cannot be read or its size differs.
bool GetFileVersionInfo(const QString& file, std::span<char> data);
// The value at `sub_block` ("\StringFileInfo\041103A4\FileVersion"); nothing when absent.
std::optional<QString> VerQueryValue(std::span<const char> data, const QString& sub_block);

}  // namespace nabrilo
