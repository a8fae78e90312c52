#pragma once
// One grid of the test-frequency view as a Qt model over the container's
// TestFreqSection: a row per test channel or five-point frequency, a receive
// and a transmit column, MHz texts. An edited text is stored at once with its
// step code (an off-raster value moves down to 12.5 kHz; empty or 0 is none).
#include <QAbstractTableModel>

#include "core/sections/test_freq_section.h"

namespace vex::gui {

class TestFreqModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  enum class Rows { TestChannels, FivePoints };

  TestFreqModel(Rows rows, bool editable, QObject* parent = nullptr);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  bool setData(const QModelIndex& index, const QVariant& value, int role) override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  // Column titles (receive, transmit); the row titles are the row numbers.
  void setColumnTitles(const QString& receive, const QString& transmit);
  // The section changed under the model.
  void reload();

 signals:
  // A user edit reached the section.
  void edited();

 private:
  TestFreqSection::Group groupOf(int column) const;

  Rows rows_;
  bool editable_;
  QString titles_[2];
};

}  // namespace vex::gui
