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

class QListView;
class QPlainTextEdit;

namespace vex::gui {

class CGrid;
class WatchLineModel;

class CDataWatchView : public CCustomFormView {
  Q_OBJECT
 public:
  static constexpr int kTemplateId = text::kCaptionDataWatch;
  static constexpr int kDetail = 3546;
  static constexpr int kGrid = 3547;
  static constexpr int kClear = text::kWatchClear;
  static constexpr int kList = 3549;
  // The background of a changed cell.
  static const QColor kChangedColour;

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
  CGrid* grid() const { return grid_; }
  QListView* list() const { return list_; }
  QPlainTextEdit* detail() const { return detail_; }

 private:
  void layOut();
  void lineSelected();
  void cellClicked(int row, int column);
  // Makes a line current: the list selects it, the grid moves to its cell
  // and, when asked, the detail box shows it.
  void showLine(std::size_t line, bool withDetail);

  DataWatch watch_;
  WatchLineModel* lines_;
  CGrid* grid_;
  QListView* list_;
  QPlainTextEdit* detail_;
};

}  // namespace vex::gui
