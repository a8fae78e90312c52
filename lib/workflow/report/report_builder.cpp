#include "workflow/report/report_builder.h"

#include <algorithm>
#include <iterator>
#include <span>
#include <string>
#include <string_view>

#include "base/text_ids.h"
#include "config/app_settings.h"
#include "config/language_texts.h"
#include "core/channel_encoding.h"
#include "core/container.h"
#include "core/report_sections.h"
#include "core/schema/schema.h"
#include "core/schema/schema_table.h"
#include "workflow/codeplug_settings_host.h"
#include "workflow/radio_info_text.h"
#include "workflow/report/report_values.h"

namespace vex {
namespace {

using Lines = std::vector<ReportLine>;
using A = FieldArea;

constexpr SchemaArray kToneFrequencies{A::AlertTone, "tone1_hz"};
constexpr SchemaArray kToneDurations{A::AlertTone, "tone1_ms"};
constexpr SchemaArray kFivePointsRx{A::TestFreq, "five_point_1_rx"};
constexpr SchemaArray kFivePointsTx{A::TestFreq, "five_point_1_tx"};
constexpr SchemaArray kScanMembers{A::ScanList, "member_1"};

std::string Label(const ReportSource& source, int id) { return source.texts.labelText(id); }

std::string Value(const ReportSource& source, const FieldDef& field, std::span<const std::uint8_t> bytes) {
  return PrintedFieldText(field, bytes, source.data, source.texts);
}

// Label and value of every field of the area that the report lists, the
// views show and `take` accepts, in table order.
template <class Take>
std::vector<LabelValue> FieldPairs(FieldArea area, std::span<const std::uint8_t> bytes, const ReportSource& source,
                                   Take&& take) {
  std::vector<LabelValue> pairs;
  for (const FieldDef* field : ListedFieldsOf(area))
    if (!field->has(kHiddenControl) && take(*field))
      pairs.push_back({Label(source, field->label), Value(source, *field, bytes)});
  return pairs;
}

std::vector<LabelValue> FieldPairs(FieldArea area, std::span<const std::uint8_t> bytes, const ReportSource& source) {
  return FieldPairs(area, bytes, source, [](const FieldDef&) { return true; });
}

void RadioInformation(Lines& lines, const ReportSource& source) {
  const RadioInfoTexts info = RadioInfoTextsOf(source.data, source.model, source.texts);
  namespace t = text;
  const auto label = [&source](const FieldDef& field) { return Label(source, field.label); };
  AppendPairs(lines,
              {{label(SchemaField(A::RadioInfo, "model_name")), info.modelName},
               {Label(source, t::kRadioRange), info.freqRange},
               {label(SchemaField(A::RadioInfo, "serial_number")), info.serialNumber},
               {Label(source, t::kRadioSignaling), info.signalling},
               {Label(source, t::kRadioFirmware), info.firmware},
               {label(SchemaField(A::RadioInfo, "last_programmed")), info.programmed}},
              2);
}

void Settings(Lines& lines, FieldArea area, const ReportSource& source, std::size_t groupSize = 0) {
  AppendPairs(lines, FieldPairs(area, AreaBytes(source.data, area), source), groupSize);
}

// "Personality 3": the heading of one record of a list.
ReportLine RecordHeading(const ReportSource& source, int titleId, std::size_t position) {
  return LabelValueLine(Label(source, titleId) + " " + std::to_string(position + 1), "", kLineEmphasised);
}

template <class Item>
void Records(Lines& lines, const ItemList<Item>& list, FieldArea area, int titleId, const ReportSource& source) {
  for (std::size_t i = 0; i < list.size(); ++i) {
    lines.push_back(RecordHeading(source, titleId, i));
    AppendPairs(lines, FieldPairs(area, list[i].record().span(), source));
  }
}

// A scan list's member slots beyond its number of entries are unused (its
// view greys them): only the used ones print.
void ScanLists(Lines& lines, const ReportSource& source) {
  const auto& lists = source.data.scanLists();
  for (std::size_t i = 0; i < lists.size(); ++i) {
    const ScanListRecord& record = lists[i].record();
    const std::size_t used = std::min<std::size_t>(record.entryCount(), kScanMembers.size());
    const auto take = [used](const FieldDef& f) { return f.row != kScanMembers[0].row || f.index < used; };
    lines.push_back(RecordHeading(source, text::kCaptionScan, i));
    AppendPairs(lines, FieldPairs(A::ScanList, record.span(), source, take));
  }
}

bool IsSegment(const FieldDef& field) {
  return field.row == kToneFrequencies[0].row || field.row == kToneDurations[0].row;
}

// Per alert tone: cycle and beep segments, then a row per tone segment with
// its frequency and duration.
void AlertTones(Lines& lines, const ReportSource& source) {
  const auto& tones = source.data.alertTones();
  for (std::size_t i = 0; i < tones.size(); ++i) {
    const auto bytes = std::span<const std::uint8_t>(tones[i].record().span());
    lines.push_back(RecordHeading(source, text::kCaptionAlertTone, i));
    for (const LabelValue& pair :
         FieldPairs(A::AlertTone, bytes, source, [](const FieldDef& f) { return !IsSegment(f); }))
      lines.push_back(LabelValueLine(pair.label, pair.value));
    lines.push_back(FourColumnLine(
        {"", Label(source, text::kAlertFrequencyColumn), Label(source, kToneDurations[0].label), ""}, kLineEmphasised));
    for (std::size_t segment = 0; segment < kToneFrequencies.size(); ++segment) {
      const FieldDef& frequency = kToneFrequencies[segment];
      lines.push_back(FourColumnLine({Label(source, frequency.label), Value(source, frequency, bytes),
                                      Value(source, kToneDurations[segment], bytes), ""}));
    }
    lines.push_back(BlankLine());
  }
}

// Headings of the channel table, one array per heading row.
using HeadingRow = std::array<const char*, kChannelTableColumns>;
constexpr HeadingRow kEnglishHeadings[] = {
    {"Channel", "Channel", "Power", "RX", "RX", "RX", "TX", "TX", "TX", "Personality", "Scan", "Auto"},
    {"Number", "Spacing", "Level", "Frequency", "Type", "CTCSS", "Frequency", "Type", "CTCSS", "List", "List", "Start"},
    {"", "", "", "[MHz]", "", "/CDCSS", "[MHz]", "", "/CDCSS", "", "", "Scan"},
};
constexpr HeadingRow kChineseHeadings[] = {
    {"信道号", "信道间隔", "发射功", "接收频率", "接收亚音类型", "接收亚音", "发射频率", "发射亚音类型", "发射亚音",
     "特性列表", "扫描", "自动"},
    {"", "", "率级别", "[MHz]", "", "频/数码", "[MHz]", "", "频/数码", "", "列表", "扫描"},
};

// A frequency as the channel views show it: empty for none.
std::string ChannelFrequency(const FieldDef& field, std::span<const std::uint8_t> bytes) {
  if (static_cast<std::uint32_t>(ReadField(field, bytes)) == kNoFrequency) return {};
  return PlainFieldText(field, bytes);
}

ChannelTableCells ChannelCells(const ReportSource& source, std::size_t position, std::span<const std::uint8_t> bytes) {
  const auto value = [&](const FieldDef& field) { return Value(source, field, bytes); };
  const FieldDef& autoScan = SchemaField(A::Channel, "auto_start_scan");
  return {std::to_string(position + 1),
          value(SchemaField(A::Channel, "spacing")),
          value(SchemaField(A::Channel, "power")),
          ChannelFrequency(SchemaField(A::Channel, "rx_frequency"), bytes),
          value(SchemaField(A::Channel, "rx_tone_type")),
          value(SchemaField(A::Channel, "rx_tone")),
          ChannelFrequency(SchemaField(A::Channel, "tx_frequency"), bytes),
          value(SchemaField(A::Channel, "tx_tone_type")),
          value(SchemaField(A::Channel, "tx_tone")),
          value(SchemaField(A::Channel, "personality")),
          value(SchemaField(A::Channel, "scan_list")),
          source.texts.optionList(autoScan.list).valueToText(ReadField(autoScan, bytes))};
}

void Channels(Lines& lines, const ReportSource& source) {
  const std::span<const HeadingRow> headings =
      source.languageIndex == 0 ? std::span<const HeadingRow>(kEnglishHeadings) : kChineseHeadings;
  for (const HeadingRow& row : headings) {
    ChannelTableCells cells;
    std::copy(row.begin(), row.end(), cells.begin());
    lines.push_back(ChannelTableLine(std::move(cells), kLineTableHeading));
  }
  const auto& channels = source.data.channels();
  for (std::size_t i = 0; i < channels.size(); ++i)
    lines.push_back(ChannelTableLine(ChannelCells(source, i, channels[i].record().span())));
  lines.push_back(BlankLine());
}

// The five-point frequencies as their grid shows them: number, receive, transmit.
void TestFrequencies(Lines& lines, const ReportSource& source) {
  const auto bytes = std::span<const std::uint8_t>(AreaBytes(source.data, A::TestFreq));
  lines.push_back(LabelValueLine(Label(source, kFivePointsRx[0].label), "", kLineEmphasised));
  std::vector<std::string> titles = source.texts.textList(text::kTestFreqColumns);
  titles.resize(3);
  lines.push_back(FourColumnLine({titles[0], titles[1], titles[2], ""}, kLineEmphasised));
  for (std::size_t point = 0; point < kFivePointsRx.size(); ++point) {
    lines.push_back(FourColumnLine({std::to_string(point + 1), Value(source, kFivePointsRx[point], bytes),
                                    Value(source, kFivePointsTx[point], bytes), ""}));
  }
  lines.push_back(BlankLine());
}

void AppendContent(Lines& lines, int titleId, const ReportSource& source) {
  namespace t = text;
  RadioDataContainer& data = source.data;
  switch (titleId) {
    case t::kCaptionRadioInfo: RadioInformation(lines, source); break;
    case t::kCaptionKeys: Settings(lines, A::Keys, source); break;
    case t::kCaptionAlertTone: AlertTones(lines, source); break;
    case t::kCaptionMisc: Settings(lines, A::Misc, source); break;
    case t::kCaptionAtis: Settings(lines, A::Atis, source); break;
    case t::kCaptionPttId: Settings(lines, A::PttId, source); break;
    case t::kCaptionDos: Settings(lines, A::Dos, source, 2); break;
    case t::kCaptionChannel: Channels(lines, source); break;
    case t::kCaptionPersonality: Records(lines, data.personalities(), A::Personality, titleId, source); break;
    case t::kCaptionScan: ScanLists(lines, source); break;
    case t::kCaptionTestFreq: TestFrequencies(lines, source); break;
    default: break;
  }
}

}  // namespace

ReportSource ReportSourceOf(RadioDataContainer& data, const AppSettings& settings) {
  return {data, settings.texts(), ModelStateOf(settings), settings.languageIndex()};
}

void AppendReportSection(Lines& lines, std::size_t entry, const ReportSource& source) {
  const ReportSectionTable sections;
  if (entry >= sections.size()) return;
  const int titleId = sections[entry].titleId;
  lines.push_back(TitleLine(Label(source, titleId)));
  lines.push_back(TitleLine(""));
  AppendContent(lines, titleId, source);
}

Lines BuildReport(const ReportSectionTable& table, const ReportSource& source) {
  Lines lines;
  for (std::size_t i = 0; i < table.size(); ++i)
    if (table[i].selected) AppendReportSection(lines, i, source);
  return lines;
}

std::optional<std::size_t> ReportEntryNamed(std::string_view name) {
  const auto found = std::find(kReportSectionNames.begin(), kReportSectionNames.end(), name);
  if (found == kReportSectionNames.end()) return std::nullopt;
  return static_cast<std::size_t>(found - kReportSectionNames.begin());
}

std::size_t ReportEntryOfTemplate(const ReportSectionTable& table, int templateId) {
  for (std::size_t i = 0; i < table.size(); ++i)
    if (table[i].titleId == templateId) return i;
  return 0;
}

}  // namespace vex
