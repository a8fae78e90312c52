#include "sim/image_file.h"

#include "base/file_replace.h"
#include "core/codeplug_format.h"
#include "core/codeplug_reader.h"

#include <algorithm>
#include <fstream>
#include <string_view>

namespace vex::sim {

namespace {

bool StartsWithCodeplugMagic(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  char magic[codeplug::kMagic.size()] = {};
  if (!in.read(magic, sizeof magic)) return false;
  return std::equal(codeplug::kMagic.begin(), codeplug::kMagic.end(), magic,
                    [](std::uint8_t a, char b) { return a == static_cast<std::uint8_t>(b); });
}

// The image block of a codeplug file; a block shorter than the image is refused.
bool LoadCodeplugImage(const std::string& path, Image& image) {
  Image loaded;
  LoadedCounts counts;
  if (!LoadCodeplugFile(path, {}, loaded, counts)) return false;
  image = loaded;
  return true;
}

}  // namespace

bool LoadImageFile(const std::string& path, Image& image, std::string& error) {
  // A raw image may happen to start with the magic too.
  if (StartsWithCodeplugMagic(path) && LoadCodeplugImage(path, image)) return true;
  std::string bytes;
  if (!ReadWholeFile(path, image.size(), bytes) || bytes.size() != image.size()) {
    error = path + " is neither a codeplug file nor a readable 8192-byte image";
    return false;
  }
  std::copy(bytes.begin(), bytes.end(), image.begin());
  return true;
}

bool SaveImageFile(const std::string& path, const Image& image, std::string& error) {
  const std::string_view bytes(reinterpret_cast<const char*>(image.data()), image.size());
  if (ReplaceFileContent(path, bytes)) return true;
  error = "cannot write " + path;
  return false;
}

}  // namespace vex::sim
