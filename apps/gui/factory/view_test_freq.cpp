#include "factory/view_test_freq.h"

#include <QApplication>
#include <QHeaderView>
#include <QLabel>

#include "adapters/settings.h"
#include "config/app_settings.h"
#include "core/container.h"
#include "toolkit/control_id.h"
#include "toolkit/grid.h"
#include "toolkit/translate.h"
#include "views/messages.h"
#include "views/view_host.h"

namespace vex::gui {
namespace {

using V = CViewTestFreq;
using Group = TestFreqSection::Group;

constexpr ControlDef kControls[] = {
    {text::kFivePointLabel, ControlKind::Label, "Five-Point Frequencies", 7, 7, 200, 10},
    {text::kTestFreqLabel, ControlKind::Label, "Test Frequencies", 7, 118, 200, 10},
};
constexpr FormDef kForm{V::kTemplateId, "Test Frequency", 244, 114, kControls};

TestFreqSection& section() { return RadioDataContainer::instance().testFreq(); }

// The receive and transmit groups of a grid.
Group groupOf(const CGrid* grid, int column, const CGrid* testGrid) {
  if (grid == testGrid) return column == 0 ? Group::TestRx : Group::TestTx;
  return column == 0 ? Group::FivePointRx : Group::FivePointTx;
}

// A typed text as the section would keep it: the MHz text of the frequency
// on its raster, empty for none.
std::optional<QString> frequencyAsStored(const QString& text) {
  TestFreqSection scratch;
  scratch.setText(Group::TestRx, 0, text.toStdString());
  return QString::fromStdString(scratch.text(Group::TestRx, 0));
}

// The first three items of entry 4014: the corner, receive and transmit.
std::vector<QString> gridTitles() {
  std::vector<std::string> titles = settings::current().textList(text::kTestFreqColumns);
  titles.resize(3);
  const char* defaults[] = {"No.", "RX Frequency[MHz]", "TX Frequency[MHz]"};
  std::vector<QString> result;
  for (std::size_t i = 0; i < titles.size(); ++i)
    result.push_back(QString::fromStdString(titles[i].empty() ? defaults[i] : titles[i]));
  return result;
}

CGrid* makeGrid(QWidget* form, int id, int rows, int y, bool editable) {
  auto* grid = new CGrid(form);
  setControlId(grid, id);
  const QRect place = dialogUnitsToPixels(form, 7, y, 230, 10);
  const int width = (place.width() - 60) / 2;
  const std::vector<QString> titles = gridTitles();
  GridColumn receive{titles[1], width, CellKind::Frequency};
  receive.check = [](int, const QString& text) { return frequencyAsStored(text); };
  GridColumn transmit = receive;
  transmit.header = titles[2];
  grid->setColumns({receive, transmit}, rows);
  grid->setCornerText(titles[0]);
  grid->setEditable(editable);
  std::vector<QString> numbers;
  for (int r = 1; r <= rows; ++r) numbers.push_back(QString::number(r));
  grid->grid()->setRowHeaders(numbers);
  grid->verticalHeader()->setDefaultAlignment(Qt::AlignRight | Qt::AlignVCenter);
  grid->verticalHeader()->setDefaultSectionSize(grid->fontMetrics().height() + 6);
  grid->setGeometry(place.x(), place.y(), place.width(),
                    grid->horizontalHeader()->sizeHint().height() + rows * (grid->fontMetrics().height() + 6) +
                        2 * grid->frameWidth());
  return grid;
}

}  // namespace

CViewTestFreq::CViewTestFreq(QWidget* parent) : CCustomFormView(kForm, parent) {
  fivePointGrid_ = makeGrid(form(), kFivePointGrid, static_cast<int>(TestFreqSection::kFivePoints), 19, false);
  testGrid_ = makeGrid(form(), kTestGrid, static_cast<int>(TestFreqSection::kTestChannels), 130, true);
  // Each grid is named by the label above it.
  findControlAs<QLabel>(form(), text::kFivePointLabel)->setBuddy(fivePointGrid_);
  findControlAs<QLabel>(form(), text::kTestFreqLabel)->setBuddy(testGrid_);
  // Only the five-point grid belongs to the shown template.
  testGrid_->hide();
  findControl(form(), text::kTestFreqLabel)->hide();
  connect(testGrid_, &CGrid::endEdit, this, &CViewTestFreq::cellEdited);
}

void CViewTestFreq::initialUpdate() {
  translateWindow(this, kTemplateId);
  load();
}

void CViewTestFreq::load() {
  for (CGrid* grid : {testGrid_, fivePointGrid_}) {
    for (int row = 0; row < grid->grid()->rowCount(); ++row) {
      const auto index = static_cast<std::size_t>(row);
      grid->grid()->setRowTexts(row, {QString::fromStdString(section().text(groupOf(grid, 0, testGrid_), index)),
                                      QString::fromStdString(section().text(groupOf(grid, 1, testGrid_), index))});
    }
  }
}

void CViewTestFreq::cellEdited(int row, int column) {
  const Group group = groupOf(testGrid_, column, testGrid_);
  section().setText(group, static_cast<std::size_t>(row), testGrid_->grid()->text(row, column).toStdString());
  testGrid_->grid()->setText(row, column, QString::fromStdString(section().text(group, static_cast<std::size_t>(row))));
  if (ViewHost* host = ViewHost::current()) host->sendToMainFrame(WM_DATA_CHANGED, 0, 0, nullptr);
}

void CViewTestFreq::store() {
  // The cell editor commits its text when it loses the focus.
  QWidget* editor = QApplication::focusWidget();
  if (editor && editor != testGrid_ && testGrid_->isAncestorOf(editor)) testGrid_->setFocus(Qt::OtherFocusReason);
}

long CViewTestFreq::handleMessage(int message, long, long, const ChangeNotice*) {
  if (message == WM_VIEW_LOAD) load();
  if (message == WM_VIEW_STORE) store();
  return 0;
}

void CViewTestFreq::closing() { store(); }

}  // namespace vex::gui
