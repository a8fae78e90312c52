#include "factory/data_watch_view.h"

#include <QAbstractListModel>
#include <QBoxLayout>
#include <QHeaderView>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>

#include "adapters/texts.h"
#include "core/container.h"
#include "toolkit/control_id.h"
#include "toolkit/grid.h"
#include "toolkit/translate.h"
#include "views/messages.h"

namespace vex::gui {
namespace {

using V = CDataWatchView;
constexpr ControlDef kControls[] = {
    {V::kClear, ControlKind::Button, "Clear", 342, 1, 91, 14},
};
constexpr FormDef kForm{V::kTemplateId, "Data Watch", 436, 301, kControls};
constexpr int kCellWidth = 26;

template <class W>
W* place(QWidget* form, W* widget, int id, int x, int y, int width, int height) {
  setControlId(widget, id);
  widget->setGeometry(dialogUnitsToPixels(form, x, y, width, height));
  return widget;
}

// The 256 cell texts, made once: an update of every byte then costs no
// formatting.
const QString& cellText(std::uint8_t value) {
  static const std::vector<QString> texts = [] {
    std::vector<QString> all;
    for (int v = 0; v < 256; ++v) all.push_back(QString::fromStdString(WatchCellText(static_cast<std::uint8_t>(v))));
    return all;
  }();
  return texts[value];
}

int rowOf(std::size_t address) { return static_cast<int>(DataWatch::RowOf(address)); }
int columnOf(std::size_t address) { return static_cast<int>(DataWatch::ColumnOf(address)); }

}  // namespace

// The change list: one line per entry of the log, in order.
class WatchLineModel : public QAbstractListModel {
 public:
  WatchLineModel(const DataWatch& watch, QObject* parent) : QAbstractListModel(parent), watch_(watch) {}
  int rowCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : shown_; }
  QVariant data(const QModelIndex& index, int role) const override {
    if (!index.isValid() || role != Qt::DisplayRole || index.row() >= shown_) return {};
    return QString::fromStdString(WatchLineText(watch_.changes()[static_cast<std::size_t>(index.row())]));
  }
  // Shows the lines the log gained since the last call.
  void appended() {
    const int count = static_cast<int>(watch_.changes().size());
    if (count <= shown_) return;
    beginInsertRows({}, shown_, count - 1);
    shown_ = count;
    endInsertRows();
  }
  void reset() {
    beginResetModel();
    shown_ = static_cast<int>(watch_.changes().size());
    endResetModel();
  }

 private:
  const DataWatch& watch_;
  int shown_ = 0;
};

const QColor CDataWatchView::kChangedColour{0, 255, 0};

CDataWatchView::CDataWatchView(QWidget* parent)
    : CCustomFormView(kForm, parent), lines_(new WatchLineModel(watch_, this)) {
  grid_ = place(form(), new CGrid(form()), kGrid, 1, 1, 340, 299);
  std::vector<GridColumn> columns;
  const int width = std::max(kCellWidth, grid_->fontMetrics().horizontalAdvance(QStringLiteral("WW")) + 8);
  for (std::size_t c = 0; c < DataWatch::kColumns; ++c)
    columns.push_back({QString::fromStdString(WatchColumnHeader(c)), width, CellKind::Text});
  grid_->setColumns(std::move(columns), static_cast<int>(DataWatch::kRows));
  grid_->setEditable(false);
  grid_->setSelectionMode(QAbstractItemView::NoSelection);
  grid_->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  grid_->verticalHeader()->setDefaultAlignment(Qt::AlignRight | Qt::AlignVCenter);
  std::vector<QString> rowHeaders;
  for (std::size_t r = 0; r < DataWatch::kRows; ++r) rowHeaders.push_back(QString::fromStdString(WatchRowHeader(r)));
  grid_->grid()->setRowHeaders(rowHeaders);
  grid_->setCornerText(QStringLiteral("Address"));

  list_ = place(form(), new QListView(form()), kList, 342, 16, 93, 245);
  list_->setModel(lines_);
  list_->setUniformItemSizes(true);
  list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  list_->setSelectionMode(QAbstractItemView::SingleSelection);

  detail_ = place(form(), new QPlainTextEdit(form()), kDetail, 342, 262, 93, 38);
  detail_->setReadOnly(true);
  detail_->setLineWrapMode(QPlainTextEdit::NoWrap);

  layOut();
  // Tab as the template reads: the grid, Clear above the list, the list, its detail.
  auto* clear = findControlAs<QPushButton>(form(), kClear);
  setTabOrder(grid_, clear);
  setTabOrder(clear, list_);
  setTabOrder(list_, detail_);

  connect(list_->selectionModel(), &QItemSelectionModel::currentChanged, this, [this] { lineSelected(); });
  connect(grid_, &CGrid::cellClicked, this, &CDataWatchView::cellClicked);
  connect(clear, &QPushButton::clicked, this, &CDataWatchView::clear);
}

// The designed places as the smallest size; a larger window (a maximised
// one) gives the grid more rows and the change list the rest of the room.
void CDataWatchView::layOut() {
  auto* clear = findControlAs<QPushButton>(form(), kClear);
  const QRect grid = grid_->geometry();
  const QRect side = list_->geometry().united(detail_->geometry()).united(clear->geometry());
  auto* column = new QVBoxLayout;
  column->setSpacing(detail_->geometry().top() - list_->geometry().bottom());
  column->addWidget(clear, 0, Qt::AlignLeft);
  column->addWidget(list_, 1);
  column->addWidget(detail_);
  detail_->setFixedHeight(detail_->height());
  clear->setFixedSize(clear->size());
  for (QWidget* widget : {static_cast<QWidget*>(list_), static_cast<QWidget*>(detail_)})
    widget->setMinimumWidth(side.width());
  auto* layout = new QHBoxLayout(form());
  layout->setContentsMargins(grid.left(), grid.top(), form()->width() - side.right() - 1,
                             form()->height() - grid.bottom() - 1);
  layout->setSpacing(side.left() - grid.right() - 1);
  layout->addWidget(grid_);
  layout->addLayout(column, 1);
  // The grid's sixteen columns fit its designed width: it grows in height only.
  grid_->setMinimumSize(grid.size());
  grid_->setMaximumWidth(grid.width());
  form()->setMinimumSize(form()->size());
  form()->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
  setWidgetResizable(true);
}

void CDataWatchView::initialUpdate() {
  fill(RadioDataContainer::instance().image());
  translateWindow(this, kTemplateId);
  if (const std::string corner = texts::label(text::kWatchCorner); !corner.empty())
    grid_->setCornerText(QString::fromStdString(corner));
}

long CDataWatchView::handleMessage(int message, long, long, const ChangeNotice*) {
  if (message == WM_WATCH_UPDATE) update();
  return 0;
}

void CDataWatchView::closing() { clear(); }

void CDataWatchView::fill(const Image& image) {
  clear();
  watch_.fill(image);
  grid_->grid()->fill(
      [this](int row, int column) { return cellText(watch_.watched()[DataWatch::AddressOf(row, column)]); });
}

void CDataWatchView::update() {
  const std::size_t first = watch_.changes().size();
  watch_.update(RadioDataContainer::instance().image());
  const auto& changes = watch_.changes();
  if (changes.size() > first) {
    std::vector<CGridModel::CellUpdate> cells;
    cells.reserve(changes.size() - first);
    for (std::size_t i = first; i < changes.size(); ++i) {
      const DataWatch::Change& change = changes[i];
      cells.push_back({rowOf(change.address), columnOf(change.address), cellText(change.after), kChangedColour});
    }
    grid_->grid()->setCells(cells);
    lines_->appended();
  }
  // The newest line becomes current, also when this update found nothing.
  if (!changes.empty()) showLine(changes.size() - 1, true);
}

void CDataWatchView::clear() {
  std::vector<CGridModel::CellUpdate> cells;
  for (const DataWatch::Change& change : watch_.changes()) {
    const int row = rowOf(change.address);
    const int column = columnOf(change.address);
    cells.push_back({row, column, grid_->grid()->text(row, column), QColor()});
  }
  grid_->grid()->setCells(cells);
  watch_.clear();
  lines_->reset();
  detail_->clear();
}

void CDataWatchView::showLine(std::size_t line, bool withDetail) {
  const DataWatch::Change& change = watch_.changes()[line];
  grid_->setFocusCell(rowOf(change.address), columnOf(change.address));
  {
    const QSignalBlocker quiet(list_->selectionModel());
    const QModelIndex row = lines_->index(static_cast<int>(line));
    list_->selectionModel()->setCurrentIndex(row, QItemSelectionModel::ClearAndSelect);
    list_->scrollTo(row);
  }
  if (withDetail) detail_->setPlainText(QString::fromStdString(WatchDetailText(change)).replace("\r\n", "\n"));
}

void CDataWatchView::lineSelected() {
  const QModelIndex current = list_->selectionModel()->currentIndex();
  if (current.isValid()) showLine(static_cast<std::size_t>(current.row()), true);
}

void CDataWatchView::cellClicked(int row, int column) {
  if (row < 0 || column < 0) return;
  const std::optional<std::size_t> line = watch_.firstLineOf(DataWatch::AddressOf(row, column));
  if (!line) {
    list_->selectionModel()->clear();
    return;
  }
  showLine(*line, false);
  grid_->setFocusCell(row, column);
}

}  // namespace vex::gui
