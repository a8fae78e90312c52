#include "channels/view_channel_list.h"

#include <map>
#include <utility>

#include <QApplication>
#include <QHeaderView>
#include <QScrollBar>
#include <QSettings>
#include <QVBoxLayout>

#include "adapters/radio_data.h"
#include "adapters/settings.h"
#include "adapters/texts.h"
#include "base/text_ids.h"
#include "channels/channel_data.h"
#include "channels/channel_grid.h"
#include "commands/command_ids.h"
#include "config/app_settings.h"
#include "core/channel_links.h"
#include "core/container.h"
#include "core/frequency_entry.h"
#include "toolkit/accessible_names.h"
#include "toolkit/control_id.h"
#include "toolkit/entry_edits.h"
#include "transfer/transfer_prompts.h"
#include "views/messages.h"
#include "views/view_host.h"

namespace vex::gui {
namespace {

using C = ChannelColumn;

constexpr FormDef kForm{CViewChannelList::kTemplateId, "Channel List", 10, 10, {}};
constexpr int kHeaderHeight = 30;

// The number column's heading: the first item of the test frequency grid's
// titles, which names the same column.
QString cornerText() {
  const std::vector<std::string> titles = settings::current().textList(text::kTestFreqColumns);
  return titles.empty() || titles[0].empty() ? QStringLiteral("No.") : QString::fromStdString(titles[0]);
}
const QString kWidthsKey = QStringLiteral("ChannelList/columnWidths");

// The grid cell that edits a column's cells.
CellKind cellKindOf(ChannelCellEdit edit) {
  switch (edit) {
    case ChannelCellEdit::Frequency: return CellKind::Frequency;
    case ChannelCellEdit::TypedChoice: return CellKind::EditableDropDown;
    case ChannelCellEdit::Choice: break;
  }
  return CellKind::DropDown;
}

// The grid's definition of a channel column: its title, width, cell and
// what may be typed into it (a decimal point also as the user's separator).
GridColumn gridColumnOf(const ChannelColumnDef& column) {
  GridColumn definition;
  definition.header = QString::fromStdString(texts::label(column.header));
  definition.width = column.width;
  definition.kind = cellKindOf(column.edit);
  definition.maxLength = column.maxLength;
  definition.allowed = QString::fromLatin1(column.typable.data(), static_cast<qsizetype>(column.typable.size()));
  if (definition.allowed.contains(QLatin1Char('.')) && userDecimalSeparator() != QLatin1Char('.'))
    definition.allowed += userDecimalSeparator();
  return definition;
}

std::optional<QString> checkCell(const ChannelColumnDef& column, const QString& text) {
  const std::optional<std::string> kept = column.check(dotted(text).toStdString(), channel_data::rowContext());
  if (!kept) return std::nullopt;
  return QString::fromStdString(*kept);
}

const ChannelColumnDef& columnAt(int column) { return ChannelColumns()[static_cast<std::size_t>(column)]; }

bool pullsIntoBand(const ChannelColumnDef& column, const QString& text) {
  return column.edit == ChannelCellEdit::Frequency &&
         FrequencyOutsideBand(dotted(text).toStdString(), channel_data::rowContext().band);
}

}  // namespace

CViewChannelList::CViewChannelList(QWidget* parent)
    : CRecordView(kForm, RecordKind::Channel, LastRecordDelete::LeaveNoCurrent, parent), grid_(new CChannelGrid) {
  setControlId(grid_, kGridId);
  auto* layout = new QVBoxLayout(form());
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(grid_);
  // The grid follows the frame's size; it scrolls itself when the frame is smaller.
  form()->setMinimumSize(0, 0);
  form()->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
  setWidgetResizable(true);
  setUpGrid();
  connect(grid_, &CGrid::cellClicked, this, &CViewChannelList::clicked);
  // The current channel follows the current row however it moves: keys,
  // clicks, the row numbers.
  connect(grid_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
          [this](const QModelIndex& current) { clicked(current.row(), current.column()); });
  connect(grid_, &CGrid::beginEdit, this, [](int, int column, QStringList& options) {
    for (const std::string& option : columnAt(column).options(channel_data::rowContext()))
      options.push_back(QString::fromStdString(option));
  });
  connect(grid_, &CGrid::endEdit, this, &CViewChannelList::cellEdited);
  connect(grid_, &CChannelGrid::pasteRequested, this, &CViewChannelList::pasteRows);
  connect(grid_, &CChannelGrid::deleteRowsRequested, this, &CViewChannelList::deleteSelectedRows);
  connect(grid_, &CChannelGrid::rowHeaderActivated, this, [](int row) {
    if (ViewHost* host = ViewHost::current()) host->showView(kCmdViewChannel, {}, row + 1);
  });
}

void CViewChannelList::setUpGrid() {
  std::vector<GridColumn> columns;
  for (const ChannelColumnDef& column : ChannelColumns()) {
    GridColumn definition = gridColumnOf(column);
    definition.check = [this, &column](int, const QString& text) {
      // A typed cell reaches cellEdited already checked: the band's pull is noted here.
      if (pullsIntoBand(column, text)) typedOutOfBand_ = true;
      return checkCell(column, text);
    };
    columns.push_back(std::move(definition));
  }
  grid_->setColumns(std::move(columns), 0);
  // Every column at least as wide as its title.
  QHeaderView* header = grid_->horizontalHeader();
  for (int c = 0; c < grid_->grid()->columnCount(); ++c)
    grid_->setColumnWidth(c, std::max(grid_->columnWidth(c), header->sectionSizeHint(c)));
  const QString corner = cornerText();
  grid_->setCornerText(corner);
  QHeaderView* numbers = grid_->verticalHeader();
  numbers->setMinimumWidth(numbers->fontMetrics().horizontalAdvance(corner) + 12);
  header->setFixedHeight(std::max(kHeaderHeight, header->fontMetrics().height() + 10));
}

void CViewChannelList::initialUpdate() {
  CRecordView::initialUpdate();
  grid_->setAccessibleName(spokenText(windowTitle()));  // the grid is all the view holds
  restoreWidths();
  // The frame opens showing every column and the most rows a list may hold.
  int width = grid_->verticalHeader()->sizeHint().width() + 2 * grid_->frameWidth() +
              grid_->verticalScrollBar()->sizeHint().width();
  for (int c = 0; c < grid_->grid()->columnCount(); ++c) width += grid_->columnWidth(c);
  const int rows = static_cast<int>(RecordLimitOf(RecordKind::Channel).most);
  const int height = grid_->horizontalHeader()->height() + rows * grid_->verticalHeader()->defaultSectionSize() +
                     2 * grid_->frameWidth() + grid_->horizontalScrollBar()->sizeHint().height();
  form()->resize(width, height);
}

void CViewChannelList::loadCurrent() {
  reloadRows();
  selectCurrentRow();
}

void CViewChannelList::reloadRows() {
  const RecordListAccess list = radio_data::records(RecordKind::Channel);
  CGridModel* model = grid_->grid();
  model->setRowCount(static_cast<int>(list.size()));
  for (int row = 0; row < model->rowCount(); ++row) {
    model->setRowHeader(row, QString::number(row + 1));
    loadRow(row);
  }
}

void CViewChannelList::loadRow(int row) {
  const ChannelItem* item = channel_data::channel(radio_data::records(RecordKind::Channel).keyAt(row));
  if (!item) return;
  const ChannelRow texts = LoadChannelRow(item->record(), channel_data::rowContext());
  std::vector<QString> cells;
  for (const std::string& text : texts) cells.push_back(QString::fromStdString(text));
  grid_->grid()->setRowTexts(row, cells);
  // Tone cells the row's tone types do not use are display-only.
  for (const ChannelColumnDef& column : ChannelColumns()) {
    const bool inUse = column.inUse(item->record());
    grid_->grid()->setKind(row, static_cast<int>(IndexOf(column.column)),
                           inUse ? std::nullopt : std::optional(CellKind::DisplayOnly));
  }
}

void CViewChannelList::selectCurrentRow() {
  const int position = this->position();
  if (position == 0) return;
  const int column = std::max(grid_->currentIndex().column(), 0);
  grid_->setFocusCell(position - 1, column);
  grid_->selectRow(position - 1);
}

void CViewChannelList::clicked(int row, int) {
  const RecordListAccess list = radio_data::records(RecordKind::Channel);
  if (row < 0 || static_cast<std::size_t>(row) >= list.size()) return;  // outside the rows: the current channel stays
  const int key = list.keyAt(static_cast<std::size_t>(row));
  if (key == currentKey()) return;
  setCurrentKey(key);
  if (ViewHost* host = ViewHost::current()) host->positionChanged(this);
}

void CViewChannelList::cellEdited(int row, int column) {
  const QString text = grid_->grid()->text(row, column);
  std::vector<CellEdit> edits{{row, &columnAt(column), text}};
  // Several rows selected with the edited one: the column takes the text in each.
  const std::vector<int> rows = grid_->selectedRows();
  if (rows.size() > 1 && std::find(rows.begin(), rows.end(), row) != rows.end())
    for (int other : rows)
      if (other != row) edits.push_back({other, &columnAt(column), text});
  StoreOutcome outcome = storeCells(edits);
  const bool typedOutOfBand = std::exchange(typedOutOfBand_, false);
  outcome.pulledIntoBand = outcome.pulledIntoBand || typedOutOfBand;
  tellOutcome(outcome);
}

void CViewChannelList::tellOutcome(const StoreOutcome& outcome) {
  if (!outcome.allKept) QApplication::beep();
  if (outcome.pulledIntoBand) showLater(text::kMsgFrequencyClamped);
}

void CViewChannelList::showLater(int messageId, long number) {
  // Shown once control is back in the event loop, never from inside the
  // grid's own end of an edit.
  const MessageArgument argument = number != 0 ? MessageArgument::Number(number) : MessageArgument{};
  QMetaObject::invokeMethod(
      this, [this, messageId, argument] { showMessageText(this, messageId, argument); }, Qt::QueuedConnection);
}

CViewChannelList::StoreOutcome CViewChannelList::storeCells(const std::vector<CellEdit>& edits) {
  std::map<int, std::vector<const CellEdit*>> byRow;
  for (const CellEdit& edit : edits) byRow[edit.row].push_back(&edit);
  RadioDataContainer& data = channel_data::container();
  InvalidLog& log = radio_data::invalidLog();
  StoreOutcome outcome;
  for (const auto& [row, rowEdits] : byRow) {
    ChannelItem* item = channel_data::channel(radio_data::records(RecordKind::Channel).keyAt(row));
    if (!item) continue;
    const ChannelRowContext context = channel_data::rowContext();
    ChannelRow texts = LoadChannelRow(item->record(), context);
    bool personality = false, scanList = false;
    for (const CellEdit* edit : rowEdits) {
      const ChannelColumnDef& column = *edit->column;
      const std::optional<QString> kept = checkCell(column, edit->text);
      if (!kept) {
        outcome.allKept = false;
        continue;
      }
      outcome.pulledIntoBand = outcome.pulledIntoBand || pullsIntoBand(column, edit->text);
      texts[IndexOf(column.column)] = kept->toStdString();
      personality = personality || column.column == C::Personality;
      scanList = scanList || column.column == C::ScanList;
    }
    StoreChannelRow(texts, context, item->record());
    if (personality) ChoosePersonality(*item, item->record().personalityIndex(), data, &log);
    if (scanList) ChooseScanList(*item, item->record().scanListNumber(), data, &log);
    loadRow(row);
  }
  if (!edits.empty()) announceEdit(*edits.front().column);
  return outcome;
}

void CViewChannelList::announceEdit(const ChannelColumnDef& column) {
  ChangeNotice edit;
  edit.source = kTemplateId;
  edit.controlId = kGridId;
  edit.kind = ChangeNotice::kFieldEdit;
  edit.field = column.field;
  announce(edit);
}

void CViewChannelList::pasteRows(const QString& text) {
  const std::vector<std::vector<QString>> rows = parseTabSeparated(text);
  const QModelIndex current = grid_->currentIndex();
  if (rows.empty()) return;
  std::vector<CellEdit> edits;
  const QModelIndexList selected = grid_->selectionModel()->selectedIndexes();
  if (rows.size() == 1 && rows.front().size() == 1 && selected.size() > 1) {
    // One value into a selection fills it.
    for (const QModelIndex& index : selected)
      edits.push_back({index.row(), &columnAt(index.column()), rows.front().front()});
  } else {
    // A block from the current cell; whole selected rows take whole rows.
    const bool wholeRows = !grid_->selectedWholeRows().empty();
    const int top = current.isValid() ? current.row() : grid_->grid()->rowCount();
    const int left = wholeRows || !current.isValid() ? 0 : current.column();
    RecordListAccess list = radio_data::records(RecordKind::Channel);
    bool added = false;
    bool leftOut = false;
    for (std::size_t r = 0; r < rows.size(); ++r) {
      const int row = top + static_cast<int>(r);
      // Rows past the last channel add channels, as Add would, up to its limit.
      if (static_cast<std::size_t>(row) >= list.size()) {
        if (list.size() >= addLimit() || list.appendNew() == 0) {
          leftOut = true;
          break;
        }
        added = true;
      }
      for (std::size_t c = 0; c < rows[r].size(); ++c) {
        const std::size_t column = static_cast<std::size_t>(left) + c;
        if (column < kChannelColumnCount) edits.push_back({row, &ChannelColumns()[column], rows[r][c]});
      }
    }
    if (added) {
      reloadRows();
      ChangeNotice notice;
      notice.kind = ChangeNotice::kAdd;
      announce(notice);
    }
    if (leftOut) showLater(text::kMsgPasteRowsLeftOut, static_cast<long>(addLimit()));
  }
  tellOutcome(storeCells(edits));
}

void CViewChannelList::deleteSelectedRows() {
  const std::vector<int> rows = grid_->selectedWholeRows();
  if (rows.empty()) return;
  RecordListAccess list = radio_data::records(RecordKind::Channel);
  std::vector<int> keys;
  for (int row : rows) keys.push_back(list.keyAt(static_cast<std::size_t>(row)));
  // The last channel stays, as with Delete on the navigation bar.
  for (auto key = keys.rbegin(); key != keys.rend() && list.size() > 1; ++key)
    if (const auto index = list.indexOfKey(*key)) list.removeAt(*index, &radio_data::invalidLog());
  if (!list.indexOfKey(currentKey()))
    setCurrentKey(list.keyAt(std::min(static_cast<std::size_t>(rows.front()), list.size() - 1)));
  grid_->clearSelection();
  loadCurrent();
  ChangeNotice notice;
  notice.kind = ChangeNotice::kValidate;
  notice.key = currentKey();
  announce(notice);
}

long CViewChannelList::handleMessage(int message, long wParam, long lParam, const ChangeNotice* notice) {
  const long result = CRecordView::handleMessage(message, wParam, lParam, notice);
  if (message == WM_VIEW_NAVIGATE) loadCurrent();
  // A plain change elsewhere (the channel view's Options page) may be a channel's.
  if (message == WM_DATA_CHANGED && wParam != kChangeNoticeTag) reloadRows();
  return result;
}

void CViewChannelList::noticeReceived(const ChangeNotice& notice) {
  if (notice.source == kTemplateId) return;
  const RecordListAccess list = radio_data::records(RecordKind::Channel);
  if (!list.indexOfKey(currentKey())) setCurrentKey(0);
  // The channel view moved: its channel's row becomes current here too.
  const bool channelViewMoved = notice.source == text::kCaptionChannel && notice.controlId == 0 &&
                                notice.kind <= static_cast<int>(RecordMove::GoTo) && notice.key != 0;
  if (channelViewMoved && list.indexOfKey(notice.key)) {
    setCurrentKey(notice.key);
    loadCurrent();
    if (ViewHost* host = ViewHost::current()) host->positionChanged(this);
    return;
  }
  reloadRows();
}

void CViewChannelList::closing() {
  CRecordView::closing();
  saveWidths();
}

QSettings* CViewChannelList::widthStore() const {
  if (widthStore_) return widthStore_;
  static QSettings programSettings(QStringLiteral("vexprog"), QStringLiteral("vexprog"));
  return &programSettings;
}

void CViewChannelList::restoreWidths() {
  const QStringList stored = widthStore()->value(kWidthsKey).toStringList();
  for (int c = 0; c < stored.size() && c < grid_->grid()->columnCount(); ++c) {
    bool ok = false;
    const int width = stored[c].toInt(&ok);
    if (ok && width >= 8 && width <= 1000) grid_->setColumnWidth(c, width);
  }
  loadedWidths_.clear();
  for (int c = 0; c < grid_->grid()->columnCount(); ++c) loadedWidths_.push_back(grid_->columnWidth(c));
}

void CViewChannelList::saveWidths() const {
  std::vector<int> widths;
  QStringList stored;
  for (int c = 0; c < grid_->grid()->columnCount(); ++c) {
    widths.push_back(grid_->columnWidth(c));
    stored.push_back(QString::number(widths.back()));
  }
  if (widths != loadedWidths_) widthStore()->setValue(kWidthsKey, stored);
}

}  // namespace vex::gui
