#pragma once
// CPropertySheet: the pages of a view as tabs. Tab captions are the label
// texts of the pages' template ids; the sheet loads and stores its pages in
// the order they were added, passes help to the active page, and remembers,
// for the whole run of the program, which page was active when a view of
// the same class closed last.
#include <vector>

#include <QTabWidget>

#include "views/property_page.h"

namespace vex::gui {

class CPropertySheet : public QTabWidget {
  Q_OBJECT
 public:
  // `rememberKey` names the view class whose remembered page this sheet
  // shares (the view's template id).
  explicit CPropertySheet(int rememberKey, QWidget* parent = nullptr);

  // Adds a page: its tab caption, its texts, and the bytes its fields live in.
  void addPage(CPropertyPage* page, CPropertyPage::BytesSource bytes = {});
  const std::vector<CPropertyPage*>& pages() const { return pages_; }
  CPropertyPage* activePage() const;

  void loadAll();
  void storeAll();
  // The tab captions again (after a language change).
  void translateCaptions();
  // Shows the page that was active when the last sheet of the same view
  // class was closed; the view calls it once its pages are added.
  void activateRememberedPage();
  // The active page becomes the one to remember; the view calls it when it closes.
  void rememberActivePage() const;
  // Help for a control of the active page (0: the focused one).
  void showContextHelp(int controlId, int viewTemplateId) const;

 signals:
  // A page stored a user change.
  void pageChanged(CPropertyPage* page, int id);

 private:
  int rememberKey_;
  std::vector<CPropertyPage*> pages_;
};

}  // namespace vex::gui
