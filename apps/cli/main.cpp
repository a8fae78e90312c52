// vexprog-cli: inspect, create and convert codeplug files.
//   vexprog-cli [--data-dir DIR] COMMAND [ARGUMENTS]
#include "cli_commands.h"
#include "config/data_directory.h"

#include <exception>
#include <iostream>
#include <string>
#include <vector>

namespace {

using namespace vex::cli;

void PrintToolHelp(std::ostream& out) {
  out << "usage: vexprog-cli [--data-dir DIR] COMMAND [ARGUMENTS]\n\n"
         "Inspect, create and convert codeplug files; read and write radios.\n\n"
         "commands:\n";
  for (const Command& c : Commands())
    out << "  " << c.name << std::string(10 - c.name.size(), ' ') << c.summary << '\n';
  out << "\noptions:\n"
         "  --data-dir DIR  language files, model catalogue and default data (default: the\n"
         "                  VEXPROG_DATA variable, else data/ beside the program)\n"
         "  --help          this text; COMMAND --help describes a command\n\n"
         "exit status: 0 success, 1 failure, 2 usage error\n";
}

void PrintCommandHelp(std::ostream& out, const Command& c) {
  out << "usage: vexprog-cli " << c.name << ' ' << c.arguments << "\n\n" << c.summary << "\n";
  if (!c.options.empty()) out << "\noptions:\n";
  for (const OptionSpec& o : c.options) {
    std::string left = "--" + std::string(o.name);
    if (o.takesValue) left += " " + std::string(o.valueName);
    out << "  " << left << std::string(left.size() < 20 ? 20 - left.size() : 1, ' ') << o.help << '\n';
  }
}

int Usage(const std::string& text) {
  std::cerr << "vexprog-cli: " << text << "\nTry 'vexprog-cli --help'.\n";
  return kExitUsage;
}

int Run(const std::vector<std::string>& words) {
  std::size_t i = 0;
  for (; i < words.size() && words[i].rfind("--", 0) == 0; ++i) {
    if (words[i] == "--help") {
      PrintToolHelp(std::cout);
      return kExitOk;
    }
    if (words[i] == "--data-dir") {
      if (i + 1 == words.size()) return Usage("option --data-dir needs a value");
      vex::DataDirectory::setOverride(words[++i]);
    } else if (words[i].rfind("--data-dir=", 0) == 0) {
      vex::DataDirectory::setOverride(words[i].substr(11));
    } else {
      return Usage("unknown option " + words[i]);
    }
  }
  if (i == words.size()) return Usage("no command given");

  const std::string& name = words[i];
  const Command* command = nullptr;
  for (const Command& c : Commands()) {
    if (c.name == name) command = &c;
  }
  if (command == nullptr) return Usage("unknown command " + name);

  const std::vector<std::string> rest(words.begin() + static_cast<std::ptrdiff_t>(i) + 1, words.end());
  for (const std::string& w : rest) {
    if (w == "--help") {
      PrintCommandHelp(std::cout, *command);
      return kExitOk;
    }
  }
  ParsedArgs args;
  if (auto error = args.parse(rest, command->options)) return Usage(name + ": " + *error);
  if (args.positional().size() != command->positionals) {
    return Usage(name + ": expected " + std::string(command->arguments));
  }
  for (const OptionSpec& o : command->options) {
    if (o.name == "output" && !args.has("output")) return Usage(name + ": missing -o FILE");
  }

  Environment env(vex::DataDirectory::current(), std::cout, std::cerr);
  return command->run(env, args);
}

}  // namespace

int main(int argc, char** argv) {
  try {
    return Run(std::vector<std::string>(argv + 1, argv + argc));
  } catch (const std::exception& e) {
    std::cerr << "vexprog-cli: " << e.what() << '\n';
  } catch (...) {
    std::cerr << "vexprog-cli: unexpected failure\n";
  }
  return kExitFailure;
}
