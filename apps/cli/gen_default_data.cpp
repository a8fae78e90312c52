// Writes the default data file of every range of every model in the model
// catalogue: vex-gen-default-data DATA_DIR OUT_DIR
// Each file is named <model ID><lo>-<hi>DefaultSet.dat and holds the
// library's default data with its channels inside the range.
#include "config/model_catalogue.h"
#include "config/profile_file.h"
#include "config/range_table.h"
#include "core/codeplug_header.h"
#include "core/codeplug_writer.h"
#include "core/container.h"
#include "core/data_version.h"
#include "core/default_data.h"

#include <filesystem>
#include <iostream>

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: vex-gen-default-data DATA_DIR OUT_DIR\n";
    return 2;
  }
  const std::filesystem::path catalogueFile = std::filesystem::path(argv[1]) / "Model.dat";
  const std::filesystem::path outDir = argv[2];
  if (!std::filesystem::exists(catalogueFile)) {
    std::cout << "vex-gen-default-data: no " << catalogueFile << ", no default data written\n";
    return 0;
  }
  std::error_code ec;
  std::filesystem::create_directories(outDir, ec);

  int written = 0;
  for (const std::string& modelId : vex::ModelCatalogue(catalogueFile, "").modelIds()) {
    const vex::ModelCatalogue catalogue(catalogueFile, modelId);
    const auto names =
        vex::SplitCommaList(vex::ReadProfileString(catalogueFile, "Setting", modelId, "", vex::kRoomList));
    vex::RangeTable ranges;
    ranges.load(catalogue);
    for (const vex::RangeEntry& range : ranges.entries()) {
      const std::string rangeText = vex::RangeText(range.lower, range.upper);
      vex::RadioDataContainer data;
      vex::MakeDefaultData(data, range.lower, range.upper);
      data.encode();
      const vex::ModelState state{modelId, names.empty() ? modelId : names.front(), rangeText, 0,
                                  vex::kProgramDataVersion};
      const std::string path = (outDir / (modelId + rangeText + "DefaultSet.dat")).string();
      if (!vex::WriteCodeplugFile(path, vex::BuildSaveAsHeader(state, range.flags), {}, data.image(), "")) {
        std::cerr << "vex-gen-default-data: cannot write " << path << '\n';
        return 1;
      }
      ++written;
    }
  }
  if (written == 0) {
    std::cerr << "vex-gen-default-data: no model ranges in " << catalogueFile << '\n';
    return 1;
  }
  return 0;
}
