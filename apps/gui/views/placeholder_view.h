#pragma once
// Forms for views that this release does not offer yet. The multi-record
// one already moves through its list, so the navigation bar and the tree
// work on it as on the real view.
#include "views/custom_form_view.h"
#include "views/record_view.h"

namespace vex::gui {

class CPlaceholderView : public CCustomFormView {
  Q_OBJECT
 public:
  explicit CPlaceholderView(int templateId, QWidget* parent = nullptr);
};

class CPlaceholderRecordView : public CRecordView {
  Q_OBJECT
 public:
  CPlaceholderRecordView(int templateId, RecordKind list, LastRecordDelete lastRecord, QWidget* parent = nullptr);

 protected:
  void loadCurrent() override {}
  void storeCurrent() override {}
};

}  // namespace vex::gui
