#pragma once

#include <concepts>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

namespace vex {

// One argument for a text used as a format: an integer or a text.
struct FormatArg {
  enum Kind { Integer, Text };
  Kind kind = Integer;
  long long signedValue = 0;
  unsigned long long unsignedValue = 0;  // the value as the caller's unsigned type (for %u %x %X %o)
  std::string text;
};

template <typename T>
requires(std::integral<T> && !std::same_as<T, bool>) FormatArg MakeFormatArg(T value) {
  FormatArg arg;
  arg.signedValue = static_cast<long long>(value);
  arg.unsignedValue = static_cast<unsigned long long>(static_cast<std::make_unsigned_t<T>>(value));
  return arg;
}

inline FormatArg MakeFormatArg(std::string_view value) {
  FormatArg arg;
  arg.kind = FormatArg::Text;
  arg.text = std::string(value);
  return arg;
}
inline FormatArg MakeFormatArg(const std::string& value) { return MakeFormatArg(std::string_view(value)); }
inline FormatArg MakeFormatArg(const char* value) { return MakeFormatArg(std::string_view(value ? value : "")); }

// Fills a text taken from data files (a message with an address, a band, a
// port) with the caller's arguments. The text's conversions are parsed here:
// only %d %i %u %x %X %o for integers and %s for texts, with flags, width and
// precision, and "%%". When the conversions do not match the arguments
// exactly, in number and kind, the text is returned as written. The text is
// never handed to printf.
std::string FormatTextWithArgs(std::string_view format, std::span<const FormatArg> args);

template <typename... Args>
std::string formatText(const std::string& format, const Args&... args) {
  const std::vector<FormatArg> list{MakeFormatArg(args)...};
  return FormatTextWithArgs(format, list);
}

// The same under the name the other layers use.
struct SafeFormat {
  template <typename... Args>
  static std::string formatText(const std::string& format, const Args&... args) {
    return vex::formatText(format, args...);
  }
};

}  // namespace vex
