#pragma once

#include <filesystem>
#include <string_view>

namespace vex {

// Replaces the file's whole content: the bytes go to a temporary file in the
// same folder, are flushed to disk and then renamed over the file (and the
// folder synced), so that a reader never sees a half-written file. A symbolic
// link is followed and its target replaced. Keeps the old file's permissions;
// refuses a target that is not a regular file. Returns false on failure,
// leaving the old file as it was. Temporary files that an earlier save of the
// same target left behind when its process was killed are removed first.
bool ReplaceFileContent(const std::filesystem::path& path, std::string_view bytes);

// Reads a whole regular file of at most maxBytes bytes; false when it is
// missing, unreadable, not a regular file or larger.
bool ReadWholeFile(const std::filesystem::path& path, std::size_t maxBytes, std::string& bytes);

}  // namespace vex
