#pragma once
// CViewPersonality: one personality of the list at a time, on an RX/TX and
// a Squelch page. Moves, the Add limit, the last-personality rule and the
// change notices come from the record view; a Delete's notice makes every
// channel check that its personality still exists.
#include "views/record_view.h"

namespace vex::gui {

class CViewPersonality : public CRecordView {
  Q_OBJECT
 public:
  static constexpr int kTemplateId = 2310;
  explicit CViewPersonality(QWidget* parent = nullptr);
};

}  // namespace vex::gui
