#include "workflow/report/report_text.h"

#include <algorithm>
#include <numeric>

namespace vex {
namespace {

// The length of the UTF-8 sequence starting with `lead` (0: not a lead byte).
std::size_t SequenceLength(unsigned char lead) {
  if (lead < 0x80) return 1;
  if (lead >= 0xC2 && lead <= 0xDF) return 2;
  if (lead >= 0xE0 && lead <= 0xEF) return 3;
  if (lead >= 0xF0 && lead <= 0xF4) return 4;
  return 0;
}

bool IsWide(char32_t c) {
  return (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0xA4CF && c != 0x303F) || (c >= 0xAC00 && c <= 0xD7A3) ||
         (c >= 0xF900 && c <= 0xFAFF) || (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFF60) ||
         (c >= 0xFFE0 && c <= 0xFFE6) || (c >= 0x20000 && c <= 0x3FFFD);
}

// Control characters (a byte text may hold any) would break the line.
std::string Printable(std::string text) {
  std::replace_if(
      text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; }, ' ');
  return text;
}

}  // namespace

std::size_t DisplayWidth(std::string_view text) {
  std::size_t columns = 0;
  for (std::size_t i = 0; i < text.size();) {
    const auto lead = static_cast<unsigned char>(text[i]);
    const std::size_t length = SequenceLength(lead);
    bool valid = length != 0 && i + length <= text.size();
    char32_t c = length == 1 ? lead : lead & (0x7F >> length);
    for (std::size_t k = 1; valid && k < length; ++k) {
      const auto next = static_cast<unsigned char>(text[i + k]);
      valid = (next & 0xC0) == 0x80;
      c = (c << 6) | (next & 0x3F);
    }
    if (!valid) {
      ++columns;
      ++i;
      continue;
    }
    columns += IsWide(c) ? 2 : 1;
    i += length;
  }
  return columns;
}

std::string ReportText(const std::vector<ReportLine>& lines, std::size_t width) {
  std::string out;
  for (const ReportLine& line : lines) {
    const unsigned total = std::accumulate(line.weights.begin(), line.weights.end(), 0u);
    std::string row;
    std::size_t column = 0;  // where the row's text ends
    std::size_t share = 0;   // weights of the cells before this one
    for (std::size_t c = 0; c < line.cells.size(); ++c) {
      const std::string cell = Printable(line.cells[c]);
      const std::size_t start = total == 0 ? column : share * width / total;
      if (c < line.weights.size()) share += line.weights[c];
      if (cell.empty()) continue;
      const std::size_t at = column == 0 ? start : std::max(start, column + 1);
      row.append(at - column, ' ');
      row += cell;
      column = at + DisplayWidth(cell);
    }
    out += row;
    out += '\n';
  }
  return out;
}

}  // namespace vex
