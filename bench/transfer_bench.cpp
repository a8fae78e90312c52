// Reads and writes a whole image against the simulated radio pacing its
// replies at wire speed, and compares the time taken with the protocol's
// floor: the mandated pauses plus wire time no pause covers. The radio runs
// in a child process so that the CPU time measured is the program's alone.
#include "link/image_transfer.h"
#include "sim/pty_host.h"
#include "sim/simulated_radio.h"

#include <chrono>
#include <csignal>
#include <cstdio>
#include <string>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using namespace vex;

class BenchHost : public TransferHost {
 public:
  explicit BenchHost(std::string device) : device_(std::move(device)) {}
  int comPort() const override { return 0; }
  void setComPort(int) override {}
  std::string portDevice() const override { return device_; }
  int checkRadio(TransferDirection, const RadioIdentity&, RangeEntry& band) override {
    band.lower = band.lower2 = 400;
    band.upper = 470;
    return 0;
  }
  std::optional<std::string> askPassword(TransferDirection, int) override { return std::nullopt; }
  void showMessage(int id, const MessageArgument&) override { std::fprintf(stderr, "message %d\n", id); }
  void storeIdentity(const RadioIdentity&, const std::string&, IdentityUse) override {}
  std::string freqRange() const override { return "400-470"; }
  bool isExtendedLevel() const override { return false; }
  bool confirmWriteWarning() override { return true; }
  void report(const TransferReport&) override {}

 private:
  std::string device_;
};

// Runs the simulated radio until SIGTERM; its terminal's path goes to `out`.
[[noreturn]] void RunRadio(int out) {
  sigset_t stop;
  sigemptyset(&stop);
  sigaddset(&stop, SIGTERM);
  pthread_sigmask(SIG_BLOCK, &stop, nullptr);
  sim::SimulatedRadio radio;
  sim::PtyHost host(radio);
  if (!host.Start()) _exit(1);
  const std::string line = host.SlavePath() + "\n";
  if (write(out, line.data(), line.size()) != static_cast<ssize_t>(line.size())) _exit(1);
  close(out);
  int signal = 0;
  sigwait(&stop, &signal);
  host.Stop();
  _exit(0);
}

double CpuSeconds() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  auto seconds = [](const timeval& t) { return static_cast<double>(t.tv_sec) + t.tv_usec / 1e6; };
  return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

bool Measure(const char* name, TransferDirection direction, const std::string& device) {
  std::array<std::uint8_t, 8192> image{};
  BenchHost host(device);
  ImageTransfer transfer(direction, image, host);
  const double cpu0 = CpuSeconds();
  const auto t0 = std::chrono::steady_clock::now();
  const bool ok = transfer.Start() == StartResult::Started && transfer.Wait() == TransferOutcome::Succeeded;
  const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
  const double cpu = CpuSeconds() - cpu0;
  const double floor = std::chrono::duration<double>(transfer.Link().ProtocolFloor()).count();
  std::printf("%-6s %s  wall %.3f s  floor %.3f s  ratio %.4f  cpu %.3f s (%.2f %% of wall)\n", name,
              ok ? "ok    " : "FAILED", wall, floor, wall / floor, cpu, 100.0 * cpu / wall);
  return ok;
}

}  // namespace

int main() {
  int pipeFds[2];
  if (pipe(pipeFds) != 0) return 1;
  const pid_t child = fork();
  if (child < 0) return 1;
  if (child == 0) {
    close(pipeFds[0]);
    RunRadio(pipeFds[1]);
  }
  close(pipeFds[1]);
  char buffer[256] = {};
  FILE* in = fdopen(pipeFds[0], "r");
  if (!in || !std::fgets(buffer, sizeof buffer, in)) return 1;
  std::fclose(in);
  std::string device(buffer);
  device.erase(device.find_last_not_of('\n') + 1);

  std::printf("simulated radio on %s, replies paced at 38400 baud 8O2\n", device.c_str());
  const bool read = Measure("read", TransferDirection::Read, device);
  const bool write = Measure("write", TransferDirection::Write, device);
  kill(child, SIGTERM);
  waitpid(child, nullptr, 0);
  return read && write ? 0 : 1;
}
