#include "platform/quit_signals.h"

#include <fcntl.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QSocketNotifier>
#include <cerrno>
#include <csignal>
#include <cstdio>

namespace nabrilo {

namespace {

int g_pipe[2] = {-1, -1};
bool g_quit_requested = false;
constexpr int kSignals[] = {SIGTERM, SIGHUP, SIGINT};

// Only async-signal-safe calls here.
void OnSignal(int signal) {
  const int saved = errno;
  const unsigned char number = static_cast<unsigned char>(signal);
  [[maybe_unused]] const ssize_t n = ::write(g_pipe[1], &number, 1);
  struct sigaction again {};
  again.sa_handler = SIG_DFL;
  ::sigaction(signal, &again, nullptr);
  errno = saved;
}

}  // namespace

void QuitOnTerminationSignals() {
  if (g_pipe[0] >= 0) return;
  if (::pipe2(g_pipe, O_CLOEXEC | O_NONBLOCK) != 0) {
    std::perror("nabrilo: signals");
    return;
  }
  auto* notifier =
      new QSocketNotifier(g_pipe[0], QSocketNotifier::Read, QCoreApplication::instance());
  QObject::connect(notifier, &QSocketNotifier::activated, notifier, [] {
    unsigned char number = 0;
    if (::read(g_pipe[0], &number, 1) != 1) return;
    g_quit_requested = true;
    QCoreApplication::exit(128 + number);
  });
  for (const int signal : kSignals) {
    struct sigaction action {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    ::sigaction(signal, &action, nullptr);
  }
}

bool QuitRequested() {
  return g_quit_requested;
}

}  // namespace nabrilo
