// The codeplug as text: the whole content of a codeplug file as YAML, by the
// schema's field names in the units people write, and a text applied back
// onto nothing (the text alone makes the data) or onto a base (only what the
// text names changes). Export then apply gives back the same bytes.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "core/schema/field_types.h"
#include "workflow/codeplug_text/codeplug_document.h"

namespace vex {

class LanguageTexts;

// Texts larger than this are refused unread.
inline constexpr std::size_t kMaxCodeplugTextBytes = 4 * 1024 * 1024;

// The document as text. `english` gives the option lists' texts.
std::string ExportCodeplugText(const CodeplugDocument& document, const LanguageTexts& english);

// Where a text went wrong: 1-based line and column, the field (as
// "channels[3].rx_frequency") and what is wrong or what the field accepts.
struct TextError {
  int line = 0;
  int column = 0;
  std::string field;
  std::string message;
};

// Applies a text. Without a base the text must give every list and the
// header's model; what it leaves out of a section or record takes the
// schema's defaults. With a base, only what the text names changes; a list it
// gives replaces the base's list, each record starting from the base's
// record at its position. On any error `result` is left as it was.
// References of the base to records a shorter list no longer holds are
// moved as the views move them, each listed in `warnings` (line 0).
std::vector<TextError> ApplyCodeplugText(std::string_view text, const CodeplugDocument* base,
                                         const LanguageTexts& english, CodeplugDocument& result,
                                         std::vector<TextError>* warnings = nullptr);

// The JSON Schema of the text, for editors that check and complete it.
// `english` gives the option lists' texts.
std::string CodeplugTextSchema(const LanguageTexts& english);

// Where a section or a record stands in the text: "settings.misc", or
// "channels[3]" for the channel at 0-based `index` 2.
std::string TextPathOf(FieldArea area, std::size_t index = 0);

// "line:column: field: message".
std::string TextErrorLine(const TextError& error);

}  // namespace vex
