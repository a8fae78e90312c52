#include "help/help_window.h"

#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "adapters/settings.h"
#include "adapters/texts.h"

namespace vex::gui {
namespace {

QString dataDir() { return QString::fromStdString(settings::dataDirectory()); }

// The English help, when the language names no help file or one that is missing.
const QString kEnglishIndex = QStringLiteral("help/index_E.html");

// The suffix of the language's topic files, taken from its help file's
// name: "index_S.html" names the topics "<id>_S.html".
QString topicSuffix(const QFileInfo& index) {
  const QString stem = index.completeBaseName();
  return stem.startsWith(QStringLiteral("index")) ? stem.mid(5) : QString();
}

bool hasSection(const QString& topic, int id) {
  QFile file(topic);
  if (!file.open(QIODevice::ReadOnly)) return false;
  return file.read(1 << 20).contains(QStringLiteral("name=\"%1\"").arg(id).toLatin1());
}

}  // namespace

HelpWindow::HelpWindow() : browser_(new QTextBrowser(this)) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(browser_);
  browser_->setOpenLinks(true);
  browser_->setSearchPaths({QFileInfo(indexPath()).absolutePath()});
  const std::string title = texts::labelWithoutMnemonic(57667);
  setWindowTitle(title.empty() ? QStringLiteral("Help") : QString::fromStdString(title));
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
  // The language's own topic, else the English one.
  for (const QFileInfo& index : {QFileInfo(indexPath()), QFileInfo(dataDir() + '/' + kEnglishIndex)}) {
    const QString path = index.absolutePath() + QStringLiteral("/%1%2.html").arg(contextId).arg(topicSuffix(index));
    if (QFileInfo::exists(path)) return path;
  }
  return {};
}

QString HelpWindow::indexPath() {
  // The language file names its help file; the English help serves when it names none or it is missing.
  const QString named = QString::fromStdString(settings::helpFile());
  if (!named.isEmpty() && QFileInfo::exists(dataDir() + '/' + named)) return dataDir() + '/' + named;
  return dataDir() + '/' + kEnglishIndex;
}

void HelpWindow::showContext(std::initializer_list<int> contextIds) {
  for (auto found = contextIds.begin(); found != contextIds.end(); ++found) {
    const QString path = topicPath(*found);
    if (path.isEmpty()) continue;
    QString section;
    for (auto before = contextIds.begin(); before != found && section.isEmpty(); ++before)
      if (*before > 0 && hasSection(path, *before)) section = QString::number(*before);
    instance()->showFile(path, section);
    return;
  }
  showIndex();
}

void HelpWindow::showIndex() { instance()->showFile(indexPath()); }

void HelpWindow::showFile(const QString& path, const QString& section) {
  QUrl url = QUrl::fromLocalFile(path);
  if (!section.isEmpty()) url.setFragment(section);
  browser_->setSource(url);
  show();
  raise();
  activateWindow();
}

QString HelpWindow::currentTopic() const { return browser_->source().toLocalFile(); }

QString HelpWindow::currentSection() const { return browser_->source().fragment(); }

}  // namespace vex::gui
