#include <signal.h>

#include <cstdlib>

#include "tools/platform/host_interrupt.h"

namespace platform {

namespace {

constexpr int kStopSignals[] = {SIGINT, SIGTERM, SIGHUP};

volatile sig_atomic_t gRequest = 0;  // the signal that asked, 0 for none

void noteRequest(int signal) {
  if (gRequest != 0) {
    // Asked twice: the first request is taking too long to serve.
    ::signal(signal, SIG_DFL);
    ::raise(signal);
    return;
  }
  gRequest = signal;
}

}  // namespace

void catchStopRequests() {
  for (int signal : kStopSignals) {
    struct sigaction current {};
    if (::sigaction(signal, nullptr, &current) != 0 || current.sa_handler == SIG_IGN) continue;
    struct sigaction action {};
    action.sa_handler = noteRequest;
    sigemptyset(&action.sa_mask);
    // No SA_RESTART: a write blocked on a full pipe returns, and the program gets to
    // its next check.
    action.sa_flags = 0;
    ::sigaction(signal, &action, nullptr);
  }
}

bool stopRequested() {
  return gRequest != 0;
}

void endAsRequested() {
  const int signal = gRequest;
  struct sigaction action {};
  action.sa_handler = SIG_DFL;
  sigemptyset(&action.sa_mask);
  ::sigaction(signal, &action, nullptr);
  ::raise(signal);
  std::_Exit(128 + signal);
}

}  // namespace platform
