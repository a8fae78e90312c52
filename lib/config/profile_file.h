#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace vex {

// Room of the caller's buffer, as the reads of the data files use it. A read
// returns at most room - 1 bytes and never cuts a UTF-8 sequence.
inline constexpr std::size_t kRoomName = 100;
inline constexpr std::size_t kRoomText = 256;
inline constexpr std::size_t kRoomList = 1024;
inline constexpr std::size_t kRoomLabel = 25600;

// The key's trimmed value cut to the room, or nothing when the file, section
// or key is absent.
std::optional<std::string> FindProfileString(const std::filesystem::path& path, std::string_view section,
                                             std::string_view key, std::size_t room);

// The key's value, or def when absent; both cut to the room.
std::string ReadProfileString(const std::filesystem::path& path, std::string_view section, std::string_view key,
                              std::string_view def, std::size_t room);

// The leading decimal number (optional sign) of the key's value; def when the
// key is absent or its value does not begin with a number.
int ReadProfileInt(const std::filesystem::path& path, std::string_view section, std::string_view key, int def);

// Sets the key, creating the file, section and key as needed and keeping all
// other lines as they were. Line breaks in the value become blanks. Returns
// false when the file could not be written, or when the section or key name
// is one a file line cannot carry (ProfileDocument::set); the file is then
// left as it was.
bool WriteProfileString(const std::filesystem::path& path, std::string_view section, std::string_view key,
                        std::string_view value);

}  // namespace vex
