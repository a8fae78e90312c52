#include "commands/file_commands.h"

#include <QAction>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>

#include "adapters/radio_data.h"
#include "adapters/texts.h"
#include "commands/prompts.h"
#include "commands/recent_files.h"
#include "config/range_table.h"
#include "core/container.h"
#include "views/messages.h"
#include "workspace/main_frame.h"

namespace vex::gui {
namespace {

constexpr const char* kRecentProperty = "vexRecentFile";

}  // namespace

FileCommands::FileCommands(CMainFrame& frame, Prompts& prompts, AppSettings& settings, RecentFiles& recent)
    : frame_(frame),
      prompts_(prompts),
      recent_(recent),
      host_(RadioDataContainer::instance(), radio_data::invalidLog(), settings, RangeTable::instance()),
      session_(host_) {
  host_.onConfirm = [this](int messageId) { return prompts_.askOkCancel(messageId); };
  host_.onHasUnsavedChanges = [this] { return frame_.isModified(); };
  // Data read from a radio come from no file: Save must ask where to write.
  connect(&frame_, &CMainFrame::documentReplaced, this, [this](const QString& path) {
    if (path.isEmpty()) session_.forgetFileName();
  });
  host_.onCloseViews = [this] { frame_.closeAllWindows(); };
  host_.onCommitPendingEdits = [this] { frame_.sendToViews(WM_VIEW_STORE); };
}

void FileCommands::showNewData() {
  const std::string& path = session_.fileName();
  radio_data::origin() = path.empty() ? DataOrigin{} : DataOrigin{DataOrigin::Source::File, path, {}};
  frame_.dataReplaced(QString::fromStdString(path));
  frame_.updateStatusTexts();
  frame_.fillTree();
  frame_.selectTreeRoot();
}

bool FileCommands::report(const FlowOutcome& outcome, const std::string& path) {
  // The data stay as they are after a failed save, so the user can save elsewhere.
  if (outcome.messageId != 0 && !outcome.reason.empty())
    prompts_.showText(texts::message(outcome.messageId) + "\n" + outcome.reason);
  else if (outcome.messageId != 0)
    prompts_.showMessage(outcome.messageId);
  if (outcome.removeFromRecentFiles) recent_.remove(QString::fromStdString(path));
  if (outcome.addToRecentFiles) recent_.add(QString::fromStdString(path));
  if (outcome.addToRecentFiles || outcome.removeFromRecentFiles) refreshRecentMenu();
  return outcome.ok();
}

void FileCommands::startUp() {
  const FlowOutcome outcome = session_.newDocument();
  report(outcome, {});
  showNewData();
}

bool FileCommands::newFile() {
  const FlowOutcome outcome = session_.newDocument();
  if (outcome.status == FlowStatus::cancelled) return false;
  report(outcome, {});
  showNewData();
  return outcome.ok();
}

bool FileCommands::loadDefaultData() {
  const FlowOutcome outcome = session_.loadDefaultData();
  report(outcome, {});
  showNewData();
  return outcome.ok();
}

bool FileCommands::open() {
  const std::optional<std::string> path = prompts_.chooseOpenPath();
  return path && openPath(*path);
}

bool FileCommands::openPath(const std::string& path) {
  const FlowOutcome outcome = session_.open(path);
  const bool ok = report(outcome, path);
  if (ok) showNewData();
  return ok;
}

bool FileCommands::openRecent(const std::string& path) {
  const FlowOutcome outcome = session_.openRecent(path);
  const bool ok = report(outcome, path);
  if (ok) showNewData();
  return ok;
}

SaveAsPrompt FileCommands::saveAsPrompt() {
  return [this](const CodeplugHeader& header) { return prompts_.chooseSaveAs(header, session_.fileName()); };
}

bool FileCommands::save() {
  const FlowOutcome outcome = session_.save(saveAsPrompt());
  const bool ok = report(outcome, session_.fileName());
  if (ok) savedTo(session_.fileName());
  return ok;
}

bool FileCommands::saveAs() {
  const FlowOutcome outcome = session_.saveAs(saveAsPrompt());
  const bool ok = report(outcome, session_.fileName());
  if (ok) savedTo(session_.fileName());
  return ok;
}

void FileCommands::savedTo(const std::string& path) {
  frame_.setDocumentPath(QString::fromStdString(path));
  frame_.dataSaved();
  radio_data::origin() = {DataOrigin::Source::File, path, {}};
}

void FileCommands::buildMenus() {
  frame_.buildMenus();
  refreshRecentMenu();
}

QMenu* FileCommands::fileMenu() const {
  const QList<QAction*> menus = frame_.menuBar()->actions();
  return menus.isEmpty() ? nullptr : menus.front()->menu();
}

void FileCommands::refreshRecentMenu() {
  QMenu* menu = fileMenu();
  if (!menu) return;
  for (QAction* action : menu->actions())
    if (action->property(kRecentProperty).isValid()) {
      menu->removeAction(action);
      action->deleteLater();
    }
  const QList<QAction*> actions = menu->actions();
  QAction* before = actions.isEmpty() ? nullptr : actions.back();  // Exit stays last
  const QStringList entries = recent_.entries();
  int number = 0;
  for (const QString& path : entries) {
    ++number;
    auto* action = new QAction(QStringLiteral("&%1 %2").arg(number).arg(QFileInfo(path).fileName()), menu);
    action->setToolTip(path);
    action->setStatusTip(path);
    action->setProperty(kRecentProperty, path);
    connect(action, &QAction::triggered, this, [this, path] { openRecent(path.toStdString()); });
    menu->insertAction(before, action);
  }
  if (!entries.isEmpty()) {
    auto* separator = new QAction(menu);
    separator->setSeparator(true);
    separator->setProperty(kRecentProperty, QString());
    menu->insertAction(before, separator);
  }
}

}  // namespace vex::gui
