#include "commands/channel_csv_commands.h"

#include <algorithm>
#include <string>

#include "adapters/settings.h"
#include "adapters/texts.h"
#include "base/file_replace.h"
#include "base/text_ids.h"
#include "commands/prompts.h"
#include "config/safe_format.h"
#include "core/chirp_csv.h"
#include "core/container.h"
#include "core/lost_references.h"
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

// A file that is no CSV of channels at all is refused whatever lines are taken.
bool choiceMayHelp(const CsvImport& imported) {
  return std::none_of(imported.problems.begin(), imported.problems.end(),
                      [](const CsvProblem& problem) { return problem.issue == CsvIssue::Unreadable; });
}

}  // namespace

std::string referenceChangeList(const std::vector<ReferenceChange>& changes) {
  std::string text = texts::message(text::kMsgReferencesChanged);
  for (const ReferenceChange& change : changes) text += "\n" + ReferenceChangeText(change);
  return text;
}

bool importChannels(CMainFrame& frame, Prompts& prompts) {
  const std::optional<std::string> path = prompts.chooseCsvPath(ExchangeMode::Import);
  if (!path) return false;
  std::string csv;
  if (!ReadWholeFile(*path, kMaxCsvBytes, csv)) {
    prompts.showText(texts::message(text::kMsgCsvUnreadable));
    return false;
  }
  // A refused file may still serve: the user can take a range of its lines
  // and leave out those the radio cannot carry, until it imports or is cancelled.
  const BandLimits band = BandLimitsOf(settings::freqRange());
  CsvLineChoice choice;
  CsvImport imported = ParseChirpCsv(csv, band, choice);
  while (imported.refused()) {
    const std::string problems = problemList(texts::message(text::kMsgCsvNotImported), imported.problems);
    if (!choiceMayHelp(imported)) {
      prompts.showText(problems);
      return false;
    }
    const std::optional<CsvLineChoice> chosen = prompts.chooseCsvLines(problems, choice);
    if (!chosen) return false;
    choice = *chosen;
    imported = ParseChirpCsv(csv, band, choice);
  }
  // Edits pending in other views are kept as a step of their own; the import
  // is one more, and the channel views show the new list.
  frame.sendToViews(WM_VIEW_STORE);
  frame.recordEdits();
  const std::vector<ReferenceChange> changes = ReplaceChannels(RadioDataContainer::instance(), imported.channels);
  frame.recordEdits();
  frame.closeAllWindows();
  frame.fillTree();
  frame.selectTreeRoot();
  frame.updateStatusTexts();
  std::string notes = problemList({}, imported.problems);
  if (!changes.empty()) notes += (notes.empty() ? "" : "\n") + referenceChangeList(changes);
  if (!notes.empty()) prompts.showText(notes);
  return true;
}

bool exportChannels(CMainFrame& frame, Prompts& prompts) {
  const std::optional<std::string> path = prompts.chooseCsvPath(ExchangeMode::Export);
  if (!path) return false;
  frame.sendToViews(WM_VIEW_STORE);
  if (!ReplaceFileContent(*path, ExportChirpCsv(RadioDataContainer::instance()))) {
    prompts.showText(texts::message(text::kMsgFileNotWritten) + "\n" + *path);
    return false;
  }
  return true;
}

}  // namespace vex::gui
