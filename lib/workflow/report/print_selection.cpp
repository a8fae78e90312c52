#include "workflow/report/print_selection.h"

#include "base/text_ids.h"
#include "core/report_sections.h"

namespace vex {

bool SelectEntryOfItem(ReportSectionTable& table, std::string_view itemText) {
  for (ReportSection& entry : table.entries()) {
    if (!entry.title.empty() && itemText.find(entry.title) != std::string_view::npos) {
      entry.selected = true;
      return true;
    }
  }
  return false;
}

EmptySelectionAnswers::Answer EmptySelectionAnswers::next() {
  if (remaining_ > 0) {
    --remaining_;
    return {text::kMsgSelectSomethingToPrint, false};
  }
  remaining_ = 3;
  return {text::kMsgPrintCancelled, true};
}

EmptySelectionAnswers& EmptySelectionAnswers::process() {
  static EmptySelectionAnswers answers;
  return answers;
}

}  // namespace vex
