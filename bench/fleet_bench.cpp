// Programs one simulated radio, then four at once, through vexprog-cli's
// repeated --port, and prints the wall times and their ratio. Each radio is
// a vexprog-sim process pacing its replies at wire speed, as a cable would.
// The fleet should take at most 1.2 times as long as the single radio.
#include "../tests/cli/sim_process.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace {

using vex::test::SimProcess;

constexpr double kAllowedRatio = 1.2;

std::string Quote(const std::string& word) { return "'" + word + "'"; }

// Runs vexprog-cli with the arguments; the wall time in seconds, or a
// negative value when it failed.
double Timed(const std::vector<std::string>& args) {
  std::string command = Quote(std::string(VEX_BIN_DIR) + "/vexprog-cli");
  for (const std::string& a : args) command += " " + Quote(a);
  command += " > /dev/null";
  const auto t0 = std::chrono::steady_clock::now();
  const int status = std::system(command.c_str());
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
  return status == 0 ? seconds : -1;
}

std::vector<std::string> WithPorts(std::vector<std::string> args,
                                   const std::vector<std::unique_ptr<SimProcess>>& radios, std::size_t count) {
  for (std::size_t i = 0; i < count; ++i) {
    args.push_back("--port");
    args.push_back(radios[i]->device());
  }
  return args;
}

}  // namespace

int main() {
  char pattern[] = "/tmp/vex-fleet-bench-XXXXXX";
  if (::mkdtemp(pattern) == nullptr) return 1;
  const std::filesystem::path scratch = pattern;
  const std::string codeplug = (scratch / "fleet.dat").string();

  std::vector<std::unique_ptr<SimProcess>> radios;
  for (int i = 0; i < 4; ++i) {
    radios.push_back(std::make_unique<SimProcess>(std::vector<std::string>{}));
    if (radios.back()->device().empty()) return 1;
  }
  if (Timed({"new", "-o", codeplug, "--range", "400-470"}) < 0) return 1;

  std::printf("vexprog-cli against vexprog-sim, replies paced at 38400 baud 8O2\n");
  bool ok = true;
  for (const char* command : {"write", "read"}) {
    const bool write = std::string(command) == "write";
    const std::vector<std::string> base = write ? std::vector<std::string>{"write", codeplug}
                                                : std::vector<std::string>{"read", "-o", (scratch / "r.dat").string()};
    const double one = Timed(WithPorts(base, radios, 1));
    const double four = Timed(WithPorts(base, radios, 4));
    const bool fast = one > 0 && four > 0 && four <= kAllowedRatio * one;
    std::printf("%-5s  one radio %.3f s  four radios %.3f s  ratio %.3f  %s\n", command, one, four, four / one,
                fast ? "ok" : "SLOW OR FAILED");
    ok = ok && fast;
  }
  radios.clear();
  std::error_code ec;
  std::filesystem::remove_all(scratch, ec);
  return ok ? 0 : 1;
}
