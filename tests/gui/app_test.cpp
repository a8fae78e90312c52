#include <gtest/gtest.h>
#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QPointer>
#include <QTest>

#include "app/about_dialog.h"
#include "app/splash.h"
#include "gui_test_support.h"
#include "help/dialog_help.h"
#include "help/help_window.h"
#include "views/view_mis.h"

namespace vex::gui {
namespace {

TEST(HelpWindow, ContextFallsBackFromControlToTemplateToIndex) {
  test::DataDir data;
  HelpWindow::showContext({1400, 1109});
  EXPECT_TRUE(HelpWindow::instance()->currentTopic().endsWith("/1400.html"));
  HelpWindow::showContext({99999, 1109});
  EXPECT_TRUE(HelpWindow::instance()->currentTopic().endsWith("/1109.html"));
  HelpWindow::showContext({99999, 0});
  EXPECT_TRUE(HelpWindow::instance()->currentTopic().endsWith("/index.html"));
  HelpWindow::instance()->close();
}

TEST(HelpWindow, F1InAFormOpensTheTopicOfTheFocusedControlOrTheView) {
  test::DataDir data;
  CViewMis view;
  view.initialUpdate();
  view.showContextHelp(1406);  // no topic for the combo: the view's topic
  EXPECT_TRUE(HelpWindow::instance()->currentTopic().endsWith("/1400.html"));
  HelpWindow::instance()->close();
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
  EXPECT_TRUE(HelpWindow::instance()->currentTopic().endsWith("/100.html"));
  HelpWindow::instance()->close();
}

}  // namespace
}  // namespace vex::gui
