// The print-selection dialog's rules, apart from its window: which report
// section a ticked tree item selects, and what an OK with nothing ticked says.
#pragma once

#include <string_view>

namespace vex {

class ReportSectionTable;

// Selects the first entry whose title occurs in the item's text; false when
// none does (an empty title occurs nowhere).
bool SelectEntryOfItem(ReportSectionTable& table, std::string_view itemText);

// The answers to OK with nothing ticked, kept for the whole program: three
// times the request to select something (the dialog stays open), then the
// notice that printing is cancelled (the dialog closes), and so on.
class EmptySelectionAnswers {
 public:
  struct Answer {
    int messageId;
    bool closesDialog;
  };
  Answer next();

  static EmptySelectionAnswers& process();

 private:
  int remaining_ = 3;
};

}  // namespace vex
