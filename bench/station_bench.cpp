// The programming station at wire speed: eight simulated radios plugged in
// one after another, a second apart, each written and verified. Prints the
// total time and each radio's time against one radio written and verified
// with vexprog-cli write and verify; each radio should take at most 1.1
// times that.
#include "../tests/cli/cli_process.h"
#include "../tests/cli/sim_process.h"

#include <nlohmann/json.hpp>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace {

using vex::test::CliProcess;
using vex::test::SimProcess;

constexpr int kRadios = 8;
constexpr double kAllowedRatio = 1.1;

// Runs vexprog-cli with the arguments; the wall time in seconds, or a
// negative value when it failed.
double Timed(const std::vector<std::string>& args) {
  std::string command = vex::test::Quote(std::string(VEX_BIN_DIR) + "/vexprog-cli");
  for (const std::string& a : args) command += " " + vex::test::Quote(a);
  command += " > /dev/null";
  const auto t0 = std::chrono::steady_clock::now();
  const int status = std::system(command.c_str());
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
  return status == 0 ? seconds : -1;
}

}  // namespace

int main() {
  char pattern[] = "/tmp/vex-station-bench-XXXXXX";
  if (::mkdtemp(pattern) == nullptr) return 1;
  const std::filesystem::path scratch = pattern;
  const std::string codeplug = (scratch / "fleet.dat").string();
  const std::filesystem::path watched = scratch / "by-id";
  std::filesystem::create_directory(watched);

  std::vector<std::unique_ptr<SimProcess>> radios;
  for (int i = 0; i <= kRadios; ++i) {
    radios.push_back(std::make_unique<SimProcess>(std::vector<std::string>{}));
    if (radios.back()->device().empty()) return 1;
  }
  if (Timed({"new", "-o", codeplug, "--range", "400-470"}) < 0) return 1;

  std::printf("vexprog-cli station against vexprog-sim, replies paced at 38400 baud 8O2\n");
  const std::string port = radios[kRadios]->device();
  const double write = Timed({"write", "--port", port, codeplug});
  const double verify = Timed({"verify", "--port", port, codeplug});
  if (write < 0 || verify < 0) return 1;
  const double single = write + verify;
  std::printf("one radio, write then verify: %.2f s (%.2f + %.2f)\n", single, write, verify);

  const std::string log = (scratch / "log.jsonl").string();
  const auto t0 = std::chrono::steady_clock::now();
  CliProcess station(
      {"station", codeplug, "--watch", watched.string(), "--verify", "--count", std::to_string(kRadios), "--log", log},
      std::string(VEX_BIN_DIR) + "/data", (scratch / "station.err").string());
  for (int i = 0; i < kRadios; ++i) {
    std::this_thread::sleep_until(t0 + std::chrono::seconds(i));
    std::filesystem::create_symlink(radios[static_cast<std::size_t>(i)]->device(),
                                    watched / ("radio-" + std::to_string(i + 1)));
  }
  const int status = station.finish();
  const double total = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();

  bool ok = status == 0;
  std::ifstream lines(log);
  int logged = 0;
  for (std::string line; std::getline(lines, line); ++logged) {
    const auto radio = nlohmann::json::parse(line, nullptr, false);
    const double seconds = radio.value("seconds", -1.0);
    const bool fast = radio.value("result", "") == "ok" && seconds > 0 && seconds <= kAllowedRatio * single;
    const std::string error = radio["error"].is_string() ? radio["error"].get<std::string>() : "";
    std::printf("%-10s %6.2f s  ratio %.3f  %s%s%s\n",
                std::filesystem::path(radio.value("device", "")).filename().c_str(), seconds, seconds / single,
                fast ? "ok" : "SLOW OR FAILED", error.empty() ? "" : ": ", error.c_str());
    ok = ok && fast;
  }
  ok = ok && logged == kRadios;
  std::printf("%d radios plugged in 1 s apart: %.2f s in all  %s\n", kRadios, total, ok ? "ok" : "FAILED");
  radios.clear();
  std::error_code ec;
  std::filesystem::remove_all(scratch, ec);
  return ok ? 0 : 1;
}
