// vexprog-cli running beside the test: its standard output read line by line
// as it comes (waiting on the pipe, never on the clock), standard error kept
// in a file, and its exit status when it ends.
#pragma once

#include "cli_runner.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>
#include <vector>

namespace vex::test {

class CliProcess {
 public:
  CliProcess(const std::vector<std::string>& args, const std::string& dataDir, const std::string& errFile)
      : errFile_(errFile) {
    int out[2];
    if (::pipe(out) != 0) return;
    const std::string program = std::string(VEX_BIN_DIR) + "/vexprog-cli";
    std::vector<std::string> words{program, "--data-dir", dataDir};
    words.insert(words.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& w : words) argv.push_back(w.data());
    argv.push_back(nullptr);
    pid_ = ::fork();
    if (pid_ == 0) {
      const int err = ::open(errFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
      const int in = ::open("/dev/null", O_RDONLY);
      ::dup2(out[1], STDOUT_FILENO);
      ::dup2(err, STDERR_FILENO);
      ::dup2(in, STDIN_FILENO);
      ::close(out[0]);
      ::close(out[1]);
      ::execv(program.c_str(), argv.data());
      ::_exit(127);
    }
    ::close(out[1]);
    fd_ = out[0];
  }
  ~CliProcess() {
    if (pid_ > 0) {
      ::kill(pid_, SIGKILL);
      ::waitpid(pid_, nullptr, 0);
    }
    if (fd_ >= 0) ::close(fd_);
  }
  CliProcess(const CliProcess&) = delete;
  CliProcess& operator=(const CliProcess&) = delete;

  // The next line of standard output; "" when the program ended first, or
  // after `limitMs` without one (a bound for a hung program, not a pause).
  std::string nextLine(int limitMs = 60'000) {
    for (;;) {
      if (const std::size_t end = buffer_.find('\n'); end != std::string::npos) {
        std::string line = buffer_.substr(0, end);
        buffer_.erase(0, end + 1);
        lines_.push_back(line);
        return line;
      }
      pollfd wait{fd_, POLLIN, 0};
      if (::poll(&wait, 1, limitMs) <= 0) return {};
      char chunk[4096];
      const ssize_t got = ::read(fd_, chunk, sizeof chunk);
      if (got <= 0) return {};
      buffer_.append(chunk, static_cast<std::size_t>(got));
    }
  }

  // Reads up to the line containing `text`; that line, or "" when none came.
  std::string lineWith(const std::string& text) {
    for (std::string line = nextLine(); !line.empty(); line = nextLine()) {
      if (line.find(text) != std::string::npos) return line;
    }
    return {};
  }

  // Reads the rest of the output and waits for the exit: its status, -1
  // after a signal.
  int finish() {
    while (!nextLine().empty()) {
    }
    int status = 0;
    ::waitpid(pid_, &status, 0);
    pid_ = -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }

  void signal(int number) const { ::kill(pid_, number); }
  const std::vector<std::string>& lines() const { return lines_; }
  std::string err() const { return Slurp(errFile_); }

 private:
  pid_t pid_ = -1;
  int fd_ = -1;
  std::string buffer_;
  std::vector<std::string> lines_;
  std::string errFile_;
};

}  // namespace vex::test
