#include "commands/codeplug_text_commands.h"

#include <filesystem>
#include <memory>
#include <vector>

#include "adapters/settings.h"
#include "adapters/texts.h"
#include "base/file_replace.h"
#include "base/text_ids.h"
#include "commands/prompts.h"
#include "config/language_texts.h"
#include "core/codeplug_reader.h"
#include "core/container.h"
#include "views/messages.h"
#include "workflow/codeplug_text/codeplug_text.h"
#include "workspace/main_frame.h"

namespace vex::gui {
namespace {

// More lines than this are counted, not listed: the box must fit the screen.
constexpr std::size_t kMostListedErrors = 20;

LanguageTexts EnglishTexts() { return LanguageTexts(std::filesystem::path(settings::dataDirectory()) / "VEX_E.lng"); }

// The data shown as a document: the views' edits stored and encoded.
std::unique_ptr<CodeplugDocument> ShownDocument(CMainFrame& frame, const ModelState& state) {
  frame.sendToViews(WM_VIEW_STORE);
  RadioDataContainer& data = RadioDataContainer::instance();
  data.encode();
  auto document = std::make_unique<CodeplugDocument>();
  document->header = BuildSaveHeader(state);
  document->image = data.image();
  return document;
}

std::string ErrorList(const std::string& heading, const std::vector<TextError>& errors) {
  std::string text = heading;
  for (std::size_t i = 0; i < errors.size() && i < kMostListedErrors; ++i) {
    const TextError& error = errors[i];
    text += "\n" + (error.line > 0 ? TextErrorLine(error) : error.field + ": " + error.message);
  }
  if (errors.size() > kMostListedErrors) text += "\n(+" + std::to_string(errors.size() - kMostListedErrors) + ")";
  return text;
}

bool SameModelAndRange(const CodeplugHeader& a, const CodeplugHeader& b) {
  return a.text(codeplug::kModelId) == b.text(codeplug::kModelId) && a.rangeText() == b.rangeText();
}

}  // namespace

bool exportText(CMainFrame& frame, Prompts& prompts, const ModelState& state, const std::string& currentFile) {
  const std::optional<std::string> path = prompts.chooseTextPath(ExchangeMode::Export);
  if (!path) return false;
  const auto document = ShownDocument(frame, state);
  if (!currentFile.empty()) ReadCodeplugComment(currentFile, document->comment);
  if (!ReplaceFileContent(*path, ExportCodeplugText(*document, EnglishTexts()))) {
    prompts.showText(texts::message(text::kMsgFileNotWritten) + "\n" + *path);
    return false;
  }
  return true;
}

bool importText(CMainFrame& frame, Prompts& prompts, const ModelState& state) {
  const std::optional<std::string> path = prompts.chooseTextPath(ExchangeMode::Import);
  if (!path) return false;
  std::string text;
  if (!ReadWholeFile(*path, kMaxCodeplugTextBytes, text)) {
    prompts.showText(texts::message(text::kMsgTextUnreadable) + "\n" + *path);
    return false;
  }
  const auto base = ShownDocument(frame, state);
  auto result = std::make_unique<CodeplugDocument>();
  std::vector<TextError> warnings;
  const std::vector<TextError> errors = ApplyCodeplugText(text, base.get(), EnglishTexts(), *result, &warnings);
  if (!errors.empty()) {
    prompts.showText(ErrorList(texts::message(text::kMsgTextNotApplied), errors));
    return false;
  }
  // The data's model and range are the settings'; a text cannot change them here.
  if (!SameModelAndRange(result->header, base->header)) {
    prompts.showText(texts::message(text::kMsgTextNotApplied) + "\n" + texts::message(text::kMsgTextOtherModel));
    return false;
  }
  // Edits pending in the views are a step of their own; the text is one more.
  frame.recordEdits();
  frame.closeAllWindows();
  RadioDataContainer& data = RadioDataContainer::instance();
  data.image() = result->image;
  data.decode();
  frame.recordEdits();
  frame.fillTree();
  frame.selectTreeRoot();
  frame.updateStatusTexts();
  if (!warnings.empty()) prompts.showText(ErrorList(texts::message(text::kMsgReferencesChanged), warnings));
  return true;
}

}  // namespace vex::gui
