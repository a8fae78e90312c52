// The grid's speed where the views need it: opening a grid of 513 x 17
// cells (the data watch's, header row and column included) and filling it,
// and a full refresh of the 16 channel rows of the channel list (17 rows
// with the header). Each figure is the median of several runs, painting
// included; the targets are 100 ms and 20 ms.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include <QApplication>
#include <QElapsedTimer>
#include <QPixmap>

#include "toolkit/grid.h"

namespace {

using vex::gui::CellKind;
using vex::gui::CGrid;
using vex::gui::GridColumn;

double median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

double milliseconds(const QElapsedTimer& timer) { return static_cast<double>(timer.nsecsElapsed()) / 1e6; }

// Opens a 512 x 16 grid of hexadecimal bytes with its headers, fills and paints it.
double openAndFillWatchGrid() {
  QElapsedTimer timer;
  timer.start();
  CGrid grid;
  std::vector<GridColumn> columns;
  for (int c = 0; c < 16; ++c)
    columns.push_back({QStringLiteral("_%1").arg(c, 0, 16).toUpper(), 26, CellKind::DisplayOnly});
  grid.setColumns(std::move(columns), 512);
  grid.setCornerText(QStringLiteral("Address"));
  grid.setEditable(false);
  std::vector<QString> rows;
  for (int r = 0; r < 512; ++r) rows.push_back(QStringLiteral("F:%1_").arg(r, 3, 16, QLatin1Char('0')).toUpper());
  grid.grid()->setRowHeaders(rows);
  grid.grid()->fill(
      [](int r, int c) { return QStringLiteral("%1").arg((r * 16 + c) & 0xFF, 2, 16, QLatin1Char('0')).toUpper(); });
  grid.resize(700, 600);
  grid.show();
  QApplication::processEvents();
  (void)grid.grab();
  return milliseconds(timer);
}

// The channel list's grid: 13 columns over 16 channels; a refresh rewrites
// every row, sets the tone cells' kinds and paints.
struct ChannelGrid {
  ChannelGrid() {
    const CellKind kinds[] = {CellKind::Frequency,        CellKind::DropDown,         CellKind::EditableDropDown,
                              CellKind::EditableDropDown, CellKind::Frequency,        CellKind::DropDown,
                              CellKind::EditableDropDown, CellKind::EditableDropDown, CellKind::DropDown,
                              CellKind::DropDown,         CellKind::DropDown,         CellKind::DropDown,
                              CellKind::DropDown};
    std::vector<GridColumn> columns;
    for (CellKind kind : kinds) columns.push_back({QStringLiteral("Column"), 80, kind});
    grid.setColumns(std::move(columns), 16);
    grid.setCornerText(QStringLiteral("No."));
    grid.resize(1100, 450);
    grid.show();
    QApplication::processEvents();
  }
  double refresh(int pass) {
    QElapsedTimer timer;
    timer.start();
    for (int r = 0; r < 16; ++r) {
      const QString tone = QStringLiteral("%1.%2").arg(67 + r + pass % 3).arg(r % 10);
      grid.grid()->setRowTexts(
          r, {QStringLiteral("446.%1").arg(6250 + r * 12500 + pass, 5, 10, QLatin1Char('0')), "CTCSS", tone, "",
              QStringLiteral("446.00625"), "CTCSS", tone, "", "12.5 kHz", "High", "1", "1", "Off"});
      grid.grid()->setRowHeader(r, QString::number(r + 1));
      grid.grid()->setKind(r, 3, CellKind::DisplayOnly);
      grid.grid()->setKind(r, 7, CellKind::DisplayOnly);
    }
    grid.selectRow(pass % 16);
    (void)grid.grab();
    return milliseconds(timer);
  }
  CGrid grid;
};

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  constexpr int kRuns = 9;
  std::vector<double> opens;
  for (int i = 0; i < kRuns; ++i) opens.push_back(openAndFillWatchGrid());
  ChannelGrid channels;
  std::vector<double> refreshes;
  for (int i = 0; i < kRuns * 3; ++i) refreshes.push_back(channels.refresh(i));
  const double open = median(opens);
  const double refresh = median(refreshes);
  std::printf("grid 513 x 17, open and fill: %6.1f ms (median of %d, target < 100 ms)\n", open, kRuns);
  std::printf("channel grid 17 rows, refresh: %6.1f ms (median of %d, target < 20 ms)\n", refresh, kRuns * 3);
  return open < 100.0 && refresh < 20.0 ? EXIT_SUCCESS : EXIT_FAILURE;
}
