// Writes a codeplug file: magic, header, comment, spare and image blocks.
#pragma once

#include "base/file_replace.h"
#include "core/codeplug_header.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace vex {

// What an empty comment means: keep the comment of a file already at the
// path (as Save does), or write no comment.
enum class EmptyComment { KeepFiles, Write };

// An empty `comment` keeps the comment of a file already at `path` unless
// `empty` says to write it as it is. The file
// is written beside the target under a temporary name, flushed to disk and
// then renamed over the target, so a failure never leaves a half-written file
// where a good one stood. Returns false, with errno set to the cause, when
// the file cannot be written.
bool WriteCodeplugFile(const std::string& path, const CodeplugHeader& header, std::span<const std::uint8_t> spare,
                       std::span<const std::uint8_t> image, std::string_view comment,
                       const ReplaceOptions& options = {}, EmptyComment empty = EmptyComment::KeepFiles);

}  // namespace vex
