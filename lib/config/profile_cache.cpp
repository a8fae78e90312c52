#include "config/profile_cache.h"

#include "base/file_replace.h"
#include "config/text_encoding.h"

#include <sys/stat.h>

#include <algorithm>
#include <chrono>
#include <map>
#include <mutex>

namespace vex {

namespace {

struct FileStamp {
  dev_t device = 0;
  ino_t inode = 0;
  off_t size = 0;
  long long mtimeNs = 0;
  long long ctimeNs = 0;  // changes with every write, and cannot be set back
  bool operator==(const FileStamp&) const = default;
};

struct Entry {
  FileStamp stamp;
  bool settled = false;  // the file was old enough when read to trust its stamp
  std::shared_ptr<const ProfileDocument> document;
};

constexpr std::size_t kMaxEntries = 64;
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool StampOf(const std::filesystem::path& path, FileStamp& stamp) {
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return false;
  stamp.device = info.st_dev;
  stamp.inode = info.st_ino;
  stamp.size = info.st_size;
  stamp.mtimeNs = static_cast<long long>(info.st_mtim.tv_sec) * 1'000'000'000 + info.st_mtim.tv_nsec;
  stamp.ctimeNs = static_cast<long long>(info.st_ctim.tv_sec) * 1'000'000'000 + info.st_ctim.tv_nsec;
  return true;
}

long long NowNs() {
  return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::system_clock::now().time_since_epoch())
      .count();
}

std::mutex gMutex;
std::map<std::string, Entry> gEntries;
// At least the coarsest timestamp granularity in use (FAT keeps 2 s).
long long gSettleNs = ProfileCache::kDefaultSettleTime.count();

}  // namespace

std::string DecodeProfileBytes(std::string_view bytes) {
  // A byte-order mark declares UTF-8 whatever follows.
  if (bytes.substr(0, kByteOrderMark.size()) == kByteOrderMark || IsValidUtf8(bytes)) {
    return std::string(bytes);
  }
  return Gb18030ToUtf8(bytes);
}

ProfileCache& ProfileCache::instance() {
  static ProfileCache cache;
  return cache;
}

std::shared_ptr<const ProfileDocument> ProfileCache::load(const std::filesystem::path& path) {
  FileStamp before;
  if (!StampOf(path, before)) {
    forget(path);
    return nullptr;
  }
  const std::string key = path.string();
  {
    std::lock_guard lock(gMutex);
    const auto it = gEntries.find(key);
    if (it != gEntries.end() && it->second.settled && it->second.stamp == before) {
      return it->second.document;
    }
  }

  const long long readAt = NowNs();
  std::string bytes;
  if (!ReadWholeFile(path, kMaxFileBytes, bytes)) {
    forget(path);
    return nullptr;
  }
  auto document = std::make_shared<const ProfileDocument>(ProfileDocument::parse(DecodeProfileBytes(bytes)));

  FileStamp after;
  const bool unchanged = StampOf(path, after) && after == before;
  std::lock_guard lock(gMutex);
  if (gEntries.size() >= kMaxEntries) gEntries.clear();
  Entry& entry = gEntries[key];
  entry.stamp = after;
  entry.settled = unchanged && readAt - std::max(before.mtimeNs, before.ctimeNs) >= gSettleNs;
  entry.document = document;
  return document;
}

void ProfileCache::setSettleTime(std::chrono::nanoseconds settle) {
  std::lock_guard lock(gMutex);
  gSettleNs = settle.count();
}

void ProfileCache::forget(const std::filesystem::path& path) {
  std::lock_guard lock(gMutex);
  gEntries.erase(path.string());
}

}  // namespace vex
