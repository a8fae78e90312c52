#include "config/profile_syntax.h"

namespace vex {

namespace {

constexpr std::string_view kBlanks = " \t\r\n\v\f";

char FoldChar(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

std::string_view TrimBlanks(std::string_view text) {
  const std::size_t first = text.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return {};
  const std::size_t last = text.find_last_not_of(kBlanks);
  return text.substr(first, last - first + 1);
}

std::string FoldAscii(std::string_view text) {
  std::string folded(text);
  for (char& c : folded) c = FoldChar(c);
  return folded;
}

bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (FoldChar(a[i]) != FoldChar(b[i])) return false;
  }
  return true;
}

ProfileLineKind ClassifyProfileLine(std::string_view line) {
  const std::string_view trimmed = TrimBlanks(line);
  ProfileLineKind result;
  if (trimmed.empty() || trimmed.front() == ';') return result;
  if (trimmed.front() == '[') {
    std::string_view inner = trimmed.substr(1);
    const std::size_t close = inner.find(']');
    if (close != std::string_view::npos) inner = inner.substr(0, close);
    result.kind = ProfileLineKind::Section;
    result.name = TrimBlanks(inner);
    return result;
  }
  const std::size_t equals = trimmed.find('=');
  if (equals == std::string_view::npos) return result;
  const std::string_view name = TrimBlanks(trimmed.substr(0, equals));
  if (name.empty()) return result;
  result.kind = ProfileLineKind::Key;
  result.name = name;
  result.value = TrimBlanks(trimmed.substr(equals + 1));
  return result;
}

}  // namespace vex
