#include "codeplug_test_support.h"

#include "core/codeplug_reader.h"
#include "core/codeplug_writer.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace vex {
namespace {

using namespace codeplug;
using test::FileBuilder;
using test::PatternImage;
using test::ReadBytes;
using test::SampleHeader;
using test::ScratchDir;

using Image = std::array<std::uint8_t, 8192>;

Image ImageOf(const std::vector<std::uint8_t>& bytes) {
  Image image{};
  std::copy_n(bytes.begin(), image.size(), image.begin());
  return image;
}

TEST(CodeplugWriter, WritesMagicHeaderAndThreeBlocks) {
  ScratchDir dir;
  const std::string path = dir.file("a.dat");
  const Image image = ImageOf(PatternImage());
  ASSERT_TRUE(WriteCodeplugFile(path, SampleHeader(), {}, image, "hello"));

  const auto bytes = ReadBytes(path);
  ASSERT_EQ(bytes.size(), kFileSizeWithoutComment + 5);
  EXPECT_EQ(kFileSizeWithoutComment, 8335u);
  EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 3), "VEX");
  const CodeplugHeader header = SampleHeader();
  EXPECT_TRUE(std::equal(header.bytes().begin(), header.bytes().end(), bytes.begin() + 3));
  const std::vector<std::uint8_t> commentBlock{0x58, 0x4D, 0x10, 0x10, 5, 0, 0, 0, 'h', 'e', 'l', 'l', 'o'};
  EXPECT_TRUE(std::equal(commentBlock.begin(), commentBlock.end(), bytes.begin() + 119));
  const std::vector<std::uint8_t> spareAndImage{0x58, 0x46, 0x10, 0x10, 0,    0,    0, 0,
                                                0x58, 0x45, 0x10, 0x10, 0x00, 0x20, 0, 0};
  EXPECT_TRUE(std::equal(spareAndImage.begin(), spareAndImage.end(), bytes.begin() + 132));
  EXPECT_TRUE(std::equal(image.begin(), image.end(), bytes.begin() + 148));
}

TEST(CodeplugWriter, EmptyCommentKeepsTheOldCommentAndANewOneReplacesIt) {
  ScratchDir dir;
  const std::string path = dir.file("a.dat");
  const Image image = ImageOf(PatternImage());
  ASSERT_TRUE(WriteCodeplugFile(path, SampleHeader(), {}, image, "first words"));
  ASSERT_TRUE(WriteCodeplugFile(path, SampleHeader(), {}, image, ""));
  std::string comment;
  ASSERT_TRUE(ReadCodeplugComment(path, comment));
  EXPECT_EQ(comment, "first words");

  ASSERT_TRUE(WriteCodeplugFile(path, SampleHeader(), {}, image, "second"));
  ASSERT_TRUE(ReadCodeplugComment(path, comment));
  EXPECT_EQ(comment, "second");
  EXPECT_EQ(ReadBytes(path).size(), kFileSizeWithoutComment + 6);
}

TEST(CodeplugWriter, ReplacesTheFileWithoutLeavingTemporariesAndKeepsItsMode) {
  ScratchDir dir;
  const std::string path = dir.file("a.dat");
  const Image image = ImageOf(PatternImage());
  ASSERT_TRUE(WriteCodeplugFile(path, SampleHeader(), {}, image, "x"));
  ASSERT_EQ(::chmod(path.c_str(), 0640), 0);
  ASSERT_TRUE(WriteCodeplugFile(path, SampleHeader(), {}, image, "y"));

  struct stat st {};
  ASSERT_EQ(::stat(path.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0640u);
  std::size_t entries = 0;
  for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir.path())) ++entries;
  EXPECT_EQ(entries, 1u);
}

TEST(CodeplugWriter, SavingThroughALinkReplacesTheLinkedFile) {
  ScratchDir dir;
  const std::string real = dir.file("real.dat");
  const std::string link = dir.file("link.dat");
  const Image image = ImageOf(PatternImage());
  ASSERT_TRUE(WriteCodeplugFile(real, SampleHeader(), {}, image, "x"));
  std::filesystem::create_symlink(real, link);
  ASSERT_TRUE(WriteCodeplugFile(link, SampleHeader(), {}, image, "through link"));
  EXPECT_TRUE(std::filesystem::is_symlink(link));
  std::string comment;
  ASSERT_TRUE(ReadCodeplugComment(real, comment));
  EXPECT_EQ(comment, "through link");
}

TEST(CodeplugWriter, FailsWithoutTouchingAnythingWhenThePathCannotBeWritten) {
  ScratchDir dir;
  const Image image = ImageOf(PatternImage());
  EXPECT_FALSE(WriteCodeplugFile(dir.file("missing/a.dat"), SampleHeader(), {}, image, "x"));
  EXPECT_FALSE(WriteCodeplugFile(dir.path().string(), SampleHeader(), {}, image, "x"));
  EXPECT_FALSE(WriteCodeplugFile("", SampleHeader(), {}, image, "x"));
  EXPECT_TRUE(std::filesystem::is_directory(dir.path()));
  EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
}

TEST(CodeplugHeader, TextFieldsKeepSixteenBytesAndStayInsideThem) {
  // A radio may report a model ID of sixteen characters: all of them are kept.
  ModelState state{"ABCDEFGHIJKLMNOP", "a model name too long", "400-470", 1, "1.03.11"};
  CodeplugHeader header = BuildSaveAsHeader(state, 0);
  EXPECT_EQ(header.modelId(), "ABCDEFGHIJKLMNOP");
  EXPECT_EQ(CodeplugHeader(header.bytes()).modelId(), state.modelId);
  // Longer texts are cut at the field's end; the next field is untouched.
  EXPECT_EQ(header.modelName(), "a model name too");
  EXPECT_EQ(header.rangeLow(), 400);
  EXPECT_EQ(header.rangeHigh(), 470);
  header.setText(kModelId, "short");
  EXPECT_EQ(header.modelId(), "short");
  EXPECT_EQ(header.bytes()[kModelId + 15], 0);

  // A reader takes all sixteen bytes of a field that lacks its zero.
  CodeplugHeader raw = header;
  std::fill_n(raw.bytes().begin() + kVersionA, 16, 'x');
  EXPECT_EQ(raw.versionA(), std::string(16, 'x'));
}

TEST(CodeplugHeader, SaveAndSaveAsOrderTheVersionsDifferently) {
  ModelState state{"VEXM1", "VX-446", "400-470", 3, "1.02.07"};
  const CodeplugHeader save = BuildSaveHeader(state);
  EXPECT_TRUE(save.hasTag());
  EXPECT_EQ(save.word(kHeaderLength), 116);
  EXPECT_EQ(save.versionA(), "1.03.11");
  EXPECT_EQ(save.versionB(), "1.02.07");
  EXPECT_EQ(save.rangeFlags(), 0);
  EXPECT_EQ(save.signalling(), 3);

  const CodeplugHeader saveAs = BuildSaveAsHeader(state, 0x85);
  EXPECT_EQ(saveAs.versionA(), "1.02.07");
  EXPECT_EQ(saveAs.versionB(), "1.03.11");
  EXPECT_EQ(saveAs.rangeFlags(), 0x85);
  EXPECT_EQ(saveAs.rangeText(), "400-470");
}

TEST(CodeplugHeader, RangeTextsThatDoNotScanGiveZeroEdges) {
  ModelState state{"VEXM1", "n", "136-174", 0, "1.03.11"};
  EXPECT_EQ(BuildSaveHeader(state).rangeText(), "136-174");
  state.freqRange = "abc";
  EXPECT_EQ(BuildSaveHeader(state).rangeText(), "0-0");
  state.freqRange = "446";
  EXPECT_EQ(BuildSaveHeader(state).rangeText(), "446-0");
}

TEST(CodeplugHeader, PreviewShowsRangeNameAndShortVersion) {
  ModelState state{"VEXM1", "VX-446  ", "446-446", 0, "1.03.11.22"};
  const HeaderPreview preview = PreviewOf(BuildSaveAsHeader(state, 0));
  EXPECT_EQ(preview.range, "446 - 446MHz");
  EXPECT_EQ(preview.modelName, "VX-446");
  EXPECT_EQ(preview.firmwareVersion, "1.03.11");
}

TEST(CodeplugReader, HeaderReaderRefusesWhatIsNotACodeplug) {
  ScratchDir dir;
  const auto good = FileBuilder().standard(SampleHeader(), PatternImage()).bytes();
  CodeplugHeader header;

  FileBuilder().standard(SampleHeader(), PatternImage()).writeTo(dir.file("good"));
  ASSERT_TRUE(ReadCodeplugHeader(dir.file("good"), header));
  EXPECT_EQ(header.modelId(), "VEXM1");

  test::WriteBytes(dir.file("empty"), {});
  test::WriteBytes(dir.file("short"), {good.begin(), good.begin() + 100});
  auto wrongMagic = good;
  wrongMagic[2] = 'Y';
  test::WriteBytes(dir.file("magic"), wrongMagic);
  auto wrongTag = good;
  wrongTag[4] = 0x49;
  test::WriteBytes(dir.file("tag"), wrongTag);
  for (const char* name : {"empty", "short", "magic", "tag", "absent"}) {
    CodeplugHeader untouched = SampleHeader("9.99");
    EXPECT_FALSE(ReadCodeplugHeader(dir.file(name), untouched)) << name;
    EXPECT_EQ(untouched.versionA(), "9.99") << name;
  }
  EXPECT_FALSE(ReadCodeplugHeader(dir.path().string(), header));
}

TEST(CodeplugReader, CommentReaderGivesNothingForEmptyOrImpossibleComments) {
  ScratchDir dir;
  std::string comment = "stale";
  FileBuilder().standard(SampleHeader(), PatternImage(), "").writeTo(dir.file("none"));
  EXPECT_FALSE(ReadCodeplugComment(dir.file("none"), comment));
  EXPECT_EQ(comment, "");

  // A length far beyond the end of the file is refused, not allocated.
  FileBuilder().magic().header(SampleHeader()).block(kCommentTag, 0xFFFFFFF0u, {'a', 'b'}).writeTo(dir.file("huge"));
  EXPECT_FALSE(ReadCodeplugComment(dir.file("huge"), comment));

  FileBuilder().magic().header(SampleHeader()).block(kSpareTag, {'a'}).writeTo(dir.file("tag"));
  EXPECT_FALSE(ReadCodeplugComment(dir.file("tag"), comment));
}

class CodeplugLoader : public ::testing::Test {
 protected:
  bool load(const FileBuilder& file) {
    file.writeTo(dir.file("f"));
    return LoadCodeplugFile(dir.file("f"), {}, buffer, counts);
  }
  ScratchDir dir;
  Image buffer = ImageOf(std::vector<std::uint8_t>(8192, 0xAA));
  LoadedCounts counts;
};

TEST_F(CodeplugLoader, LoadsTheWholeImageAndSkipsTheComment) {
  const auto image = PatternImage();
  ASSERT_TRUE(load(FileBuilder().standard(SampleHeader(), image, "some comment")));
  EXPECT_EQ(counts.image, 8192u);
  EXPECT_EQ(buffer, ImageOf(image));
}

TEST_F(CodeplugLoader, AShortImageBlockIsRefusedAndChangesNothing) {
  // Loading it would mix the file's bytes with the previous data's.
  const Image before = buffer;
  for (std::size_t length : {1u, 100u, 8191u}) {
    EXPECT_FALSE(load(FileBuilder().standard(SampleHeader(), PatternImage(length)))) << length;
    EXPECT_EQ(buffer, before) << length;
    EXPECT_EQ(counts.image, 0u);
  }
}

TEST_F(CodeplugLoader, LongBlocksFillTheRoomThereIsAndSkipTheRest) {
  const auto image = PatternImage(9000);
  std::vector<std::uint8_t> spare(300, 0x11);
  ASSERT_TRUE(
      load(FileBuilder().magic().header(SampleHeader()).comment("c").block(kSpareTag, spare).block(kImageTag, image)));
  EXPECT_EQ(counts.spare, 0u);
  EXPECT_EQ(counts.image, 8192u);
  EXPECT_TRUE(std::equal(buffer.begin(), buffer.end(), image.begin()));

  std::array<std::uint8_t, 4> room{};
  ASSERT_TRUE(LoadCodeplugFile(dir.file("f"), room, buffer, counts));
  EXPECT_EQ(counts.spare, 4u);
  EXPECT_EQ(room[3], 0x11);
}

TEST_F(CodeplugLoader, BrokenBlocksFailAndLeaveTheBufferAsItWas) {
  const Image before = buffer;
  const auto image = PatternImage();
  const std::vector<std::pair<const char*, FileBuilder>> cases{
      {"empty image block", FileBuilder().standard(SampleHeader(), {})},
      {"image longer than the file", FileBuilder()
                                         .magic()
                                         .header(SampleHeader())
                                         .comment("")
                                         .block(kSpareTag, {})
                                         .block(kImageTag, 8192, PatternImage(4000))},
      {"comment longer than the file", FileBuilder()
                                           .magic()
                                           .header(SampleHeader())
                                           .block(kCommentTag, 0x7FFFFFFF, {})
                                           .block(kSpareTag, {})
                                           .block(kImageTag, image)},
      {"image block mistagged",
       FileBuilder().magic().header(SampleHeader()).comment("").block(kSpareTag, {}).block(kCommentTag, image)},
      {"comment block mistagged",
       FileBuilder().magic().header(SampleHeader()).block(kSpareTag, {}).block(kSpareTag, {}).block(kImageTag, image)},
      {"no spare block", FileBuilder().magic().header(SampleHeader()).comment("").block(kImageTag, image)},
      {"wrong magic",
       FileBuilder().magic("VEY").header(SampleHeader()).comment("").block(kSpareTag, {}).block(kImageTag, image)},
      {"header only", FileBuilder().magic().header(SampleHeader())},
      {"long image block cut short", FileBuilder()
                                         .magic()
                                         .header(SampleHeader())
                                         .comment("")
                                         .block(kSpareTag, {})
                                         .block(kImageTag, 9000, PatternImage(8192))},
      {"spare block cut short",
       FileBuilder().magic().header(SampleHeader()).comment("").block(kSpareTag, 50, {1, 2, 3})},
      {"bytes after the image block", FileBuilder().standard(SampleHeader(), image).magic("appended")},
  };
  for (const auto& [name, file] : cases) {
    EXPECT_FALSE(load(file)) << name;
    EXPECT_EQ(buffer, before) << name;
  }
}

}  // namespace
}  // namespace vex
