// The printed report's lines, section by section, over default data and the
// shipped language files.
#include "workflow/report/report_builder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "config/language_texts.h"
#include "core/container.h"
#include "core/report_sections.h"
#include "core/schema/schema.h"
#include "workflow/report/report_document.h"
#include "workflow/report/report_text.h"

namespace vex {
namespace {

using Cells = std::vector<std::string>;

class Report : public ::testing::Test {
 protected:
  Report() {
    data.clearRecords();
    data.resetToDefaults();
    data.channels().appendNew();  // the seventeenth channel
  }

  std::vector<ReportLine> section(std::size_t entry, int language = 0) {
    const LanguageTexts& texts = language == 0 ? english : chinese;
    std::vector<ReportLine> lines;
    AppendReportSection(lines, entry, {data, texts, model, language});
    return lines;
  }
  static std::vector<Cells> cellsOf(const std::vector<ReportLine>& lines) {
    std::vector<Cells> cells;
    for (const ReportLine& line : lines) cells.push_back(line.cells);
    return cells;
  }
  static std::vector<int> kindsOf(const std::vector<ReportLine>& lines) {
    std::vector<int> kinds;
    for (const ReportLine& line : lines) kinds.push_back(line.kind);
    return kinds;
  }
  static const ReportLine* lineStarting(const std::vector<ReportLine>& lines, const std::string& first) {
    const auto found = std::find_if(lines.begin(), lines.end(),
                                    [&](const ReportLine& l) { return !l.cells.empty() && l.cells[0] == first; });
    return found == lines.end() ? nullptr : &*found;
  }

  RadioDataContainer data;
  LanguageTexts english{std::filesystem::path(VEX_DATA_DIR) / "VEX_E.lng"};
  LanguageTexts chinese{std::filesystem::path(VEX_DATA_DIR) / "VEX_S.lng"};
  ModelState model{"VEXM1", "Vex M1", "400-470", 1, "1.03.11-extra"};
};

TEST_F(Report, RadioInformationComesInPairsAtLabelSize) {
  const std::vector<ReportLine> lines = section(0);
  EXPECT_EQ(cellsOf(lines), (std::vector<Cells>{
                                {"", "Radio Information", ""},
                                {"", "", ""},
                                {"Model Name", "", ""},
                                {"Frequency Range[MHz]", "400-470", ""},
                                {"", "", "", ""},
                                {"Serial Number", "----------------", ""},
                                {"Signaling Type", "ATIS", ""},
                                {"", "", "", ""},
                                {"Firmware Version", "V1.03.11", ""},
                                {"Last Programmed Date", "2000-01-01 00:00:00", ""},
                                {"", "", "", ""},
                            }));
  EXPECT_EQ(kindsOf(lines), (std::vector<int>{1, 1, 2, 2, 2, 2, 2, 2, 2, 2, 2}));
  EXPECT_EQ(lines[0].weights, (std::vector<unsigned>{1, 1, 1}));
  EXPECT_EQ(lines[2].weights, (std::vector<unsigned>{2, 1, 1}));
  EXPECT_EQ(lines[4].weights, (std::vector<unsigned>{3, 3, 3, 3}));
}

TEST_F(Report, SettingsPrintTheirOptionTextsAndCheckBoxesAsOnOrOff) {
  const std::vector<ReportLine> dos = section(6);
  EXPECT_EQ(cellsOf(dos), (std::vector<Cells>{
                              {"", "DOS", ""},
                              {"", "", ""},
                              {"DOS Enable", "Off", ""},
                              {"DOS Pre-Mute Duration[ms]", "300", ""},
                              {"", "", "", ""},
                          }));
  EXPECT_EQ(kindsOf(dos), (std::vector<int>{1, 1, 2, 2, 2}));

  const std::vector<ReportLine> misc = section(3);
  ASSERT_EQ(misc.size(), 2u + 8u + 1u);  // titles, one line per field, a blank line
  EXPECT_EQ(misc[2].cells, (Cells{"VOX Gain Level", "3", ""}));
  EXPECT_EQ(misc[3].cells, (Cells{"VOX Inhibit on Receive", "On", ""}));
  EXPECT_TRUE(std::all_of(misc.begin() + 2, misc.end(), [](const ReportLine& l) { return l.kind == kLineNormal; }));

  // A value the option list has no entry for prints nothing, as its view shows nothing.
  AreaBytes(data, FieldArea::Keys)[1] = 200;
  EXPECT_EQ(section(1)[2].cells, (Cells{"Side Key 1 Short Press", "", ""}));
}

TEST_F(Report, ChannelTableHasHeadingsThenOneRowPerChannel) {
  const std::vector<ReportLine> lines = section(7);
  ASSERT_EQ(lines.size(), 2u + 3u + 17u + 1u);
  EXPECT_EQ(lines[0].cells[1], "Channel");
  EXPECT_EQ(lines[1].kind, kLineTitle);
  EXPECT_EQ(lines[2].cells[0], "Channel");
  EXPECT_EQ(lines[4].cells[3], "[MHz]");
  EXPECT_EQ(kindsOf({lines.begin() + 2, lines.begin() + 5}), (std::vector<int>{3, 3, 3}));
  EXPECT_EQ(lines[5].weights, (std::vector<unsigned>{36, 37, 30, 47, 62, 34, 47, 62, 34, 53, 23, 25}));
  EXPECT_EQ(lines[5].cells, (Cells{"1", "12.5 kHz", "Low", "446.00625", "CTCSS", "94.8", "446.00625", "CTCSS", "94.8",
                                   "1", "1", "Off"}));
  EXPECT_EQ(lines[20].cells[11], "On");  // the sixteenth channel starts scanning by itself
  EXPECT_EQ(lines[21].cells[0], "17");

  // A CDCSS code, no transmit frequency, no scan list, a personality that is gone.
  ChannelRecord& record = data.channels()[0].record();
  record.bytes[12] = 0x13;  // code 023
  record.bytes[13] = 0x90;
  std::fill_n(record.span().begin() + 8, 4, 0xFF);
  record.bytes[18] = 5;
  record.bytes[19] = 0;
  const Cells changed = section(7)[5].cells;
  EXPECT_EQ(changed[4], "CDCSS");
  EXPECT_EQ(changed[5], "023");
  EXPECT_EQ(changed[6], "");
  EXPECT_EQ(changed[9], "");
  EXPECT_EQ(changed[10], "None");
}

TEST_F(Report, ChineseChannelHeadingsHaveTwoRows) {
  const std::vector<ReportLine> lines = section(7, 1);
  EXPECT_EQ(lines[0].cells[1], "信道");
  EXPECT_EQ(lines[2].cells[0], "信道号");
  EXPECT_EQ(lines[3].cells[5], "频/数码");
  EXPECT_EQ(lines[4].kind, kLineNormal);
  EXPECT_EQ(lines[4].cells[0], "1");
}

TEST_F(Report, RecordListsPrintEachRecordUnderItsNumber) {
  data.personalities().appendNew();
  const std::vector<ReportLine> personalities = section(8);
  EXPECT_EQ(personalities[2].cells, (Cells{"Personality 1", "", ""}));
  EXPECT_EQ(personalities[2].kind, kLineEmphasised);
  EXPECT_EQ(personalities[3].cells, (Cells{"TX Admit", "Always", ""}));
  ASSERT_NE(lineStarting(personalities, "Personality 2"), nullptr);

  // The scan list: hidden controls stay out, an empty member slot prints nothing.
  data.scanLists()[0].record().bytes[24 + 2 * 15] = 255;
  const std::vector<ReportLine> scan = section(9);
  EXPECT_EQ(scan[2].cells[0], "Scan List 1");
  EXPECT_EQ(lineStarting(scan, "Nuisance Delete"), nullptr);
  EXPECT_EQ(lineStarting(scan, "Priority Channel 1 Delete/Add"), nullptr);
  ASSERT_NE(lineStarting(scan, "Channel 1"), nullptr);
  EXPECT_EQ(lineStarting(scan, "Channel 1")->cells[1], "1");
  ASSERT_NE(lineStarting(scan, "Channel 16"), nullptr);
  EXPECT_EQ(lineStarting(scan, "Channel 16")->cells[1], "");
}

TEST_F(Report, ScanListsPrintOnlyTheirUsedMemberSlots) {
  for (std::uint8_t used : {0, 3, 16, 200}) {
    data.scanLists()[0].record().setEntryCount(used);
    const std::vector<ReportLine> scan = section(9);
    for (int slot = 1; slot <= 16; ++slot)
      EXPECT_EQ(lineStarting(scan, "Channel " + std::to_string(slot)) != nullptr, slot <= used)
          << "slot " << slot << " of " << int{used};
  }
}

TEST_F(Report, ValuesPrintAsTheirViewsShowThem) {
  // The PTT ID view corrects an ID no radio takes before showing it.
  const struct {
    std::uint16_t stored;
    const char* shown;
  } ids[] = {{0x1F2F, "1E2E"}, {0xFFFF, "DEEE"}, {0, "0001"}, {0x1234, "1234"}};
  for (const auto& id : ids) {
    WriteField(*FindField(FieldArea::PttId, "primary_id"), AreaBytes(data, FieldArea::PttId), id.stored);
    ASSERT_NE(lineStarting(section(5), "Primary ID"), nullptr);
    EXPECT_EQ(lineStarting(section(5), "Primary ID")->cells[1], id.shown);
  }
}

TEST_F(Report, AlertTonesListTheirSegmentsWithFrequencyAndDuration) {
  const std::vector<ReportLine> lines = section(2);
  EXPECT_EQ(lines[2].cells[0], "Alert Tone 1");
  ASSERT_NE(lineStarting(lines, "1st Tone"), nullptr);
  const ReportLine& first = *lineStarting(lines, "1st Tone");
  EXPECT_EQ(first.cells, (Cells{"1st Tone", "1000", "100", ""}));
  EXPECT_EQ(lineStarting(lines, "2nd Tone")->cells, (Cells{"2nd Tone", "500", "0", ""}));
}

TEST_F(Report, TestFrequenciesPrintTheFivePointGrid) {
  data.testFreq().setBand(400, 470);
  data.testFreq().reset();
  const std::vector<ReportLine> lines = section(10);
  EXPECT_EQ(cellsOf({lines.begin() + 2, lines.end()}), (std::vector<Cells>{
                                                           {"Five-Point Frequencies", "", ""},
                                                           {"No.", "RX Frequency[MHz]", "TX Frequency[MHz]", ""},
                                                           {"1", "400.15000", "400.00000", ""},
                                                           {"2", "417.15000", "417.00000", ""},
                                                           {"3", "435.15000", "435.00000", ""},
                                                           {"4", "452.15000", "452.00000", ""},
                                                           {"5", "469.85000", "470.00000", ""},
                                                           {"", "", "", ""},
                                                       }));
}

TEST_F(Report, TheSelectionPicksSectionsInTableOrder) {
  ReportSectionTable table;
  table[7].selected = true;
  table[0].selected = true;
  const std::vector<ReportLine> lines = BuildReport(table, {data, english, model, 0});
  EXPECT_EQ(lines[0].cells[1], "Radio Information");
  EXPECT_EQ(lines[11].cells[1], "Channel");
  EXPECT_EQ(lines.size(), section(0).size() + section(7).size());
  EXPECT_TRUE(BuildReport(ReportSectionTable(), {data, english, model, 0}).empty());

  EXPECT_EQ(ReportEntryNamed("channels"), 7u);
  EXPECT_EQ(ReportEntryNamed("Channels"), std::nullopt);
  EXPECT_EQ(ReportEntryOfTemplate(table, 3801), 9u);
  EXPECT_EQ(ReportEntryOfTemplate(table, 3770), 0u);  // the channel list prints the radio information
}

TEST_F(Report, SingleViewReportsAreTitledWithTheView) {
  const ReportDocument document = SingleViewReport(2310, {data, english, model, 0}, "");
  EXPECT_EQ(document.title, "Personality");
  EXPECT_EQ(document.lines.front().cells[1], "Personality");
  EXPECT_EQ(document.margins.side, 50);
  EXPECT_EQ(document.source, "vexprog");
  EXPECT_EQ(document.radioTop, (std::array<std::string, 4>{"Model Name", "Vex M1", "Frequency Range[MHz]", "400-470"}));
  EXPECT_EQ(document.radioBottom[1], "V1.03.11");

  const ReportDocument full = FullReport(ReportSectionTable(), {data, english, model, 0}, "/tmp/a.dat");
  EXPECT_EQ(full.title, "");
  EXPECT_EQ(full.source, "/tmp/a.dat");
  EXPECT_EQ(full.margins.side, 30);
}

TEST(ReportPages, FortyNineLinesFillAPageAndTheRestGoesOnTheNext) {
  // 300 mm: (3000 - 2 * 150) / 50 = 54 lines, less the page's own five.
  EXPECT_EQ(LinesPerPage(3000, kFullReportMargins), 49);
  EXPECT_EQ(PageBlockOffset(3020, kFullReportMargins), 10);
  // A page too small for any line still takes one, so no report loops forever.
  EXPECT_EQ(LinesPerPage(100, kFullReportMargins), 1);
  EXPECT_EQ(LinesPerPage(3000, {30, 150, 0}), 1);
  EXPECT_EQ(PageFooterText(1, 2), "Page 1 of 2");
  std::tm time{};
  time.tm_year = 126;
  time.tm_mon = 1;
  time.tm_mday = 3;
  time.tm_hour = 4;
  time.tm_min = 5;
  time.tm_sec = 6;
  EXPECT_EQ(PrintTimeText(time), "2026-02-03 04:05:06");
}

// Lines from a pattern: T a title, H a table heading, E an emphasised line,
// anything else a normal line.
std::vector<ReportLine> LinesOf(std::string_view pattern) {
  std::vector<ReportLine> lines;
  for (char c : pattern) {
    ReportLine line = LabelValueLine(std::string(1, c), "");
    line.kind = c == 'T' ? kLineTitle : c == 'H' ? kLineTableHeading : c == 'E' ? kLineEmphasised : kLineNormal;
    lines.push_back(line);
  }
  return lines;
}

TEST(ReportPages, AHeadingNeverEndsAPageWithoutTheLineItHeads) {
  using Range = std::pair<std::size_t, std::size_t>;
  const struct {
    const char* lines;
    int perPage;
    std::vector<Range> pages;
  } cases[] = {
      {"", 4, {}},
      {"nnnnn", 5, {{0, 5}}},
      {"nnnnnnn", 5, {{0, 5}, {5, 7}}},          // 51 lines on pages of 49, in small
      {"nnnnTn", 5, {{0, 4}, {4, 6}}},           // a title moves to the next page
      {"nnTTHHHn", 6, {{0, 2}, {2, 8}}},         // a title and its table headings move together
      {"nnnnEnnn", 5, {{0, 4}, {4, 8}}},         // so does a record's heading
      {"nnnnT", 5, {{0, 5}}},                    // the last line of the report may be a heading
      {"TTHHHHn", 3, {{0, 3}, {3, 6}, {6, 7}}},  // headings longer than a page fill it
  };
  for (const auto& c : cases) {
    const std::vector<ReportLine> lines = LinesOf(c.lines);
    const ReportPages pages(lines, c.perPage);
    std::vector<Range> ranges;
    for (int page = 1; page <= pages.count(); ++page) ranges.push_back(pages.lineRange(page));
    EXPECT_EQ(ranges, c.pages) << c.lines << " on pages of " << c.perPage;
    EXPECT_EQ(pages.lineRange(pages.count() + 1), (Range{lines.size(), lines.size()}));
  }
}

TEST(ReportTextLayout, CellsStartAtTheirShareAndLongTextsPushTheRest) {
  const std::vector<ReportLine> lines{
      TitleLine("Keys"), LabelValueLine("Label", "Value"), FourColumnLine({"a-very-long-first-cell", "b", "", "d"}),
      BlankLine(),       LabelValueLine("信道", "x"),      LabelValueLine("bad\nbyte", "y"),
  };
  EXPECT_EQ(ReportText(lines, 40),
            "             Keys\n"
            "Label               Value\n"
            "a-very-long-first-cell b      d\n"
            "\n"
            "信道                x\n"
            "bad byte            y\n");
  EXPECT_EQ(DisplayWidth("信道 1"), 6u);
  EXPECT_EQ(DisplayWidth("\xE4\xBF"), 2u);  // a cut-off sequence counts byte by byte
}

}  // namespace
}  // namespace vex
