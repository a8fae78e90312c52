#include "workspace/child_frame.h"

#include <QCloseEvent>
#include <QStyle>
#include <QVBoxLayout>

#include "help/help_window.h"
#include "views/custom_form_view.h"
#include "views/messages.h"
#include "views/view_host.h"
#include "workspace/nav_bar.h"

namespace vex::gui {

CChildFrame::CChildFrame(const ViewEntry& entry, CCustomFormView* view, QWidget* parent)
    : QMdiSubWindow(parent), entry_(entry), view_(view), navBar_(new CNavBar) {
  setAttribute(Qt::WA_DeleteOnClose);
  setObjectName(QStringLiteral("VEXForm%1").arg(entry.command));
  auto* body = new QWidget;
  auto* layout = new QVBoxLayout(body);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(navBar_);
  layout->addWidget(view_, 1);
  setWidget(body);
  setWindowIcon(style()->standardIcon(QStyle::SP_FileIcon));
  connect(navBar_, &CNavBar::closeRequested, this, &QMdiSubWindow::close);
  connect(navBar_, &CNavBar::printRequested, this, [this] { emit printRequested(this); });
  connect(navBar_, &CNavBar::helpRequested, this, [this] { HelpWindow::showContext({view_->templateId()}); });
  connect(navBar_, &CNavBar::moveRequested, this, &CChildFrame::move);
}

void CChildFrame::navState(int multiRecord, int code) { navBar_->applyState(multiRecord, code); }
void CChildFrame::navPosition(int position, int count) { navBar_->setPosition(position, count); }

void CChildFrame::fitToForm() {
  const QSize form = view_->form()->size();
  const QSize frameExtra = size() - (widget() ? widget()->size() : size());
  const int width = std::max(form.width(), navBar_->minimumWidth()) + 4;
  resize(QSize(width, form.height() + navBar_->height() + 4) + frameExtra.expandedTo(QSize(8, 30)));
}

void CChildFrame::move(int k) {
  view_->deliver(WM_VIEW_NAVIGATE, 0, k);
  if (ViewHost* host = ViewHost::current())
    host->sendToMainFrame(WM_VIEW_NAVIGATE, static_cast<long>(entry_.viewClass), k, nullptr);
}

void CChildFrame::closeEvent(QCloseEvent* event) {
  if (!closed_) {
    view_->closing();
    closed_ = true;
  }
  QMdiSubWindow::closeEvent(event);
}

}  // namespace vex::gui
