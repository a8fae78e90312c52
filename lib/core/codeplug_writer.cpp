#include "core/codeplug_writer.h"

#include <cerrno>

#include <array>
#include <vector>

#include "base/byte_order.h"
#include "base/file_replace.h"
#include "core/codeplug_format.h"
#include "core/codeplug_reader.h"

namespace vex {

using namespace codeplug;

namespace {

void AppendBlock(std::vector<std::uint8_t>& out, const Tag& tag, std::span<const std::uint8_t> data) {
  out.insert(out.end(), tag.begin(), tag.end());
  std::array<std::uint8_t, 4> length{};
  WriteLe32(length, 0, static_cast<std::uint32_t>(data.size()));
  out.insert(out.end(), length.begin(), length.end());
  out.insert(out.end(), data.begin(), data.end());
}

std::vector<std::uint8_t> FileBytes(const CodeplugHeader& header, std::span<const std::uint8_t> spare,
                                    std::span<const std::uint8_t> image, std::string_view comment) {
  std::vector<std::uint8_t> out;
  out.reserve(kFileSizeWithoutComment + comment.size() + spare.size());
  out.insert(out.end(), kMagic.begin(), kMagic.end());
  out.insert(out.end(), header.bytes().begin(), header.bytes().end());
  const auto* text = reinterpret_cast<const std::uint8_t*>(comment.data());
  AppendBlock(out, kCommentTag, {text, comment.size()});
  AppendBlock(out, kSpareTag, spare);
  AppendBlock(out, kImageTag, image);
  return out;
}

}  // namespace

bool WriteCodeplugFile(const std::string& path, const CodeplugHeader& header, std::span<const std::uint8_t> spare,
                       std::span<const std::uint8_t> image, std::string_view comment, const ReplaceOptions& options,
                       EmptyComment empty) {
  if (path.empty()) {
    errno = ENOENT;
    return false;
  }
  std::string kept;
  if (comment.empty() && empty == EmptyComment::KeepFiles && ReadCodeplugComment(path, kept)) comment = kept;
  const std::vector<std::uint8_t> bytes = FileBytes(header, spare, image, comment);
  return ReplaceFileContent(path, {reinterpret_cast<const char*>(bytes.data()), bytes.size()}, options);
}

}  // namespace vex
