#pragma once

#include "base/range_entry.h"
#include "base/text_ids.h"

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace vex {

class AppSettings;
class RangeTable;

// What a connected radio reported about itself.
struct RadioCheckInput {
  std::string modelId;
  std::string modelName;
  int versionOrder = 0;  // 1 when the radio's version is newer than this program handles
  std::array<uint8_t, 9> band{};
};

struct CompatibilityResult {
  int result = 0;     // 0 go on, 1 model mismatch, 2 radio firmware too new, 3 band unknown
  int messageId = 0;  // message text the caller shows; 0 for none

  static constexpr int kGoOn = 0;
  static constexpr int kMismatch = 1;
  static constexpr int kTooNew = 2;
  static constexpr int kBandUnknown = 3;
  static constexpr int kMismatchMessage = text::kMsgModelMismatch;
  static constexpr int kTooNewMessage = text::kMsgFirmwareTooNew;
  static constexpr int kBandUnknownMessage = text::kMsgIdentityFailed;
};

inline constexpr int kDirectionRead = 0;
inline constexpr int kDirectionWrite = 1;

// The model check when a radio is connected. A radio that reported no band
// is refused first, with nothing changed (its identity was not read whole).
// Writing: the radio's model ID
// and name must be the current ones. Otherwise: the language file must
// support the radio's model ID, and the names must agree when the IDs do; the
// range table is then reloaded for the radio's model ID (kept when it lists
// no ranges), and a radio whose model name the catalogue does not know makes
// its model ID the current one. Then the version gate. On result 0 the band
// is decoded from the radio's band block.
CompatibilityResult CheckRadioCompatibility(AppSettings& settings, RangeTable& table, int direction,
                                            const RadioCheckInput& radio, RangeEntry& band);
CompatibilityResult CheckRadioCompatibility(int direction, const RadioCheckInput& radio, RangeEntry& band);

// The question put to the user about a band the catalogue lacks.
std::string NewRangeQuestion(int languageIndex, int lower, int upper);

// Results of OfferNewRange.
inline constexpr int kRangeKnown = 0;
inline constexpr int kRangeDeclined = 1;
inline constexpr int kRangeAdded = 2;
inline constexpr int kRangeNotWritten = -1;  // the caller shows kMsgRangeNotAdded

// Offers to add the radio's band to the current model's ranges. Returns
// kRangeKnown when the table has the band already, else asks; remembers the
// answer in the settings; on Yes appends the band to Model.dat and reloads the
// table (kRangeAdded, or kRangeNotWritten when Model.dat could not be
// written), on No changes nothing (kRangeDeclined).
int OfferNewRange(AppSettings& settings, RangeTable& table, const RangeEntry& band,
                  const std::function<bool(int lower, int upper)>& ask);
int OfferNewRange(const RangeEntry& band, const std::function<bool(int lower, int upper)>& ask);

// Appends the range to the current model's section of Model.dat under the
// first free key Freq<n>, and sets Number to n + 1. False when not written.
bool AddRange(const AppSettings& settings, const RangeEntry& range);
bool AddRange(const RangeEntry& range);

// The model ID whose name list holds the name; the names of all model IDs.
std::string ModelIdOfName(const AppSettings& settings, std::string_view modelName);
std::string ModelIdOfName(std::string_view modelName);
std::vector<std::string> AllModelNames(const AppSettings& settings);
std::vector<std::string> AllModelNames();

}  // namespace vex
