#include "password_prompt.h"

#include "stop_signals.h"

#include <poll.h>

#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <iostream>

namespace vex::cli {

bool CanPrompt() { return ::isatty(STDIN_FILENO) == 1 && ::isatty(STDERR_FILENO) == 1; }

namespace {

constexpr std::size_t kMaxLine = 256;

// One line from standard input, read a byte at a time so that a stop signal
// ends the wait; nothing at the end of input or a stop.
std::optional<std::string> ReadLine() {
  std::string line;
  for (;;) {
    pollfd waits[2] = {{STDIN_FILENO, POLLIN, 0}, {stop::WakeFd(), POLLIN, 0}};
    const int ready = ::poll(waits, waits[1].fd >= 0 ? 2 : 1, -1);
    if (ready < 0 && errno == EINTR) continue;
    if (ready < 0 || stop::Received() != 0) return std::nullopt;
    char c = 0;
    const ssize_t got = ::read(STDIN_FILENO, &c, 1);
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) return std::nullopt;
    if (c == '\n') return line;
    if (line.size() < kMaxLine) line.push_back(c);
  }
}

}  // namespace

std::optional<std::string> PromptWithoutEcho(const std::string& question) {
  std::cerr << question << std::flush;
  termios saved{};
  const bool terminal = ::tcgetattr(STDIN_FILENO, &saved) == 0;
  if (terminal) {
    termios quiet = saved;
    quiet.c_lflag &= ~static_cast<tcflag_t>(ECHO);
    quiet.c_lflag |= ECHONL;
    stop::GuardTerminal(&saved);
    ::tcsetattr(STDIN_FILENO, TCSAFLUSH, &quiet);
  }
  std::optional<std::string> line = ReadLine();
  if (terminal) {
    ::tcsetattr(STDIN_FILENO, TCSAFLUSH, &saved);
    stop::GuardTerminal(nullptr);
  }
  if (!line) {
    std::cerr << '\n';
    return std::nullopt;
  }
  if (!line->empty() && line->back() == '\r') line->pop_back();
  return line;
}

}  // namespace vex::cli
