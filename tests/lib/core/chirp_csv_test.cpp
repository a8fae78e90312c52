// CHIRP CSV out and in: a round trip keeps every channel, a hand-written file
// with each tone mode and duplex comes in as the channels it describes, and
// every value the radio cannot carry refuses the file with its line.
#include "core/chirp_csv.h"
#include "core/schema/schema.h"
#include "core/schema/schema_table.h"

#include "base/bcd.h"
#include "core/channel_values.h"
#include "core/container.h"
#include "core/references.h"

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <memory>
#include <sstream>

namespace vex {
namespace {

const BandLimits kUhf{400, 470};

std::unique_ptr<RadioDataContainer> DefaultData() {
  auto data = std::make_unique<RadioDataContainer>();
  data->clearRecords();
  data->resetToDefaults();
  return data;
}

void Set(RadioDataContainer& data, std::size_t i, const std::function<void(ChannelValueSet&)>& change) {
  ChannelRecord& record = data.channels()[i].record();
  ChannelValueSet v = LoadChannelValues(record);
  change(v);
  StoreChannelValues(v, kUhf, record);
}

using RecordBytes = decltype(ChannelRecord::bytes);

std::vector<RecordBytes> Records(const RadioDataContainer& data) {
  std::vector<RecordBytes> records;
  for (const auto& item : data.channels()) records.push_back(item->record().bytes);
  return records;
}

ChannelValueSet Values(const RadioDataContainer& data, std::size_t i) {
  return LoadChannelValues(data.channels()[i].record());
}

std::vector<CsvIssue> Issues(const CsvImport& import) {
  std::vector<CsvIssue> issues;
  for (const CsvProblem& p : import.problems) issues.push_back(p.issue);
  return issues;
}

const char kHeader[] =
    "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,RxDtcsCode,CrossMode,"
    "Mode,TStep,Skip,Power,Comment,URCALL,RPT1CALL,RPT2CALL,DVCODE\r\n";

TEST(ChirpCsv, ExportedChannelsComeBackTheSame) {
  auto data = DefaultData();
  const auto bcd = [](std::uint32_t tenHertz) { return PackBcd(tenHertz); };
  Set(*data, 0, [&](ChannelValueSet& v) {  // CTCSS sent only, 25 kHz, high power
    v.rxType = kToneNone;
    v.spacing = 1;
    v.power = 1;
  });
  Set(*data, 1, [&](ChannelValueSet& v) {  // CDCSS both ways, inverted on receive
    v.txType = kToneCdcss;
    v.txCdcss = "754";
    v.rxType = kToneCdcssInverted;
    v.rxCdcss = "754";
  });
  Set(*data, 2, [&](ChannelValueSet& v) {  // cross: CDCSS out, a non-standard CTCSS in
    v.txType = kToneCdcss;
    v.txCdcss = "023";
    v.rxType = kToneCtcss;
    v.rxCtcss = "69.4";
  });
  Set(*data, 3, [&](ChannelValueSet& v) {  // repeater pair, split far apart
    v.rxFrequency = bcd(43912500);
    v.txFrequency = bcd(40162500);
    v.rxStepCode = v.txStepCode = 6;
  });
  Set(*data, 4, [&](ChannelValueSet& v) {  // receive only
    v.txFrequency = kNoFrequency;
    v.txStepCode = kNoStepCode;
    v.txType = v.rxType = kToneNone;
  });
  Set(*data, 5, [&](ChannelValueSet& v) {  // a tone received, none sent
    v.txType = kToneNone;
  });
  WriteField(SchemaField(FieldArea::Channel, "atis"), data->channels()[6].record().span(), 1);

  const std::string csv = ExportChirpCsv(*data);
  const CsvImport imported = ParseChirpCsv(csv, kUhf);
  ASSERT_FALSE(imported.refused()) << csv;
  EXPECT_TRUE(imported.problems.empty());
  ASSERT_EQ(imported.channels.size(), data->channels().size());

  auto back = DefaultData();
  ReplaceChannels(*back, imported.channels);
  ASSERT_EQ(back->channels().size(), data->channels().size());
  // The same records, except what the CSV does not carry: channel 7's ATIS
  // flag is the default channel's in `back`.
  auto expected = Records(*data);
  WriteField(SchemaField(FieldArea::Channel, "atis"), expected[6], 0);
  EXPECT_EQ(Records(*back), expected);
  // Importing over the data itself keeps even that.
  ReplaceChannels(*data, imported.channels);
  EXPECT_EQ(ReadField(SchemaField(FieldArea::Channel, "atis"), data->channels()[6].record().bytes), 1);
}

TEST(ChirpCsv, HandWrittenFileWithEachToneModeAndDuplex) {
  const std::string csv =
      std::string("\xEF\xBB\xBF") + kHeader +
      // Tone: CTCSS sent; fillers elsewhere; a quoted name with a comma
      "1,\"Rep, north\",439.125000,-,7.600000,Tone,88.5,88.5,023,NN,023,Tone->Tone,FM,12.50,,High,,,,,\r\n"
      // TSQL uses cToneFreq both ways; + offset
      "2,,446.006250,+,0.012500,TSQL,88.5,100.0,023,NN,023,Tone->Tone,NFM,6.25,,Low,,,,,\r\n"
      // DTCS both ways, inverted when sent
      "3,,446.018750,,0.000000,DTCS,88.5,88.5,754,RN,023,Tone->Tone,NFM,6.25,,,,,,,\r\n"
      // split: Offset is the transmit frequency
      "4,,430.055000,split,440.055000,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,Low,,,,,\r\n"
      // Cross with a received DCS from RxDtcsCode, inverted
      "5,,446.031250,,0.000000,Cross,88.5,88.5,023,NR,131,->DTCS,NFM,6.25,,Low,,,,,\r\n"
      // Cross: CTCSS out, CTCSS in from cToneFreq
      "6,,446.043750,off,0.000000,Cross,67.0,254.1,023,NN,023,Tone->Tone,NFM,6.25,,Low,,,,,\r\n";
  const CsvImport imported = ParseChirpCsv(csv, kUhf);
  ASSERT_FALSE(imported.refused());
  ASSERT_EQ(imported.problems.size(), 1u);  // the name is left out, said once for the file
  EXPECT_EQ(imported.problems[0].issue, CsvIssue::NameDropped);
  EXPECT_EQ(imported.problems[0].value, "2");

  auto data = DefaultData();
  ReplaceChannels(*data, imported.channels);
  ASSERT_EQ(data->channels().size(), 6u);

  ChannelValueSet v = Values(*data, 0);
  EXPECT_EQ(v.rxFrequency, 0x43912500u);
  EXPECT_EQ(v.txFrequency, 0x43152500u);
  EXPECT_EQ(v.txType, kToneCtcss);
  EXPECT_EQ(v.txCtcss, "88.5");
  EXPECT_EQ(v.rxType, kToneNone);
  EXPECT_EQ(v.spacing, 1);
  EXPECT_EQ(v.power, 1);

  v = Values(*data, 1);
  EXPECT_EQ(v.txFrequency, 0x44601875u);
  EXPECT_EQ(v.txType, kToneCtcss);
  EXPECT_EQ(v.rxType, kToneCtcss);
  EXPECT_EQ(v.txCtcss, "100.0");
  EXPECT_EQ(v.rxCtcss, "100.0");
  EXPECT_EQ(v.spacing, 0);
  EXPECT_EQ(v.power, 0);

  v = Values(*data, 2);
  EXPECT_EQ(v.txType, kToneCdcssInverted);
  EXPECT_EQ(v.rxType, kToneCdcss);
  EXPECT_EQ(v.txCdcss, "754");
  EXPECT_EQ(v.rxCdcss, "754");
  EXPECT_EQ(v.txFrequency, v.rxFrequency);

  v = Values(*data, 3);
  EXPECT_EQ(v.rxFrequency, 0x43005500u);
  EXPECT_EQ(v.txFrequency, 0x44005500u);
  EXPECT_EQ(v.rxStepCode, 2);
  EXPECT_EQ(v.txType, kToneNone);
  EXPECT_EQ(v.rxType, kToneNone);

  v = Values(*data, 4);
  EXPECT_EQ(v.txType, kToneNone);
  EXPECT_EQ(v.rxType, kToneCdcssInverted);
  EXPECT_EQ(v.rxCdcss, "131");

  v = Values(*data, 5);
  EXPECT_EQ(v.txFrequency, kNoFrequency);
  EXPECT_EQ(v.txCtcss, "67.0");
  EXPECT_EQ(v.rxCtcss, "254.1");
}

TEST(ChirpCsv, ValuesTheRadioCannotCarryRefuseTheFileWithTheirLines) {
  struct Case {
    const char* line;
    CsvIssue issue;
    const char* column;
  };
  const Case cases[] = {
      {"1,,500.000000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,Low,,,,,", CsvIssue::OutOfBand, "Frequency"},
      {"1,,446.000000,+,30.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,Low,,,,,", CsvIssue::OutOfBand, "Offset"},
      {"1,,446.007100,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,Low,,,,,", CsvIssue::OffRaster, "Frequency"},
      {"1,,446.0062501,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,Low,,,,,", CsvIssue::OffRaster, "Frequency"},
      {"1,,446.006250,,0.000000,Tone,30.0,88.5,023,NN,023,Tone->Tone,FM,5.00,,Low,,,,,", CsvIssue::UnknownTone,
       "rToneFreq"},
      {"1,,446.006250,,0.000000,Tone,88.55,88.5,023,NN,023,Tone->Tone,FM,5.00,,Low,,,,,", CsvIssue::UnknownTone,
       "rToneFreq"},
      {"1,,446.006250,,0.000000,DTCS,88.5,88.5,089,NN,023,Tone->Tone,FM,5.00,,Low,,,,,", CsvIssue::UnknownTone,
       "DtcsCode"},
      {"1,,446.006250,,0.000000,DTCS,88.5,88.5,023,NX,023,Tone->Tone,FM,5.00,,Low,,,,,", CsvIssue::UnknownToneMode,
       "DtcsPolarity"},
      {"1,,446.006250,,0.000000,DTCS-R,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,Low,,,,,", CsvIssue::ReverseSquelch,
       "Tone"},
      {"1,,446.006250,,0.000000,Cross,88.5,88.5,023,NN,023,Tone=>DTCS,FM,5.00,,Low,,,,,", CsvIssue::UnknownToneMode,
       "CrossMode"},
      {"1,,446.006250,x,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,Low,,,,,", CsvIssue::UnknownDuplex,
       "Duplex"},
      {"1,,446.006250,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,AM,5.00,,Low,,,,,", CsvIssue::UnknownMode, "Mode"},
      {"1,,446.006250,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,5.0W,,,,,", CsvIssue::UnknownPower, "Power"},
      {"one,,446.006250,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,Low,,,,,", CsvIssue::BadNumber, "Location"},
      {"1,,nan,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,Low,,,,,", CsvIssue::BadNumber, "Frequency"},
      {"1,,inf,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,Low,,,,,", CsvIssue::BadNumber, "Frequency"},
      {"1,,4.46e2,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,Low,,,,,", CsvIssue::BadNumber, "Frequency"},
  };
  const BandLimits pmr{446, 446};
  for (const Case& c : cases) {
    const CsvImport imported = ParseChirpCsv(std::string(kHeader) + "7,,446.006250,,0,,,,,,,,,,,,,,,,\n" + c.line, pmr);
    EXPECT_TRUE(imported.refused()) << c.line;
    ASSERT_EQ(imported.problems.size(), 1u) << c.line;
    EXPECT_EQ(imported.problems[0].issue, c.issue) << c.line;
    EXPECT_EQ(imported.problems[0].line, 3u) << c.line;
    EXPECT_EQ(imported.problems[0].column, c.column) << c.line;
  }
  // One report per bad value, every line.
  const CsvImport several = ParseChirpCsv(std::string(kHeader) +
                                              "1,,500.0,,0,Tone,30.0,,,,,,FM,,,,,,,,\n"
                                              "1,,446.00625,,0,,,,,,,,FM,,,,,,,,\n",
                                          pmr);
  EXPECT_EQ(Issues(several),
            (std::vector<CsvIssue>{CsvIssue::OutOfBand, CsvIssue::UnknownTone, CsvIssue::DuplicateLocation}));
}

TEST(ChirpCsv, FileShapesThatAreRefused) {
  std::string many = kHeader;
  for (int i = 1; i <= 18; ++i) many += std::to_string(i) + ",,446.00625,,0,,,,,,,,FM,,,,,,,,\n";
  EXPECT_EQ(Issues(ParseChirpCsv(many, kUhf)), std::vector<CsvIssue>{CsvIssue::TooManyChannels});
  EXPECT_EQ(Issues(ParseChirpCsv(kHeader, kUhf)), std::vector<CsvIssue>{CsvIssue::NoChannels});
  EXPECT_EQ(Issues(ParseChirpCsv("Name,Offset\nx,0\n", kUhf)),
            (std::vector<CsvIssue>{CsvIssue::MissingColumn, CsvIssue::MissingColumn}));
  EXPECT_EQ(Issues(ParseChirpCsv(std::string(kHeader) + "1,\"open,446.0\n", kUhf)),
            std::vector<CsvIssue>{CsvIssue::Unreadable});
  EXPECT_EQ(Issues(ParseChirpCsv(std::string(kMaxCsvBytes + 1, 'x'), kUhf)),
            std::vector<CsvIssue>{CsvIssue::Unreadable});
  EXPECT_EQ(Issues(ParseChirpCsv("", kUhf)), std::vector<CsvIssue>{CsvIssue::Unreadable});
  // Columns may come in any order, and most may be left out; lines may end
  // in LF, CR LF or a CR alone.
  for (const char* end : {"\n", "\r\n", "\r"}) {
    const std::string e = end;
    const CsvImport few = ParseChirpCsv("Frequency,Location" + e + "446.01875,2" + e + "446.00625,1" + e, kUhf);
    ASSERT_FALSE(few.refused());
    ASSERT_EQ(few.channels.size(), 2u);
    EXPECT_EQ(few.channels[0].values.rxFrequency, 0x44600625u);
    EXPECT_TRUE(few.channels[0].keepSpacing);
  }
}

TEST(ChirpCsv, ProblemsAreWordedWithTheirLineColumnAndValue) {
  const CsvProblem problem{CsvIssue::OutOfBand, 4, "Frequency", "500.000000"};
  EXPECT_EQ(CsvProblemArgument(problem), "4, Frequency 500.000000");
  EXPECT_EQ(CsvProblemArgument({CsvIssue::TooManyChannels, 0, "", "17"}), "17");
  EXPECT_NE(CsvProblemMessageId(CsvIssue::OutOfBand), CsvProblemMessageId(CsvIssue::OffRaster));
}

std::string StockFile() {
  std::ifstream in(std::string(VEX_SOURCE_DIR) + "/tests/fixtures/EU LPD and PMR Channels.csv", std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

// CHIRP's stock file: 69 LPD lines (2-70) outside a 446 MHz band, then the
// 16 PMR lines (71-86) of a radio with 17 channels.
TEST(ChirpCsv, ChosenLinesOfTheStockFileComeIn) {
  const std::string csv = StockFile();
  ASSERT_FALSE(csv.empty());
  CsvLineChoice skip;
  skip.skipInvalid = true;
  CsvLineChoice lpd = *ParseCsvLineRange("2-70");
  lpd.skipInvalid = true;
  struct Case {
    const char* name;
    CsvLineChoice choice;
    bool refused;
    std::size_t channels;
    std::vector<std::pair<CsvIssue, std::string>> summaries;  // the problems of line 0
  };
  const Case cases[] = {
      {"every line", {}, true, 16, {{CsvIssue::NameDropped, "2-86"}, {CsvIssue::TooManyChannels, "17"}}},
      {"--lines 71-86", *ParseCsvLineRange("71-86"), false, 16, {{CsvIssue::NameDropped, "71-86"}}},
      {"--skip-invalid", skip, false, 16, {{CsvIssue::NameDropped, "71-86"}, {CsvIssue::LinesSkipped, "2-70"}}},
      {"nothing fits", lpd, true, 0, {{CsvIssue::LinesSkipped, "2-70"}, {CsvIssue::NoChannels, ""}}},
  };
  for (const Case& c : cases) {
    const CsvImport imported = ParseChirpCsv(csv, BandLimits{446, 446}, c.choice);
    EXPECT_EQ(imported.refused(), c.refused) << c.name;
    EXPECT_EQ(imported.channels.size(), c.channels) << c.name;
    std::vector<std::pair<CsvIssue, std::string>> summaries;
    for (const CsvProblem& p : imported.problems)
      if (p.line == 0) summaries.emplace_back(p.issue, p.value);
    EXPECT_EQ(summaries, c.summaries) << c.name;
  }
  EXPECT_EQ(ParseChirpCsv(csv, BandLimits{446, 446}, skip).channels[15].values.rxFrequency, 0x44619375u);
  for (const char* wrong : {"", "0-3", "5-2", "a-b", "3-", "-3", "1-99999999"})
    EXPECT_FALSE(ParseCsvLineRange(wrong)) << wrong;
}

TEST(ChirpCsv, FewerChannelsMoveTheReferencesToThoseThatAreGone) {
  auto data = DefaultData();
  while (data->channels().size() < 5) data->channels().appendNew();
  auto scan = data->scanLists()[0].record().span();
  const auto set = [&](const std::string& key, long value) {
    WriteField(*FindField(FieldArea::ScanList, key), scan, value);
  };
  for (int slot = 1; slot <= 16; ++slot) set("member_" + std::to_string(slot), kNoChannel);
  set("member_1", 1);
  set("member_2", 5);
  set("designated_channel", 4);
  set("priority_channel", 2);
  const CsvImport imported = ParseChirpCsv(
      std::string(kHeader) + "1,,446.006250,,,,,,,,,,NFM,,,,,,,,\r\n" + "2,,446.018750,,,,,,,,,,NFM,,,,,,,,\r\n", kUhf);
  ASSERT_FALSE(imported.refused());
  const auto changes = ReplaceChannels(*data, imported.channels);
  std::vector<std::string> texts;
  for (const ReferenceChange& change : changes) texts.push_back(ReferenceChangeText(change));
  EXPECT_EQ(texts,
            (std::vector<std::string>{"scan list 1 member_2: channel 5 no longer exists; the slot is now empty",
                                      "scan list 1 designated_channel: channel 4 no longer exists; now channel 1"}));
  scan = data->scanLists()[0].record().span();
  const auto get = [&](const char* key) { return ReadField(*FindField(FieldArea::ScanList, key), scan); };
  EXPECT_EQ(get("member_1"), 1);
  EXPECT_EQ(get("member_2"), kNoChannel);
  EXPECT_EQ(get("designated_channel"), 1);
  EXPECT_EQ(get("priority_channel"), 2);
}

}  // namespace
}  // namespace vex
