#include "config/profile_file.h"

#include "base/file_replace.h"
#include "base/number_text.h"
#include "config/profile_cache.h"
#include "config/text_encoding.h"

#include <mutex>

namespace vex {

namespace {

std::string CutToRoom(std::string_view text, std::size_t room) { return TruncateUtf8(text, room > 0 ? room - 1 : 0); }

// Serialises writers of this process so that two read-modify-write cycles
// on one file do not lose each other's key.
std::mutex gWriteMutex;

}  // namespace

std::optional<std::string> FindProfileString(const std::filesystem::path& path, std::string_view section,
                                             std::string_view key, std::size_t room) {
  const auto document = ProfileCache::instance().load(path);
  if (!document) return std::nullopt;
  const auto value = document->find(section, key);
  if (!value) return std::nullopt;
  return CutToRoom(*value, room);
}

std::string ReadProfileString(const std::filesystem::path& path, std::string_view section, std::string_view key,
                              std::string_view def, std::size_t room) {
  if (auto value = FindProfileString(path, section, key, room)) return std::move(*value);
  return CutToRoom(def, room);
}

int ReadProfileInt(const std::filesystem::path& path, std::string_view section, std::string_view key, int def) {
  const auto value = FindProfileString(path, section, key, kRoomText);
  if (!value) return def;
  return ParseLeadingInt(*value).value_or(def);
}

bool WriteProfileString(const std::filesystem::path& path, std::string_view section, std::string_view key,
                        std::string_view value) {
  std::lock_guard lock(gWriteMutex);
  ProfileCache& cache = ProfileCache::instance();
  cache.forget(path);
  ProfileDocument document;
  std::error_code ec;
  if (std::filesystem::exists(path, ec)) {
    std::string bytes;
    // An existing file that cannot be read is left alone rather than replaced.
    if (!ReadWholeFile(path, ProfileCache::kMaxFileBytes, bytes)) return false;
    document = ProfileDocument::parse(DecodeProfileBytes(bytes));
  }
  if (!document.set(section, key, value)) return false;
  const bool written = ReplaceFileContent(path, document.serialize());
  cache.forget(path);
  return written;
}

}  // namespace vex
