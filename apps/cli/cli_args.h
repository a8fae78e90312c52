// Command-line arguments of one command: positional words, options with a
// value ("--range 400-470" or "--range=400-470") and switches ("--json").
#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace vex::cli {

struct OptionSpec {
  std::string_view name;  // without the leading "--"
  bool takesValue = false;
  std::string_view valueName;  // shown in the help, e.g. "FILE"
  std::string_view help;
};

class ParsedArgs {
 public:
  const std::vector<std::string>& positional() const { return positional_; }
  bool has(std::string_view name) const { return switches_.count(std::string(name)) != 0 || value(name).has_value(); }
  std::optional<std::string> value(std::string_view name) const;

  // Reads the words against the optionSpecs; returns an error text for the user,
  // or nothing when the words are well-formed.
  std::optional<std::string> parse(const std::vector<std::string>& words, const std::vector<OptionSpec>& optionSpecs);

 private:
  std::vector<std::string> positional_;
  std::map<std::string, std::string, std::less<>> values_;
  std::set<std::string> switches_;
};

}  // namespace vex::cli
