// libFuzzer entry: every input is a profile (INI) file, read as the program
// reads Settings.ini, Model.dat and the language files, then edited.
#include "config/profile_cache.h"
#include "config/profile_document.h"
#include "config/profile_syntax.h"
#include "config/text_encoding.h"
#include "fuzz_check.h"

#include <fuzzer/FuzzedDataProvider.h>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace vex;
  using fuzz::Require;
  FuzzedDataProvider input(data, size);
  const std::string section = input.ConsumeRandomLengthString(24);
  const std::string key = input.ConsumeRandomLengthString(24);
  const std::string value = input.ConsumeRandomLengthString(64);
  const std::string bytes = input.ConsumeRemainingBytesAsString();
  const std::string text = DecodeProfileBytes(bytes);
  // A byte-order mark declares UTF-8: such a file is taken as it stands.
  Require(IsValidUtf8(text) || bytes.starts_with("\xEF\xBB\xBF"), "decoded text is not UTF-8");

  ProfileDocument document = ProfileDocument::parse(text);
  Require(document.serialize() == text, "an untouched document does not write back as it was read");
  (void)document.find(section, key);

  if (!document.set(section, key, value)) {
    Require(document.serialize() == text, "a refused set changed the document");
    return 0;
  }
  const std::string written = document.serialize();
  const ProfileDocument reread = ProfileDocument::parse(written);
  const auto after = reread.find(section, key);
  std::string expected(value);
  for (char& c : expected) {
    if (c == '\r' || c == '\n') c = ' ';
  }
  Require(after.has_value() && *after == TrimBlanks(expected), "a set value does not read back from the file");
  (void)TruncateUtf8(text, value.size());
  return 0;
}
