#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace vex {

// One private-profile (INI) file held as its lines, with an index for lookups.
// Section and key names compare case-insensitively (ASCII); the first section
// of a name and the first key of a name within it win; values are trimmed.
// Editing keeps every other line as it was: comments, order, blank lines and
// line endings.
class ProfileDocument {
 public:
  // Parses decoded UTF-8 text; a leading byte-order mark is remembered.
  static ProfileDocument parse(std::string_view text);

  // The trimmed value of the key, or nothing when the section or key is absent.
  std::optional<std::string_view> find(std::string_view section, std::string_view key) const;

  // Sets the key's value, adding the section and key when they are absent.
  // Line breaks in the value become blanks. Names that a file line cannot
  // carry as they stand (a section with "]", a key with "=" or starting with
  // "[" or ";", an empty name, control characters) change nothing: false.
  bool set(std::string_view section, std::string_view key, std::string_view value);

  // The file text as it is to be written.
  std::string serialize() const;

 private:
  struct Line {
    std::string text;    // without its line ending
    std::string ending;  // "\r\n", "\n" or "" for a last line without one
  };

  void rebuildIndex();
  std::string defaultEnding() const;
  void insertLine(std::size_t at, std::string text);

  std::vector<Line> lines_;
  bool byteOrderMark_ = false;
  std::unordered_map<std::string, std::string> values_;  // folded "section\nkey" -> value
};

}  // namespace vex
