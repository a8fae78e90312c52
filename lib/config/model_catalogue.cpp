#include "config/model_catalogue.h"

#include "config/profile_file.h"
#include "base/number_text.h"

#include <algorithm>

namespace vex {

namespace {

constexpr std::string_view kSetting = "Setting";

std::string RangeKey(int i) { return "Freq" + FormatInteger(i); }

}  // namespace

std::vector<std::string> SplitCommaList(std::string_view list) {
  std::vector<std::string> items;
  if (list.empty()) return items;
  while (true) {
    const std::size_t comma = list.find(',');
    items.emplace_back(list.substr(0, comma));
    if (comma == std::string_view::npos) break;
    list.remove_prefix(comma + 1);
  }
  return items;
}

ModelCatalogue::ModelCatalogue(std::filesystem::path file, std::string modelId) : file_(std::move(file)) {
  setModel(std::move(modelId));
}

void ModelCatalogue::setModel(std::string modelId) {
  modelId_ = std::move(modelId);
  number_ = modelId_.empty() ? 0 : ReadProfileInt(file_, modelId_, "Number", 0);
}

std::optional<RangeEntry> ModelCatalogue::readEntry(int i) const {
  if (modelId_.empty()) return std::nullopt;
  const auto value = FindProfileString(file_, modelId_, RangeKey(i), kRoomName);
  if (!value || value->empty()) return std::nullopt;
  const std::vector<std::string> fields = SplitCommaList(*value);
  const auto field = [&](std::size_t k) { return k < fields.size() ? ParseLeadingInt(fields[k]).value_or(0) : 0; };
  return RangeEntry{field(0), field(1), field(2), field(3), static_cast<uint8_t>(field(4) & 0xFF)};
}

int ModelCatalogue::firstMissingEntry() const {
  int i = 0;
  while (i < kMaxRanges && readEntry(i)) ++i;
  return i;
}

std::vector<std::string> ModelCatalogue::modelIds() const {
  return SplitCommaList(ReadProfileString(file_, kSetting, "ModelID", "", kRoomList));
}

std::string ModelCatalogue::modelIdOfName(std::string_view name) const {
  if (name.empty()) return {};
  for (const std::string& id : modelIds()) {
    if (id.empty()) continue;
    const auto names = SplitCommaList(ReadProfileString(file_, kSetting, id, "", kRoomList));
    if (std::find(names.begin(), names.end(), name) != names.end()) return id;
  }
  return {};
}

std::vector<std::string> ModelCatalogue::allModelNames() const {
  std::vector<std::string> all;
  for (const std::string& id : modelIds()) {
    if (id.empty()) continue;
    for (std::string& name : SplitCommaList(ReadProfileString(file_, kSetting, id, "", kRoomList))) {
      if (!name.empty()) all.push_back(std::move(name));
    }
  }
  return all;
}

}  // namespace vex
