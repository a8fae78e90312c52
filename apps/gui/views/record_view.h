#pragma once
// CRecordView: the base of the views that edit one record of a list at a
// time (channels, personalities, scan lists, alert tones). It keeps the
// current record, applies the navigation bar's moves to the container's list
// (store before, load after), follows the view's own Add and Delete rules
// and announces every move as a change notice, to the main frame and to the
// container's items. Views with pages give it a property sheet; their pages
// then edit the current record's fields.
#include <cstdint>
#include <span>

#include "core/record_moves.h"
#include "views/custom_form_view.h"

namespace vex::gui {

class CPropertyPage;
class CPropertySheet;

class CRecordView : public CCustomFormView {
  Q_OBJECT
 public:
  CRecordView(const FormDef& formDef, RecordKind list, LastRecordDelete lastRecord, QWidget* parent = nullptr);

  RecordKind list() const { return list_; }
  // Add does nothing once the list holds this many records (the view table's
  // most records; the library's own limit holds as well).
  void setAddLimit(std::size_t limit) { rules_.addLimit = limit; }
  std::size_t addLimit() const { return rules_.addLimit; }

  // Opening: the sheet's texts, the first record (created when the list is
  // empty), the remembered page.
  void initialUpdate() override;
  long handleMessage(int message, long wParam, long lParam, const ChangeNotice* notice = nullptr) override;
  void closing() override;
  void showContextHelp(int controlId = 0) override;
  // With a sheet: the active page's topic, else the view's.
  void showViewHelp() override;

  // 1-based position of the current record; 0 when there is none.
  int position() const override;
  int currentKey() const { return current_; }
  // The current record's bytes; empty when there is none.
  std::span<std::uint8_t> currentBytes() const;
  CPropertySheet* sheet() const { return sheet_; }

  // Applies a move of the navigation bar (first ... go to `number`).
  void navigate(RecordMove move, int number = 0);
  // Sends a change notice to the main frame, then hands it to the container.
  void announce(ChangeNotice notice);

 protected:
  // A sheet filling the form (`sheet` when the view brings a sheet class of
  // its own); pages added to it edit the current record.
  CPropertySheet* createSheet(CPropertySheet* sheet = nullptr);
  // The sheet's pages are all added: size the form to the sheet.
  void fitFormToSheet();
  // The current record into the controls, and back. By default the sheet's
  // pages load and store; views without a sheet override both.
  virtual void loadCurrent();
  virtual void storeCurrent();
  // A change notice from any view (WM_DATA_CHANGED with a notice).
  virtual void noticeReceived(const ChangeNotice& notice) { (void)notice; }
  // A page stored a user change of control `id`; by default the plain
  // WM_DATA_CHANGED goes to the main frame.
  virtual void pageChanged(CPropertyPage* page, int id);
  // Makes another record current without a move (a click in a list); 0: none.
  void setCurrentKey(int key) { current_ = key; }

 private:
  // The first record becomes current; an empty list gets a new one first.
  void refresh();
  RecordListAccess records() const;

  RecordKind list_;
  MoveRules rules_;
  int current_ = 0;
  CPropertySheet* sheet_ = nullptr;
  bool opened_ = false;
};

}  // namespace vex::gui
