// The simulator starts from the image of a codeplug file as well as from a raw image.
#include "../core/codeplug_test_support.h"
#include "sim/image_file.h"

#include <gtest/gtest.h>

namespace vex::sim {
namespace {

TEST(SimImageFile, TakesTheImageBlockOfACodeplugFile) {
  test::ScratchDir dir;
  const std::vector<std::uint8_t> pattern = test::PatternImage();
  test::FileBuilder().standard(test::SampleHeader(), pattern, "a comment").writeTo(dir.file("whole.dat"));
  Image image{};
  std::string error;
  ASSERT_TRUE(LoadImageFile(dir.file("whole.dat"), image, error)) << error;
  EXPECT_TRUE(std::equal(image.begin(), image.end(), pattern.begin()));

  // A short image block is no whole image.
  test::FileBuilder().standard(test::SampleHeader(), test::PatternImage(100)).writeTo(dir.file("short.dat"));
  EXPECT_FALSE(LoadImageFile(dir.file("short.dat"), image, error));
  EXPECT_EQ(image[100], pattern[100]);

  // The magic alone does not make a codeplug file; the image stays as it was.
  test::FileBuilder().magic().writeTo(dir.file("broken.dat"));
  image.fill(1);
  EXPECT_FALSE(LoadImageFile(dir.file("broken.dat"), image, error));
  EXPECT_EQ(image[0], 1);
  EXPECT_NE(error.find("codeplug"), std::string::npos);
}

}  // namespace
}  // namespace vex::sim
