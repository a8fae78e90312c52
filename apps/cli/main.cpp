// vexprog-cli: inspect, create and convert codeplug files; read, write and
// verify radios.
//   vexprog-cli [--data-dir DIR] COMMAND [ARGUMENTS]
#include "cli_commands.h"
#include "cli_validators.h"
#include "stop_signals.h"
#include "config/data_directory.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <chrono>
#include <exception>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace vex::cli;

constexpr char kEpilog[] =
    "Exit status: 0 success, 1 failure, 2 usage error; diff and verify: 0 same, 1 different, 2 trouble.\n"
    "COMMAND --help describes a command.";

std::vector<std::string> CommandNames() {
  std::vector<std::string> names;
  for (const Command& c : Commands()) names.emplace_back(c.name);
  return names;
}

int Usage(const std::string& text, const std::string& hint = {}) {
  std::cerr << "vexprog-cli: " << text << '\n';
  if (!hint.empty()) std::cerr << "Did you mean '" << hint << "'?\n";
  std::cerr << "Try 'vexprog-cli --help'.\n";
  return kExitUsage;
}

// The command word, found before the parser runs so that a mistyped one gets
// a suggestion instead of "a subcommand is required".
int CheckCommandWord(const std::vector<std::string>& words) {
  for (std::size_t i = 0; i < words.size(); ++i) {
    const std::string& w = words[i];
    if (w == "--data-dir") {
      ++i;
      continue;
    }
    if (w.rfind('-', 0) == 0) continue;
    const auto names = CommandNames();
    if (std::find(names.begin(), names.end(), w) != names.end()) return kExitOk;
    return Usage("unknown command " + w, ClosestMatch(w, names));
  }
  return kExitOk;
}

// The option names of the command that was given, for suggestions.
std::vector<std::string> OptionNames(const CLI::App& app) {
  std::vector<std::string> names;
  for (const CLI::App* command : app.get_subcommands()) {
    for (const CLI::Option* option : command->get_options()) {
      for (const std::string& name : option->get_lnames()) names.push_back("--" + name);
    }
  }
  return names;
}

int ParseFailure(const CLI::App& app, const CLI::ParseError& e) {
  std::string hint;
  if (const auto* extras = dynamic_cast<const CLI::ExtrasError*>(&e)) {
    (void)extras;
    for (const std::string& word : app.remaining()) {
      if (word.rfind("--", 0) == 0) hint = ClosestMatch(word.substr(0, word.find('=')), OptionNames(app));
      if (!hint.empty()) break;
    }
  }
  return Usage(e.what(), hint);
}

int Run(int argc, char** argv) {
  const std::vector<std::string> words(argv + 1, argv + argc);
  if (const int code = CheckCommandWord(words); code != kExitOk) return code;

  CLI::App app("Inspect, create and convert codeplug files; read, write and verify radios.", "vexprog-cli");
  app.set_version_flag("--version", std::string("vexprog-cli ") + VEX_VERSION);
  app.require_subcommand(1);
  app.footer(kEpilog);
  std::string dataDir;
  app.add_option("--data-dir", dataDir,
                 "language files, model catalogue and default data (default: the VEXPROG_DATA variable, else "
                 "data/ beside the program, else the installed share directory)")
      ->type_name("DIR");

  CliOptions options;
  for (const Command& c : Commands()) {
    CLI::App* command = app.add_subcommand(std::string(c.name), std::string(c.summary));
    command->fallthrough();
    c.define(*command, options);
  }

  try {
    app.parse(argc, argv);
  } catch (const CLI::CallForHelp& e) {
    return app.exit(e);
  } catch (const CLI::CallForVersion& e) {
    return app.exit(e);
  } catch (const CLI::ParseError& e) {
    return ParseFailure(app, e);
  }
  const Command* chosen = nullptr;
  for (const Command& c : Commands()) {
    if (app.got_subcommand(std::string(c.name))) chosen = &c;
  }
  if (chosen == nullptr) return Usage("no command given");

  if (!dataDir.empty()) vex::DataDirectory::setOverride(dataDir);
  const vex::DataPaths paths = vex::DataDirectory::current();
  if (const std::string missing = vex::MissingDataFile(paths.dataDir()); !missing.empty()) {
    std::cerr << "vexprog-cli: no data directory: " << paths.dataDir().string() << " has no " << missing
              << " (give --data-dir DIR or set VEXPROG_DATA)\n";
    return kExitFailure;
  }
  // The commands that talk to radios end them cleanly on Ctrl+C or SIGTERM.
  const std::string_view name = chosen->name;
  if (name == "read" || name == "write" || name == "verify" || name == "station") stop::Install();
  Environment env(paths, std::cout, std::cerr);
  if (options.replyTimeoutMs) env.linkTiming().replyTimeout = std::chrono::milliseconds(*options.replyTimeoutMs);
  return chosen->run(env, options);
}

}  // namespace

int main(int argc, char** argv) {
  try {
    return Run(argc, argv);
  } catch (const std::exception& e) {
    std::cerr << "vexprog-cli: " << e.what() << '\n';
  } catch (...) {
    std::cerr << "vexprog-cli: unexpected failure\n";
  }
  return kExitFailure;
}
