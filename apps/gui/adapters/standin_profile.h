#pragma once
// Minimal read-only profile lookup used until lib/config's profile layer is on
// main. Case-insensitive sections and keys, first match wins, values trimmed.
#include <string>

namespace vex::gui::standin {

std::string readProfileString(const std::string& path, const std::string& section,
                              const std::string& key, const std::string& def = {});
long readProfileInt(const std::string& path, const std::string& section, const std::string& key,
                    long def);

}  // namespace vex::gui::standin
