// Whether a file can be written the way ReplaceFileContent writes it (a
// temporary file beside it, renamed over it), checked before long work whose
// result would otherwise be lost.
#pragma once

#include <filesystem>
#include <string>

namespace vex {

// "" when `path` can be replaced; otherwise the cause, as the system words
// it ("Permission denied", "No such file or directory", "Is a directory"),
// or "the file is read-only" for a file its owner may not write.
std::string ReplaceableFileProblem(const std::filesystem::path& path);

}  // namespace vex
