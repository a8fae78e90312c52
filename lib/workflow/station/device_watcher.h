// The serial devices that appear in and vanish from a directory, watched with
// inotify: /dev/serial/by-id, where udev puts a link for every USB serial
// adapter plugged in, or any directory of links to devices. A directory that
// does not exist yet (by-id is made with the first adapter) is waited for.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace vex {

struct DeviceEvent {
  enum class Kind { Appeared, Vanished } kind;
  std::string name;  // the entry's name within the directory
};

class DeviceWatcher {
 public:
  explicit DeviceWatcher(std::filesystem::path dir);
  ~DeviceWatcher();
  DeviceWatcher(const DeviceWatcher&) = delete;
  DeviceWatcher& operator=(const DeviceWatcher&) = delete;

  // Starts watching; "" when it works, else why not. The entries already
  // there come as Appeared events from the first take().
  std::string start();
  // The descriptor that becomes readable when take() has events.
  int fd() const { return fd_; }
  // The events since the last call, without waiting.
  std::vector<DeviceEvent> take();
  const std::filesystem::path& dir() const { return dir_; }

 private:
  // Watches the directory, or its nearest existing parent until it exists.
  void watchClosest();
  void listDirectory(const std::vector<std::string>& gone, std::vector<DeviceEvent>& events);

  std::filesystem::path dir_;
  int fd_ = -1;
  int watch_ = -1;
  bool watchingDir_ = false;
  std::vector<std::string> present_;
};

}  // namespace vex
