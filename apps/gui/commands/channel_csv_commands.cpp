#include "commands/channel_csv_commands.h"

#include <string>

#include "adapters/settings.h"
#include "adapters/texts.h"
#include "base/file_replace.h"
#include "base/text_ids.h"
#include "commands/prompts.h"
#include "config/safe_format.h"
#include "core/chirp_csv.h"
#include "core/container.h"
#include "views/messages.h"
#include "workspace/main_frame.h"

namespace vex::gui {
namespace {

std::string problemText(const CsvProblem& problem) {
  return formatText(texts::message(CsvProblemMessageId(problem.issue)), CsvProblemArgument(problem));
}

// The problems one per line under `heading` (when not empty).
std::string problemList(const std::string& heading, const std::vector<CsvProblem>& problems) {
  std::string text = heading;
  for (const CsvProblem& problem : problems) {
    if (!text.empty()) text += '\n';
    text += problemText(problem);
  }
  return text;
}

}  // namespace

bool importChannels(CMainFrame& frame, Prompts& prompts) {
  const std::optional<std::string> path = prompts.chooseCsvPath(CsvPathMode::Import);
  if (!path) return false;
  std::string csv;
  if (!ReadWholeFile(*path, kMaxCsvBytes, csv)) {
    prompts.showText(texts::message(text::kMsgCsvUnreadable));
    return false;
  }
  const CsvImport imported = ParseChirpCsv(csv, BandLimitsOf(settings::freqRange()));
  if (imported.refused()) {
    prompts.showText(problemList(texts::message(text::kMsgCsvNotImported), imported.problems));
    return false;
  }
  // Edits pending in other views are kept; the channel views show the new list.
  frame.sendToViews(WM_VIEW_STORE);
  ReplaceChannels(RadioDataContainer::instance(), imported.channels);
  frame.closeAllWindows();
  frame.fillTree();
  frame.selectTreeRoot();
  frame.updateStatusTexts();
  if (!imported.problems.empty()) prompts.showText(problemList({}, imported.problems));
  return true;
}

bool exportChannels(CMainFrame& frame, Prompts& prompts) {
  const std::optional<std::string> path = prompts.chooseCsvPath(CsvPathMode::Export);
  if (!path) return false;
  frame.sendToViews(WM_VIEW_STORE);
  if (!ReplaceFileContent(*path, ExportChirpCsv(RadioDataContainer::instance()))) {
    prompts.showText(texts::message(text::kMsgFileNotWritten) + "\n" + *path);
    return false;
  }
  return true;
}

}  // namespace vex::gui
