#include "workspace/child_frame.h"

#include <algorithm>

#include <QCloseEvent>
#include <QMdiArea>
#include <QScreen>
#include <QMenu>
#include <QStyle>
#include <QVBoxLayout>

#include "adapters/texts.h"
#include "base/text_ids.h"
#include "help/help_window.h"
#include "views/custom_form_view.h"
#include "views/messages.h"
#include "views/view_host.h"
#include "workspace/nav_bar.h"

namespace vex::gui {
namespace {

constexpr QSize kWorkspaceChrome{280, 160};

}  // namespace

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
  connect(navBar_, &CNavBar::helpRequested, this, [this] { view_->showViewHelp(); });
  connect(navBar_, &CNavBar::moveRequested, this, &CChildFrame::move);
  connect(navBar_, &CNavBar::listRequested, this, [this] { view_->deliver(WM_VIEW_SHOW_LIST, 0, 0); });
  buildFrameMenu();
}

void CChildFrame::buildFrameMenu() {
  QMenu* menu = new QMenu(this);
  const std::pair<int, const char*> entries[] = {
      {kCmdFrameMinimize, "Min"}, {kCmdFrameRestore, "Restore"}, {kCmdFrameMaximize, "Max"}, {kCmdFrameClose, "Close"}};
  for (auto [command, defaultText] : entries) {
    const std::string text = texts::label(command);
    QAction* action = menu->addAction(text.empty() ? QString::fromLatin1(defaultText) : QString::fromStdString(text));
    action->setData(command);
    connect(action, &QAction::triggered, this, [this, command] { frameCommand(command); });
  }
  setSystemMenu(menu);
}

void CChildFrame::frameCommand(int command) {
  switch (command) {
    case kCmdFrameMinimize: showMinimized(); break;
    case kCmdFrameRestore: showNormal(); break;
    case kCmdFrameMaximize: showMaximized(); break;
    case kCmdFrameClose: close(); break;
    default: break;
  }
}

void CChildFrame::navState(int multiRecord, int code) {
  navBar_->applyState(multiRecord, code);
  // The channel view switches to the channel list through the bar.
  if (entry_.viewClass == ViewClass::Channel)
    navBar_->showListButton(QString::fromStdString(texts::label(text::kCaptionChannelList)));
}
void CChildFrame::navPosition(int position, int count) { navBar_->setPosition(position, count); }

void CChildFrame::fitToForm() {
  const QSize form = view_->form()->size();
  const QSize frameExtra = size() - (widget() ? widget()->size() : size());
  const int width = std::max(form.width(), navBar_->minimumWidth()) + 4;
  QSize wanted = QSize(width, form.height() + navBar_->height() + 4) + frameExtra.expandedTo(QSize(8, 30));
  // Never larger than the space the frames have: the view scrolls instead.
  if (const QSize space = areaSpace(); space.isValid()) wanted = wanted.boundedTo(space);
  resize(wanted);
}

QSize CChildFrame::areaSpace() const {
  if (QMdiArea* area = mdiArea(); area && area->isVisible()) return area->viewport()->size();
  if (QScreen* screen = this->screen()) return screen->availableSize() - kWorkspaceChrome;
  return {};
}

void CChildFrame::placeInCascade(int others) {
  const int step = std::max(1, style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, this));
  const QSize room = areaSpace() - size();
  const int steps = std::max(1, std::min(room.width(), room.height()) / step + 1);
  const int at = others % steps * step;
  QMdiSubWindow::move(at, at);
  keepInsideArea();
}

void CChildFrame::keepInsideArea() {
  if (!mdiArea()) return;
  const QRect space(QPoint(), areaSpace());
  QRect place = geometry();
  if (place.right() > space.right()) place.moveRight(space.right());
  if (place.bottom() > space.bottom()) place.moveBottom(space.bottom());
  if (place.left() < space.left()) place.moveLeft(space.left());
  if (place.top() < space.top()) place.moveTop(space.top());
  QMdiSubWindow::move(place.topLeft());
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
    emit closing();
  }
  QMdiSubWindow::closeEvent(event);
}

}  // namespace vex::gui
