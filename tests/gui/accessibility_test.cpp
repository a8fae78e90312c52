// What a screen reader finds in every view, in both languages: each control
// the keyboard reaches has a name, each grid cell names its column, and Tab
// goes through a form in its reading order.
#include <gtest/gtest.h>

#include <set>

#include <QAccessible>
#include <QApplication>
#include <QGroupBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include "toolkit/grid.h"

#include "adapters/radio_data.h"
#include "adapters/settings.h"
#include "commands/command_ids.h"
#include "config/app_settings.h"
#include "gui_test_support.h"
#include "toolkit/control_id.h"
#include "views/custom_form_view.h"
#include "workspace/nav_bar.h"
#include "workspace/view_table.h"

namespace vex::gui {
namespace {

QString describe(QAccessibleInterface* node) {
  QObject* object = node->object();
  const auto* widget = qobject_cast<QWidget*>(object);
  return QStringLiteral("%1 role %2 control %3")
      .arg(QString::fromLatin1(object ? object->metaObject()->className() : "item"))
      .arg(int(node->role()))
      .arg(controlIdAround(widget, nullptr));
}

// Grids are checked by their first row: every cell names its column.
void checkTable(QAccessibleInterface* node, std::set<QString>& faults) {
  QAccessibleTableInterface* table = node->tableInterface();
  if (node->text(QAccessible::Name).trimmed().isEmpty()) faults.insert(describe(node) + ": grid without a name");
  if (table->rowCount() == 0) return;
  for (int column = 0; column < table->columnCount(); ++column) {
    QAccessibleInterface* cell = table->cellAt(0, column);
    const QString heading = table->columnDescription(column);
    const QString name = cell ? cell->text(QAccessible::Name) : QString();
    if (heading.isEmpty() || !name.contains(heading))
      faults.insert(QStringLiteral("%1: cell of column %2 reads \"%3\", its heading \"%4\"")
                        .arg(describe(node))
                        .arg(column)
                        .arg(name, heading));
  }
}

// What a screen reader says a control is: the label that labels it, else
// its name. On Linux a combo box's name is its value, so only a label counts.
QString spokenLabel(QAccessibleInterface* node) {
  for (const auto& [label, relation] : node->relations(QAccessible::Label))
    if (const QString text = label->text(QAccessible::Name).trimmed(); !text.isEmpty()) return text;
  if (node->role() == QAccessible::ComboBox) {
    const auto* widget = qobject_cast<QWidget*>(node->object());
    return widget ? widget->accessibleName() : QString();
  }
  return node->text(QAccessible::Name).trimmed();
}

void findUnnamed(QAccessibleInterface* node, std::set<QString>& faults) {
  if (!node || node->state().invisible) return;
  if (node->tableInterface()) return checkTable(node, faults);
  if (node->state().focusable && spokenLabel(node).isEmpty()) faults.insert(describe(node) + ": no name");
  for (int i = 0; i < node->childCount(); ++i) findUnnamed(node->child(i), faults);
}

// Every page of every sheet in turn.
std::set<QString> unnamedIn(QWidget& root) {
  std::set<QString> faults;
  findUnnamed(QAccessible::queryAccessibleInterface(&root), faults);
  for (QTabWidget* sheet : root.findChildren<QTabWidget*>()) {
    for (int page = 0; page < sheet->count(); ++page) {
      sheet->setCurrentIndex(page);
      findUnnamed(QAccessible::queryAccessibleInterface(&root), faults);
    }
  }
  return faults;
}

class EveryView : public ::testing::TestWithParam<int> {
 protected:
  void SetUp() override {
    test::copyDirectory(QString::fromLatin1(VEX_DATA_DIR), data.path());
    settings::initialiseSeparate(data.path().toStdString());
    settings::current().selectLanguage(GetParam());
    radio_data::resetToDefaults();
  }
  QTemporaryDir data;
};

TEST_P(EveryView, EveryControlTheKeyboardReachesHasAName) {
  for (const ViewEntry& entry : viewTable()) {
    QWidget frame;  // in a frame, as the program shows it: the view is no window with a title
    CCustomFormView* view = createView(entry, &frame);
    view->initialUpdate();
    frame.show();
    for (const QString& fault : unnamedIn(frame)) ADD_FAILURE() << entry.defaultTitle << ": " << fault.toStdString();
  }
  CNavBar bar;
  bar.applyState(1, 0);
  bar.showListButton(QStringLiteral("list"));
  bar.show();
  for (const QString& fault : unnamedIn(bar)) ADD_FAILURE() << "record bar: " << fault.toStdString();
}

// Fields whose label is not the one just before them in the template.
TEST_P(EveryView, FieldsReadAsTheirOwnLabelsSay) {
  if (GetParam() != 0) GTEST_SKIP() << "the names are English";
  struct Case {
    int view;
    int control;
    const char* name;
  };
  const Case cases[] = {
      {kCmdViewMisc, 1404, "Carrier Squelch Level"},
      {kCmdViewAlertTone, 5004, "1st Tone"},
      {kCmdViewAlertTone, 5020, "2nd Tone Duration[ms]"},
      {kCmdViewTestFreq, 4011, "Five-Point Frequencies"},
      {kCmdViewTestFreq, 4010, "Test Frequencies"},
      {kCmdViewChannelList, 3771, "Channel List"},
      {kCmdViewDataWatch, 3549, "Changes"},
  };
  for (const Case& c : cases) {
    std::unique_ptr<CCustomFormView> view(createView(*findView(c.view)));
    view->initialUpdate();
    QWidget* control = findControl(view.get(), c.control);
    ASSERT_NE(control, nullptr) << c.control;
    EXPECT_EQ(spokenLabel(QAccessible::queryAccessibleInterface(control)).toStdString(), c.name) << c.control;
  }
}

QRect rectIn(const QWidget* widget, const QWidget* view) {
  return QRect(widget->mapTo(view, QPoint(0, 0)), widget->size());
}

// Whether `b` comes before `a` when the form is read: wholly above it (but
// for the top of a column to its right), or to its left in its row.
bool readBefore(const QRect& a, const QRect& b) {
  const bool above = b.bottom() < a.top();
  const bool sameRow = b.top() <= a.bottom() && a.top() <= b.bottom();
  return (above && b.left() <= a.right()) || (sameRow && b.right() < a.left());
}

// The controls Tab stops at: shown, enabled and taking the focus by Tab.
std::vector<QWidget*> tabStops(const QWidget* form, const QWidget* view) {
  std::vector<QWidget*> stops;
  for (QWidget* widget : form->findChildren<QWidget*>())
    if ((widget->focusPolicy() & Qt::TabFocus) && !widget->focusProxy() && widget->isVisibleTo(view) &&
        widget->isEnabled())
      stops.push_back(widget);
  return stops;
}

QString nameOf(const QWidget* widget) {
  return QStringLiteral("%1 %2").arg(QString::fromLatin1(widget->metaObject()->className())).arg(controlId(widget));
}

// The controls of the view's form in the order Tab reaches them from the
// one the view starts at.
std::vector<QWidget*> tabOrder(CCustomFormView& view, std::size_t stops) {
  std::vector<QWidget*> reached;
  view.restoreFocus();
  for (std::size_t press = 0; press < 3 * stops + 3 && reached.size() < stops; ++press) {
    QWidget* focus = QApplication::focusWidget();
    if (!focus) break;
    if (view.form()->isAncestorOf(focus) && std::find(reached.begin(), reached.end(), focus) == reached.end())
      reached.push_back(focus);
    // Tab leaves a grid from its last cell.
    if (auto* grid = qobject_cast<CGrid*>(focus); grid && grid->grid()->rowCount() > 0)
      grid->setFocusCell(grid->grid()->rowCount() - 1, grid->grid()->columnCount() - 1);
    QTest::keyClick(focus, Qt::Key_Tab);
  }
  return reached;
}

// Tab starts at the form's first control, reaches every control once, and
// never goes back against the reading: rows may be read across, or a column
// down before the next to its right.
void expectTabInReadingOrder(CCustomFormView& view, const std::string& where) {
  const std::vector<QWidget*> stops = tabStops(view.form(), &view);
  if (stops.empty()) return;
  const std::vector<QWidget*> reached = tabOrder(view, stops.size());
  ASSERT_EQ(reached.size(), stops.size()) << where << ": Tab does not reach every control";
  for (QWidget* other : stops)
    EXPECT_FALSE(readBefore(rectIn(reached.front(), &view), rectIn(other, &view)))
        << where << ": starts at " << nameOf(reached.front()).toStdString() << ", not at "
        << nameOf(other).toStdString();
  for (std::size_t k = 1; k < reached.size(); ++k)
    EXPECT_FALSE(readBefore(rectIn(reached[k - 1], &view), rectIn(reached[k], &view)))
        << where << ": Tab goes back from " << nameOf(reached[k - 1]).toStdString() << " to "
        << nameOf(reached[k]).toStdString();
}

TEST_P(EveryView, TabGoesThroughEachFormInItsReadingOrder) {
  for (const ViewEntry& entry : viewTable()) {
    std::unique_ptr<CCustomFormView> view(createView(entry));
    view->initialUpdate();
    view->resize(view->form()->size() + QSize(40, 40));
    view->show();
    view->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(view.get(), 60000));
    const QList<QTabWidget*> sheets = view->findChildren<QTabWidget*>();
    if (sheets.isEmpty()) expectTabInReadingOrder(*view, entry.defaultTitle);
    for (QTabWidget* sheet : sheets) {
      EXPECT_TRUE(sheet->tabBar()->focusPolicy() & Qt::TabFocus) << entry.defaultTitle << ": Tab never reaches the tabs";
      for (int page = 0; page < sheet->count(); ++page) {
        sheet->setCurrentIndex(page);
        expectTabInReadingOrder(*view, std::string(entry.defaultTitle) + " page " + std::to_string(page));
      }
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Languages, EveryView, ::testing::Values(0, 1),
                         [](const auto& info) { return info.param == 0 ? "English" : "Chinese"; });

}  // namespace
}  // namespace vex::gui
