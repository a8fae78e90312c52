#include "core/chirp_csv.h"

#include "base/bcd.h"
#include "base/number_text.h"
#include "base/text_ids.h"
#include "core/container.h"
#include "core/new_channel.h"
#include "core/record_limits.h"
#include "core/references.h"
#include "core/schema/schema.h"
#include "core/schema/schema_table.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <map>
#include <optional>

namespace vex {

namespace {

// CHIRP's modes are the spacings of their bandwidths; its power levels are
// named as the power field's choices.
constexpr const FieldDef& kSpacing = SchemaField(FieldArea::Channel, "spacing");
constexpr const FieldDef& kPower = SchemaField(FieldArea::Channel, "power");
constexpr std::pair<std::string_view, std::string_view> kModes[] = {{"FM", "25 kHz"}, {"NFM", "12.5 kHz"}};

constexpr std::array<std::string_view, 21> kColumns{
    "Location",  "Name",     "Frequency",    "Duplex",     "Offset",    "Tone",     "rToneFreq",
    "cToneFreq", "DtcsCode", "DtcsPolarity", "RxDtcsCode", "CrossMode", "Mode",     "TStep",
    "Skip",      "Power",    "Comment",      "URCALL",     "RPT1CALL",  "RPT2CALL", "DVCODE"};

constexpr std::uint32_t kTenHertzPerMhz = 100000;

// ---- reading CSV -------------------------------------------------------------

// "2-5, 9": ascending line numbers, runs joined.
std::string LineList(const std::vector<std::size_t>& lines) {
  std::string text;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    std::size_t end = i;
    while (end + 1 < lines.size() && lines[end + 1] == lines[end] + 1) ++end;
    text += (text.empty() ? "" : ", ") + std::to_string(lines[i]);
    if (end > i) text += "-" + std::to_string(lines[end]);
    i = end;
  }
  return text;
}

struct Row {
  std::size_t line = 0;
  std::vector<std::string> fields;
};

// A line ends at LF, CR LF, or a CR alone (old Mac files).
bool EndsLine(std::string_view text, std::size_t i) {
  return text[i] == '\n' || (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n'));
}

// RFC 4180 fields: quoted fields may hold commas, quotes (doubled) and line
// breaks. False when a quote is left open.
bool SplitRows(std::string_view text, std::vector<Row>& rows) {
  std::size_t line = 1;
  Row row{line, {""}};
  bool quoted = false;
  bool rowHasText = false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (quoted) {
      if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
        row.fields.back().push_back('"');
        ++i;
      } else if (c == '"') {
        quoted = false;
      } else {
        if (EndsLine(text, i)) ++line;
        row.fields.back().push_back(c);
      }
      continue;
    }
    if (c == '"') {
      quoted = true;
      rowHasText = true;
    } else if (c == ',') {
      row.fields.emplace_back();
      rowHasText = true;
    } else if (EndsLine(text, i)) {
      if (rowHasText) rows.push_back(std::move(row));
      row = Row{++line, {""}};
      rowHasText = false;
    } else if (c != '\r') {
      row.fields.back().push_back(c);
      rowHasText = rowHasText || c != ' ';
    }
  }
  if (rowHasText) rows.push_back(std::move(row));
  return !quoted;
}

std::string Trimmed(std::string_view text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return std::string(text.substr(first, text.find_last_not_of(" \t") - first + 1));
}

bool SameWord(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
         });
}

// Digits with at most one decimal point: what a number of CHIRP's looks like
// (NaN, inf and exponents do not).
bool IsDecimalText(std::string_view text) {
  const bool digit = text.find_first_of("0123456789") != std::string_view::npos;
  return digit && text.find_first_not_of("0123456789.") == std::string_view::npos &&
         text.find('.') == text.rfind('.');
}

// A decimal number with at most `decimals` places that are not 0, as an
// integer in units of 10^-decimals ("446.006250" with 5 gives 44600625).
std::optional<long long> ParseScaled(std::string_view text, int decimals) {
  if (text.empty() || text.size() > 20) return std::nullopt;
  long long whole = 0;
  long long fraction = 0;
  int places = 0;
  bool point = false;
  bool digits = false;
  for (char c : text) {
    if (c == '.' && !point) {
      point = true;
    } else if (c >= '0' && c <= '9') {
      digits = true;
      if (!point) {
        whole = whole * 10 + (c - '0');
      } else if (places < decimals) {
        fraction = fraction * 10 + (c - '0');
        ++places;
      } else if (c != '0') {
        return std::nullopt;  // finer than the unit
      }
      if (whole > 1'000'000'000LL) return std::nullopt;
    } else {
      return std::nullopt;
    }
  }
  if (!digits) return std::nullopt;
  for (; places < decimals; ++places) fraction *= 10;
  long long scale = 1;
  for (int k = 0; k < decimals; ++k) scale *= 10;
  return whole * scale + fraction;
}

// A CHIRP DTCS code: one to three octal digits.
bool IsCdcssCode(std::string_view text) {
  return !text.empty() && text.size() <= 3 &&
         std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '7'; });
}

std::string ThreeDigits(std::string_view code) {
  return std::string(3 - std::min<std::size_t>(3, code.size()), '0') + std::string(code);
}

// ---- one line ---------------------------------------------------------------

// What a line's tone columns mean for one direction.
enum class Side { None, Ctcss, Cdcss };

struct ToneChoice {
  Side sent = Side::None;
  Side received = Side::None;
  const char* sentColumn = "";      // the column that holds the sent tone
  const char* receivedColumn = "";  // and the received one
};

std::optional<ToneChoice> ToneChoiceOf(const std::string& mode, const std::string& cross) {
  if (mode.empty()) return ToneChoice{};
  if (mode == "Tone") return ToneChoice{Side::Ctcss, Side::None, "rToneFreq", ""};
  if (mode == "TSQL") return ToneChoice{Side::Ctcss, Side::Ctcss, "cToneFreq", "cToneFreq"};
  if (mode == "DTCS") return ToneChoice{Side::Cdcss, Side::Cdcss, "DtcsCode", "DtcsCode"};
  if (mode != "Cross") return std::nullopt;
  const auto arrow = cross.find("->");
  if (arrow == std::string::npos) return std::nullopt;
  ToneChoice choice;
  const std::string sent = cross.substr(0, arrow);
  const std::string received = cross.substr(arrow + 2);
  if (sent == "Tone")
    choice = {Side::Ctcss, Side::None, "rToneFreq", ""};
  else if (sent == "DTCS")
    choice = {Side::Cdcss, Side::None, "DtcsCode", ""};
  else if (!sent.empty())
    return std::nullopt;
  if (received == "Tone") {
    choice.received = Side::Ctcss;
    choice.receivedColumn = "cToneFreq";
  } else if (received == "DTCS") {
    choice.received = Side::Cdcss;
    choice.receivedColumn = "RxDtcsCode";
  } else if (!received.empty()) {
    return std::nullopt;
  }
  return choice;
}

class LineReader {
 public:
  LineReader(const Row& row, const std::map<std::string, std::size_t>& columns, const BandLimits& band,
             std::vector<CsvProblem>& problems)
      : row_(row), columns_(columns), band_(band), problems_(problems) {}

  std::optional<CsvChannel> read();
  // The line's Location, when it is a number.
  std::optional<int> location() const {
    const auto n = ParseScaled(field("Location"), 0);
    if (!n || *n > 1'000'000) return std::nullopt;
    return static_cast<int>(*n);
  }

 private:
  std::string field(std::string_view column) const {
    const auto at = columns_.find(std::string(column));
    if (at == columns_.end() || at->second >= row_.fields.size()) return {};
    return Trimmed(row_.fields[at->second]);
  }
  // Each column of a line is reported once (DTCS reads DtcsCode both ways).
  void problem(CsvIssue issue, std::string_view column) {
    ok_ = false;
    const CsvProblem found{issue, row_.line, std::string(column), field(column)};
    const bool known = std::any_of(problems_.begin(), problems_.end(), [&](const CsvProblem& p) {
      return p.line == found.line && p.column == found.column && p.issue == found.issue;
    });
    if (!known) problems_.push_back(found);
  }
  // A frequency in 10 Hz units, checked against the band and the rasters.
  std::uint32_t frequency(long long tenHertz, std::string_view column, std::uint8_t& stepCode);
  void tone(Side side, const char* column, char polarity, int& type, std::string& ctcss, std::string& cdcss);

  const Row& row_;
  const std::map<std::string, std::size_t>& columns_;
  const BandLimits& band_;
  std::vector<CsvProblem>& problems_;
  bool ok_ = true;
};

std::uint32_t LineReader::frequency(long long tenHertz, std::string_view column, std::uint8_t& stepCode) {
  if (tenHertz <= 0 || tenHertz > kBcdMaxDecimal) {
    problem(CsvIssue::OutOfBand, column);
    return kNoFrequency;
  }
  auto f = static_cast<std::uint32_t>(tenHertz);
  const std::uint32_t asGiven = f;
  stepCode = StepCodeFor(f);
  if (f != asGiven) problem(CsvIssue::OffRaster, column);
  const std::uint32_t bcd = PackBcd(asGiven);
  if (band_.known() && (bcd < band_.lowest() || bcd > band_.highest())) problem(CsvIssue::OutOfBand, column);
  return bcd;
}

void LineReader::tone(Side side, const char* column, char polarity, int& type, std::string& ctcss, std::string& cdcss) {
  if (side == Side::None) {
    type = kToneNone;
    return;
  }
  const std::string text = field(column);
  if (side == Side::Ctcss) {
    const auto tenths = ParseScaled(text, 1);
    if (!tenths || *tenths < kCtcssMin || *tenths > kCtcssMax) return problem(CsvIssue::UnknownTone, column);
    type = kToneCtcss;
    ctcss = FormatScaled(static_cast<unsigned long>(*tenths), 1);
    return;
  }
  if (!IsCdcssCode(text)) return problem(CsvIssue::UnknownTone, column);
  type = polarity == 'R' ? kToneCdcssInverted : kToneCdcss;
  cdcss = ThreeDigits(text);
}

std::optional<CsvChannel> LineReader::read() {
  CsvChannel channel;
  if (const auto number = location()) {
    channel.location = *number;
  } else {
    problem(CsvIssue::BadNumber, "Location");
  }
  if (!field("Name").empty()) problems_.push_back({CsvIssue::NameDropped, row_.line, "Name", field("Name")});

  ChannelValueSet& v = channel.values;
  const std::string frequencyText = field("Frequency");
  if (!frequencyText.empty()) {
    const auto rx = ParseScaled(frequencyText, 5);
    if (!rx) {
      problem(IsDecimalText(frequencyText) ? CsvIssue::OffRaster : CsvIssue::BadNumber, "Frequency");
    } else {
      v.rxFrequency = frequency(*rx, "Frequency", v.rxStepCode);
    }
    const std::string duplex = field("Duplex");
    const auto offset = ParseScaled(field("Offset").empty() ? "0" : field("Offset"), 5);
    if (!offset && duplex != "" && duplex != "off") problem(CsvIssue::BadNumber, "Offset");
    if (rx && (offset || duplex.empty() || duplex == "off")) {
      if (duplex.empty()) {
        v.txFrequency = v.rxFrequency;
        v.txStepCode = v.rxStepCode;
      } else if (duplex == "+") {
        v.txFrequency = frequency(*rx + *offset, "Offset", v.txStepCode);
      } else if (duplex == "-") {
        v.txFrequency = frequency(*rx - *offset, "Offset", v.txStepCode);
      } else if (duplex == "split") {
        v.txFrequency = frequency(*offset, "Offset", v.txStepCode);
      } else if (duplex != "off") {
        problem(CsvIssue::UnknownDuplex, "Duplex");
      }
    }
  }

  const std::string toneMode = field("Tone");
  const std::string polarity = field("DtcsPolarity").empty() ? "NN" : field("DtcsPolarity");
  if (toneMode == "TSQL-R" || toneMode == "DTCS-R") {
    problem(CsvIssue::ReverseSquelch, "Tone");
  } else if (const auto choice = ToneChoiceOf(toneMode, field("CrossMode")); !choice) {
    problem(CsvIssue::UnknownToneMode, toneMode == "Cross" ? "CrossMode" : "Tone");
  } else {
    const bool cdcss = choice->sent == Side::Cdcss || choice->received == Side::Cdcss;
    const bool polarityOk = polarity.size() == 2 &&
                            std::all_of(polarity.begin(), polarity.end(), [](char c) { return c == 'N' || c == 'R'; });
    if (cdcss && !polarityOk) {
      problem(CsvIssue::UnknownToneMode, "DtcsPolarity");
    } else {
      const char sentPolarity = polarityOk ? polarity[0] : 'N';
      const char receivedPolarity = polarityOk ? polarity[1] : 'N';
      tone(choice->sent, choice->sentColumn, sentPolarity, v.txType, v.txCtcss, v.txCdcss);
      tone(choice->received, choice->receivedColumn, receivedPolarity, v.rxType, v.rxCtcss, v.rxCdcss);
    }
  }

  const std::string mode = field("Mode");
  const auto* spacing =
      std::find_if(std::begin(kModes), std::end(kModes), [&](const auto& m) { return m.first == mode; });
  if (mode.empty()) {
    channel.keepSpacing = true;
  } else if (spacing != std::end(kModes)) {
    v.spacing = static_cast<int>(ChoiceValue(kSpacing, spacing->second));
  } else {
    problem(CsvIssue::UnknownMode, "Mode");
  }
  const std::string power = field("Power");
  if (power.empty()) {
    channel.keepPower = true;
  } else if (const long level = ChoiceValue(kPower, power); level >= 0) {
    v.power = static_cast<int>(level);
  } else {
    problem(CsvIssue::UnknownPower, "Power");
  }
  if (!ok_) return std::nullopt;
  return channel;
}

// ---- writing ------------------------------------------------------------------

std::string MegahertzText(std::uint32_t tenHertz) { return FormatScaled(static_cast<unsigned long>(tenHertz) * 10, 6); }

std::string CsvField(const std::string& text) {
  if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
  std::string quoted = "\"";
  for (char c : text) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
  return quoted + "\"";
}

std::string StepText(std::uint8_t stepCode) {
  switch (stepCode) {
    case 2: return "5.00";
    case 3: return "6.25";
    case 7: return "10.00";
    default: return "12.50";
  }
}

// The CSV fields of one channel, in kColumns order.
std::vector<std::string> ExportLine(const ChannelRecord& record, std::size_t number) {
  const ChannelValueSet v = LoadChannelValues(record);
  std::string frequency, duplex, offset = "0.000000";
  if (v.rxFrequency != kNoFrequency) {
    const std::uint32_t rx = UnpackBcd(v.rxFrequency);
    frequency = MegahertzText(rx);
    if (v.txFrequency == kNoFrequency) {
      duplex = "off";
    } else if (const std::uint32_t tx = UnpackBcd(v.txFrequency); tx != rx) {
      duplex = tx > rx ? "+" : "-";
      offset = MegahertzText(tx > rx ? tx - rx : rx - tx);
    }
  }
  // The tone mode that carries the pair of types; unused columns get
  // CHIRP's fillers.
  std::string mode, rTone = "88.5", cTone = "88.5", dtcs = "023", rxDtcs = "023", cross = "Tone->Tone";
  const bool txCdcss = v.txType >= kToneCdcss;
  const bool rxCdcss = v.rxType >= kToneCdcss;
  const std::string polarity =
      std::string(1, v.txType == kToneCdcssInverted ? 'R' : 'N') + (v.rxType == kToneCdcssInverted ? 'R' : 'N');
  if (v.txType == kToneNone && v.rxType == kToneNone) {
  } else if (v.txType == kToneCtcss && v.rxType == kToneNone) {
    mode = "Tone";
    rTone = v.txCtcss;
  } else if (v.txType == kToneCtcss && v.rxType == kToneCtcss && v.txCtcss == v.rxCtcss) {
    mode = "TSQL";
    rTone = cTone = v.txCtcss;
  } else if (txCdcss && rxCdcss && v.txCdcss == v.rxCdcss) {
    mode = "DTCS";
    dtcs = rxDtcs = v.txCdcss;
  } else {
    mode = "Cross";
    const std::string sent = v.txType == kToneCtcss ? "Tone" : txCdcss ? "DTCS" : "";
    const std::string received = v.rxType == kToneCtcss ? "Tone" : rxCdcss ? "DTCS" : "";
    cross = sent + "->" + received;
    if (v.txType == kToneCtcss) rTone = v.txCtcss;
    if (txCdcss) dtcs = v.txCdcss;
    if (v.rxType == kToneCtcss) cTone = v.rxCtcss;
    if (rxCdcss) rxDtcs = v.rxCdcss;
  }
  std::string spacing;
  for (const auto& [name, choice] : kModes)
    if (ChoiceName(kSpacing, v.spacing) == choice) spacing = name;
  const std::string power(ChoiceName(kPower, v.power));
  return {
      std::to_string(number), "", frequency, duplex, offset, mode, rTone, cTone, dtcs, polarity, rxDtcs, cross, spacing,
      StepText(v.rxStepCode), "", power,     "",     "",     "",   "",    ""};
}

}  // namespace

bool CsvImport::refused() const {
  return std::any_of(problems.begin(), problems.end(), [](const CsvProblem& p) { return p.refuses(); });
}

std::optional<CsvLineChoice> ParseCsvLineRange(std::string_view text) {
  const std::size_t dash = text.find('-');
  const auto number = [](std::string_view digits) -> std::optional<std::size_t> {
    if (digits.empty() || digits.size() > 7 || !std::all_of(digits.begin(), digits.end(), ::isdigit))
      return std::nullopt;
    const std::size_t n = std::stoul(std::string(digits));
    return n == 0 ? std::nullopt : std::optional<std::size_t>(n);
  };
  const auto first = number(text.substr(0, dash));
  const auto last = dash == std::string_view::npos ? first : number(text.substr(dash + 1));
  if (!first || !last || *last < *first) return std::nullopt;
  CsvLineChoice choice;
  choice.firstLine = *first;
  choice.lastLine = *last;
  return choice;
}

CsvImport ParseChirpCsv(std::string_view text, const BandLimits& band, const CsvLineChoice& choice) {
  CsvImport result;
  std::vector<Row> rows;
  if (text.size() > kMaxCsvBytes || !SplitRows(text, rows) || rows.empty()) {
    result.problems.push_back({CsvIssue::Unreadable, 0, "", ""});
    return result;
  }
  // The header names the columns; a byte order mark may precede it.
  std::map<std::string, std::size_t> columns;
  const Row& header = rows.front();
  for (std::size_t i = 0; i < header.fields.size(); ++i) {
    std::string name = Trimmed(header.fields[i]);
    if (i == 0 && name.rfind("\xEF\xBB\xBF", 0) == 0) name.erase(0, 3);
    for (std::string_view known : kColumns) {
      if (SameWord(name, known)) columns.emplace(std::string(known), i);
    }
  }
  for (const char* required : {"Location", "Frequency"}) {
    if (!columns.count(required)) result.problems.push_back({CsvIssue::MissingColumn, header.line, required, ""});
  }
  if (result.refused()) return result;

  std::vector<int> locations;
  std::size_t lines = 0;
  std::vector<std::size_t> skipped;
  std::vector<std::size_t> named;
  for (std::size_t r = 1; r < rows.size(); ++r) {
    if (!choice.takes(rows[r].line)) continue;
    const std::size_t before = result.problems.size();
    LineReader line(rows[r], columns, band, result.problems);
    auto channel = line.read();
    const auto location = line.location();
    const bool duplicate = location && std::find(locations.begin(), locations.end(), *location) != locations.end();
    if (duplicate)
      result.problems.push_back({CsvIssue::DuplicateLocation, rows[r].line, "Location", std::to_string(*location)});
    const auto mine = result.problems.begin() + static_cast<std::ptrdiff_t>(before);
    const bool refused = std::any_of(mine, result.problems.end(), [](const CsvProblem& p) { return p.refuses(); });
    if (refused && choice.skipInvalid) {
      result.problems.erase(mine, result.problems.end());
      skipped.push_back(rows[r].line);
      continue;
    }
    // Names are reported once for the whole file.
    if (std::any_of(mine, result.problems.end(), [](const CsvProblem& p) { return p.issue == CsvIssue::NameDropped; }))
      named.push_back(rows[r].line);
    result.problems.erase(std::remove_if(mine, result.problems.end(),
                                         [](const CsvProblem& p) { return p.issue == CsvIssue::NameDropped; }),
                          result.problems.end());
    ++lines;
    if (duplicate) continue;
    if (location) locations.push_back(*location);
    if (channel) result.channels.push_back(std::move(*channel));
  }
  if (!named.empty()) result.problems.push_back({CsvIssue::NameDropped, 0, "", LineList(named)});
  if (!skipped.empty()) result.problems.push_back({CsvIssue::LinesSkipped, 0, "", LineList(skipped)});
  if (lines == 0) result.problems.push_back({CsvIssue::NoChannels, 0, "", ""});
  if (lines > kMostChannels)
    result.problems.push_back({CsvIssue::TooManyChannels, 0, "", std::to_string(kMostChannels)});
  std::stable_sort(result.channels.begin(), result.channels.end(),
                   [](const CsvChannel& a, const CsvChannel& b) { return a.location < b.location; });
  return result;
}

std::vector<ReferenceChange> ReplaceChannels(RadioDataContainer& data, const std::vector<CsvChannel>& channels) {
  const ListSizes before = ListSizesOf(data);
  std::vector<ChannelRecord> records;
  for (std::size_t i = 0; i < channels.size() && i < kMostChannels; ++i) {
    ChannelRecord record;
    if (i < data.channels().size()) {
      record = data.channels()[i].record();
    } else {
      InitNewChannel(record, i);
    }
    ChannelValueSet values = channels[i].values;
    const ChannelValueSet before = LoadChannelValues(record);
    if (channels[i].keepSpacing) values.spacing = before.spacing;
    if (channels[i].keepPower) values.power = before.power;
    // The values lie inside the band already: no band is needed to store them.
    StoreChannelValues(values, BandLimits{}, record);
    records.push_back(record);
  }
  data.channels().clear();
  for (const ChannelRecord& record : records) {
    if (ChannelItem* item = data.channels().appendNew()) item->record() = record;
  }
  std::vector<ReferenceChange> changes = DropLostReferences(data, before);
  data.resolveLinks();
  return changes;
}

std::string ExportChirpCsv(const RadioDataContainer& data) {
  std::string csv;
  for (std::size_t c = 0; c < kColumns.size(); ++c) csv += (c == 0 ? "" : ",") + std::string(kColumns[c]);
  csv += "\r\n";
  for (std::size_t i = 0; i < data.channels().size(); ++i) {
    const std::vector<std::string> fields = ExportLine(data.channels()[i].record(), i + 1);
    for (std::size_t c = 0; c < fields.size(); ++c) csv += (c == 0 ? "" : ",") + CsvField(fields[c]);
    csv += "\r\n";
  }
  return csv;
}

int CsvProblemMessageId(CsvIssue issue) {
  switch (issue) {
    case CsvIssue::Unreadable: return text::kMsgCsvUnreadable;
    case CsvIssue::MissingColumn: return text::kMsgCsvMissingColumn;
    case CsvIssue::BadNumber: return text::kMsgCsvBadNumber;
    case CsvIssue::OutOfBand: return text::kMsgCsvOutOfBand;
    case CsvIssue::OffRaster: return text::kMsgCsvOffRaster;
    case CsvIssue::UnknownTone: return text::kMsgCsvUnknownTone;
    case CsvIssue::UnknownToneMode: return text::kMsgCsvUnknownToneMode;
    case CsvIssue::ReverseSquelch: return text::kMsgCsvReverseSquelch;
    case CsvIssue::UnknownDuplex: return text::kMsgCsvUnknownDuplex;
    case CsvIssue::UnknownMode: return text::kMsgCsvUnknownMode;
    case CsvIssue::UnknownPower: return text::kMsgCsvUnknownPower;
    case CsvIssue::DuplicateLocation: return text::kMsgCsvDuplicateLocation;
    case CsvIssue::TooManyChannels: return text::kMsgCsvTooManyChannels;
    case CsvIssue::NoChannels: return text::kMsgCsvNoChannels;
    case CsvIssue::NameDropped: return text::kMsgCsvNameDropped;
    case CsvIssue::LinesSkipped: return text::kMsgCsvLinesSkipped;
  }
  return text::kMsgCsvUnreadable;
}

std::string CsvProblemArgument(const CsvProblem& problem) {
  if (problem.line == 0) return problem.value;
  std::string argument = std::to_string(problem.line);
  if (!problem.column.empty()) argument += ", " + problem.column + (problem.value.empty() ? "" : " " + problem.value);
  return argument;
}

}  // namespace vex
