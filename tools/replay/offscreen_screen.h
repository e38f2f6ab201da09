#pragma once
// The offscreen platform's screen is 800 × 800 by default, and the window keeps to the screen it
// is on. Before the application object exists, this asks for one screen of a chosen size through
// the platform's configuration file, where the offscreen platform is the one in use: a large one
// (kLargeScreen) so that no window a scenario or test makes meets the screen's edge, or a small
// one to see what a user of a small screen sees.

#include <QSize>
#include <QString>
#include <QTemporaryFile>
#include <memory>
#include <optional>

namespace nabrilo {

inline constexpr QSize kLargeScreen{4096, 4096};

// Sets QT_QPA_PLATFORM to the offscreen platform with one screen of `size`, when it names the
// offscreen platform or nothing. The returned file must live until the application exists.
std::unique_ptr<QTemporaryFile> UseOffscreenScreen(QSize size = kLargeScreen);

// "1280x1024" as a screen size; nothing for anything else.
std::optional<QSize> ParseScreenSize(const QString& text);

// Keeps the offscreen platform's notes about what it cannot do (raise a window, grab the
// keyboard) out of standard error, where a scenario's failures are reported; every other
// message goes through.
void QuietOffscreenNotes();

}  // namespace nabrilo
