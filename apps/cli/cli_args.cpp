#include "cli_args.h"

#include <algorithm>

namespace vex::cli {

std::optional<std::string> ParsedArgs::value(std::string_view name) const {
  const auto found = values_.find(name);
  if (found == values_.end()) return std::nullopt;
  return found->second;
}

std::optional<std::string> ParsedArgs::parse(const std::vector<std::string>& words,
                                             const std::vector<OptionSpec>& optionSpecs) {
  bool optionsEnded = false;
  for (std::size_t i = 0; i < words.size(); ++i) {
    const std::string& word = words[i];
    if (optionsEnded || word.size() < 2 || word[0] != '-' || word == "-") {
      positional_.push_back(word);
      continue;
    }
    if (word == "--") {
      optionsEnded = true;
      continue;
    }
    // "-o" is the one short option: the output file.
    if (word != "-o" && word.rfind("--", 0) != 0) return "unknown option " + word;
    std::string name = word == "-o" ? "output" : word.substr(2);
    std::optional<std::string> inlineValue;
    if (const auto eq = name.find('='); eq != std::string::npos) {
      inlineValue = name.substr(eq + 1);
      name.resize(eq);
    }
    const auto optionSpec =
        std::find_if(optionSpecs.begin(), optionSpecs.end(), [&](const OptionSpec& s) { return s.name == name; });
    if (optionSpec == optionSpecs.end()) return "unknown option " + word;
    if (!optionSpec->takesValue) {
      if (inlineValue) return "option --" + name + " takes no value";
      switches_.insert(name);
      continue;
    }
    if (!inlineValue) {
      if (i + 1 >= words.size()) return "option " + word + " needs a value";
      inlineValue = words[++i];
    }
    values_[name] = *inlineValue;
  }
  return std::nullopt;
}

}  // namespace vex::cli
