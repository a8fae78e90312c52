#include <gtest/gtest.h>

#include <map>
#include <optional>

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QSignalSpy>
#include <QTest>

#include "gui_test_support.h"
#include "toolkit/control_id.h"
#include "views/custom_form_view.h"
#include "workspace/child_frame.h"
#include "workspace/main_frame.h"
#include "workspace/menu_table.h"

namespace vex::gui {
namespace {

// A shown, active main window with the miscellaneous view open.
class ActiveMainFrame : public ::testing::Test {
 protected:
  void SetUp() override {
    frame.show();
    frame.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&frame, 60000));
    mis = frame.openView(32803);
  }
  test::DataDir data;
  CMainFrame frame;
  CChildFrame* mis = nullptr;
};

TEST_F(ActiveMainFrame, MainWindowShortcutsWorkFromInsideAForm) {
  auto* combo = findControlAs<QComboBox>(mis->view()->form(), 1404);
  combo->setFocus();
  QSignalSpy read(frame.action(kCmdRead), &QAction::triggered);
  QTest::keyClick(combo, Qt::Key_R, Qt::ControlModifier | Qt::AltModifier);
  EXPECT_EQ(read.count(), 1);
}

TEST_F(ActiveMainFrame, CtrlWClosesTheViewAndWritesNothing) {
  auto* combo = findControlAs<QComboBox>(mis->view()->form(), 1404);
  combo->setFocus();
  QSignalSpy write(frame.action(kCmdWrite), &QAction::triggered);
  QTest::keyClick(combo, Qt::Key_W, Qt::ControlModifier);
  test::settle();
  EXPECT_EQ(write.count(), 0);
  EXPECT_EQ(frame.frameOf(32803), nullptr);
}

// The command each shortcut of the main window reaches.
std::map<QString, int> boundKeys(const CMainFrame& frame) {
  std::map<QString, int> bound;
  for (QAction* action : frame.actions())
    for (const QKeySequence& key : action->shortcuts())
      EXPECT_TRUE(bound.emplace(key.toString(QKeySequence::PortableText), action->data().toInt()).second)
          << "bound twice: " << key.toString().toStdString();
  return bound;
}

TEST(KeyTable, CommonChordsDoSafeThingsAndNoCtrlLetterReachesTheRadio) {
  test::DataDir data;
  CMainFrame frame;
  frame.buildMenus();
  const std::map<QString, int> bound = boundKeys(frame);
  EXPECT_EQ(bound.at("Ctrl+W"), kCmdFrameClose);
  EXPECT_EQ(bound.at("Ctrl+Q"), kCmdExit);
  EXPECT_EQ(bound.at("Ctrl+S"), kCmdFileSave);
  EXPECT_EQ(bound.at("Ctrl+Shift+S"), kCmdFileSaveAs);
  for (char letter = 'A'; letter <= 'Z'; ++letter) {
    for (const char* modifiers : {"Ctrl+", "Ctrl+Shift+"}) {
      const auto it = bound.find(QString::fromLatin1(modifiers) + QChar(letter));
      if (it == bound.end()) continue;
      EXPECT_NE(it->second, kCmdRead) << modifiers << letter;
      EXPECT_NE(it->second, kCmdWrite) << modifiers << letter;
    }
  }
  EXPECT_FALSE(frame.action(kCmdRead)->shortcut().isEmpty());
  EXPECT_FALSE(frame.action(kCmdWrite)->shortcut().isEmpty());
}

// The accelerator a language file shows after a menu text's tab, if any.
std::optional<QString> accelerator(const QString& languageFile, int command) {
  QFile file(languageFile);
  EXPECT_TRUE(file.open(QIODevice::ReadOnly | QIODevice::Text));
  const QString key = QStringLiteral("S02%1=").arg(command, 5, 10, QChar('0'));
  while (!file.atEnd()) {
    const QString line = QString::fromUtf8(file.readLine()).trimmed();
    if (!line.startsWith(key)) continue;
    const qsizetype tab = line.indexOf(QStringLiteral("\\t"));
    if (tab < 0) return std::nullopt;
    return line.mid(tab + 2);
  }
  return std::nullopt;
}

TEST(KeyTable, LanguageFilesShowTheKeysTheTableBinds) {
  for (const char* name : {"/VEX_E.lng", "/VEX_S.lng"}) {
    const QString path = QString::fromLatin1(VEX_DATA_DIR) + QString::fromLatin1(name);
    for (const MenuDef& menu : menuTable()) {
      for (const MenuEntry& entry : menu.entries) {
        if (entry.command == 0) continue;
        const std::optional<QString> shown = accelerator(path, entry.command);
        if (!shown) continue;
        EXPECT_EQ(QKeySequence(*shown), QKeySequence(QString::fromLatin1(entry.shortcut ? entry.shortcut : "")))
            << name << " " << entry.command;
      }
    }
  }
}

TEST_F(ActiveMainFrame, FocusComesBackToTheControlThatHadIt) {
  auto* squelch = findControlAs<QComboBox>(mis->view()->form(), 1404);
  squelch->setFocus();
  frame.openView(32800);
  EXPECT_FALSE(squelch->hasFocus());
  frame.openView(32803);
  EXPECT_TRUE(squelch->hasFocus());
}

}  // namespace
}  // namespace vex::gui
