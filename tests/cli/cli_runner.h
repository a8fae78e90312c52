// Runs the built vexprog-cli with the build tree's data directory and
// captures its exit status and output.
#pragma once

#include <sys/wait.h>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace vex::test {

struct CliResult {
  int exitCode = -1;  // -1 when the program did not exit normally (a crash)
  std::string out;
  std::string err;
};

inline std::string Quote(const std::string& word) {
  std::string q = "'";
  for (char c : word) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return q + "'";
}

inline std::string Slurp(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

inline std::string BuildDataDir() { return std::string(VEX_BIN_DIR) + "/data"; }

// Runs vexprog-cli with `--data-dir` first unless `dataDir` is empty;
// `launcher` (e.g. "setpriv ...") goes before the program; standard input
// is file `input`.
inline CliResult RunCli(const std::vector<std::string>& args, const std::string& scratch,
                        const std::string& dataDir = BuildDataDir(), const std::string& launcher = {},
                        const std::string& input = "/dev/null") {
  std::string command = launcher + Quote(std::string(VEX_BIN_DIR) + "/vexprog-cli");
  if (!dataDir.empty()) command += " --data-dir " + Quote(dataDir);
  for (const std::string& a : args) command += " " + Quote(a);
  const std::string outFile = scratch + "/.cli-out";
  const std::string errFile = scratch + "/.cli-err";
  command += " > " + Quote(outFile) + " 2> " + Quote(errFile) + " < " + Quote(input);
  const int status = std::system(command.c_str());
  CliResult result;
  if (status != -1 && WIFEXITED(status)) result.exitCode = WEXITSTATUS(status);
  // The shell reports a signal-killed program as 128 + signal.
  if (result.exitCode > 128) result.exitCode = -1;
  result.out = Slurp(outFile);
  result.err = Slurp(errFile);
  return result;
}

}  // namespace vex::test
