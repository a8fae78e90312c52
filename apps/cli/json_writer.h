// A small streaming JSON writer: objects, arrays, strings and integers, two
// spaces of indentation. Texts from codeplug files are bytes; what is not
// valid UTF-8 is written byte by byte as \u00XX.
#pragma once

#include <ostream>
#include <string_view>
#include <vector>

namespace vex::cli {

class JsonWriter {
 public:
  explicit JsonWriter(std::ostream& out) : out_(out) {}
  ~JsonWriter() { out_ << '\n'; }

  JsonWriter& beginObject();
  JsonWriter& endObject();
  JsonWriter& beginArray();
  JsonWriter& endArray();
  JsonWriter& key(std::string_view name);
  JsonWriter& value(std::string_view text);
  JsonWriter& value(const char* text) { return value(std::string_view(text)); }
  JsonWriter& value(long long number);
  JsonWriter& value(int number) { return value(static_cast<long long>(number)); }
  JsonWriter& value(bool flag);

  template <typename T>
  JsonWriter& field(std::string_view name, const T& v) {
    key(name);
    return value(v);
  }

 private:
  void beforeValue();
  void newline();
  void close(char bracket);
  void writeString(std::string_view text);

  std::ostream& out_;
  std::vector<bool> hasItems_;  // one entry per open object or array
  bool afterKey_ = false;
};

}  // namespace vex::cli
