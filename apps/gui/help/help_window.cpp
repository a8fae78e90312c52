#include "help/help_window.h"

#include <QFileInfo>
#include <QPointer>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "adapters/settings.h"
#include "adapters/texts.h"

namespace vex::gui {
namespace {

QString helpDir() { return QString::fromStdString(settings::dataDirectory()) + QStringLiteral("/help"); }

}  // namespace

HelpWindow::HelpWindow() : browser_(new QTextBrowser(this)) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(browser_);
  browser_->setOpenLinks(true);
  browser_->setSearchPaths({helpDir()});
  const std::string title = texts::label(57667);
  setWindowTitle(title.empty() ? QStringLiteral("Help") : QString::fromStdString(title).remove('&'));
  resize(640, 520);
}

HelpWindow* HelpWindow::instance() {
  static QPointer<HelpWindow> window;
  if (!window) {
    window = new HelpWindow;
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setAttribute(Qt::WA_QuitOnClose, false);  // closing the main window still ends the program
  }
  return window;
}

QString HelpWindow::topicPath(int contextId) {
  if (contextId <= 0) return {};
  const QString path = helpDir() + QStringLiteral("/%1.html").arg(contextId);
  return QFileInfo::exists(path) ? path : QString();
}

QString HelpWindow::indexPath() {
  // The language file names the help file; help/index.html serves when it is absent.
  const std::string named = settings::helpFile();
  if (!named.empty()) {
    const QString path = QString::fromStdString(settings::dataDirectory() + "/" + named);
    if (QFileInfo::exists(path)) return path;
  }
  return helpDir() + QStringLiteral("/index.html");
}

void HelpWindow::showContext(std::initializer_list<int> contextIds) {
  for (int id : contextIds) {
    if (QString path = topicPath(id); !path.isEmpty()) {
      instance()->showFile(path);
      return;
    }
  }
  showIndex();
}

void HelpWindow::showIndex() { instance()->showFile(indexPath()); }

void HelpWindow::showFile(const QString& path) {
  browser_->setSource(QUrl::fromLocalFile(path));
  show();
  raise();
  activateWindow();
}

QString HelpWindow::currentTopic() const { return browser_->source().toLocalFile(); }

}  // namespace vex::gui
