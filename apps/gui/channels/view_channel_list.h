#pragma once
// CViewChannelList (view command 32895, template 3770): every channel as a
// row of the channel grid, edited in place. An edit is checked, stored into
// its channel and its row reloaded; an edit with several rows selected sets
// that column in all of them. Rows copy and paste as tab-separated text
// (within the grid and to and from a spreadsheet; pasting past the last row
// adds channels up to the Add limit), Delete removes the selected rows, and
// the row of the channel that the channel view shows is kept selected.
// Column widths are remembered.
#include <vector>

#include "views/record_view.h"
#include "workflow/channel_row.h"

class QSettings;

namespace vex::gui {

class CChannelGrid;

class CViewChannelList : public CRecordView {
  Q_OBJECT
 public:
  static constexpr int kTemplateId = 3770;
  static constexpr int kGridId = 3771;

  explicit CViewChannelList(QWidget* parent = nullptr);

  CChannelGrid* grid() const { return grid_; }
  // Where column widths are kept (default: the program's QSettings).
  void setWidthStore(QSettings* store) { widthStore_ = store; }

  void initialUpdate() override;
  long handleMessage(int message, long wParam, long lParam, const ChangeNotice* notice = nullptr) override;
  void closing() override;

  // The grid's actions, also for tests: paste tab-separated text at the
  // current cell, delete the selected rows.
  void pasteRows(const QString& text);
  void deleteSelectedRows();

 protected:
  void loadCurrent() override;
  void storeCurrent() override {}  // every edit is stored when it ends
  void noticeReceived(const ChangeNotice& notice) override;

 private:
  struct CellEdit {
    int row;
    const ChannelColumnDef* column;
    QString text;
  };
  void setUpGrid();
  // Rows from the channels: texts, the tone cells in use; the selection stays.
  void reloadRows();
  void loadRow(int row);
  void selectCurrentRow();
  void clicked(int row, int column);
  void cellEdited(int row, int column);
  // What storing texts came to: a text refused, a frequency pulled into the band.
  struct StoreOutcome {
    bool allKept = true;
    bool pulledIntoBand = false;
  };
  // Stores edits row by row, each text checked by its column.
  StoreOutcome storeCells(const std::vector<CellEdit>& edits);
  // A beep for a refused text, a message for a frequency the band changed.
  void tellOutcome(const StoreOutcome& outcome);
  // A message box once control is back in the event loop.
  void showLater(int messageId, long number = 0);
  void announceEdit(const ChannelColumnDef& column);
  void restoreWidths();
  void saveWidths() const;
  QSettings* widthStore() const;

  CChannelGrid* grid_;
  QSettings* widthStore_ = nullptr;
  std::vector<int> loadedWidths_;
  bool typedOutOfBand_ = false;  // the cell's check pulled a typed frequency into the band
};

}  // namespace vex::gui
