// The file flows against a recording host: which state each flow changes,
// and that a refused or failed flow changes none.
#include "codeplug_test_support.h"

#include "core/codeplug_flows.h"
#include "core/codeplug_reader.h"
#include "core/codeplug_writer.h"

#include <gtest/gtest.h>

#include <functional>

namespace vex {
namespace {

using test::FileBuilder;
using test::PatternImage;
using test::SampleHeader;
using test::ScratchDir;
using namespace text;

class RecordingHost : public CodeplugHost {
 public:
  explicit RecordingHost(std::string dataDir) : dataDir_(std::move(dataDir)) { image_.fill(0x5A); }

  Image& image() override { return image_; }
  void resetToDefaults() override {
    ++resets;
    image_.fill(0xD0);
  }
  void decode() override {
    ++decodes;
    decodedImage = image_;
  }
  void encode() override {
    ++encodes;
    image_[5000] = static_cast<std::uint8_t>(encodes);
  }
  int validate() override { return findings; }
  ModelState modelState() const override { return state; }
  void setModelState(const ModelState& s) override { state = s; }
  bool isModelSupported(const std::string& id) const override { return id == supportedModel; }
  std::uint8_t currentRangeFlags() const override { return 0x85; }
  bool loadRangeTable() override { return true; }
  std::string dataDirectory() const override { return dataDir_; }
  bool confirm(int id) override {
    questions.push_back(id);
    return answer;
  }
  void commitPendingEdits() override {
    ++stores;
    if (onCommit) onCommit();
  }

  ModelState state{"VEXM1", "VX-446", "446-446", 1, "1.03.11"};
  std::string supportedModel = "VEXM1";
  std::function<void()> onCommit;
  int findings = 0;
  int resets = 0, decodes = 0, encodes = 0, stores = 0;
  bool answer = true;
  std::vector<int> questions;
  Image decodedImage{};

 private:
  std::string dataDir_;
  Image image_{};
};

class CodeplugFlows : public ::testing::Test {
 protected:
  std::string writeFile(const std::string& name, const std::string& versionA, const std::string& modelId = "VEXM1") {
    // Version A as earlier program versions wrote it, whatever it holds.
    ModelState s{modelId, "Other Name", "400-470", 2, versionA};
    CodeplugHeader header = BuildSaveAsHeader(s, 0x01);
    header.setText(codeplug::kVersionA, versionA);
    const std::string path = dir.file(name);
    FileBuilder().standard(header, PatternImage(8192, 3), "c").writeTo(path);
    return path;
  }
  SaveAsPrompt promptFor(const std::string& path, const std::string& comment = "") {
    return [this, path, comment](const CodeplugHeader& header) -> std::optional<SaveAsChoice> {
      ++prompts;
      promptedHeader = header;
      return SaveAsChoice{path, comment};
    };
  }

  ScratchDir dir;
  RecordingHost host{dir.path().string()};
  CodeplugSession session{host};
  int prompts = 0;
  CodeplugHeader promptedHeader;
};

TEST_F(CodeplugFlows, OpenTakesModelStateAndImageFromTheFile) {
  const std::string path = writeFile("a.dat", "1.03.05");
  const FlowOutcome outcome = session.open(path);
  ASSERT_TRUE(outcome.ok());
  EXPECT_TRUE(outcome.addToRecentFiles);
  EXPECT_EQ(host.state, (ModelState{"VEXM1", "Other Name", "400-470", 2, "1.03.05"}));
  EXPECT_EQ(session.fileName(), path);
  EXPECT_EQ(host.decodes, 1);
  const auto expected = PatternImage(8192, 3);
  EXPECT_TRUE(std::equal(expected.begin(), expected.end(), host.decodedImage.begin()));
}

TEST_F(CodeplugFlows, VersionGateAndTheDosByteRule) {
  const std::size_t dosByte = 260;
  const std::uint8_t fileValue = PatternImage(8192, 3)[dosByte];
  ASSERT_NE(fileValue, 0);

  ASSERT_TRUE(session.open(writeFile("101.dat", "1.01.09")).ok());
  EXPECT_EQ(host.decodedImage[dosByte], 0);
  for (const char* version : {"1.02.00", "1.03", "1.03.99"}) {
    ASSERT_TRUE(session.open(writeFile("ok.dat", version)).ok()) << version;
    EXPECT_EQ(host.decodedImage[dosByte], fileValue) << version;
  }
  EXPECT_EQ(session.open(writeFile("104.dat", "1.04.00")).messageId, kMsgFileTooNew);
  EXPECT_EQ(session.openRecent(writeFile("104.dat", "1.04.00")).messageId, kMsgFirmwareTooNew);
  EXPECT_EQ(session.open(writeFile("2.dat", "2.00")).messageId, kMsgFileTooNew);
}

TEST_F(CodeplugFlows, AFailedOpenChangesNothing) {
  ASSERT_TRUE(session.open(writeFile("good.dat", "1.03.01")).ok());
  const ModelState before = host.state;
  const std::string fileBefore = session.fileName();
  const auto imageBefore = host.image();
  const int decodesBefore = host.decodes;

  const auto image = PatternImage();
  FileBuilder()
      .magic()
      .header(SampleHeader())
      .comment("")
      .block(codeplug::kSpareTag, {})
      .block(codeplug::kImageTag, 8192, PatternImage(10))
      .writeTo(dir.file("short.dat"));
  FileBuilder().standard(SampleHeader(), {}).writeTo(dir.file("empty-image.dat"));
  test::WriteBytes(dir.file("garbage.dat"), {1, 2, 3, 4});
  const std::vector<std::pair<std::string, int>> cases{
      {dir.file("garbage.dat"), kMsgFileInvalid},
      {dir.file("absent.dat"), kMsgFileInvalid},
      {dir.path().string(), kMsgFileInvalid},
      {writeFile("model.dat", "1.03.00", "OTHER"), kMsgModelNotSupported},
      {writeFile("new.dat", "1.04.00"), kMsgFileTooNew},
      {dir.file("short.dat"), kMsgFileInvalid},
      {dir.file("empty-image.dat"), kMsgFileInvalid},
  };
  for (const auto& [path, message] : cases) {
    const FlowOutcome outcome = session.open(path);
    EXPECT_EQ(outcome.status, FlowStatus::failed) << path;
    EXPECT_EQ(outcome.messageId, message) << path;
    EXPECT_EQ(host.state, before) << path;
    EXPECT_EQ(session.fileName(), fileBefore) << path;
    EXPECT_EQ(host.image(), imageBefore) << path;
    EXPECT_EQ(host.decodes, decodesBefore) << path;
  }
}

TEST_F(CodeplugFlows, AnUnreadableRecentFileLeavesTheList) {
  const FlowOutcome outcome = session.openRecent(dir.file("gone.dat"));
  EXPECT_EQ(outcome.messageId, kMsgRecentFileUnreadable);
  EXPECT_TRUE(outcome.removeFromRecentFiles);

  const FlowOutcome good = session.openRecent(writeFile("a.dat", "1.03"));
  EXPECT_TRUE(good.ok());
  EXPECT_FALSE(good.addToRecentFiles);
}

TEST_F(CodeplugFlows, SaveAsThenSaveRoundTripsTheModelState) {
  host.state = {"VEXM1", "VX-446", "400-470", 3, "1.02.40"};
  const std::string path = dir.file("out.dat");
  ASSERT_TRUE(session.save(promptFor(path, "my radio")).ok());  // no file yet: Save As
  EXPECT_EQ(prompts, 1);
  EXPECT_EQ(promptedHeader.versionA(), "1.02.40");
  EXPECT_EQ(promptedHeader.rangeFlags(), 0x85);
  EXPECT_EQ(session.fileName(), path);
  EXPECT_EQ(host.stores, 1);

  const ModelState savedAs = host.state;
  host.state = {};
  ASSERT_TRUE(session.open(path).ok());
  EXPECT_EQ(host.state, savedAs);

  // Save writes the program's version first, so it reads back as the data version.
  ASSERT_TRUE(session.save(promptFor("unused")).ok());
  EXPECT_EQ(prompts, 1);
  CodeplugHeader header;
  ASSERT_TRUE(ReadCodeplugHeader(path, header));
  EXPECT_EQ(header.versionB(), "1.02.40");
  EXPECT_EQ(header.rangeFlags(), 0);
  std::string comment;
  ASSERT_TRUE(ReadCodeplugComment(path, comment));
  EXPECT_EQ(comment, "my radio");
  ASSERT_TRUE(session.open(path).ok());
  EXPECT_EQ(host.state.dataVersion, "1.03.11");
  EXPECT_EQ(host.state.freqRange, "400-470");
  EXPECT_EQ(host.state.signal, 3);
}

TEST_F(CodeplugFlows, FindingsStopSavingBeforeAnythingIsAskedOrWritten) {
  host.findings = 2;
  EXPECT_EQ(session.save(promptFor(dir.file("x.dat"))).messageId, kMsgDataInvalid);
  EXPECT_EQ(session.saveAs(promptFor(dir.file("x.dat"))).messageId, kMsgDataInvalid);
  EXPECT_EQ(prompts, 0);
  EXPECT_EQ(host.encodes, 0);
  EXPECT_FALSE(std::filesystem::exists(dir.file("x.dat")));
}

// A view holding a correction it has not stored yet: the flows must check
// (and write) the data with that correction in.
TEST_F(CodeplugFlows, SaveSaveAsAndWriteCommitTheViewsBeforeValidating) {
  host.onCommit = [this] { host.findings = 0; };
  for (int round = 0; round < 3; ++round) {
    host.findings = 1;
    const int encodes = host.encodes;
    const FlowOutcome outcome = round == 0   ? session.saveAs(promptFor(dir.file("a.dat")))
                                : round == 1 ? session.save(promptFor(dir.file("unused.dat")))
                                             : PrepareRadioWrite(host);
    EXPECT_TRUE(outcome.ok()) << round;
    EXPECT_EQ(host.stores, round + 1);
    EXPECT_EQ(host.encodes, encodes + 1) << round;
  }

  // What still fails after the views committed stops the write before encoding.
  host.onCommit = nullptr;
  host.findings = 1;
  const int encodes = host.encodes;
  EXPECT_EQ(PrepareRadioWrite(host).messageId, kMsgDataInvalid);
  EXPECT_EQ(host.encodes, encodes);
}

// Data read from a radio older than 1.02: opening the saved file must not
// clear its DOS byte, or a write would change the radio.
TEST_F(CodeplugFlows, OldFirmwareDataKeepTheirDosByteThroughSaveAsAndOpen) {
  const std::size_t dosByte = 260;
  host.image()[dosByte] = 0x37;
  host.state.dataVersion = "1.01.05";
  const std::string path = dir.file("old.dat");
  ASSERT_TRUE(session.saveAs(promptFor(path)).ok());
  EXPECT_EQ(promptedHeader.versionA(), "1.03.11");
  EXPECT_EQ(promptedHeader.versionB(), "1.01.05");
  ASSERT_TRUE(session.open(path).ok());
  EXPECT_EQ(host.decodedImage[dosByte], 0x37);
}

TEST_F(CodeplugFlows, ASixteenCharacterModelIdRoundTrips) {
  host.state.modelId = host.supportedModel = "ABCDEFGHIJKLMNOP";
  const ModelState saved = host.state;
  const std::string path = dir.file("id16.dat");
  ASSERT_TRUE(session.saveAs(promptFor(path)).ok());
  host.state = {};
  ASSERT_TRUE(session.open(path).ok());
  EXPECT_EQ(host.state, saved);
}

TEST_F(CodeplugFlows, CancelledOrFailedSaveAsKeepsTheFileName) {
  ASSERT_TRUE(session.open(writeFile("a.dat", "1.03")).ok());
  const SaveAsPrompt cancel = [](const CodeplugHeader&) { return std::optional<SaveAsChoice>(); };
  EXPECT_EQ(session.saveAs(cancel).status, FlowStatus::cancelled);
  const FlowOutcome failed = session.saveAs(promptFor(dir.file("no/such/dir.dat")));
  EXPECT_EQ(failed.messageId, kMsgFileNotWritten);
  EXPECT_EQ(session.fileName(), dir.file("a.dat"));
}

TEST_F(CodeplugFlows, NewAsksFromTheSecondTimeAndStampsTheDefaultImage) {
  const std::string defaultPath = dir.file("VEXM1446-446DefaultSet.dat");
  EXPECT_EQ(session.defaultDataPath(), defaultPath);
  FileBuilder().standard(SampleHeader(), PatternImage(8192, 9)).writeTo(defaultPath);
  session.setStampSource([] { return TimeStamp{5, 6, 7, 8, 9, 26, 20, 0}; });
  host.state.dataVersion = "1.01.00";

  ASSERT_TRUE(session.newDocument().ok());
  EXPECT_TRUE(host.questions.empty());
  EXPECT_EQ(host.state.dataVersion, "1.03.11");
  EXPECT_EQ(host.resets, 1);
  const std::array<std::uint8_t, 8> stamp{5, 6, 7, 8, 9, 26, 20, 0};
  EXPECT_TRUE(std::equal(stamp.begin(), stamp.end(), host.decodedImage.begin() + 32));
  EXPECT_EQ(host.decodedImage[100], PatternImage(8192, 9)[100]);

  host.answer = false;
  EXPECT_EQ(session.newDocument().status, FlowStatus::cancelled);
  EXPECT_EQ(host.questions, std::vector<int>{kMsgReplaceWithDefaults});
  EXPECT_EQ(host.resets, 1);
}

TEST_F(CodeplugFlows, NewWithoutADefaultFileKeepsTheResetDefaults) {
  ASSERT_TRUE(session.open(writeFile("a.dat", "1.03")).ok());
  ASSERT_TRUE(session.newDocument().ok());
  EXPECT_EQ(host.resets, 1);
  EXPECT_EQ(host.decodes, 1);  // only the Open decoded
  EXPECT_EQ(session.fileName(), "");
}

}  // namespace
}  // namespace vex
