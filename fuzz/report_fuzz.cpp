// libFuzzer entry: every input is a radio image (and a model state) for the
// report builder, with every section selected, laid out as text.
#include "fuzz_check.h"

#include "config/language_texts.h"
#include "core/container.h"
#include "core/report_sections.h"
#include "workflow/report/report_builder.h"
#include "workflow/report/report_text.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace vex;
  static const LanguageTexts texts(VEX_FUZZ_LANGUAGE_FILE);
  FuzzedDataProvider input(data, size);
  ModelState model;
  model.modelId = input.ConsumeRandomLengthString(20);
  model.modelName = input.ConsumeRandomLengthString(20);
  model.freqRange = input.ConsumeRandomLengthString(12);
  model.signal = input.ConsumeIntegral<std::uint8_t>();
  model.dataVersion = input.ConsumeRandomLengthString(20);
  const int languageIndex = input.ConsumeIntegralInRange(0, 1);
  const std::vector<std::uint8_t> bytes = input.ConsumeRemainingBytes<std::uint8_t>();

  RadioDataContainer container;
  std::fill(container.image().begin(), container.image().end(), 0xFF);
  std::copy_n(bytes.begin(), std::min(bytes.size(), container.image().size()), container.image().begin());
  container.decode();
  ReportSectionTable table;
  for (std::size_t i = 0; i < table.size(); ++i) table[i].selected = true;
  const ReportSource source{container, texts, model, languageIndex};
  const std::vector<ReportLine> lines = BuildReport(table, source);
  fuzz::Require(!lines.empty(), "a report without lines");
  (void)ReportText(lines);
  return 0;
}
