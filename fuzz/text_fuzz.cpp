// libFuzzer entry: every input is a codeplug text, applied alone and onto the
// default data. What apply accepts must export, and that export must apply
// back to the same bytes; what it refuses must say why and leave the result
// alone.
#include "fuzz_check.h"

#include "config/language_texts.h"
#include "core/container.h"
#include "core/default_data.h"
#include "workflow/codeplug_text/codeplug_text.h"

#include <memory>
#include <string_view>

namespace {

using namespace vex;
using fuzz::Require;

const CodeplugDocument& DefaultDocument() {
  static const std::unique_ptr<CodeplugDocument> document = [] {
    auto data = std::make_unique<RadioDataContainer>();
    MakeDefaultData(*data, 446, 446);
    data->encode();
    auto made = std::make_unique<CodeplugDocument>();
    made->header = BuildSaveHeader({"VEXM1", "Vex M1", "446-446", 0, "1.03.11"});
    made->image = data->image();
    return made;
  }();
  return *document;
}

void ApplyOnce(std::string_view text, const CodeplugDocument* base, const LanguageTexts& english) {
  auto result = std::make_unique<CodeplugDocument>();
  result->comment = "untouched";
  const auto errors = ApplyCodeplugText(text, base, english, *result);
  if (!errors.empty()) {
    for (const TextError& error : errors)
      Require(!error.message.empty() && !TextErrorLine(error).empty(), "an error that says nothing");
    Require(result->comment == "untouched", "a refused text that changed the result");
    return;
  }
  const std::string exported = ExportCodeplugText(*result, english);
  auto again = std::make_unique<CodeplugDocument>();
  const auto second = ApplyCodeplugText(exported, nullptr, english, *again);
  Require(second.empty(), "an export that does not apply");
  Require(again->image == result->image, "an export that applies to other image bytes");
  Require(again->header.bytes() == result->header.bytes(), "an export that applies to another header");
  Require(again->comment == result->comment, "an export that applies to another comment");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const LanguageTexts english(VEX_FUZZ_LANGUAGE_FILE);
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  ApplyOnce(text, nullptr, english);
  ApplyOnce(text, &DefaultDocument(), english);
  return 0;
}
