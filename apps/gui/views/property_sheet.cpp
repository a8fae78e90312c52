#include "views/property_sheet.h"

#include <map>

#include <QTabBar>

#include "adapters/texts.h"

namespace vex::gui {
namespace {

// The page last active per view class, for the whole run of the program.
std::map<int, int>& rememberedPages() {
  static std::map<int, int> pages;
  return pages;
}

}  // namespace

CPropertySheet::CPropertySheet(int rememberKey, QWidget* parent) : QTabWidget(parent), rememberKey_(rememberKey) {
  setObjectName(QStringLiteral("sheet%1").arg(rememberKey));
  // The tabs take the focus, never the sheet around them (a screen reader
  // would find an unnamed stop there). Qt hands the policy on to the tabs,
  // which keep theirs.
  setFocusPolicy(Qt::NoFocus);
  tabBar()->setFocusPolicy(Qt::TabFocus);
}

void CPropertySheet::addPage(CPropertyPage* page, CPropertyPage::BytesSource bytes) {
  if (bytes) page->setBytesSource(std::move(bytes));
  pages_.push_back(page);
  addTab(page, QString());
  page->initialUpdate();
  connect(page, &CPropertyPage::changed, this, [this, page](int id) { emit pageChanged(page, id); });
  translateCaptions();
}

CPropertyPage* CPropertySheet::activePage() const { return qobject_cast<CPropertyPage*>(currentWidget()); }

void CPropertySheet::loadAll() {
  for (CPropertyPage* page : pages_) page->load();
}

void CPropertySheet::storeAll() {
  for (CPropertyPage* page : pages_) page->store();
}

void CPropertySheet::translateCaptions() {
  for (int i = 0; i < count(); ++i) {
    auto* page = qobject_cast<CPropertyPage*>(widget(i));
    if (!page) continue;
    const std::string caption = texts::label(page->templateId());
    setTabText(i, caption.empty() ? page->windowTitle() : QString::fromStdString(caption));
  }
}

void CPropertySheet::activateRememberedPage() {
  const auto remembered = rememberedPages().find(rememberKey_);
  if (remembered != rememberedPages().end() && remembered->second < count()) setCurrentIndex(remembered->second);
}

void CPropertySheet::rememberActivePage() const {
  if (count() > 0) rememberedPages()[rememberKey_] = currentIndex();
}

void CPropertySheet::showContextHelp(int controlId, int viewTemplateId) const {
  if (CPropertyPage* page = activePage()) page->showContextHelp(controlId, viewTemplateId);
}

}  // namespace vex::gui
