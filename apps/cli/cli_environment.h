// What every command works with: the data directory, the language texts for
// messages and option lists, the model catalogue, and the output streams.
// The file commands only read the settings file; read and write store the
// radio's identity there as the desktop program does.
#pragma once

#include "base/text_ids.h"
#include "config/data_directory.h"
#include "config/language_texts.h"
#include "core/codeplug_header.h"
#include "link/timing_from_environment.h"
#include "link/port_map.h"

#include <filesystem>
#include <ostream>
#include <string>

namespace vex::cli {

enum ExitCode { kExitOk = 0, kExitFailure = 1, kExitUsage = 2 };

class Environment {
 public:
  Environment(DataPaths paths, std::ostream& out, std::ostream& err);

  const std::filesystem::path& dataDir() const { return paths_.dataDir(); }
  // Where the desktop program keeps them: the user's copy once it has one.
  std::filesystem::path catalogueFile() const { return paths_.readFile("Model.dat"); }
  std::filesystem::path settingsFile() const { return paths_.readFile("Settings.ini"); }
  const LanguageTexts& texts() const { return texts_; }
  // The index of the language in use (Language of Settings.ini when its file exists).
  int languageIndex() const { return languageIndex_; }
  std::ostream& out() { return out_; }
  std::ostream& err() { return err_; }
  // The pauses and time-outs of the radio link (--reply-timeout changes one;
  // tests ask for quick pauses through the environment).
  LinkTiming& linkTiming() { return linkTiming_; }

  // Prints message text n of the language file and the file name, with the
  // cause when one is known ("out.dat: Permission denied"); exit 1.
  int fail(int messageId, const std::string& file, const std::string& cause = {});
  // Prints a plain error text and the file name; exit 1.
  int failWith(const std::string& text, const std::string& file, const std::string& cause = {});
  // Message text n, "error n" when the language file lacks it.
  std::string message(int messageId) const;

  // The model state new data starts from: Settings.ini's model, name and
  // range when they are set, else the catalogue's first model, its first
  // name and its first range.
  ModelState startingModelState() const;
  // The devices that [Ports] COMn= entries of the settings file configure,
  // read straight from the file (read-only).
  PortLookup portLookup() const;
  // The first name listed for a model ID; "" when it has none.
  std::string firstModelName(const std::string& modelId) const;

 private:
  DataPaths paths_;
  int languageIndex_ = 0;
  LanguageTexts texts_;
  std::ostream& out_;
  std::ostream& err_;
  LinkTiming linkTiming_ = LinkTimingFromEnvironment();
};

}  // namespace vex::cli
