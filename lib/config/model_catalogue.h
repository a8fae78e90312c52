#pragma once

#include "base/range_entry.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vex {

// Reader of the model catalogue Model.dat: [Setting] ModelID lists the model
// IDs, [Setting] <model ID> the model names of each, and each model ID's
// section holds Number and the ranges Freq0, Freq1, ... as
// "lower, upper, lower2, upper2, flags".
class ModelCatalogue {
 public:
  ModelCatalogue(std::filesystem::path file, std::string modelId);

  const std::filesystem::path& file() const { return file_; }
  const std::string& modelId() const { return modelId_; }

  // Number of the model's section, read when the reader was opened or its
  // model changed; 0 when absent.
  int number() const { return number_; }

  // Turns the reader to another model ID's section and re-reads Number.
  void setModel(std::string modelId);

  // Range entry i (key Freq<i>); nothing when the key is missing or empty.
  std::optional<RangeEntry> readEntry(int i) const;

  // Index of the first missing range key: where a new range goes.
  int firstMissingEntry() const;

  // The model IDs of [Setting] ModelID, in order.
  std::vector<std::string> modelIds() const;

  // The first model ID (in the ModelID list's order) whose name list holds
  // the name exactly; "" when none does.
  std::string modelIdOfName(std::string_view name) const;

  // The name lists of all model IDs, one after the other.
  std::vector<std::string> allModelNames() const;

  // A model with more ranges than this is cut (the file is data).
  static constexpr int kMaxRanges = 1000;

 private:
  std::filesystem::path file_;
  std::string modelId_;
  int number_ = 0;
};

// Splits a comma-separated list; items are kept as they stand (no trimming).
std::vector<std::string> SplitCommaList(std::string_view list);

}  // namespace vex
