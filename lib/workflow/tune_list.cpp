#include "workflow/tune_list.h"

#include "base/number_text.h"
#include "config/option_list.h"

#include <map>
#include <optional>

namespace vex {
namespace {

std::optional<std::uint16_t> Word(std::string_view text, std::size_t* used) {
  const std::optional<long long> value = ParseLeadingLong(text, used);
  if (!value || *value < 0 || *value > 0xFFFF) return std::nullopt;
  return static_cast<std::uint16_t>(*value);
}

// "code,flags" as "%d,%d" reads it: blanks before each number, anything after
// the second.
std::optional<std::pair<std::uint16_t, std::uint16_t>> Pair(std::string_view text) {
  std::size_t used = 0;
  const auto code = Word(text, &used);
  if (!code || used >= text.size() || text[used] != ',') return std::nullopt;
  const auto flags = Word(text.substr(used + 1), nullptr);
  if (!flags) return std::nullopt;
  return std::pair{*code, *flags};
}

std::map<std::uint16_t, std::uint16_t> ParseFlags(std::string_view entry) {
  std::map<std::uint16_t, std::uint16_t> flags;
  while (!entry.empty()) {
    const std::size_t end = std::min(entry.find(';'), entry.size());
    // The first pair of a code counts.
    if (const auto pair = Pair(entry.substr(0, end))) flags.emplace(pair->first, pair->second);
    entry.remove_prefix(std::min(end + 1, entry.size()));
  }
  return flags;
}

}  // namespace

std::vector<TuneItem> BuildTuneList(std::string_view itemsEntry, std::string_view flagsEntry) {
  const std::map<std::uint16_t, std::uint16_t> flags = ParseFlags(flagsEntry);
  std::vector<TuneItem> items;
  if (flags.empty()) return items;
  for (const OptionPair& pair : OptionList::parse(itemsEntry).valueItems()) {
    if (pair.value < 0 || pair.value > 0xFFFF) continue;
    TuneItem item;
    item.code = static_cast<std::uint16_t>(pair.value);
    item.text = pair.text;
    if (const auto f = flags.find(item.code); f != flags.end()) item.flags = f->second;
    items.push_back(std::move(item));
  }
  return items;
}

}  // namespace vex
