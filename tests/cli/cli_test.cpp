#include "../lib/core/codeplug_test_support.h"
#include "cli_runner.h"

#include "base/text_ids.h"
#include "config/language_texts.h"
#include "core/codeplug_reader.h"
#include "core/container.h"
#include "core/report_sections.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <sys/stat.h>
#include <fstream>
#include <regex>

namespace vex {
namespace {

using test::BuildDataDir;
using test::CliResult;
using test::FileBuilder;
using test::RunCli;

std::string MessageText(int id) {
  return LanguageTexts(std::filesystem::path(BuildDataDir()) / "VEX_E.lng").messageText(id);
}

class Cli : public ::testing::Test {
 protected:
  CliResult run(const std::vector<std::string>& args) { return RunCli(args, dir.path().string()); }
  std::string file(const std::string& name) { return dir.file(name); }
  // Makes a codeplug with `new` and returns its path.
  std::string newFile(const std::string& name, const std::string& range = "446-446") {
    const CliResult r = run({"new", "-o", file(name), "--model-id", "VEXM1", "--range", range});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    return file(name);
  }
  test::ScratchDir dir;
};

TEST_F(Cli, HelpAndUsageErrors) {
  const CliResult help = run({"--help"});
  EXPECT_EQ(help.exitCode, 0);
  for (const char* command : {"info", "new", "recode", "dump"}) EXPECT_NE(help.out.find(command), std::string::npos);
  EXPECT_EQ(run({"new", "--help"}).exitCode, 0);
  EXPECT_NE(run({"new", "--help"}).out.find("--model-id"), std::string::npos);

  EXPECT_EQ(run({}).exitCode, 2);
  EXPECT_EQ(run({"frobnicate"}).exitCode, 2);
  EXPECT_EQ(run({"info"}).exitCode, 2);
  EXPECT_EQ(run({"info", "a", "b"}).exitCode, 2);
  EXPECT_EQ(run({"info", "a", "--bogus"}).exitCode, 2);
  EXPECT_EQ(run({"new"}).exitCode, 2);
  EXPECT_EQ(run({"recode", file("a")}).exitCode, 2);
  EXPECT_EQ(run({"new", "-o", file("x"), "--range", "wide"}).exitCode, 2);
  EXPECT_EQ(run({"new", "-o"}).exitCode, 2);
  EXPECT_FALSE(std::filesystem::exists(file("x")));
}

TEST_F(Cli, NewWritesTheDefaultDataAsSaveAsDoes) {
  const std::string path = newFile("n.dat", "400-470");
  EXPECT_EQ(std::filesystem::file_size(path), codeplug::kFileSizeWithoutComment);

  const CliResult info = run({"info", path, "--json"});
  ASSERT_EQ(info.exitCode, 0) << info.err;
  EXPECT_NE(info.out.find("\"model_id\": \"VEXM1\""), std::string::npos) << info.out;
  EXPECT_NE(info.out.find("\"model_name\": \"Vex M1\""), std::string::npos) << info.out;
  EXPECT_NE(info.out.find("\"range_low\": 400"), std::string::npos);
  EXPECT_NE(info.out.find("\"range_high\": 470"), std::string::npos);
  EXPECT_NE(info.out.find("\"version_a\": \"1.03.11\""), std::string::npos);
  EXPECT_NE(info.out.find("\"version_b\": \"1.03.11\""), std::string::npos);
  EXPECT_NE(info.out.find("\"comment\": \"\""), std::string::npos);

  const CliResult vhf = run({"info", newFile("v.dat", "136-174"), "--json"});
  EXPECT_NE(vhf.out.find("\"range_flags\": 128"), std::string::npos) << vhf.out;
}

// Every receive and transmit frequency the dump shows lies in [low, high + 1).
void ExpectChannelsInside(const std::string& dump, double low, double high, std::size_t expectedChannels) {
  const std::regex frequency("\"(rx|tx)_frequency\": ([0-9.]+)");
  std::size_t count = 0;
  for (auto it = std::sregex_iterator(dump.begin(), dump.end(), frequency); it != std::sregex_iterator(); ++it) {
    const double mhz = std::stod((*it)[2]);
    EXPECT_GE(mhz, low);
    EXPECT_LT(mhz, high + 1);
    ++count;
  }
  EXPECT_EQ(count, 2 * expectedChannels);
}

TEST_F(Cli, DefaultDataOfEveryRangeKeepsItsChannelsInsideTheRange) {
  const CliResult pmr = run({"dump", newFile("p.dat", "446-446"), "--json"});
  ASSERT_EQ(pmr.exitCode, 0) << pmr.err;
  ExpectChannelsInside(pmr.out, 446, 446, 16);
  EXPECT_NE(pmr.out.find("\"rx_frequency\": 446.09375"), std::string::npos);
  EXPECT_NE(pmr.out.find("\"rx_tone\": \"94.8\""), std::string::npos);

  const CliResult uhf = run({"dump", newFile("u.dat", "400-470"), "--json"});
  ASSERT_EQ(uhf.exitCode, 0) << uhf.err;
  ExpectChannelsInside(uhf.out, 400, 470, 16);
  const CliResult vhf = run({"dump", newFile("v.dat", "136-174"), "--json"});
  ASSERT_EQ(vhf.exitCode, 0) << vhf.err;
  ExpectChannelsInside(vhf.out, 136, 174, 16);
}

// The report's five-point grid of new data: the points spread over the range,
// receive 0.15 MHz above the transmit frequency, below it at the top edge.
TEST_F(Cli, NewDataHasTheFivePointFrequenciesOfItsRange) {
  const std::pair<const char*, std::vector<const char*>> cases[] = {
      {"400-470",
       {"400.15000 +400.00000", "417.15000 +417.00000", "435.15000 +435.00000", "452.15000 +452.00000",
        "469.85000 +470.00000"}},
      {"446-446",
       {"446.15000 +446.00000", "446.15000 +446.00000", "446.15000 +446.00000", "446.15000 +446.00000",
        "445.85000 +446.00000"}},
  };
  for (const auto& [range, points] : cases) {
    const CliResult report =
        run({"report", newFile(std::string("t") + range + ".dat", range), "--sections", "test-frequencies"});
    ASSERT_EQ(report.exitCode, 0) << report.err;
    for (std::size_t i = 0; i < points.size(); ++i) {
      const std::regex line("\\n *" + std::to_string(i + 1) + " +" + points[i] + " *\\n");
      EXPECT_TRUE(std::regex_search(report.out, line)) << range << " point " << i + 1 << "\n" << report.out;
    }
  }
}

TEST_F(Cli, DumpShowsValuesThroughTheLanguageLists) {
  const std::string path = newFile("d.dat");
  const CliResult text = run({"dump", path});
  ASSERT_EQ(text.exitCode, 0) << text.err;
  for (const char* expected : {"channels:", "personalities:", "scan_lists:", "misc:", "446.00625", "CTCSS"}) {
    EXPECT_NE(text.out.find(expected), std::string::npos) << expected;
  }
  const CliResult json = run({"dump", path, "--json"});
  EXPECT_NE(json.out.find("\"tx_admit\": \"Always\""), std::string::npos) << json.out;
  EXPECT_NE(json.out.find("\"members\": \"1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16\""), std::string::npos);
  // Range edits show display numbers: the default first segment is raw 100, 1000 Hz.
  EXPECT_NE(json.out.find("\"tone1_hz\": \"1000\""), std::string::npos) << json.out;
  EXPECT_NE(json.out.find("\"tone1_ms\": \"100\""), std::string::npos);
  EXPECT_NE(json.out.find("\"tone2_hz\": \"500\""), std::string::npos);
}

// A section's title line: the title centred in the first third's width.
std::string TitleLine(const LanguageTexts& texts, int titleId) {
  return "\n" + std::string(40, ' ') + texts.labelText(titleId) + "\n";
}

TEST_F(Cli, ReportPrintsTheChosenSectionsInTableOrderInTheProgramsLanguage) {
  const std::string path = newFile("r.dat", "400-470");
  const LanguageTexts english(std::filesystem::path(BuildDataDir()) / "VEX_E.lng");
  const ReportSectionTable table;

  CliResult all = run({"report", path});
  ASSERT_EQ(all.exitCode, 0) << all.err;
  all.out.insert(0, "\n");
  std::size_t previous = 0;
  for (const ReportSection& section : table.entries()) {
    const std::size_t at = all.out.find(TitleLine(english, section.titleId));
    ASSERT_NE(at, std::string::npos) << english.labelText(section.titleId);
    EXPECT_GE(at, previous) << english.labelText(section.titleId);
    previous = at;
  }
  EXPECT_NE(all.out.find("435.00000"), std::string::npos);

  const CliResult chosen = run({"report", path, "--sections", "channels,radio", "-o", file("r.txt")});
  ASSERT_EQ(chosen.exitCode, 0) << chosen.err;
  const std::string text = "\n" + test::Slurp(file("r.txt"));
  EXPECT_EQ(text, "\n" + run({"report", path, "--sections=radio", "--sections=channels"}).out);
  EXPECT_LT(text.find(TitleLine(english, text::kCaptionRadioInfo)),
            text.find(TitleLine(english, text::kCaptionChannel)));
  EXPECT_EQ(text.find(TitleLine(english, text::kCaptionKeys)), std::string::npos);

  const CliResult unknown = run({"report", path, "--sections", "radio,chanels", "-o", file("u.txt")});
  EXPECT_EQ(unknown.exitCode, 2);
  EXPECT_NE(unknown.err.find("'chanels'"), std::string::npos) << unknown.err;
  EXPECT_NE(unknown.err.find("channels, personalities, scan-lists, test-frequencies"), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(file("u.txt")));

  // Settings.ini's Language picks the texts.
  const std::filesystem::path data = dir.path() / "data";
  std::filesystem::copy(BuildDataDir(), data, std::filesystem::copy_options::recursive);
  std::string settings = test::Slurp((data / "Settings.ini").string());
  settings.insert(settings.find("[Setting]\n") + 10, "Language=1\n");
  std::ofstream(data / "Settings.ini", std::ios::trunc) << settings;
  const CliResult chinese = RunCli({"report", path, "--sections", "channels"}, dir.path().string(), data.string());
  ASSERT_EQ(chinese.exitCode, 0) << chinese.err;
  const LanguageTexts simplified(data / "VEX_S.lng");
  EXPECT_EQ(chinese.out.find(TitleLine(simplified, text::kCaptionChannel).substr(1)), 0u) << chinese.out;
  EXPECT_NE(simplified.labelText(text::kCaptionChannel), english.labelText(text::kCaptionChannel));
}

TEST_F(Cli, RecodeGivesTheImageOfADecodeAndEncode) {
  // A file whose image has bytes that decoding drops (never-interpreted
  // areas), with a comment and an older data version.
  auto image = test::PatternImage(8192, 5);
  {
    RadioDataContainer data;
    data.clearRecords();
    data.resetToDefaults();
    data.encode();
    std::copy(data.image().begin(), data.image().end(), image.begin());
    image[0] = 0x12;     // identity area: not kept
    image[6300] = 0x34;  // unused area: not kept
  }
  ModelState state{"VEXM1", "Vex M1", "400-470", 1, "1.02.50"};
  const std::string input = file("in.dat");
  FileBuilder().standard(BuildSaveAsHeader(state, 0), image, "keep me").writeTo(input);

  const CliResult r = run({"recode", input, "-o", file("out.dat")});
  ASSERT_EQ(r.exitCode, 0) << r.err;

  RadioDataContainer expected;
  std::copy(image.begin(), image.end(), expected.image().begin());
  expected.decode();
  expected.encode();
  std::array<std::uint8_t, 8192> written{};
  LoadedCounts counts;
  ASSERT_TRUE(LoadCodeplugFile(file("out.dat"), {}, written, counts));
  EXPECT_EQ(written, expected.image());
  EXPECT_EQ(written[6300], 0xFF);

  CodeplugHeader header;
  ASSERT_TRUE(ReadCodeplugHeader(file("out.dat"), header));
  EXPECT_EQ(header.versionA(), "1.03.11");
  EXPECT_EQ(header.versionB(), "1.02.50");
  EXPECT_EQ(header.rangeText(), "400-470");
  EXPECT_EQ(header.signalling(), 1);
  std::string comment;
  ASSERT_TRUE(ReadCodeplugComment(file("out.dat"), comment));
  EXPECT_EQ(comment, "keep me");
}

TEST_F(Cli, MalformedFilesFailWithTheMessageAndTheFileName) {
  const auto good = test::ReadBytes(newFile("good.dat"));
  auto cut = [&](std::size_t n) {
    return std::vector<std::uint8_t>(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(n));
  };
  auto patched = [&](std::size_t at, std::uint8_t value) {
    auto bytes = good;
    bytes[at] = value;
    return bytes;
  };
  std::vector<std::uint8_t> noise(5000);
  std::mt19937 rng(7);
  for (auto& b : noise) b = static_cast<std::uint8_t>(rng());
  const std::vector<std::pair<std::string, std::vector<std::uint8_t>>> files{
      {"empty", {}},
      {"short", cut(60)},
      {"magic", patched(0, 'W')},
      {"header-tag", patched(4, 0)},
      {"comment-tag", patched(120, 0)},
      {"image-tag", patched(135, 0)},
      {"image-too-long", patched(141, 0x7F)},
      {"comment-too-long", patched(125, 0x7F)},
      {"cut-image", cut(5000)},
      {"noise", noise},
  };
  const std::string notACodeplug = MessageText(811);
  ASSERT_FALSE(notACodeplug.empty());
  for (const auto& [name, bytes] : files) {
    test::WriteBytes(file(name), bytes);
    for (const char* command : {"info", "dump"}) {
      const CliResult r = run({command, file(name)});
      EXPECT_EQ(r.exitCode, 1) << command << " " << name;
      EXPECT_NE(r.err.find(notACodeplug), std::string::npos) << command << " " << name << ": " << r.err;
      EXPECT_NE(r.err.find(file(name)), std::string::npos) << name;
    }
    EXPECT_EQ(run({"recode", file(name), "-o", file("out")}).exitCode, 1) << name;
    EXPECT_FALSE(std::filesystem::exists(file("out"))) << name;
  }
  FileBuilder().standard(test::SampleHeader(), {}).writeTo(file("zero-image"));
  EXPECT_EQ(run({"dump", file("zero-image")}).exitCode, 1);
  EXPECT_EQ(run({"info", dir.path().string()}).exitCode, 1);
  EXPECT_EQ(run({"info", file("absent")}).exitCode, 1);
  ASSERT_EQ(::mkfifo(file("fifo").c_str(), 0600), 0);
  EXPECT_EQ(run({"dump", file("fifo")}).exitCode, 1);
}

TEST_F(Cli, RefusedModelsVersionsAndTargets) {
  FileBuilder().standard(test::SampleHeader("1.03.11", "OTHER"), test::PatternImage()).writeTo(file("model"));
  const CliResult model = run({"dump", file("model")});
  EXPECT_EQ(model.exitCode, 1);
  EXPECT_NE(model.err.find(MessageText(810)), std::string::npos) << model.err;

  FileBuilder().standard(test::SampleHeader("1.04.00"), test::PatternImage()).writeTo(file("new"));
  const CliResult tooNew = run({"recode", file("new"), "-o", file("out")});
  EXPECT_EQ(tooNew.exitCode, 1);
  EXPECT_NE(tooNew.err.find(MessageText(1230)), std::string::npos) << tooNew.err;

  const CliResult target = run({"recode", newFile("ok.dat"), "-o", file("no/such/dir/out.dat")});
  EXPECT_EQ(target.exitCode, 1);
  EXPECT_NE(target.err.find(MessageText(803)), std::string::npos) << target.err;
  EXPECT_NE(target.err.find("no/such/dir/out.dat"), std::string::npos);
}

TEST_F(Cli, JsonIsStrictUtf8WithTypedValuesAndAFormatVersion) {
  FileBuilder()
      .standard(test::SampleHeader(), test::PatternImage(), "say \"hi\"\n\\ \xff caf\xc3\xa9 \xed\xa0\x80")
      .writeTo(file("c"));
  const CliResult r = run({"info", file("c"), "--json"});
  ASSERT_EQ(r.exitCode, 0) << r.err;
  // A strict parser takes it; bytes that are not UTF-8 (a lone 0xFF, an
  // encoded surrogate) became U+FFFD, valid text stayed.
  const auto info = nlohmann::json::parse(r.out);
  EXPECT_EQ(info["comment"], "say \"hi\"\n\\ \xef\xbf\xbd caf\xc3\xa9 \xef\xbf\xbd\xef\xbf\xbd\xef\xbf\xbd");
  EXPECT_EQ(info["format_version"], 2);
  EXPECT_EQ(info["range_low"], 446);
  EXPECT_EQ(info["range"], "446-446");
  const CliResult text = run({"info", file("c")});
  EXPECT_NE(text.out.find("Range:       446-446 MHz"), std::string::npos) << text.out;

  // dump shares the model keys and types its values.
  const auto dump = nlohmann::json::parse(run({"dump", newFile("d.dat"), "--json"}).out);
  EXPECT_EQ(dump["format_version"], 2);
  for (const char* key : {"model_id", "model_name", "range", "range_low", "range_high", "signalling", "data_version"})
    EXPECT_TRUE(dump["model"].contains(key)) << key;
  EXPECT_EQ(dump["model"]["signalling"], 0);
  const auto& channel = dump["channels"][0];
  EXPECT_EQ(channel["channel"], 1);
  EXPECT_DOUBLE_EQ(channel["rx_frequency"].get<double>(), 446.00625);
  EXPECT_EQ(channel["auto_start_scan"], false);
  EXPECT_EQ(dump["channels"][15]["auto_start_scan"], true);
}

TEST_F(Cli, NewMakesOnlyWhatTheCatalogueListsAndWritesToStandardOutput) {
  const CliResult model = run({"new", "-o", file("m.dat"), "--model-id", "NOSUCH"});
  EXPECT_EQ(model.exitCode, 1);
  EXPECT_NE(model.err.find("no model ID NOSUCH"), std::string::npos) << model.err;
  const CliResult range = run({"new", "-o", file("r.dat"), "--range", "300-310"});
  EXPECT_EQ(range.exitCode, 1);
  EXPECT_NE(range.err.find("400-470"), std::string::npos) << range.err;  // the ranges it has
  EXPECT_FALSE(std::filesystem::exists(file("m.dat")));
  EXPECT_FALSE(std::filesystem::exists(file("r.dat")));

  const CliResult piped = run({"new", "-o", "-", "--range", "400-470"});
  ASSERT_EQ(piped.exitCode, 0) << piped.err;
  EXPECT_EQ(piped.out.substr(0, 3), "VEX");
  EXPECT_EQ(piped.out.size(), 8335u);
}

TEST_F(Cli, DiffListsTheFieldsAndBytesThatDifferLikeDiff) {
  const std::string a = newFile("a.dat", "400-470");
  EXPECT_EQ(run({"diff", a, a}).exitCode, 0);

  // B: channel 2 transmits elsewhere, and the file says another range.
  RadioDataContainer data;
  data.image().fill(0);
  const auto bytes = test::ReadBytes(a);
  LoadedCounts counts;
  ASSERT_TRUE(LoadCodeplugFile(a, {}, data.image(), counts));
  data.decode();
  data.channels()[1].record().setTxFrequency(0x41234500);
  data.encode();
  ModelState state{"VEXM1", "Vex M1", "400-480", 0, "1.03.11"};
  FileBuilder()
      .standard(BuildSaveAsHeader(state, 0), std::vector<std::uint8_t>(data.image().begin(), data.image().end()))
      .writeTo(file("b.dat"));

  const CliResult text = run({"diff", a, file("b.dat")});
  EXPECT_EQ(text.exitCode, 1) << text.err;
  EXPECT_NE(text.out.find("file.range: 400-470 -> 400-480"), std::string::npos) << text.out;
  EXPECT_NE(text.out.find("channels[2].tx_frequency: "), std::string::npos) << text.out;
  EXPECT_NE(text.out.find("-> 412.34500"), std::string::npos) << text.out;
  EXPECT_NE(text.out.find("bytes: 0x"), std::string::npos) << text.out;

  const auto json = nlohmann::json::parse(run({"diff", a, file("b.dat"), "--json"}).out);
  EXPECT_EQ(json["same"], false);
  ASSERT_EQ(json["fields"].size(), 2u) << json.dump();
  EXPECT_EQ(json["fields"][1]["record"], "channel 2");
  EXPECT_EQ(json["fields"][1]["path"], "channels[2].tx_frequency");
  EXPECT_EQ(run({"diff", a, file("absent.dat")}).exitCode, 2);
}

TEST_F(Cli, CsvExportedAndImportedAgainGivesTheSameChannels) {
  const std::string original = newFile("o.dat", "400-470");
  const CliResult exported = run({"export-csv", original, "-o", file("c.csv")});
  ASSERT_EQ(exported.exitCode, 0) << exported.err;
  EXPECT_EQ(test::Slurp(file("c.csv")).rfind("Location,Name,Frequency,Duplex,Offset,Tone,", 0), 0u);
  EXPECT_EQ(run({"export-csv", original}).out, test::Slurp(file("c.csv")));

  const CliResult imported = run({"import-csv", original, file("c.csv"), "-o", file("back.dat")});
  ASSERT_EQ(imported.exitCode, 0) << imported.err;
  EXPECT_TRUE(imported.err.empty()) << imported.err;
  const CliResult same = run({"diff", original, file("back.dat")});
  EXPECT_EQ(same.exitCode, 0) << same.out;
}

TEST_F(Cli, CsvImportRefusesWhatTheRadioCannotCarryAndWritesNothing) {
  const std::string original = newFile("o.dat", "446-446");
  std::ofstream(file("bad.csv"))
      << ("Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,RxDtcsCode,"
          "CrossMode,Mode,TStep,Skip,Power\n"
          "1,Ch1,446.006250,,0,Tone,88.5,88.5,023,NN,023,Tone->Tone,NFM,6.25,,Low\n"
          "2,,145.500000,,0,,88.5,88.5,023,NN,023,Tone->Tone,NFM,6.25,,Low\n"
          "3,,446.018750,,0,TSQL-R,88.5,88.5,023,NN,023,Tone->Tone,AM,6.25,,Low\n");
  const CliResult r = run({"import-csv", original, file("bad.csv"), "-o", file("out.dat")});
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_FALSE(std::filesystem::exists(file("out.dat")));
  EXPECT_NE(r.err.find("warning: Lines 2: the radio keeps no channel names"), std::string::npos) << r.err;
  EXPECT_NE(r.err.find("Line 3, Frequency 145.500000"), std::string::npos) << r.err;
  EXPECT_NE(r.err.find("Line 4, Tone TSQL-R"), std::string::npos) << r.err;
  EXPECT_NE(r.err.find("Line 4, Mode AM"), std::string::npos) << r.err;
}

TEST_F(Cli, RecodeRefusesDataWithFindingsAndListsThem) {
  RadioDataContainer data;
  data.clearRecords();
  data.resetToDefaults();
  data.channels()[0].record().setPersonalityIndex(7);  // no such personality
  data.encode();
  const std::vector<std::uint8_t> image(data.image().begin(), data.image().end());
  FileBuilder().standard(test::SampleHeader(), image).writeTo(file("bad.dat"));
  const CliResult r = run({"recode", file("bad.dat"), "-o", file("out.dat")});
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_NE(r.err.find(MessageText(text::kMsgDataInvalidListed)), std::string::npos) << r.err;
  EXPECT_EQ(r.err.find("Invalid Log"), std::string::npos) << r.err;
  EXPECT_GT(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
  EXPECT_FALSE(std::filesystem::exists(file("out.dat")));
}

TEST_F(Cli, WithoutADataDirectoryEveryCommandFailsWithOneLine) {
  std::filesystem::create_directories(file("empty-data"));
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{"info", file("absent.dat")}, {"new", "-o", file("new.dat")}, {"ports"}}) {
    const CliResult r = RunCli(args, dir.path().string(), file("empty-data"));
    EXPECT_EQ(r.exitCode, 1) << args[0];
    EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
    EXPECT_NE(r.err.find("no data directory"), std::string::npos) << r.err;
  }
  EXPECT_FALSE(std::filesystem::exists(file("new.dat")));
}

}  // namespace
}  // namespace vex
