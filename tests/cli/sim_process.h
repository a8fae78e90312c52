// vexprog-sim as a child process: started from the build tree, its
// pseudo-terminal read from the first line it prints, stopped with SIGTERM.
#pragma once

#include <csignal>
#include <cstdio>
#include <string>
#include <vector>

#include <sys/wait.h>
#include <unistd.h>

namespace vex::test {

class SimProcess {
 public:
  explicit SimProcess(const std::vector<std::string>& options) {
    int out[2];
    if (::pipe(out) != 0) return;
    const std::string program = std::string(VEX_BIN_DIR) + "/vexprog-sim";
    std::vector<std::string> words{program};
    words.insert(words.end(), options.begin(), options.end());
    std::vector<char*> argv;
    for (std::string& w : words) argv.push_back(w.data());
    argv.push_back(nullptr);
    pid_ = ::fork();
    if (pid_ == 0) {
      ::dup2(out[1], STDOUT_FILENO);
      ::close(out[0]);
      ::close(out[1]);
      ::execv(program.c_str(), argv.data());
      ::_exit(127);
    }
    ::close(out[1]);
    lines_ = ::fdopen(out[0], "r");
    char line[256] = {};
    if (pid_ > 0 && lines_ != nullptr && std::fgets(line, sizeof line, lines_) != nullptr) {
      device_ = line;
      device_.erase(device_.find_last_not_of('\n') + 1);
    }
  }
  ~SimProcess() { stop(); }
  SimProcess(const SimProcess&) = delete;
  SimProcess& operator=(const SimProcess&) = delete;

  // The pseudo-terminal the radio answers on; "" when it did not start.
  const std::string& device() const { return device_; }

  // Ends the simulator (it saves its memory with --save); true when it
  // exited normally with status 0.
  bool stop() {
    if (pid_ <= 0) return false;
    ::kill(pid_, SIGTERM);
    int status = 0;
    ::waitpid(pid_, &status, 0);
    pid_ = -1;
    if (lines_ != nullptr) std::fclose(lines_);
    lines_ = nullptr;
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
  }

 private:
  pid_t pid_ = -1;
  std::FILE* lines_ = nullptr;
  std::string device_;
};

}  // namespace vex::test
