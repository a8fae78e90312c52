#pragma once

#include "config/profile_document.h"

#include <chrono>
#include <filesystem>
#include <memory>

namespace vex {

// Parsed profile files keyed on their path. An entry is used only while the
// file's identity (device, inode, size, modification and change times in ns)
// is unchanged, and only once those times lie far enough in the past that a
// same-size rewrite within one timestamp tick cannot go unnoticed; otherwise
// the file is read again. Lookups therefore see what re-reading the file at every call would.
// Thread-safe.
class ProfileCache {
 public:
  static ProfileCache& instance();

  // The parsed file, or null when it is missing, unreadable or too large.
  std::shared_ptr<const ProfileDocument> load(const std::filesystem::path& path);

  // Drops what is held for the path (after writing it).
  void forget(const std::filesystem::path& path);

  // How far in the past a file's times must lie before its parsed copy is
  // trusted; tests shorten it instead of waiting.
  void setSettleTime(std::chrono::nanoseconds settle);
  static constexpr std::chrono::nanoseconds kDefaultSettleTime = std::chrono::seconds(2);

  // Files larger than this are not read (they are not profile files).
  static constexpr std::size_t kMaxFileBytes = 32u * 1024u * 1024u;
};

// Decodes a file's bytes into text: UTF-8 as it is, anything else as GB18030.
std::string DecodeProfileBytes(std::string_view bytes);

}  // namespace vex
