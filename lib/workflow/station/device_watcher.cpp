#include "workflow/station/device_watcher.h"

#include <sys/inotify.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <system_error>

namespace vex {

namespace {

constexpr std::uint32_t kDirEvents =
    IN_CREATE | IN_MOVED_TO | IN_DELETE | IN_MOVED_FROM | IN_DELETE_SELF | IN_MOVE_SELF | IN_ONLYDIR;
constexpr std::uint32_t kParentEvents = IN_CREATE | IN_MOVED_TO | IN_ONLYDIR;

}  // namespace

DeviceWatcher::DeviceWatcher(std::filesystem::path dir) : dir_(std::move(dir)) {}

DeviceWatcher::~DeviceWatcher() {
  if (fd_ >= 0) ::close(fd_);
}

std::string DeviceWatcher::start() {
  std::error_code ec;
  if (std::filesystem::exists(dir_, ec) && !std::filesystem::is_directory(dir_, ec))
    return dir_.string() + " is not a directory";
  fd_ = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
  if (fd_ < 0) return std::string("inotify: ") + std::strerror(errno);
  watchClosest();
  if (watch_ < 0) return "cannot watch " + dir_.string() + ": " + std::strerror(errno);
  return {};
}

void DeviceWatcher::watchClosest() {
  if (watch_ >= 0) ::inotify_rm_watch(fd_, watch_);
  watch_ = ::inotify_add_watch(fd_, dir_.c_str(), kDirEvents);
  watchingDir_ = watch_ >= 0;
  for (std::filesystem::path parent = dir_.parent_path(); watch_ < 0 && !parent.empty();
       parent = parent.parent_path()) {
    watch_ = ::inotify_add_watch(fd_, parent.c_str(), kParentEvents);
    if (parent == parent.root_path()) break;
  }
}

// Compares the directory with what was there, so that entries that appear
// or go while the watch moves are not missed.
// An entry removed and made again since the last look (a radio plugged out
// and in quickly) goes and comes again.
void DeviceWatcher::listDirectory(const std::vector<std::string>& gone, std::vector<DeviceEvent>& events) {
  std::vector<std::string> now;
  std::error_code ec;
  if (watchingDir_) {
    for (std::filesystem::directory_iterator it(dir_, ec), end; !ec && it != end; it.increment(ec))
      now.push_back(it->path().filename().string());
  }
  std::sort(now.begin(), now.end());
  for (const std::string& name : present_) {
    if (!std::binary_search(now.begin(), now.end(), name)) events.push_back({DeviceEvent::Kind::Vanished, name});
  }
  for (const std::string& name : now) {
    const bool before = std::binary_search(present_.begin(), present_.end(), name);
    const bool replaced = before && std::find(gone.begin(), gone.end(), name) != gone.end();
    if (replaced) events.push_back({DeviceEvent::Kind::Vanished, name});
    if (!before || replaced) events.push_back({DeviceEvent::Kind::Appeared, name});
  }
  present_ = std::move(now);
}

std::vector<DeviceEvent> DeviceWatcher::take() {
  std::vector<DeviceEvent> events;
  if (fd_ < 0) return events;
  bool changed = present_.empty();
  bool rewatch = false;
  std::vector<std::string> gone;
  alignas(inotify_event) char buffer[16 * 1024];
  for (;;) {
    const ssize_t got = ::read(fd_, buffer, sizeof buffer);
    if (got <= 0) break;
    changed = true;
    for (ssize_t at = 0; at < got;) {
      const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
      if ((event->mask & (IN_DELETE | IN_MOVED_FROM)) != 0 && event->len > 0) gone.emplace_back(event->name);
      if ((event->mask & (IN_DELETE_SELF | IN_MOVE_SELF | IN_IGNORED | IN_Q_OVERFLOW)) != 0 || !watchingDir_)
        rewatch = true;
      at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
    }
  }
  if (rewatch) watchClosest();
  if (changed) listDirectory(gone, events);
  return events;
}

}  // namespace vex
