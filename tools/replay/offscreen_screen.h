#pragma once
// The offscreen platform's screen is 800 × 800 by default; a window enlarged by a loaded picture
// would reach past it. Before the application object exists, this asks for one large screen
// through the platform's configuration file, where the offscreen platform is the one in use.

#include <QTemporaryFile>
#include <memory>

namespace nabrilo {

// Sets QT_QPA_PLATFORM to the offscreen platform with a large screen, when it names the
// offscreen platform or nothing. The returned file must live until the application exists.
std::unique_ptr<QTemporaryFile> UseLargeOffscreenScreen();

// Keeps the offscreen platform's notes about what it cannot do (raise a window, grab the
// keyboard) out of standard error, where a scenario's failures are reported; every other
// message goes through.
void QuietOffscreenNotes();

}  // namespace nabrilo
