#include "adapters/standin_profile.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <fstream>

namespace vex::gui::standin {
namespace {

constexpr std::size_t kMaxLine = 32768;

std::string trim(std::string s) {
  auto notSpace = [](unsigned char c) { return !std::isspace(c); };
  s.erase(s.begin(), std::find_if(s.begin(), s.end(), notSpace));
  s.erase(std::find_if(s.rbegin(), s.rend(), notSpace).base(), s.end());
  return s;
}

bool sameText(const std::string& a, const std::string& b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) ==
                  std::tolower(static_cast<unsigned char>(y));
         });
}

}  // namespace

std::string readProfileString(const std::string& path, const std::string& section,
                              const std::string& key, const std::string& def) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return def;
  std::string line;
  bool inSection = false;
  while (std::getline(in, line)) {
    if (line.size() > kMaxLine) line.resize(kMaxLine);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    std::string t = trim(line);
    if (t.empty() || t[0] == ';') continue;
    if (t[0] == '[') {
      auto end = t.find(']');
      inSection = end != std::string::npos && sameText(trim(t.substr(1, end - 1)), section);
      continue;
    }
    if (!inSection) continue;
    auto eq = t.find('=');
    if (eq == std::string::npos) continue;
    if (sameText(trim(t.substr(0, eq)), key)) return trim(t.substr(eq + 1));
  }
  return def;
}

long readProfileInt(const std::string& path, const std::string& section, const std::string& key,
                    long def) {
  std::string text = readProfileString(path, section, key);
  if (text.empty()) return def;
  long value = 0;
  auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  return ec == std::errc() ? value : 0;
}

}  // namespace vex::gui::standin
