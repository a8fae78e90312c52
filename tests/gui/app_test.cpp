#include <fstream>

#include <gtest/gtest.h>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QPointer>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTest>

#include "adapters/settings.h"
#include "adapters/texts.h"
#include "app/about_dialog.h"
#include "app/splash.h"
#include "channels/view_channel_list.h"
#include "commands/command_ids.h"
#include "gui_test_support.h"
#include "help/dialog_help.h"
#include "help/help_window.h"
#include "toolkit/control_id.h"
#include "views/property_sheet.h"
#include "views/view_mis.h"
#include "workspace/child_frame.h"
#include "workspace/main_frame.h"
#include "workspace/view_table.h"

namespace vex::gui {
namespace {

TEST(HelpWindow, TitlesLoseTheirMenuMnemonicsWhole) {
  test::DataDir dir;
  for (const char* line : {"S0260001=帮助主题(&H)", "S0260002=&Help Topics", "S0260003=Save && &Quit", "S0260004=(&"})
    dir.addLanguageLine(line);
  EXPECT_EQ(texts::labelWithoutMnemonic(60001), "帮助主题");
  EXPECT_EQ(texts::labelWithoutMnemonic(60002), "Help Topics");
  EXPECT_EQ(texts::labelWithoutMnemonic(60003), "Save & Quit");
  EXPECT_EQ(texts::labelWithoutMnemonic(60004), "(");
}

TEST(HelpWindow, ContextFallsBackFromControlToTemplateToIndex) {
  test::DataDir data;
  HelpWindow::showContext({1400, 1109});
  EXPECT_TRUE(HelpWindow::instance()->currentTopic().endsWith("/1400_E.html"));
  HelpWindow::showContext({99999, 1109});
  EXPECT_TRUE(HelpWindow::instance()->currentTopic().endsWith("/1109_E.html"));
  HelpWindow::showContext({99999, 0});
  EXPECT_TRUE(HelpWindow::instance()->currentTopic().endsWith("/index_E.html"));
  HelpWindow::instance()->close();
}

TEST(HelpWindow, EachLanguageShowsItsOwnTopicsAndEnglishWhereOneIsMissing) {
  test::DataDir data;
  data.addLanguageLine("HelpFile=help/index_S.html");
  settings::initialiseSeparate(data.path());
  HelpWindow::showContext({1400});
  EXPECT_TRUE(HelpWindow::instance()->currentTopic().endsWith("/1400_S.html"));
  QFile::remove(QString::fromStdString(data.path() + "/help/1109_S.html"));
  HelpWindow::showContext({1109});
  EXPECT_TRUE(HelpWindow::instance()->currentTopic().endsWith("/1109_E.html"));
  HelpWindow::showIndex();
  EXPECT_TRUE(HelpWindow::instance()->currentTopic().endsWith("/index_S.html"));
  HelpWindow::instance()->close();
}

TEST(HelpFiles, BothLanguagesHaveEveryTopicAndEveryLinkLeadsSomewhere) {
  const QDir help(QString::fromLatin1(VEX_DATA_DIR) + "/help");
  QStringList english = help.entryList({"*_E.html"});
  QStringList chinese = help.entryList({"*_S.html"});
  ASSERT_GT(english.size(), 20);
  for (QString& name : english) name.chop(7);
  for (QString& name : chinese) name.chop(7);
  EXPECT_EQ(english, chinese);
  for (const ViewEntry& view : viewTable())  // F1 in a view falls back to its template's topic
    EXPECT_TRUE(english.contains(QString::number(view.templateId))) << view.defaultTitle << " has no help topic";
  for (const QString& page : help.entryList({"*.html"})) {
    QFile file(help.filePath(page));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString html = QString::fromUtf8(file.readAll());
    const QRegularExpression link(QStringLiteral("href=\"([^\"]+)\""));
    for (auto match = link.globalMatch(html); match.hasNext();) {
      const QString target = match.next().captured(1);
      EXPECT_TRUE(help.exists(target)) << page.toStdString() << " links to " << target.toStdString();
    }
  }
  for (const char* language : {"VEX_E.lng", "VEX_S.lng"}) {
    QFile file(QString::fromLatin1(VEX_DATA_DIR) + "/" + language);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QRegularExpression named(QStringLiteral("^HelpFile=(.+)$"), QRegularExpression::MultilineOption);
    const QString helpFile = named.match(QString::fromUtf8(file.readAll())).captured(1).trimmed();
    EXPECT_TRUE(QFile::exists(QString::fromLatin1(VEX_DATA_DIR) + "/" + helpFile)) << language;
  }
}

TEST(HelpWindow, F1InAFormOpensTheTopicOfTheFocusedControlOrTheView) {
  test::DataDir data;
  CViewMis view;
  view.initialUpdate();
  view.show();
  QWidget* squelch = findControl(view.form(), 1404);
  squelch->setFocus();
  QTest::keyClick(squelch, Qt::Key_F1);  // no topic for the combo: the view's topic
  EXPECT_TRUE(HelpWindow::instance()->currentTopic().endsWith("/1400_E.html"));
  std::ofstream(data.path() + "/help/1404_E.html") << "<html><body>Carrier squelch</body></html>";
  QTest::keyClick(squelch, Qt::Key_F1);
  EXPECT_TRUE(HelpWindow::instance()->currentTopic().endsWith("/1404_E.html"));
  HelpWindow::instance()->close();
}

// F1 in a field of a view with pages: the field's section of the view's topic
// when the field has no topic of its own, in the chosen language; in a view
// without a section for the field, the view's topic.
TEST(HelpWindow, F1InAFieldOpensItsSectionOfTheViewTopic) {
  struct Case {
    int view;
    int page;
    int control;
    const char* topic;
    const char* section;
  };
  const Case cases[] = {
      {kCmdViewChannel, 0, 3666, "3655", "3666"},  // Channel > Basic > RX Frequency
      {kCmdViewChannel, 0, 3675, "3655", "3675"},
      {kCmdViewChannel, 1, 3703, "3655", "3703"},  // Channel > Options > Personality List
      {kCmdViewChannelList, 0, CViewChannelList::kGridId, "3770", ""},
  };
  for (const char* suffix : {"_E", "_S"}) {
    test::DataDir data;
    if (suffix == std::string("_S")) data.addLanguageLine("HelpFile=help/index_S.html");
    settings::initialiseSeparate(data.path());
    CMainFrame frame;
    frame.show();
    for (const Case& c : cases) {
      SCOPED_TRACE(std::string(suffix) + " control " + std::to_string(c.control));
      CChildFrame* child = frame.openView(c.view);
      ASSERT_NE(child, nullptr);
      if (auto* sheet = child->findChild<CPropertySheet*>()) sheet->setCurrentIndex(c.page);
      QWidget* field = findControl(child, c.control);
      ASSERT_NE(field, nullptr);
      field->setFocus();
      QTest::keyClick(field, Qt::Key_F1);
      EXPECT_TRUE(HelpWindow::instance()->currentTopic().endsWith(QString("/%1%2.html").arg(c.topic, suffix)))
          << HelpWindow::instance()->currentTopic().toStdString();
      EXPECT_EQ(HelpWindow::instance()->currentSection(), QString::fromLatin1(c.section));
      frame.closeAllWindows();
    }
    HelpWindow::instance()->close();
  }
}

TEST(CSplashWindow, PicturePathFollowsTheLanguage) {
  EXPECT_EQ(CSplashWindow::picturePath("/d", false), "/d/splash_E.jpg");
  EXPECT_EQ(CSplashWindow::picturePath("/d", true), "/d/splash_S.jpg");
}

TEST(CSplashWindow, KeyPressShowsTheMainWindowAndClosesTheSplash) {
  QWidget main;
  QPointer<CSplashWindow> splash = new CSplashWindow(CSplashWindow::picturePath(VEX_DATA_DIR, false), &main);
  ASSERT_TRUE(splash->hasPicture());
  EXPECT_FALSE(main.isVisible());
  QKeyEvent press(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, "a");
  EXPECT_TRUE(QApplication::sendEvent(&main, &press));  // swallowed by the splash
  EXPECT_TRUE(main.isVisible());
  test::settle();
  EXPECT_TRUE(splash.isNull());
}

TEST(CSplashWindow, TimersShowTheMainWindowThenCloseTheSplash) {
  // A busy machine can only delay the timers, so the test waits for each
  // step and checks that it did not come early (coarse timers may fire up
  // to 5 % early).
  QElapsedTimer clock;
  clock.start();
  QWidget main;
  QPointer<CSplashWindow> splash = new CSplashWindow(CSplashWindow::picturePath(VEX_DATA_DIR, false), &main);
  ASSERT_TRUE(QTest::qWaitFor([&] { return main.isVisible(); }, 60'000));
  EXPECT_GE(clock.elapsed(), CSplashWindow::kShowMainMs * 9 / 10);
  EXPECT_FALSE(splash.isNull());  // the close timer starts only now
  ASSERT_TRUE(QTest::qWaitFor([&] { return splash.isNull(); }, 60'000));
  EXPECT_GE(clock.elapsed(), (CSplashWindow::kShowMainMs + CSplashWindow::kCloseMs) * 9 / 10);
}

TEST(CSplashWindow, WithoutAPictureTheFirstEventEndsIt) {
  QWidget main;
  QPointer<CSplashWindow> splash = new CSplashWindow("/nonexistent/splash_E.jpg", &main);
  EXPECT_FALSE(splash->hasPicture());
  EXPECT_EQ(splash->size(), QSize(0, 0));
  test::settle();
  EXPECT_TRUE(main.isVisible());
  EXPECT_TRUE(splash.isNull());
}

}  // namespace
}  // namespace vex::gui

namespace vex::gui {
namespace {

TEST(DialogHelpFilter, F1InADialogOpensItsTopic) {
  test::DataDir data;
  DialogHelpFilter::install();
  CAboutDialog about;
  QKeyEvent f1(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier);
  EXPECT_TRUE(QApplication::sendEvent(&about, &f1));
  EXPECT_TRUE(HelpWindow::instance()->currentTopic().endsWith("/100_E.html"));
  HelpWindow::instance()->close();
}

}  // namespace
}  // namespace vex::gui
