#include "base/file_check.h"

#include "base/file_replace.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>

namespace vex {

std::string ReplaceableFileProblem(const std::filesystem::path& path) {
  const std::filesystem::path target = LinkTarget(path);
  struct stat info {};
  if (::stat(target.c_str(), &info) == 0) {
    if (!S_ISREG(info.st_mode)) return S_ISDIR(info.st_mode) ? std::strerror(EISDIR) : "not a regular file";
    if ((info.st_mode & S_IWUSR) == 0) return "the file is read-only";
  }

  // The writer needs to create a file in the folder: try exactly that.
  const std::filesystem::path folder = target.has_parent_path() ? target.parent_path() : ".";
  const std::string probe = (folder / (".vexprog-probe-" + std::to_string(::getpid()))).string();
  const int fd = ::open(probe.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
  if (fd < 0) return std::strerror(errno == EEXIST ? EACCES : errno);
  ::close(fd);
  ::unlink(probe.c_str());
  return {};
}

}  // namespace vex
