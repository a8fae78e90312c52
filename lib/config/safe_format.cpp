#include "config/safe_format.h"

#include <cstdio>
#include <optional>

namespace vex {

namespace {

constexpr std::size_t kMaxFieldDigits = 3;  // width and precision up to 999

struct Conversion {
  std::string flags;
  std::string width;
  std::string precision;  // with its leading '.', or empty
  char type = 0;
  FormatArg::Kind kind() const { return type == 's' ? FormatArg::Text : FormatArg::Integer; }
};

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Parses the conversion after a '%' at text[i]; advances i past it.
std::optional<Conversion> ParseConversion(std::string_view text, std::size_t& i) {
  Conversion c;
  while (i < text.size() && std::string_view("-+ #0").find(text[i]) != std::string_view::npos) {
    if (c.flags.size() >= 5) return std::nullopt;
    c.flags += text[i++];
  }
  while (i < text.size() && IsDigit(text[i])) c.width += text[i++];
  if (i < text.size() && text[i] == '.') {
    c.precision += text[i++];
    while (i < text.size() && IsDigit(text[i])) c.precision += text[i++];
  }
  if (c.width.size() > kMaxFieldDigits || c.precision.size() > kMaxFieldDigits + 1) return std::nullopt;
  std::string_view length;
  for (std::string_view candidate : {"hh", "ll", "h", "l"}) {
    if (text.substr(i, candidate.size()) == candidate) {
      length = candidate;
      break;
    }
  }
  i += length.size();
  if (i >= text.size()) return std::nullopt;
  c.type = text[i++];
  if (c.type == 's') {
    // A text takes only left alignment, width and precision.
    if (!length.empty() || c.flags.find_first_not_of('-') != std::string::npos) return std::nullopt;
    return c;
  }
  if (std::string_view("diuxXo").find(c.type) == std::string_view::npos) return std::nullopt;
  return c;
}

std::string Render(const Conversion& c, const FormatArg& arg) {
  // The format handed to snprintf is assembled here from checked parts only.
  std::string pattern = "%" + c.flags + c.width + c.precision;
  std::string out;
  const auto print = [&](auto value) {
    const int size = std::snprintf(nullptr, 0, pattern.c_str(), value);
    if (size <= 0) return;
    out.resize(static_cast<std::size_t>(size) + 1);
    std::snprintf(out.data(), out.size(), pattern.c_str(), value);
    out.resize(static_cast<std::size_t>(size));
  };
  if (c.type == 's') {
    pattern += 's';
    print(arg.text.c_str());
  } else if (c.type == 'd' || c.type == 'i') {
    pattern += "ll";
    pattern += c.type;
    print(arg.signedValue);
  } else {
    pattern += "ll";
    pattern += c.type;
    print(arg.unsignedValue);
  }
  return out;
}

}  // namespace

std::string FormatTextWithArgs(std::string_view format, std::span<const FormatArg> args) {
  std::string out;
  std::size_t used = 0;
  for (std::size_t i = 0; i < format.size();) {
    if (format[i] != '%') {
      out += format[i++];
      continue;
    }
    ++i;
    if (i < format.size() && format[i] == '%') {
      out += '%';
      ++i;
      continue;
    }
    const auto conversion = ParseConversion(format, i);
    if (!conversion || used >= args.size() || args[used].kind != conversion->kind()) {
      return std::string(format);
    }
    out += Render(*conversion, args[used++]);
  }
  if (used != args.size()) return std::string(format);
  return out;
}

}  // namespace vex
