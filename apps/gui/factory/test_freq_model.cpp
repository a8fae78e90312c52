#include "factory/test_freq_model.h"

#include "core/container.h"

namespace vex::gui {
namespace {

using Group = TestFreqSection::Group;

TestFreqSection& section() { return RadioDataContainer::instance().testFreq(); }

}  // namespace

TestFreqModel::TestFreqModel(Rows rows, bool editable, QObject* parent)
    : QAbstractTableModel(parent),
      rows_(rows),
      editable_(editable),
      titles_{"RX Frequency[MHz]", "TX Frequency[MHz]"} {}

int TestFreqModel::rowCount(const QModelIndex& parent) const {
  if (parent.isValid()) return 0;
  return static_cast<int>(rows_ == Rows::TestChannels ? TestFreqSection::kTestChannels : TestFreqSection::kFivePoints);
}

int TestFreqModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : 2; }

Group TestFreqModel::groupOf(int column) const {
  if (rows_ == Rows::TestChannels) return column == 0 ? Group::TestRx : Group::TestTx;
  return column == 0 ? Group::FivePointRx : Group::FivePointTx;
}

QVariant TestFreqModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  if (role == Qt::TextAlignmentRole) return int(Qt::AlignRight | Qt::AlignVCenter);
  if (role != Qt::DisplayRole && role != Qt::EditRole) return {};
  return QString::fromStdString(section().text(groupOf(index.column()), static_cast<std::size_t>(index.row())));
}

bool TestFreqModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (!editable_ || !index.isValid() || role != Qt::EditRole) return false;
  section().setText(groupOf(index.column()), static_cast<std::size_t>(index.row()), value.toString().toStdString());
  emit dataChanged(index, index);
  emit edited();
  return true;
}

Qt::ItemFlags TestFreqModel::flags(const QModelIndex& index) const {
  const Qt::ItemFlags base = QAbstractTableModel::flags(index);
  return editable_ ? base | Qt::ItemIsEditable : base;
}

QVariant TestFreqModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role == Qt::TextAlignmentRole && orientation == Qt::Vertical) return int(Qt::AlignRight | Qt::AlignVCenter);
  if (role != Qt::DisplayRole) return {};
  if (orientation == Qt::Vertical) return QString::number(section + 1);
  return section >= 0 && section < 2 ? titles_[section] : QVariant();
}

void TestFreqModel::setColumnTitles(const QString& receive, const QString& transmit) {
  titles_[0] = receive;
  titles_[1] = transmit;
  emit headerDataChanged(Qt::Horizontal, 0, 1);
}

void TestFreqModel::reload() {
  beginResetModel();
  endResetModel();
}

}  // namespace vex::gui
