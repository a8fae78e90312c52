#pragma once
// CViewTestFreq (view command 32887, template 4000): the sixteen test
// channels and the five tuning (five-point) frequencies, receive and
// transmit, as two grids. The template shows only the five-point grid, which
// is not editable; the test-channel grid is editable but hidden.
#include "base/text_ids.h"
#include "views/custom_form_view.h"

class QTableView;

namespace vex::gui {

class TestFreqModel;

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

  QTableView* testGrid() const { return testGrid_; }
  QTableView* fivePointGrid() const { return fivePointGrid_; }

 private:
  void reload();
  // Ends an edit in progress so that its text reaches the section.
  void store();

  TestFreqModel* testModel_;
  TestFreqModel* fivePointModel_;
  QTableView* testGrid_;
  QTableView* fivePointGrid_;
};

}  // namespace vex::gui
