#include "base/terminal_text.h"

#include <cstdint>

namespace vex {

namespace {

std::string HexEscape(std::uint8_t byte) {
  static constexpr char kDigits[] = "0123456789abcdef";
  return std::string("\\x") + kDigits[byte >> 4] + kDigits[byte & 0x0F];
}

// The length of the UTF-8 sequence of a printable character at `at`; 0 for
// a control character or a byte that starts no valid sequence.
std::size_t PrintableLength(std::string_view text, std::size_t at) {
  const auto b = static_cast<std::uint8_t>(text[at]);
  if (b >= 0x20 && b < 0x7F) return 1;
  std::size_t length = 0;
  std::uint32_t code = 0;
  if (b >= 0xC2 && b <= 0xDF) {
    length = 2;
    code = b & 0x1Fu;
  } else if (b >= 0xE0 && b <= 0xEF) {
    length = 3;
    code = b & 0x0Fu;
  } else if (b >= 0xF0 && b <= 0xF4) {
    length = 4;
    code = b & 0x07u;
  } else {
    return 0;
  }
  if (at + length > text.size()) return 0;
  for (std::size_t k = 1; k < length; ++k) {
    const auto c = static_cast<std::uint8_t>(text[at + k]);
    if ((c & 0xC0) != 0x80) return 0;
    code = (code << 6) | (c & 0x3Fu);
  }
  const bool overlong = (length == 3 && code < 0x800) || (length == 4 && code < 0x10000);
  const bool c1 = code >= 0x80 && code <= 0x9F;
  const bool surrogate = code >= 0xD800 && code <= 0xDFFF;
  if (overlong || c1 || surrogate || code > 0x10FFFF) return 0;
  return length;
}

// Hands each printable character to `printable` and every other byte to `control`.
template <class Printable, class Control>
void Walk(std::string_view text, Printable printable, Control control) {
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t length = PrintableLength(text, at);
    if (length == 0) {
      control(static_cast<std::uint8_t>(text[at]));
      ++at;
    } else {
      printable(text.substr(at, length));
      at += length;
    }
  }
}

bool HasControls(std::string_view text) {
  bool found = false;
  Walk(text, [](std::string_view) {}, [&](std::uint8_t) { found = true; });
  return found;
}

}  // namespace

std::string TerminalSafe(std::string_view text) {
  std::string safe;
  Walk(
      text, [&](std::string_view c) { safe += c == "\\" ? std::string_view("\\\\") : c; },
      [&](std::uint8_t byte) { safe += HexEscape(byte); });
  return safe;
}

std::string ShellQuoted(std::string_view text) {
  if (!HasControls(text)) {
    std::string quoted = "'";
    for (char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
  }
  std::string quoted = "$'";
  Walk(
      text,
      [&](std::string_view c) {
        if (c == "'" || c == "\\") quoted += '\\';
        quoted += c;
      },
      [&](std::uint8_t byte) { quoted += HexEscape(byte); });
  return quoted + "'";
}

}  // namespace vex
