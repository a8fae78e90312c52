#include "workflow/codeplug_text/header_text.h"

#include <algorithm>
#include <array>

#include "base/range_entry.h"

namespace vex::codeplug_text {
namespace {

struct TextKey {
  const char* key;
  std::size_t offset;
};
constexpr std::array<TextKey, 4> kTexts{{{"model_id", codeplug::kModelId},
                                         {"model_name", codeplug::kModelName},
                                         {"version_a", codeplug::kVersionA},
                                         {"version_b", codeplug::kVersionB}}};

bool Printable(std::string_view text, bool lines) {
  return std::all_of(text.begin(), text.end(), [lines](char c) {
    return (c >= 0x20 && c <= 0x7E) || (lines && (c == '\n' || c == '\t' || c == '\r'));
  });
}

std::optional<long> Number(const YAML::Node& node, long most) {
  if (!node.IsScalar()) return std::nullopt;
  const std::string& text = node.Scalar();
  if (text.empty() || text.size() > 6 || !std::all_of(text.begin(), text.end(), ::isdigit)) return std::nullopt;
  const long value = std::stol(text);
  return value <= most ? std::optional<long>(value) : std::nullopt;
}

}  // namespace

CodeplugHeader FreshHeader() { return BuildSaveHeader(ModelState{}); }

std::vector<Entry> HeaderEntries(const CodeplugHeader& header, const std::string& comment) {
  using S = ValueText::Style;
  std::vector<Entry> entries;
  for (const TextKey& text : kTexts) entries.push_back({text.key, {header.text(text.offset), S::Quoted}});
  entries.push_back({"range", {header.rangeText(), S::Quoted}});
  entries.push_back({"range_flags", {std::to_string(header.rangeFlags()), S::Plain}});
  entries.push_back({"signalling", {std::to_string(header.signalling()), S::Plain}});
  if (Printable(comment, true)) {
    entries.push_back({"comment", {comment, S::Quoted}});
  } else {
    entries.push_back({"comment_hex", {HexOf(std::span(reinterpret_cast<const std::uint8_t*>(comment.data()),
                                                       comment.size())),
                                       S::Quoted}});
  }
  // A key whose value the text cannot take is left to the header's bytes.
  std::erase_if(entries, [](const Entry& entry) {
    CodeplugHeader header;
    std::string comment;
    std::vector<TextError> errors;
    StoreHeader(NodeOfEntries({entry}), header, comment, errors);
    return !errors.empty();
  });
  // The header's other bytes, when the keys above do not give them all.
  CodeplugHeader rebuilt = FreshHeader();
  std::string rebuiltComment;
  std::vector<TextError> errors;
  StoreHeader(NodeOfEntries(entries), rebuilt, rebuiltComment, errors);
  if (errors.empty() && rebuilt.bytes() == header.bytes()) return entries;
  // The bytes, and only the keys that read them as they are.
  const Entry bytes{"header", {HexOf(header.bytes()), S::Quoted}};
  std::erase_if(entries, [&](const Entry& entry) {
    CodeplugHeader made;
    std::string comment;
    std::vector<TextError> found;
    StoreHeader(NodeOfEntries({bytes, entry}), made, comment, found);
    return !found.empty() || made.bytes() != header.bytes();
  });
  entries.insert(entries.begin(), bytes);
  return entries;
}

void StoreHeader(const YAML::Node& map, CodeplugHeader& header, std::string& comment, std::vector<TextError>& errors) {
  if (!map || map.IsNull()) return;
  if (!map.IsMap()) {
    errors.push_back(ErrorAt(map, "file", "a map of the header's keys is expected here"));
    return;
  }
  CodeplugHeader result = header;
  std::string resultComment = comment;
  const std::size_t before = errors.size();
  auto fail = [&](const YAML::Node& node, const std::string& key, const std::string& accepts) {
    errors.push_back(ErrorAt(node, "file." + key, "this is not accepted; it takes " + accepts));
  };
  if (const YAML::Node bytes = map["header"]) {
    const auto whole = bytes.IsScalar() ? BytesOfHex(bytes.Scalar()) : std::nullopt;
    if (whole && whole->size() == result.bytes().size()) {
      std::transform(whole->begin(), whole->end(), result.bytes().begin(),
                     [](char c) { return static_cast<std::uint8_t>(c); });
    } else {
      fail(bytes, "header", std::to_string(2 * result.bytes().size()) + " hexadecimal digits");
    }
  }
  for (const auto& item : map) {
    const std::string key = item.first.IsScalar() ? item.first.Scalar() : std::string();
    const YAML::Node& value = item.second;
    const auto text = std::find_if(kTexts.begin(), kTexts.end(), [&](const TextKey& t) { return key == t.key; });
    if (key == "header") continue;
    if (text != kTexts.end()) {
      if (!value.IsScalar() || value.Scalar().size() > codeplug::kTextFieldSize || !Printable(value.Scalar(), false)) {
        fail(value, key, "a text of at most 16 printable ASCII characters");
      } else {
        result.setText(text->offset, value.Scalar());
      }
    } else if (key == "range") {
      const RangeEdges edges = value.IsScalar() ? ParseRangeText(value.Scalar()) : RangeEdges{};
      if (!value.IsScalar() || edges.lower <= 0 || edges.upper < edges.lower || edges.upper > 9999 ||
          RangeText(edges.lower, edges.upper) != value.Scalar()) {
        fail(value, key, "a range of whole MHz as LOW-HIGH, such as 446-446 or 400-470");
      } else {
        result.setWord(codeplug::kRangeLow, edges.lower);
        result.setWord(codeplug::kRangeHigh, edges.upper);
      }
    } else if (key == "range_flags" || key == "signalling") {
      const auto number = Number(value, 255);
      if (!number) {
        fail(value, key, "a whole number from 0 to 255");
      } else {
        result.bytes()[key == "range_flags" ? codeplug::kRangeFlags : codeplug::kSignalling] =
            static_cast<std::uint8_t>(*number);
      }
    } else if (key == "comment") {
      if (!value.IsScalar() || value.Scalar().size() > kMaxCommentBytes) {
        fail(value, key, "a text of at most " + std::to_string(kMaxCommentBytes) + " bytes");
      } else {
        resultComment = value.Scalar();
      }
    } else if (key == "comment_hex") {
      const auto bytes = value.IsScalar() ? BytesOfHex(value.Scalar()) : std::nullopt;
      if (!bytes || bytes->size() > kMaxCommentBytes) {
        fail(value, key, "hexadecimal digits, at most " + std::to_string(kMaxCommentBytes) + " bytes");
      } else {
        resultComment = *bytes;
      }
    } else {
      errors.push_back(ErrorAt(item.first, "file." + key,
                               "unknown key: the file's keys are model_id, model_name, version_a, version_b, range, "
                               "range_flags, signalling, comment, comment_hex and header"));
    }
  }
  if (errors.size() != before) return;
  header = result;
  comment = resultComment;
}

}  // namespace vex::codeplug_text
