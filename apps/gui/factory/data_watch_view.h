#pragma once
// CDataWatchView (view command 32888, template 3509): the memory image as a
// read-only hexadecimal grid and the log of every byte that changed between
// successive Memory Updates. A change line selected in the list shows its
// details and the grid moves to its cell; a grid click selects the cell's
// oldest line. Clear empties the log and the highlights. The view never
// writes the radio data.
#include "base/text_ids.h"
#include "core/data_watch.h"
#include "views/custom_form_view.h"

class QLabel;
class QListView;
class QPlainTextEdit;
class QTableView;

namespace vex::gui {

class DataWatchGridModel;
class DataWatchLineModel;

class CDataWatchView : public CCustomFormView {
  Q_OBJECT
 public:
  static constexpr int kTemplateId = text::kCaptionDataWatch;
  static constexpr int kDetail = 3546;
  static constexpr int kGrid = 3547;
  static constexpr int kClear = text::kWatchClear;
  static constexpr int kList = 3549;

  explicit CDataWatchView(QWidget* parent = nullptr);

  void initialUpdate() override;
  long handleMessage(int message, long wParam, long lParam, const ChangeNotice* notice = nullptr) override;
  void closing() override;

  // A fresh snapshot of `image` with an empty log.
  void fill(const Image& image);
  // Logs the differences between the container's image and the snapshot.
  void update();
  void clear();

  const DataWatch& watch() const { return watch_; }
  QTableView* grid() const { return grid_; }
  QListView* list() const { return list_; }
  QPlainTextEdit* detail() const { return detail_; }

 private:
  void lineSelected();
  void cellClicked(const QModelIndex& index);
  void showLine(std::size_t line, bool withDetail);

  DataWatch watch_;
  DataWatchGridModel* gridModel_;
  DataWatchLineModel* lineModel_;
  QTableView* grid_;
  QListView* list_;
  QPlainTextEdit* detail_;
  QLabel* corner_;
};

}  // namespace vex::gui
