// The codeplug host of the command-line tool: a container of its own, the
// model state held here (never written to the settings file), the language
// file for supported models, and the catalogue for range flags.
#pragma once

#include "cli_environment.h"
#include "config/range_table.h"
#include "core/codeplug_container_host.h"
#include "core/codeplug_flows.h"
#include "core/container.h"
#include "core/invalid_log.h"

namespace vex::cli {

// Constructed before the host base that refers to them.
struct CliData {
  RadioDataContainer data;
  InvalidLog log;
};

// One line per validation finding: "  location: label".
void ListFindings(std::ostream& out, const InvalidLog& log);

class OutputFile;
class CliHost;

// Saves the host's data to `output` as File Save does, with the comment of
// the file `from` (the one the data came from); findings are listed against
// `checked`. The exit status, after saying what failed.
int SaveKeepingComment(Environment& env, CliHost& host, const std::string& from, const OutputFile& output,
                       const std::string& checked);

class CliHost : private CliData, public ContainerCodeplugHost {
 public:
  CliHost(Environment& env, ModelState state);

  ModelState modelState() const override { return state_; }
  void setModelState(const ModelState& state) override { state_ = state; }
  bool isModelSupported(const std::string& modelId) const override;
  std::uint8_t currentRangeFlags() const override { return ranges_.flags(state_.freqRange); }
  bool loadRangeTable() override;
  std::string dataDirectory() const override { return env_.dataDir().string(); }

  RadioDataContainer& data() { return CliData::data; }
  const InvalidLog& findings() const { return CliData::log; }
  CodeplugSession& session() { return session_; }

 private:
  Environment& env_;
  ModelState state_;
  RangeTable ranges_;
  CodeplugSession session_{*this};
};

}  // namespace vex::cli
