#pragma once
// CDlgLanguage: the list of languages (label text 1039, one entry per
// ";"-separated item) with the current language selected.
#include <string>
#include <vector>

#include <QDialog>

#include "base/text_ids.h"

namespace vex::gui {

class CDlgLanguage : public QDialog {
  Q_OBJECT
 public:
  static constexpr int kTemplateId = text::kCaptionLanguage;

  CDlgLanguage(const std::vector<std::string>& languages, int currentIndex, QWidget* parent = nullptr);

  // The chosen index; only meaningful after the dialog was accepted.
  int chosenIndex() const { return chosen_; }

 public:
  // Confirming without a selection or with the current language counts as
  // Cancel: nothing is to change.
  void accept() override;

 private:
  int current_;
  int chosen_ = -1;
};

}  // namespace vex::gui
