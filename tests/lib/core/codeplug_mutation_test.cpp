// Seeded mutations of valid codeplug files through every reader and Open.
// The iteration count is fixed so the run is the same everywhere, including
// the sanitizer build.
#include "codeplug_fuzz_check.h"
#include "codeplug_test_support.h"

#include <gtest/gtest.h>

#include <random>

namespace vex {
namespace {

using test::FileBuilder;

std::vector<std::uint8_t> Mutate(std::vector<std::uint8_t> bytes, std::mt19937& rng) {
  auto pick = [&](std::size_t n) { return n ? std::uniform_int_distribution<std::size_t>(0, n - 1)(rng) : 0; };
  const int edits = 1 + static_cast<int>(pick(4));
  for (int e = 0; e < edits; ++e) {
    switch (pick(6)) {
      case 0:  // flip a byte
        if (!bytes.empty()) bytes[pick(bytes.size())] ^= static_cast<std::uint8_t>(1 + pick(255));
        break;
      case 1:  // cut the file
        bytes.resize(pick(bytes.size() + 1));
        break;
      case 2: {  // a block length field set to an edge value
        static const std::uint32_t lengths[]{0, 1, 8191, 8192, 8193, 0x7FFFFFFF, 0xFFFFFFFF};
        const std::size_t fields[]{123, 131, 139};  // block lengths of a file without comment
        const std::size_t at = fields[pick(3)];
        const std::uint32_t v = lengths[pick(7)];
        if (at + 4 <= bytes.size())
          for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
        break;
      }
      case 3:  // insert random bytes
        bytes.insert(bytes.begin() + static_cast<std::ptrdiff_t>(pick(bytes.size() + 1)), pick(16) + 1,
                     static_cast<std::uint8_t>(pick(256)));
        break;
      case 4:  // change a version character
        if (bytes.size() > 3 + 55) bytes[3 + 52 + pick(4)] = static_cast<std::uint8_t>('0' + pick(10));
        break;
      default:  // random bytes throughout
        for (auto& b : bytes)
          if (pick(64) == 0) b = static_cast<std::uint8_t>(pick(256));
        break;
    }
  }
  return bytes;
}

TEST(CodeplugMutation, MalformedFilesAreRefusedSafely) {
  test::ScratchDir dir(true);
  const std::string path = dir.file("m.dat");
  const std::vector<std::vector<std::uint8_t>> seeds{
      FileBuilder().standard(test::SampleHeader(), test::PatternImage()).bytes(),
      FileBuilder().standard(test::SampleHeader("1.01.00"), test::PatternImage(300), "a comment").bytes(),
      FileBuilder()
          .magic()
          .header(test::SampleHeader())
          .comment("")
          .block(codeplug::kSpareTag, std::vector<std::uint8_t>(40, 1))
          .block(codeplug::kImageTag, test::PatternImage(9000))
          .bytes(),
  };
  std::mt19937 rng(20261208);
  for (const auto& seed : seeds) test::CheckCodeplugInput(path, seed.data(), seed.size());
  for (int i = 0; i < 1500; ++i) {
    const auto& seed = seeds[static_cast<std::size_t>(i) % seeds.size()];
    const auto input = Mutate(seed, rng);
    test::CheckCodeplugInput(path, input.data(), input.size());
  }
  // Pure noise of assorted sizes.
  for (std::size_t size : {0u, 1u, 3u, 118u, 119u, 127u, 200u, 8335u}) {
    std::vector<std::uint8_t> noise(size);
    for (auto& b : noise) b = static_cast<std::uint8_t>(rng());
    test::CheckCodeplugInput(path, noise.data(), noise.size());
  }
}

}  // namespace
}  // namespace vex
