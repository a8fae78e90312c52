#pragma once
// CViewTestFreq (view command 32887, template 4000): the sixteen test
// channels and the five tuning (five-point) frequencies, receive and
// transmit, as two grids of MHz texts. The template shows only the
// five-point grid, which is not editable; the test-channel grid is editable
// but hidden. A typed frequency is stored at once with its step code (an
// off-raster value moves down to 12.5 kHz; empty or 0 stores none).
#include "base/text_ids.h"
#include "core/sections/test_freq_section.h"
#include "views/custom_form_view.h"

namespace vex::gui {

class CGrid;

class CViewTestFreq : public CCustomFormView {
  Q_OBJECT
 public:
  static constexpr int kTemplateId = text::kCaptionTestFreq;
  static constexpr int kTestGrid = 4010;
  static constexpr int kFivePointGrid = 4011;

  explicit CViewTestFreq(QWidget* parent = nullptr);

  void initialUpdate() override;
  long handleMessage(int message, long wParam, long lParam, const ChangeNotice* notice = nullptr) override;
  void closing() override;

  CGrid* testGrid() const { return testGrid_; }
  CGrid* fivePointGrid() const { return fivePointGrid_; }

 private:
  void load();
  // Ends an edit in progress so that its text reaches the section.
  void store();
  void cellEdited(int row, int column);

  CGrid* testGrid_;
  CGrid* fivePointGrid_;
};

}  // namespace vex::gui
