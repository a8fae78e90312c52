// The main frame's menus: one action per command (texts, accelerators and
// status prompts from the language data), the menu bar built from the menu
// table and the tree table, and the check marks.
#include <QAction>
#include <QDockWidget>
#include <QMdiArea>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>

#include "adapters/settings.h"
#include "adapters/texts.h"
#include "base/text_ids.h"
#include "workspace/log_bars.h"
#include "workspace/main_frame.h"
#include "workspace/menu_table.h"

namespace vex::gui {
namespace {

constexpr int kDefaultPrompt = text::kCmdIdleMessage;
constexpr int kMenuTitleBase = text::kMenuFile;

QString textOr(const std::string& text, const QString& fallback) {
  return text.empty() ? fallback : QString::fromStdString(text);
}

bool levelShows(MenuLevel level) {
  switch (level) {
    case MenuLevel::All: return true;
    case MenuLevel::Extended: return settings::isExtendedLevel();
    case MenuLevel::Factory: return settings::isFactoryLevel();
  }
  return true;
}

// The status prompt of a menu text: the text without its mnemonic marks and
// accelerator, or the idle prompt when nothing is left.
QString statusPrompt(QString menuText) {
  menuText.remove('&');
  if (menuText.trimmed().isEmpty()) return QString::fromStdString(texts::label(kDefaultPrompt));
  return menuText;
}

}  // namespace

QAction* CMainFrame::commandAction(int command, const QString& defaultText, const char* shortcut) {
  QAction*& action = actions_[command];
  if (!action) {
    action = new QAction(this);
    action->setData(command);
    connect(action, &QAction::triggered, this, [this, command] { runCommand(command); });
    addAction(action);
  }
  if (shortcut) action->setShortcut(QKeySequence(QString::fromLatin1(shortcut)));
  // Menu texts may carry an accelerator after a tab, written "\\t" in the
  // files; the key table binds the keys, so a language file cannot bind a
  // radio write to a common chord. The menu shows the bound shortcut.
  QString text = textOr(texts::label(command), defaultText).replace(QStringLiteral("\\t"), QStringLiteral("\t"));
  if (const qsizetype tab = text.indexOf('\t'); tab >= 0) text.truncate(tab);
  action->setText(text);
  action->setStatusTip(statusPrompt(text));
  return action;
}

QAction* CMainFrame::action(int command) const {
  auto it = actions_.find(command);
  return it == actions_.end() ? nullptr : it->second;
}

void CMainFrame::buildMenus() {
  // The old menus go with the old menu bar's entries.
  for (QAction* top : menuBar()->actions())
    if (QMenu* menu = top->menu()) menu->deleteLater();
  menuBar()->clear();
  int position = 0;
  for (const MenuDef& menuDef : menuTable()) {
    QMenu* menu =
        menuBar()->addMenu(textOr(texts::label(kMenuTitleBase + position), QString::fromUtf8(menuDef.defaultTitle)));
    ++position;
    if (menuDef.entries.empty()) {
      addEditMenu(menu);
      continue;
    }
    QAction* pendingSeparator = nullptr;
    for (const MenuEntry& entry : menuDef.entries) {
      if (!levelShows(entry.level)) continue;
      if (entry.command == 0) {
        pendingSeparator = menu->addSeparator();
        continue;
      }
      QAction* act = commandAction(entry.command, QString::fromUtf8(entry.defaultText), entry.shortcut);
      menu->addAction(act);
      pendingSeparator = nullptr;
    }
    if (pendingSeparator) menu->removeAction(pendingSeparator);
  }
  for (int command : {kCmdTreeBar, kCmdLogBar, kCmdInvalidView, kCmdTabBar, kCmdToolbar, kCmdStatusBar})
    if (QAction* act = action(command)) act->setCheckable(true);
  updateCheckMarks();
}

// The Edit menu follows the tree table: a group of the first level is a
// submenu of its views; rows below the second level are reached through
// their parent's command. A group that is not shown takes its rows with it.
void CMainFrame::addEditMenu(QMenu* menu) {
  for (const MenuEntry& entry : editMenuHead())
    menu->addAction(commandAction(entry.command, QString::fromUtf8(entry.defaultText), entry.shortcut));
  menu->addSeparator();
  QMenu* group = menu;
  for (const TreeRow& row : treeTable()) {
    if (row.depth > 1) continue;
    const std::optional<std::string> text = texts::labelIfPresent(row.id);
    const QString shown = text ? QString::fromStdString(*text) : QString::fromUtf8(row.defaultText);
    const bool hidden = shown.isEmpty() || !visibleAtLevel(row.id);
    const bool isGroup = row.depth == 0 && !findView(row.id);
    if (row.depth == 0) group = menu;
    if (isGroup) {
      group = hidden ? nullptr : menu->addMenu(shown);
      continue;
    }
    if (hidden || !group) continue;
    QAction* act = commandAction(row.id, shown);
    act->setCheckable(true);
    group->addAction(act);
  }
}

void CMainFrame::updateCheckMarks() {
  auto check = [this](int command, bool on) {
    if (QAction* act = action(command)) act->setChecked(on);
  };
  check(kCmdTreeBar, treeDock_ && !treeDock_->isHidden());
  check(kCmdLogBar, logDock_ && !logDock_->isHidden());
  check(kCmdInvalidView, invalidDock_ && !invalidDock_->isHidden());
  check(kCmdTabBar, mdi_->viewMode() == QMdiArea::TabbedView);
  check(kCmdToolbar, toolBar_ && !toolBar_->isHidden());
  check(kCmdStatusBar, !statusBar()->isHidden());
  for (const TreeRow& row : treeTable()) check(row.id, frameOf(viewCommandFor(row.id)) != nullptr);
  const bool anyFrame = !openFrames().empty();
  if (QAction* act = action(kCmdCloseAll)) act->setEnabled(anyFrame);
  if (QAction* act = action(kCmdFrameClose)) act->setEnabled(anyFrame);
  updateUndoActions();
  if (QAction* act = action(kCmdCloseAllButThis)) act->setEnabled(anyFrame);
}

}  // namespace vex::gui
