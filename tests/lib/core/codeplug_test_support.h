// Helpers for the codeplug file tests: a scratch directory and a builder of
// codeplug files byte by byte, well-formed or not.
#pragma once

#include "core/codeplug_format.h"
#include "core/codeplug_header.h"

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

namespace vex::test {

class ScratchDir {
 public:
  // `preferMemory`: under /dev/shm when there is one, for tests that
  // write many small files.
  explicit ScratchDir(bool preferMemory = false) {
    std::random_device rd;
    std::error_code ec;
    const std::filesystem::path base = preferMemory && std::filesystem::is_directory("/dev/shm", ec)
                                           ? std::filesystem::path("/dev/shm")
                                           : std::filesystem::temp_directory_path();
    path_ = base / ("vex-codeplug-" + std::to_string(rd()) + std::to_string(rd()));
    std::filesystem::create_directories(path_);
  }
  ~ScratchDir() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  std::string file(const std::string& name) const { return (path_ / name).string(); }
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

inline std::vector<std::uint8_t> ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void WriteBytes(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

inline CodeplugHeader SampleHeader(const std::string& versionA = "1.03.11", const std::string& modelId = "VEXM1") {
  ModelState state{modelId, "VX-446", "446-446", 2, versionA};
  return BuildSaveAsHeader(state, 0x81);
}

// Builds a codeplug file block by block; each block's length field may be
// given a value other than its data size.
class FileBuilder {
 public:
  FileBuilder& magic(const std::string& m = "VEX") {
    bytes_.insert(bytes_.end(), m.begin(), m.end());
    return *this;
  }
  FileBuilder& header(const CodeplugHeader& h) {
    bytes_.insert(bytes_.end(), h.bytes().begin(), h.bytes().end());
    return *this;
  }
  FileBuilder& block(const codeplug::Tag& tag, const std::vector<std::uint8_t>& data) {
    return block(tag, static_cast<std::uint32_t>(data.size()), data);
  }
  FileBuilder& block(const codeplug::Tag& tag, std::uint32_t claimed, const std::vector<std::uint8_t>& data) {
    bytes_.insert(bytes_.end(), tag.begin(), tag.end());
    for (int i = 0; i < 4; ++i) bytes_.push_back(static_cast<std::uint8_t>(claimed >> (8 * i)));
    bytes_.insert(bytes_.end(), data.begin(), data.end());
    return *this;
  }
  FileBuilder& comment(const std::string& text) {
    return block(codeplug::kCommentTag, std::vector<std::uint8_t>(text.begin(), text.end()));
  }
  // A complete file: magic, header, comment, empty spare and image blocks.
  FileBuilder& standard(const CodeplugHeader& h, const std::vector<std::uint8_t>& image, const std::string& text = "") {
    return magic().header(h).comment(text).block(codeplug::kSpareTag, {}).block(codeplug::kImageTag, image);
  }
  const std::vector<std::uint8_t>& bytes() const { return bytes_; }
  void writeTo(const std::string& path) const { WriteBytes(path, bytes_); }

 private:
  std::vector<std::uint8_t> bytes_;
};

inline std::vector<std::uint8_t> PatternImage(std::size_t size = 8192, std::uint8_t seed = 1) {
  std::vector<std::uint8_t> image(size);
  for (std::size_t i = 0; i < size; ++i) image[i] = static_cast<std::uint8_t>(i * 7 + seed);
  return image;
}

}  // namespace vex::test
