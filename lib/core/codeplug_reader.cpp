#include "core/codeplug_reader.h"

#include "base/byte_order.h"
#include "base/read_only_file.h"
#include "core/codeplug_format.h"

#include <algorithm>
#include <vector>

namespace vex {

using namespace codeplug;

namespace {

struct BlockHeader {
  Tag tag{};
  std::uint32_t length = 0;
};

bool ReadBlockHeader(ReadOnlyFile& file, BlockHeader& block) {
  std::uint8_t raw[kBlockHeaderSize];
  if (!file.readExactly(raw, sizeof raw)) return false;
  std::copy(raw, raw + 4, block.tag.begin());
  block.length = ReadLe32(raw, 4);
  return true;
}

bool HasMagic(ReadOnlyFile& file) {
  std::uint8_t magic[kMagic.size()];
  return file.readExactly(magic, sizeof magic) && std::equal(kMagic.begin(), kMagic.end(), magic);
}

// Reads up to the room of `buffer` from a block of `length` bytes and skips
// the rest of the block; returns false when the file ends inside the part read.
bool ReadBlockInto(ReadOnlyFile& file, std::uint32_t length, std::span<std::uint8_t> buffer, std::size_t& count) {
  const std::size_t taken = std::min<std::size_t>(length, buffer.size());
  if (!file.readExactly(buffer.data(), taken)) return false;
  count = taken;
  return file.skip(length - taken);
}

}  // namespace

bool ReadCodeplugHeader(const std::string& path, CodeplugHeader& header) {
  ReadOnlyFile file(path);
  if (!file.isOpen() || !HasMagic(file)) return false;
  CodeplugHeader::Bytes bytes;
  if (!file.readExactly(bytes.data(), bytes.size())) return false;
  CodeplugHeader read(bytes);
  if (!read.hasTag()) return false;
  header = read;
  return true;
}

bool ReadCodeplugComment(const std::string& path, std::string& text) {
  text.clear();
  ReadOnlyFile file(path);
  if (!file.isOpen() || !HasMagic(file) || !file.seek(kCommentBlockOffset)) return false;
  BlockHeader block;
  if (!ReadBlockHeader(file, block) || block.tag != kCommentTag || block.length == 0) return false;
  // A length beyond the end of the file cannot be read; refuse it before
  // allocating room for it.
  if (block.length > file.remaining()) return false;
  std::string comment(block.length, '\0');
  if (!file.readExactly(reinterpret_cast<std::uint8_t*>(comment.data()), comment.size())) return false;
  text = std::move(comment);
  return true;
}

bool LoadCodeplugFile(const std::string& path, std::span<std::uint8_t> spare, std::span<std::uint8_t> image,
                      LoadedCounts& counts) {
  counts = {};
  ReadOnlyFile file(path);
  if (!file.isOpen() || !HasMagic(file) || !file.seek(kCommentBlockOffset)) return false;

  BlockHeader block;
  if (!ReadBlockHeader(file, block) || block.tag != kCommentTag || !file.skip(block.length)) return false;

  // The spare block is optional in the reading; when the second block is
  // not a spare block its header counts as read and the image block header
  // follows it.
  if (!ReadBlockHeader(file, block)) return false;
  if (block.tag == kSpareTag && !ReadBlockInto(file, block.length, spare, counts.spare)) return false;

  // An image block shorter than the buffer would leave part of the buffer
  // from whatever data it held before: such a file is refused.
  if (!ReadBlockHeader(file, block) || block.tag != kImageTag || block.length < image.size()) return false;
  // Read into a scratch copy so that a file ending inside the image block
  // leaves the caller's buffer untouched.
  std::vector<std::uint8_t> scratch(image.size());
  std::size_t taken = 0;
  if (!ReadBlockInto(file, block.length, scratch, taken)) return false;
  // Bytes after the last block belong to no block: not a file this program
  // wrote, or one that something else appended to.
  if (file.remaining() != 0) return false;
  std::copy_n(scratch.begin(), taken, image.begin());
  counts.image = taken;
  return true;
}

}  // namespace vex
