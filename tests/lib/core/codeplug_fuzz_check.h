// One malformed-input check shared by the seeded mutation test and the
// libFuzzer target: every reader and Open must take any bytes without
// crashing, and a failed Open must leave the data as it was.
#pragma once

#include "core/codeplug_flows.h"
#include "core/codeplug_reader.h"
#include "core/container.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

namespace vex::test {

class FuzzHost : public CodeplugHost {
 public:
  Image& image() override { return image_; }
  void resetToDefaults() override {}
  void decode() override { ++decodes; }
  void encode() override {}
  int validate() override { return 0; }
  ModelState modelState() const override { return state; }
  void setModelState(const ModelState& s) override { state = s; }
  bool isModelSupported(const std::string& id) const override { return id == "VEXM1"; }
  std::uint8_t currentRangeFlags() const override { return 0; }
  bool loadRangeTable() override { return true; }
  std::string dataDirectory() const override { return "."; }

  ModelState state{"VEXM1", "name", "446-446", 0, "1.03.11"};
  int decodes = 0;

 private:
  Image image_{};
};

inline void Require(bool condition, const char* what) {
  if (!condition) {
    std::fprintf(stderr, "codeplug input check failed: %s\n", what);
    std::abort();
  }
}

// Runs the readers and Open over `size` bytes stored at `path`.
inline void CheckCodeplugInput(const std::string& path, const std::uint8_t* data, std::size_t size) {
  {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  }
  CodeplugHeader header;
  const bool hasHeader = ReadCodeplugHeader(path, header);
  Require(!hasHeader || size >= 119, "a header from a file shorter than 119 bytes");
  std::string comment;
  if (ReadCodeplugComment(path, comment)) Require(comment.size() + 127 <= size, "comment longer than the file");

  std::array<std::uint8_t, 8192> image{};
  LoadedCounts counts;
  if (LoadCodeplugFile(path, {}, image, counts)) {
    Require(counts.image == image.size(), "a loaded image does not fill the whole buffer");
    Require(counts.spare == 0, "spare bytes without room");
    // Whatever image a file brings must decode and encode again, and an
    // encoded image must come back from decoding and encoding unchanged.
    RadioDataContainer data;
    data.image() = image;
    data.decode();
    data.encode();
    RadioDataContainer again;
    again.image() = data.image();
    again.decode();
    again.encode();
    Require(again.image() == data.image(), "an encoded image does not encode back to itself");
  }

  FuzzHost host;
  host.image().fill(0x77);
  const ModelState before = host.state;
  CodeplugSession session(host);
  const FlowOutcome outcome = session.open(path);
  if (!outcome.ok()) {
    Require(host.state == before, "a failed Open changed the model state");
    Require(session.fileName().empty(), "a failed Open took the file name");
    Require(host.decodes == 0, "a failed Open decoded");
    for (std::uint8_t b : host.image()) Require(b == 0x77, "a failed Open changed the image");
  } else {
    Require(hasHeader, "Open succeeded without a header");
    Require(host.decodes == 1, "Open did not decode once");
  }
}

}  // namespace vex::test
