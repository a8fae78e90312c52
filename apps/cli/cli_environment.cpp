#include "cli_environment.h"

#include "config/language_selection.h"
#include "config/model_catalogue.h"
#include "config/profile_file.h"
#include "config/range_table.h"
#include "core/data_version.h"

namespace vex::cli {

Environment::Environment(DataPaths paths, std::ostream& out, std::ostream& err)
    : paths_(std::move(paths)), out_(out), err_(err) {
  const LanguageSelection selection =
      SelectLanguageFile(dataDir(), ReadProfileInt(settingsFile(), "Setting", "Language", 0));
  texts_ = LanguageTexts(selection.file);
  languageIndex_ = selection.index;
}

std::string Environment::message(int messageId) const {
  std::string text = texts_.messageText(messageId);
  return text.empty() ? "error " + std::to_string(messageId) : text;
}

int Environment::fail(int messageId, const std::string& file, const std::string& cause) {
  return failWith(message(messageId), file, cause);
}

int Environment::failWith(const std::string& text, const std::string& file, const std::string& cause) {
  err_ << "vexprog-cli: " << text;
  if (!file.empty()) err_ << " (" << file << (cause.empty() ? "" : ": " + cause) << ")";
  err_ << '\n';
  return kExitFailure;
}

std::string Environment::firstModelName(const std::string& modelId) const {
  const auto names = SplitCommaList(ReadProfileString(catalogueFile(), "Setting", modelId, "", kRoomList));
  return names.empty() ? std::string() : names.front();
}

PortLookup Environment::portLookup() const {
  const std::filesystem::path settings = settingsFile();
  return [settings](int port) {
    return ReadProfileString(settings, "Ports", "COM" + std::to_string(port), "", kRoomText);
  };
}

ModelState Environment::startingModelState() const {
  const std::filesystem::path settings = settingsFile();
  ModelState state;
  state.modelId = ReadProfileString(settings, "Setting", "ModelID", "", kRoomName);
  state.modelName = ReadProfileString(settings, "Setting", "ModelName", "", kRoomName);
  state.freqRange = ReadProfileString(settings, "Setting", "FreqRange", "", kRoomName);
  state.signal = ReadProfileInt(settings, "Setting", "Signal", 0);
  state.dataVersion = kProgramDataVersion;

  if (state.modelId.empty()) {
    const auto ids = ModelCatalogue(catalogueFile(), "").modelIds();
    if (!ids.empty()) state.modelId = ids.front();
  }
  if (state.modelName.empty()) state.modelName = firstModelName(state.modelId);
  if (state.freqRange.empty()) {
    RangeTable ranges;
    ranges.load(ModelCatalogue(catalogueFile(), state.modelId));
    const RangeEntry& first = ranges.entries().front();
    state.freqRange = RangeText(first.lower, first.upper);
  }
  return state;
}

}  // namespace vex::cli
