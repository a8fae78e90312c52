// Channels in CHIRP's generic CSV format, so that a list made or edited there
// comes in, and ours goes out, column for column:
//   Location, Name, Frequency, Duplex, Offset, Tone, rToneFreq, cToneFreq,
//   DtcsCode, DtcsPolarity, RxDtcsCode, CrossMode, Mode, TStep, Skip, Power,
//   Comment, URCALL, RPT1CALL, RPT2CALL, DVCODE
// Duplex and Offset carry the transmit frequency ("" simplex, "+"/"-" with the
// offset, "split" with the transmit frequency itself, "off" none). Tone and
// CrossMode carry the tone types: Tone = CTCSS sent (rToneFreq), TSQL = CTCSS
// both ways (cToneFreq), DTCS = CDCSS both ways (DtcsCode), Cross = the pair
// CrossMode names (sent tone rToneFreq or DtcsCode, received tone cToneFreq or
// RxDtcsCode). DtcsPolarity's letters (sent, received) are N for CDCSS and R
// for CDCSS Invert. Mode FM is the 25 kHz spacing, NFM 12.5 kHz; Power is
// "Low" or "High". CHIRP fills the tone columns a line does not use with
// 88.5 and 023; only Tone and CrossMode decide which columns count.
//
// Import refuses the whole file when a line holds a value the radio cannot
// carry exactly (outside the band, off every channel raster, a tone it has
// not, a mode it lacks) rather than store a different channel, unless such
// lines are to be left out; a range of lines may be chosen.
#pragma once

#include "core/channel_values.h"
#include "core/lost_references.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vex {

class RadioDataContainer;

// Larger files are refused unread.
inline constexpr std::size_t kMaxCsvBytes = 1024 * 1024;

enum class CsvIssue {
  // Refuse the file:
  Unreadable,       // not text in CSV form, or larger than kMaxCsvBytes
  MissingColumn,    // the header lacks Location or Frequency
  BadNumber,        // a number column holds no number
  OutOfBand,        // a frequency outside the data's frequency range
  OffRaster,        // a frequency on no channel raster (5, 6.25, 10, 12.5 kHz)
  UnknownTone,      // a CTCSS tone or CDCSS code the radio does not have
  UnknownToneMode,  // Tone, CrossMode or DtcsPolarity holds something else
  ReverseSquelch,   // TSQL-R or DTCS-R: the radio cannot squelch on a tone's absence
  UnknownDuplex,
  UnknownMode,  // other than FM and NFM
  UnknownPower,
  DuplicateLocation,
  TooManyChannels,
  NoChannels,
  // Only reported:
  NameDropped,   // the radio keeps no channel names: once, for every line with a name
  LinesSkipped,  // lines left out for a value the radio cannot carry: once, for every such line
};

struct CsvProblem {
  CsvIssue issue = CsvIssue::Unreadable;
  std::size_t line = 0;  // 1-based line of the file; 0 for the file as a whole
  std::string column;    // CHIRP's column name; "" when the issue is the line's
  std::string value;     // for line 0: the lines it concerns ("2-5, 9") or the limit

  // Whether the file is refused for it.
  bool refuses() const { return issue != CsvIssue::NameDropped && issue != CsvIssue::LinesSkipped; }
};

// Which lines of the file are taken.
struct CsvLineChoice {
  std::size_t firstLine = 0;  // 1-based lines of the file (the header is line 1); 0: from the first
  std::size_t lastLine = 0;   // 0: to the last
  bool skipInvalid = false;   // a line with a value the radio cannot carry is left out, not refusing the file

  bool takes(std::size_t line) const { return line >= firstLine && (lastLine == 0 || line <= lastLine); }
};

// "71-86" or "71" as a choice of lines; nothing for any other text.
std::optional<CsvLineChoice> ParseCsvLineRange(std::string_view text);

// One channel of the file, in the values the channel editor stores.
struct CsvChannel {
  int location = 0;
  ChannelValueSet values;
  bool keepSpacing = false;  // Mode was empty: the channel keeps its spacing
  bool keepPower = false;    // Power was empty
};

struct CsvImport {
  std::vector<CsvChannel> channels;  // in the order of their locations
  std::vector<CsvProblem> problems;  // in the order of the lines
  bool refused() const;
};

// Reads the file's text against the data's frequency range.
CsvImport ParseChirpCsv(std::string_view text, const BandLimits& band, const CsvLineChoice& choice = {});

// Replaces the data's channels by the imported ones, in order. Each keeps the
// bytes the CSV does not describe (personality, scan list, flags, reserved
// bytes) from the channel that held its position, or takes a new channel's
// defaults; everything else of the data stays. References to channels the
// shorter list no longer holds are moved as the views move them, and
// returned.
std::vector<ReferenceChange> ReplaceChannels(RadioDataContainer& data, const std::vector<CsvChannel>& channels);

// The data's channels as CHIRP CSV, Location counting from 1, CRLF line ends.
std::string ExportChirpCsv(const RadioDataContainer& data);

// The message text that explains a problem, and its argument: the line, the
// column and the value ("4, Frequency 500.000000"), or the most channels for
// TooManyChannels.
int CsvProblemMessageId(CsvIssue issue);
std::string CsvProblemArgument(const CsvProblem& problem);

}  // namespace vex
