// The simulator's protocol engine, its request parser and its command line,
// without a terminal.
#include "sim/simulated_radio.h"
#include "core/sections/adjust_section.h"
#include "link/protocol.h"
#include "sim/command_line.h"
#include "sim/default_image.h"
#include "sim/frame_parser.h"
#include "sim/image_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace vex::sim {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes Ack(std::uint8_t status, std::uint8_t command, std::uint8_t sub) {
  return protocol::MakeAck(status, command, sub);
}

Bytes Mode(std::uint16_t code) { return {0x02, 'M', 'a', static_cast<std::uint8_t>(code), 0, 0x03}; }

Bytes Password(const std::string& text, std::uint8_t kind) {
  Bytes r(17, 0);
  r[0] = 0x02;
  r[1] = 'W';
  r[2] = 'b';
  r[3] = 11;
  r[5] = kind;
  std::copy(text.begin(), text.end(), r.begin() + 7);
  r[15] = protocol::Checksum(std::span(r).subspan(1, 14));
  r[16] = 0x03;
  return r;
}

Bytes ReadRequest(std::uint16_t address, std::uint8_t length) {
  return {0x02,   'E', 'b', static_cast<std::uint8_t>(address), static_cast<std::uint8_t>(address >> 8), 0, 0,
          length, 0,   0x03};
}

Bytes Answer(SimulatedRadio& radio, const Bytes& request) {
  auto reply = radio.Handle(request);
  return reply ? reply->bytes : Bytes{};
}

TEST(FrameParser, FindsFramesAfterGarbageAndAcrossChunks) {
  FrameParser parser;
  const Bytes garbage{0x55, 0x02, 'Z', 0x03};
  const Bytes mode = Mode(2);
  parser.Append(garbage);
  parser.Append(std::span(mode).first(3));
  EXPECT_FALSE(parser.NextFrame());
  parser.Append(std::span(mode).subspan(3));
  auto frame = parser.NextFrame();
  ASSERT_TRUE(frame);
  EXPECT_EQ(*frame, mode);
  EXPECT_FALSE(parser.NextFrame());
}

TEST(FrameParser, SkipsAFrameWithoutEtx) {
  FrameParser parser;
  const Bytes broken{0x02, 'P', 'a', 0x07};
  const Bytes greeting{0x02, 'P', 'a', 0x03};
  parser.Append(broken);
  parser.Append(greeting);
  auto frame = parser.NextFrame();
  ASSERT_TRUE(frame);
  EXPECT_EQ(*frame, greeting);
}

TEST(SimulatedRadio, ReadsAndWritesMemoryWithChecksums) {
  SimulatedRadio radio;
  EXPECT_EQ(Answer(radio, Mode(3)), Ack('a', 'M', 'a'));
  Bytes write{0x02, 0x45, 0x61, 0x07, 0x00, 0x20, 0x00, 0x00, 0x00, 0x12, 0x34, 0xED, 0x03};
  EXPECT_EQ(Answer(radio, write), Ack('a', 'E', 'a'));
  EXPECT_EQ(radio.Memory()[0x20], 0x12);
  write[11] ^= 1;  // a wrong checksum is refused
  EXPECT_EQ(Answer(radio, write), Ack('b', 'E', 'a'));
  EXPECT_EQ(Answer(radio, Mode(2)), Ack('a', 'M', 'a'));
  const Bytes reply = Answer(radio, ReadRequest(0x20, 2));
  ASSERT_EQ(reply.size(), 13u);
  EXPECT_EQ(reply[9], 0x12);
  EXPECT_EQ(reply[10], 0x34);
  EXPECT_EQ(protocol::Checksum(std::span(reply).subspan(1, 11)), 0);
  EXPECT_EQ(Answer(radio, ReadRequest(8180, 32)), Ack('b', 'E', 'b'));  // beyond the memory
}

TEST(SimulatedRadio, PasswordGuardsItsDirectionOnly) {
  SimOptions options;
  options.readPassword = "12";
  SimulatedRadio radio(options);
  EXPECT_EQ(Answer(radio, Mode(3)), Ack('a', 'M', 'a'));  // no write password
  EXPECT_EQ(Answer(radio, Mode(2)), Ack('c', 'M', 'a'));
  EXPECT_EQ(Answer(radio, ReadRequest(0, 32)), Ack('b', 'E', 'b'));
  EXPECT_EQ(Answer(radio, Password("12", 1)), Ack('b', 'W', 'b'));  // wrong kind
  EXPECT_EQ(Answer(radio, Password("13", 2)), Ack('b', 'W', 'b'));
  EXPECT_EQ(Answer(radio, Password("12", 2)), Ack('a', 'W', 'b'));
  EXPECT_EQ(Answer(radio, ReadRequest(0, 32)).size(), 43u);
}

TEST(SimulatedRadio, FaultsApplyToTheNumberedRequests) {
  SimOptions options;
  options.faults.noReply = {1, 1};
  options.faults.badChecksum = {2, 1};
  options.faults.shortReply = {3, 1};
  options.faults.lateReply = {4, 1};
  options.faults.silentAfter = 5;
  SimulatedRadio radio(options);
  const Bytes greeting{0x02, 'P', 'a', 0x03};
  EXPECT_FALSE(radio.Handle(greeting));
  EXPECT_NE(Answer(radio, greeting), Ack('a', 'P', 'a'));
  EXPECT_EQ(Answer(radio, greeting).size(), 4u);
  const auto late = radio.Handle(greeting);
  ASSERT_TRUE(late);
  EXPECT_EQ(late->delay, std::chrono::milliseconds(150));
  EXPECT_EQ(Answer(radio, greeting), Ack('a', 'P', 'a'));
  EXPECT_FALSE(radio.Handle(greeting));
  EXPECT_EQ(radio.RequestCount(), 6);
}

TEST(SimulatedRadio, InformationItemsAndTuning) {
  SimulatedRadio radio;
  const Bytes band = Answer(radio, {0x02, 'B', 'b', 5, 0, 0x03});
  ASSERT_EQ(band.size(), 18u);
  EXPECT_EQ(Bytes(band.begin() + 7, band.begin() + 16), (Bytes{0x00, 0x40, 0x00, 0, 0, 0x47, 0x00, 0, 0}));
  EXPECT_EQ(Answer(radio, {0x02, 'B', 'b', 9, 0, 0x03}), Ack('b', 'B', 'b'));
  EXPECT_EQ(Answer(radio, {0x02, 'V', 'a', 1, 0, 5, 6, 0x03}), Ack('b', 'V', 'a'));  // not in tuning mode
  Answer(radio, Mode(6));
  EXPECT_EQ(Answer(radio, {0x02, 'V', 'a', 1, 0, 5, 6, 0x03}), Ack('a', 'V', 'a'));
  EXPECT_EQ(Answer(radio, {0x02, 'V', 'k', 0, 0, 0x03}), Ack('a', 'V', 'k'));  // discarded
  EXPECT_EQ(Answer(radio, {0x02, 'V', 'b', 1, 0, 0x03}), (Bytes{0x02, 'V', 'c', 1, 0, 0, 0, 0x03}));
  Answer(radio, {0x02, 'V', 'a', 1, 0, 5, 6, 0x03});
  Answer(radio, {0x02, 'V', 'j', 0, 0, 0x03});
  EXPECT_EQ(Answer(radio, {0x02, 'V', 'b', 1, 0, 0x03}), (Bytes{0x02, 'V', 'c', 1, 0, 5, 6, 0x03}));
  EXPECT_EQ(Answer(radio, {0x02, 'O', 'a', 1, 0, 0x03}), Ack('a', 'O', 'a'));
  EXPECT_EQ(radio.Output(), (std::array<std::uint8_t, 2>{'a', 1}));
}

TEST(SimulatedRadio, RefusedModesAndFailingBlocks) {
  SimOptions options;
  options.faults.refusedModes = {6};
  options.faults.failAddress = 64;
  SimulatedRadio radio(options);
  EXPECT_EQ(Answer(radio, Mode(6)), Ack('b', 'M', 'a'));
  EXPECT_EQ(radio.Mode(), 1);
  EXPECT_EQ(Answer(radio, Mode(2)), Ack('a', 'M', 'a'));
  EXPECT_EQ(Answer(radio, ReadRequest(64, 32)), Ack('b', 'E', 'b'));
  EXPECT_EQ(Answer(radio, ReadRequest(32, 32)).size(), 43u);
}

TEST(SimulatedRadio, TuneSwitchIsTheOnlyByteWrittenInReadMode) {
  SimulatedRadio radio;
  Answer(radio, Mode(2));
  auto write = [&radio](std::uint16_t address, Bytes data) {
    Bytes r{0x02,
            'E',
            'a',
            static_cast<std::uint8_t>(data.size() + 5),
            0,
            static_cast<std::uint8_t>(address),
            static_cast<std::uint8_t>(address >> 8),
            0,
            0};
    r.insert(r.end(), data.begin(), data.end());
    r.push_back(protocol::Checksum(std::span(r).subspan(1)));
    r.push_back(0x03);
    return Answer(radio, r);
  };
  EXPECT_EQ(write(181, {1}), Ack('a', 'E', 'a'));
  EXPECT_EQ(radio.Memory()[181], 1);
  EXPECT_EQ(write(181, {1, 2}), Ack('b', 'E', 'a'));
  EXPECT_EQ(write(182, {1}), Ack('b', 'E', 'a'));
}

TEST(SimulatedRadio, KeptTuningValuesLandInTheAdjustmentArea) {
  SimulatedRadio radio;
  Answer(radio, Mode(6));
  Answer(radio, {0x02, 'V', 'a', 0x12, 0x80, 0x05, 0xC2, 0x03});  // sub-item 0x8012
  const std::size_t at = layout::kAdjust.first + *AdjustSection::positionOf(0x8012);
  EXPECT_NE(radio.Memory()[at], 0x05);  // live only
  EXPECT_EQ(Answer(radio, {0x02, 'O', 'a', 1, 0, 0x03}), Ack('a', 'O', 'a'));
  Answer(radio, {0x02, 'V', 'j', 0, 0, 0x03});
  EXPECT_EQ(radio.Memory()[at], 0x05);
  EXPECT_EQ(radio.Memory()[at + 1], 0xC2);
  EXPECT_EQ(radio.Output(), (std::array<std::uint8_t, 2>{0, 0}));  // the end switched it off
  Answer(radio, Mode(1));
  EXPECT_EQ(Answer(radio, {0x02, 'O', 'a', 1, 0, 0x03}), Ack('b', 'O', 'a'));  // only while tuning
}

TEST(SimulatedRadio, StartsWithTheEncodedDefaultData) {
  const Image memory = SimulatedRadio().Memory();
  EXPECT_EQ(memory, DefaultImage());
  EXPECT_EQ(memory[255], 0x01);  // the fixed PTT ID content
  EXPECT_EQ(memory[258], 0x19);
}

TEST(SimCommandLine, ParsesOptionsAndRejectsBadValues) {
  SimCommandLine cmd;
  std::string error;
  ASSERT_TRUE(ParseCommandLine(
      {"--band", "136-174", "--band-flags", "0x80", "--read-password", "1234", "--no-reply", "7:3", "--silent-after",
       "9", "--no-pacing", "--refuse-mode", "3", "--refuse-mode", "6", "--fail-address", "5176"},
      cmd, error))
      << error;
  EXPECT_EQ(cmd.options.bandLowerMHz, 136);
  EXPECT_EQ(cmd.options.bandFlags, 0x80);
  EXPECT_EQ(cmd.options.readPassword, "1234");
  EXPECT_EQ(cmd.options.faults.noReply.first, 7);
  EXPECT_EQ(cmd.options.faults.noReply.count, 3);
  EXPECT_EQ(cmd.options.faults.silentAfter, 9);
  EXPECT_FALSE(cmd.options.paced);
  EXPECT_EQ(cmd.options.faults.refusedModes, (std::vector<int>{3, 6}));
  EXPECT_EQ(cmd.options.faults.failAddress, 5176);
  // --version alone asks for the program's version; with a value it is the
  // firmware version's older spelling.
  SimCommandLine versions;
  ASSERT_TRUE(ParseCommandLine({"--version", "2.00", "--firmware-version", "2.01", "--version"}, versions, error));
  EXPECT_TRUE(versions.version);
  EXPECT_EQ(versions.options.version, "2.01");
  SimCommandLine oldSpelling;
  ASSERT_TRUE(ParseCommandLine({"--version", "2.00", "--no-pacing"}, oldSpelling, error));
  EXPECT_FALSE(oldSpelling.version);
  EXPECT_EQ(oldSpelling.options.version, "2.00");
  for (const std::vector<std::string>& bad : {std::vector<std::string>{"--band"},
                                              {"--band", "x"},
                                              {"--band-flags", "256"},
                                              {"--read-password", "123456789"},
                                              {"--no-reply", "0"},
                                              {"--fail-address", "8192"},
                                              {"--refuse-mode", "x"},
                                              {"--firmware-version", "12345678901234567"},
                                              {"--frobnicate"}}) {
    SimCommandLine ignored;
    EXPECT_FALSE(ParseCommandLine(bad, ignored, error)) << bad[0];
  }
}

TEST(SimImageFile, LoadsOnlyWholeImagesAndSavesAtomically) {
  const auto dir = std::filesystem::temp_directory_path() / ("vexsim-" + std::to_string(::getpid()));
  std::filesystem::create_directories(dir);
  const std::string path = (dir / "image.bin").string();
  Image image{};
  image[5] = 0x55;
  std::string error;
  ASSERT_TRUE(SaveImageFile(path, image, error)) << error;
  Image loaded{};
  ASSERT_TRUE(LoadImageFile(path, loaded, error)) << error;
  EXPECT_EQ(loaded, image);
  std::ofstream(path, std::ios::app) << "x";
  loaded.fill(1);
  EXPECT_FALSE(LoadImageFile(path, loaded, error));
  EXPECT_EQ(loaded[0], 1);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir), {}), 1);  // no temporary left
  std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace vex::sim
