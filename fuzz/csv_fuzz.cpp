// libFuzzer entry: every input is a CSV file of channels for import-csv. What
// the parser accepts must replace the channels of the default data, encode,
// export, and come back from a second import on the same frequencies.
#include "fuzz_check.h"

#include "core/chirp_csv.h"
#include "core/container.h"

#include <string_view>

namespace {

using namespace vex;
using fuzz::Require;

bool SameChannels(const std::vector<CsvChannel>& a, const std::vector<CsvChannel>& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (a[i].values.rxFrequency != b[i].values.rxFrequency) return false;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view csv(reinterpret_cast<const char*>(data), size);
  const BandLimits band{400, 470};
  const CsvImport imported = ParseChirpCsv(csv, band);
  Require(!imported.refused() || !imported.problems.empty(), "a refused file without a problem");
  for (const CsvProblem& problem : imported.problems) {
    Require(CsvProblemMessageId(problem.issue) != 0, "a problem without a message");
    (void)CsvProblemArgument(problem);
  }
  if (imported.refused()) return 0;
  Require(!imported.channels.empty() && imported.channels.size() <= 17, "channels beyond what the radio takes");

  RadioDataContainer container;
  container.clearRecords();
  container.resetToDefaults();
  ReplaceChannels(container, imported.channels);
  container.encode();
  RadioDataContainer decoded;
  decoded.image() = container.image();
  decoded.decode();
  const std::string exported = ExportChirpCsv(decoded);
  const CsvImport again = ParseChirpCsv(exported, band);
  Require(!again.refused(), "an exported file that does not import");
  Require(SameChannels(again.channels, imported.channels), "channels that change on their way through the image");
  return 0;
}
