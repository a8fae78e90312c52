#include "config/radio_compatibility.h"

#include "base/number_text.h"
#include "config/app_settings.h"
#include "config/model_catalogue.h"
#include "config/profile_file.h"
#include "config/radio_band.h"
#include "config/range_table.h"

namespace vex {

CompatibilityResult CheckRadioCompatibility(AppSettings& settings, RangeTable& table, int direction,
                                            const RadioCheckInput& radio, RangeEntry& band) {
  const CompatibilityResult mismatch{CompatibilityResult::kMismatch, CompatibilityResult::kMismatchMessage};
  const RangeEntry reported = BandFromRadio(radio.band.data());
  if (!IsKnownBand(reported))
    return {CompatibilityResult::kBandUnknown, CompatibilityResult::kBandUnknownMessage};
  if (direction == kDirectionWrite) {
    if (radio.modelId != settings.modelId() || radio.modelName != settings.modelName()) return mismatch;
  } else {
    if (!settings.isModelSupported(radio.modelId)) return mismatch;
    if (radio.modelId == settings.modelId() && radio.modelName != settings.modelName()) return mismatch;
    const ModelCatalogue catalogue(settings.modelCatalogueReadPath(), radio.modelId);
    table.reloadIfListed(catalogue);
    if (catalogue.modelIdOfName(radio.modelName).empty()) settings.setModelId(radio.modelId);
  }
  if (radio.versionOrder == 1) {
    return {CompatibilityResult::kTooNew, CompatibilityResult::kTooNewMessage};
  }
  band = reported;
  return {};
}

CompatibilityResult CheckRadioCompatibility(int direction, const RadioCheckInput& radio, RangeEntry& band) {
  return CheckRadioCompatibility(AppSettings::instance(), RangeTable::instance(), direction, radio, band);
}

std::string NewRangeQuestion(int languageIndex, int lower, int upper) {
  const std::string range = FormatInteger(lower) + "-" + FormatInteger(upper);
  if (languageIndex != 0) {
    return "发现一个新频段：" + range + " MHz, 是否添加？";
  }
  return "Find a new Frequency Range: " + range + " MHz,do you want to add?";
}

int OfferNewRange(AppSettings& settings, RangeTable& table, const RangeEntry& band,
                  const std::function<bool(int lower, int upper)>& ask) {
  if (table.contains(band.lower, band.upper)) return kRangeKnown;
  const bool yes = ask && ask(band.lower, band.upper);
  settings.setLastNewRangeAnswer(yes ? AppSettings::kAnswerYes : AppSettings::kAnswerNo);
  if (!yes) return kRangeDeclined;
  RangeEntry added = band;
  added.lower2 = band.lower;
  added.upper2 = band.upper;
  const bool written = AddRange(settings, added);
  table.loadForCurrentModel(settings);
  return written ? kRangeAdded : kRangeNotWritten;
}

int OfferNewRange(const RangeEntry& band, const std::function<bool(int lower, int upper)>& ask) {
  return OfferNewRange(AppSettings::instance(), RangeTable::instance(), band, ask);
}

bool AddRange(const AppSettings& settings, const RangeEntry& range) {
  if (settings.modelId().empty()) return false;
  const std::filesystem::path file = settings.modelCatalogueWritePath();
  // The first free key, so that a Number larger than the keys present
  // cannot put the range where loading never reaches.
  const int index = ModelCatalogue(file, settings.modelId()).firstMissingEntry();
  if (index >= ModelCatalogue::kMaxRanges) return false;
  const std::string value = FormatInteger(range.lower) + ", " + FormatInteger(range.upper) + ", " +
                            FormatInteger(range.lower2) + ", " + FormatInteger(range.upper2) + ", " +
                            FormatInteger(range.flags);
  return WriteProfileString(file, settings.modelId(), "Freq" + FormatInteger(index), value) &&
         WriteProfileString(file, settings.modelId(), "Number", FormatInteger(index + 1));
}

bool AddRange(const RangeEntry& range) { return AddRange(AppSettings::instance(), range); }

std::string ModelIdOfName(const AppSettings& settings, std::string_view modelName) {
  return ModelCatalogue(settings.modelCatalogueReadPath(), "").modelIdOfName(modelName);
}

std::vector<std::string> AllModelNames(const AppSettings& settings) {
  return ModelCatalogue(settings.modelCatalogueReadPath(), "").allModelNames();
}

std::string ModelIdOfName(std::string_view modelName) { return ModelIdOfName(AppSettings::instance(), modelName); }

std::vector<std::string> AllModelNames() { return AllModelNames(AppSettings::instance()); }

}  // namespace vex
