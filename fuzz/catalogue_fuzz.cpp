// libFuzzer entry: every input is a model catalogue (Model.dat), read as
// start-up, New and a radio connect read it, and a radio's band block.
#include "config/model_catalogue.h"
#include "config/radio_band.h"
#include "config/range_table.h"
#include "fuzz_check.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <array>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace vex;
  using fuzz::Require;
  static const std::string path = fuzz::ScratchPath("Model.dat");

  FuzzedDataProvider input(data, size);
  std::array<std::uint8_t, 9> band{};
  input.ConsumeData(band.data(), band.size());
  const RangeEntry radioBand = BandFromRadio(band.data());
  Require(radioBand.lower >= 0 && radioBand.lower <= 999 && radioBand.upper >= 0 && radioBand.upper <= 999,
          "a band edge beyond eight BCD digits of 10 Hz");

  const std::string modelId = input.ConsumeRandomLengthString(16);
  const std::string name = input.ConsumeRandomLengthString(16);
  fuzz::WriteFile(path, input.ConsumeRemainingBytesAsString());

  ModelCatalogue catalogue(path, modelId);
  RangeTable table;
  table.load(catalogue);
  Require(table.size() >= 1 && table.size() <= static_cast<std::size_t>(ModelCatalogue::kMaxRanges),
          "a range table outside 1..kMaxRanges entries");
  (void)table.reloadIfListed(catalogue);
  (void)table.flags(RangeText(radioBand.lower, radioBand.upper));
  (void)catalogue.firstMissingEntry();
  for (const std::string& id : catalogue.modelIds()) catalogue.setModel(id);
  (void)catalogue.allModelNames();
  const std::string found = catalogue.modelIdOfName(name);
  Require(found.empty() || !catalogue.modelIds().empty(), "a model ID found outside the ModelID list");
  return 0;
}
