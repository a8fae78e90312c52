// What the radio commands work with: the program's settings and range table,
// as the desktop program holds them, and a guard that puts the files they
// may change (Settings.ini, Model.dat) back as they were unless the user
// asked to keep the change: --remember keeps the port, model and range in
// Settings.ini, --add-range yes keeps a band added to Model.dat. The settings
// object saves itself when it goes, so the desktop program's settings would
// otherwise follow every command-line run.
#pragma once

#include "cli_environment.h"
#include "config/app_settings.h"
#include "config/range_table.h"
#include "core/codeplug_flows.h"
#include "core/container.h"
#include "core/invalid_log.h"
#include "workflow/codeplug_settings_host.h"

#include <filesystem>
#include <string>
#include <vector>

namespace vex::cli {

// The named files in both places the settings may write them, as they are now.
class SettingsFilesGuard {
 public:
  SettingsFilesGuard(const DataPaths& paths, std::initializer_list<std::string_view> names);
  // Restores every file unless kept.
  ~SettingsFilesGuard();
  SettingsFilesGuard(const SettingsFilesGuard&) = delete;
  SettingsFilesGuard& operator=(const SettingsFilesGuard&) = delete;

  // Keeps what was written to the file of that name.
  void keep(std::string_view name);

 private:
  struct Snapshot {
    std::filesystem::path path;
    bool existed = false;
    std::string bytes;
    bool keep = false;
  };
  std::vector<Snapshot> files_;
};

class RadioSession {
 public:
  explicit RadioSession(const DataPaths& paths);

  AppSettings& settings() { return settings_; }
  RangeTable& ranges() { return ranges_; }
  // Keeps what the command changed in Settings.ini (--remember).
  void rememberSettings() { guard_.keep(AppSettings::kSettingsFile); }
  // Keeps a range added to Model.dat.
  void keepCatalogue() { guard_.keep(AppSettings::kModelFile); }

 private:
  // Declared first: it restores the files after the settings saved themselves.
  SettingsFilesGuard guard_;
  AppSettings settings_;
  RangeTable ranges_;
};

// The radio data of a command, with the file flows working on the settings'
// model state as they do in the desktop program.
class RadioFiles {
 public:
  explicit RadioFiles(RadioSession& session);

  RadioDataContainer& data() { return data_; }
  const InvalidLog& findings() const { return findings_; }
  CodeplugSession& codeplug() { return codeplug_; }
  // Validates into the findings; their number.
  int validate() { return host_.validate(); }
  // Validates into the findings and encodes the data for a write.
  FlowOutcome prepareWrite() { return PrepareRadioWrite(host_); }

  // Opens the file and prepares it for a write; false after saying why not.
  bool openToWrite(Environment& env, const std::string& file);

  // Shows a failed flow's message text with the file name, and for
  // findings (814) every finding; exit 1.
  int fail(Environment& env, const FlowOutcome& outcome, const std::string& file) const;

 private:
  RadioDataContainer data_;
  InvalidLog findings_;
  SettingsCodeplugHost host_;
  CodeplugSession codeplug_{host_};
};

}  // namespace vex::cli
