#include "factory/data_watch_view.h"

#include <QHeaderView>
#include <QLabel>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>

#include "adapters/texts.h"
#include "core/container.h"
#include "factory/data_watch_models.h"
#include "factory/grid_corner.h"
#include "toolkit/control_id.h"
#include "toolkit/translate.h"
#include "views/messages.h"

namespace vex::gui {
namespace {

using V = CDataWatchView;
constexpr ControlSpec kControls[] = {
    {V::kClear, ControlKind::Button, "Clear", 342, 1, 91, 14},
};
constexpr FormSpec kForm{V::kTemplateId, "Data Watch", 436, 301, kControls};

template <class W>
W* place(QWidget* form, W* widget, int id, int x, int y, int width, int height) {
  setControlId(widget, id);
  widget->setGeometry(dialogUnitsToPixels(form, x, y, width, height));
  return widget;
}

}  // namespace

CDataWatchView::CDataWatchView(QWidget* parent) : CCustomFormView(kForm, parent) {
  gridModel_ = new DataWatchGridModel(watch_, this);
  lineModel_ = new DataWatchLineModel(watch_, this);

  grid_ = place(form(), new QTableView(form()), kGrid, 1, 1, 340, 299);
  grid_->setModel(gridModel_);
  grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grid_->setSelectionMode(QAbstractItemView::NoSelection);
  grid_->setWordWrap(false);
  grid_->setTextElideMode(Qt::ElideRight);
  const QFontMetrics metrics(grid_->font());
  grid_->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  grid_->horizontalHeader()->setDefaultSectionSize(std::max(26, metrics.horizontalAdvance(QStringLiteral("WW")) + 8));
  grid_->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  grid_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  grid_->verticalHeader()->setDefaultSectionSize(metrics.height() + 4);
  grid_->verticalHeader()->setMinimumWidth(std::max(66, metrics.horizontalAdvance(QStringLiteral("F:1FF_")) + 10));
  grid_->verticalHeader()->setDefaultAlignment(Qt::AlignRight | Qt::AlignVCenter);
  corner_ = addCornerText(grid_, QStringLiteral("Address"));

  list_ = place(form(), new QListView(form()), kList, 342, 16, 93, 245);
  list_->setModel(lineModel_);
  list_->setUniformItemSizes(true);
  list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  list_->setSelectionMode(QAbstractItemView::SingleSelection);

  detail_ = place(form(), new QPlainTextEdit(form()), kDetail, 342, 262, 93, 38);
  detail_->setReadOnly(true);
  detail_->setLineWrapMode(QPlainTextEdit::NoWrap);

  connect(list_->selectionModel(), &QItemSelectionModel::currentChanged, this, [this] { lineSelected(); });
  connect(grid_, &QTableView::clicked, this, &CDataWatchView::cellClicked);
  connect(findControlAs<QPushButton>(form(), kClear), &QPushButton::clicked, this, &CDataWatchView::clear);
}

void CDataWatchView::initialUpdate() {
  fill(RadioDataContainer::instance().image());
  translateWindow(this, kTemplateId);
  const std::string corner = texts::label(text::kWatchCorner);
  if (!corner.empty()) corner_->setText(QString::fromStdString(corner));
}

long CDataWatchView::handleMessage(int message, long, long, const ChangeNotice*) {
  if (message != WM_WATCH_UPDATE) return 0;
  update();
  return 0;
}

void CDataWatchView::closing() { clear(); }

void CDataWatchView::fill(const Image& image) {
  watch_.fill(image);
  lineModel_->reset();
  detail_->clear();
  gridModel_->cellsChanged(0, layout::kImageSize - 1);
}

void CDataWatchView::update() {
  const std::size_t first = watch_.changes().size();
  watch_.update(RadioDataContainer::instance().image());
  const auto& changes = watch_.changes();
  if (changes.size() > first) {
    gridModel_->cellsChanged(changes[first].address, changes.back().address);
    lineModel_->linesAppended(first);
  }
  // The newest line becomes current, also when this update found nothing.
  if (!changes.empty()) showLine(changes.size() - 1, true);
}

void CDataWatchView::clear() {
  watch_.clear();
  gridModel_->cellsChanged(0, layout::kImageSize - 1);
  lineModel_->reset();
  detail_->clear();
}

void CDataWatchView::showLine(std::size_t line, bool withDetail) {
  const DataWatch::Change& change = watch_.changes()[line];
  const QModelIndex cell = gridModel_->indexOf(change.address);
  grid_->setCurrentIndex(cell);
  grid_->scrollTo(cell);
  {
    const QSignalBlocker quiet(list_->selectionModel());
    const QModelIndex row = lineModel_->index(static_cast<int>(line));
    list_->selectionModel()->setCurrentIndex(row, QItemSelectionModel::ClearAndSelect);
    list_->scrollTo(row);
  }
  if (withDetail) detail_->setPlainText(QString::fromStdString(WatchDetailText(change)).replace("\r\n", "\n"));
}

void CDataWatchView::lineSelected() {
  const QModelIndex current = list_->selectionModel()->currentIndex();
  if (!current.isValid()) return;
  showLine(static_cast<std::size_t>(current.row()), true);
}

void CDataWatchView::cellClicked(const QModelIndex& index) {
  if (!index.isValid()) return;
  const std::optional<std::size_t> line = watch_.firstLineOf(gridModel_->addressOf(index));
  if (!line) {
    list_->selectionModel()->clear();
    return;
  }
  showLine(*line, false);
  grid_->setCurrentIndex(index);
}

}  // namespace vex::gui
