#include "stop_signals.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <atomic>

namespace vex::cli::stop {

namespace {

std::atomic<int> received{0};
std::atomic<const termios*> guarded{nullptr};
int wakePipe[2] = {-1, -1};

// Only async-signal-safe calls here.
void OnSignal(int signal) {
  if (const termios* saved = guarded.load()) ::tcsetattr(STDIN_FILENO, TCSANOW, saved);
  int none = 0;
  if (!received.compare_exchange_strong(none, signal)) {
    // The second one: end now, as the signal would have without us.
    ::signal(signal, SIG_DFL);
    ::raise(signal);
    return;
  }
  const char byte = 1;
  [[maybe_unused]] const ssize_t written = ::write(wakePipe[1], &byte, 1);
}

}  // namespace

void Install() {
  if (wakePipe[0] >= 0) return;
  if (::pipe2(wakePipe, O_CLOEXEC | O_NONBLOCK) != 0) return;
  struct sigaction action {};
  action.sa_handler = OnSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  ::sigaction(SIGINT, &action, nullptr);
  ::sigaction(SIGTERM, &action, nullptr);
}

int Received() { return received.load(); }

int ExitStatus() { return 128 + received.load(); }

int WakeFd() { return wakePipe[0]; }

void GuardTerminal(const termios* saved) { guarded.store(saved); }

}  // namespace vex::cli::stop
