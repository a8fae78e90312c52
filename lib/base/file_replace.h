#pragma once

#include <sys/types.h>

#include <filesystem>
#include <string_view>

namespace vex {

struct ReplaceOptions {
  // The mode of a file that does not exist yet, before the umask; a file
  // that exists keeps its own. 0600 for files that hold passwords.
  mode_t newFileMode = 0666;
};

// Replaces the file's whole content: the bytes go to a temporary file in the
// same folder, are flushed to disk and then renamed over the file (and the
// folder synced), so that a reader never sees a half-written file. The
// temporary file has the target's final mode from its creation, has no name
// while it is written where the file system allows, and otherwise a short
// one, so that a target name of up to NAME_MAX bytes works. A symbolic link
// is followed, a dangling one too, and its target replaced. Refuses a target
// that is not a regular file. Returns false with errno set to the cause on
// failure, leaving the old file as it was. Temporary files that earlier
// saves in the folder left behind when their process was killed are removed
// first. A file its owner made read-only is refused with EACCES, as cp and
// mv refuse it unless forced.
bool ReplaceFileContent(const std::filesystem::path& path, std::string_view bytes, const ReplaceOptions& options = {});

// The file a path names once symbolic links are followed, also when the last
// link dangles; the path itself when it is no link.
std::filesystem::path LinkTarget(const std::filesystem::path& path);

// Reads a whole regular file of at most maxBytes bytes; false when it is
// missing, unreadable, not a regular file or larger.
bool ReadWholeFile(const std::filesystem::path& path, std::size_t maxBytes, std::string& bytes);

// The same for a file given on a command line, which may also be a pipe or
// a FIFO (bash's <(...)): those are read as a stream up to their end, and
// refused once they bring more than maxBytes.
bool ReadWholeInput(const std::filesystem::path& path, std::size_t maxBytes, std::string& bytes);

}  // namespace vex
