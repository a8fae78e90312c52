#include "factory/view_test_freq.h"

#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QTableView>

#include "adapters/settings.h"
#include "adapters/texts.h"
#include "config/app_settings.h"
#include "factory/grid_corner.h"
#include "factory/test_freq_model.h"
#include "toolkit/control_id.h"
#include "toolkit/translate.h"
#include "views/messages.h"
#include "views/view_host.h"

namespace vex::gui {
namespace {

using V = CViewTestFreq;
constexpr ControlSpec kControls[] = {
    {text::kFivePointLabel, ControlKind::Label, "Five-Point Frequencies", 7, 7, 200, 10},
    {text::kTestFreqLabel, ControlKind::Label, "Test Frequencies", 7, 118, 200, 10},
};
constexpr FormSpec kForm{V::kTemplateId, "Test Frequency", 244, 114, kControls};

QTableView* makeGrid(QWidget* form, int id, TestFreqModel* model, int y, int height) {
  auto* grid = new QTableView(form);
  setControlId(grid, id);
  grid->setGeometry(dialogUnitsToPixels(form, 7, y, 230, height));
  grid->setModel(model);
  grid->setSelectionMode(QAbstractItemView::SingleSelection);
  grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  grid->verticalHeader()->setDefaultAlignment(Qt::AlignRight | Qt::AlignVCenter);
  return grid;
}

// Rows of one text line; the grid as high as its header and rows, the row
// header as wide as the corner text.
void fitRows(QTableView* grid, const QString& corner) {
  const QFontMetrics metrics(grid->font());
  grid->verticalHeader()->setDefaultSectionSize(metrics.height() + 6);
  grid->verticalHeader()->setMinimumWidth(metrics.horizontalAdvance(corner) + 12);
  const int rows = grid->model()->rowCount();
  grid->setFixedHeight(grid->horizontalHeader()->sizeHint().height() +
                       rows * grid->verticalHeader()->defaultSectionSize() + 2 * grid->frameWidth());
}

}  // namespace

CViewTestFreq::CViewTestFreq(QWidget* parent) : CCustomFormView(kForm, parent) {
  testModel_ = new TestFreqModel(TestFreqModel::Rows::TestChannels, true, this);
  fivePointModel_ = new TestFreqModel(TestFreqModel::Rows::FivePoints, false, this);
  fivePointGrid_ = makeGrid(form(), kFivePointGrid, fivePointModel_, 19, 88);
  testGrid_ = makeGrid(form(), kTestGrid, testModel_, 130, 200);
  fivePointGrid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  // Only the five-point grid belongs to the shown template.
  testGrid_->hide();
  findControl(form(), text::kTestFreqLabel)->hide();
  connect(testModel_, &TestFreqModel::edited, this, [this] {
    if (ViewHost* host = ViewHost::current()) host->sendToMainFrame(WM_DATA_CHANGED, 0, 0, nullptr);
  });
}

void CViewTestFreq::initialUpdate() {
  translateWindow(this, kTemplateId);
  // The first three items of entry 4014: the corner, receive and transmit.
  std::vector<std::string> titles = settings::current().textList(text::kTestFreqColumns);
  titles.resize(3);
  for (auto [grid, model] : {std::pair{testGrid_, testModel_}, {fivePointGrid_, fivePointModel_}}) {
    if (!titles[1].empty() || !titles[2].empty())
      model->setColumnTitles(QString::fromStdString(titles[1]), QString::fromStdString(titles[2]));
    const QString corner = QString::fromStdString(titles[0].empty() ? "No." : titles[0]);
    addCornerText(grid, corner);
    fitRows(grid, corner);
  }
  reload();
}

void CViewTestFreq::reload() {
  testModel_->reload();
  fivePointModel_->reload();
}

void CViewTestFreq::store() {
  for (QTableView* grid : {testGrid_, fivePointGrid_}) {
    // The cell editor commits its text when it loses the focus.
    QWidget* editor = QApplication::focusWidget();
    if (editor && editor != grid && grid->isAncestorOf(editor)) grid->setFocus(Qt::OtherFocusReason);
  }
}

long CViewTestFreq::handleMessage(int message, long, long, const ChangeNotice*) {
  if (message == WM_VIEW_LOAD) reload();
  if (message == WM_VIEW_STORE) store();
  return 0;
}

void CViewTestFreq::closing() { store(); }

}  // namespace vex::gui
