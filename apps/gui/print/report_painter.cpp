#include "print/report_painter.h"

#include <algorithm>
#include <ctime>
#include <numeric>
#include <vector>

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>

#include "adapters/texts.h"
#include "base/text_ids.h"
#include "config/safe_format.h"

namespace vex::gui {
namespace {

// Heights in tenths of a millimetre.
constexpr int kNormalHeight = 30;
constexpr int kHeaderHeight = 35;
constexpr int kEmphasisedHeight = 40;
constexpr int kTitleHeight = 50;
// A text wider than its cell is first set smaller, down to this share.
constexpr double kSmallestFit = 0.5;
// The space kept free at the right of every cell of a report line, so that
// texts of neighbouring cells never touch.
constexpr double kCellGap = 15;

// "Page n of m" in the language, else as the library words it.
QString footerText(int number, int count) {
  const std::string format = texts::message(text::kMsgPageFooter);
  const std::string text = formatText(format, number, count);
  return QString::fromStdString(format.empty() || text == format ? PageFooterText(number, count) : text);
}

QFont reportFont(int height, QFont::Weight weight) {
  QFont font;
  // Arial where it exists; the others cover Latin and Chinese elsewhere.
  font.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans"),
                    QStringLiteral("WenQuanYi Micro Hei"), QStringLiteral("Noto Sans CJK SC")});
  font.setPixelSize(height);
  font.setWeight(weight);
  return font;
}

// The font of a line; table headings at `headingScale` of their height.
QFont lineFont(int kind, double headingScale) {
  switch (kind) {
    case kLineTitle: return reportFont(kTitleHeight, QFont::Black);
    case kLineEmphasised: return reportFont(kEmphasisedHeight, QFont::Black);
    case kLineTableHeading:
      return reportFont(std::max(1, static_cast<int>(kEmphasisedHeight * headingScale)), QFont::Black);
    default: return reportFont(kNormalHeight, QFont::Normal);
  }
}

// The width of each cell of a line `width` wide, less the gap at its right.
std::vector<double> cellWidths(const ReportLine& line, double width) {
  const unsigned total = std::accumulate(line.weights.begin(), line.weights.end(), 0u);
  std::vector<double> widths;
  for (std::size_t c = 0; c < line.cells.size() && c < line.weights.size() && total != 0; ++c)
    widths.push_back(line.weights[c] * width / total);
  return widths;
}

// One size for every table heading: the largest at which each fits its cell
// (down to the smallest a text is set at), so that no heading stands out.
double tableHeadingScale(const std::vector<ReportLine>& lines, double width, QPaintDevice* device) {
  const QFontMetricsF metrics(lineFont(kLineTableHeading, 1.0), device);
  double scale = 1.0;
  for (const ReportLine& line : lines) {
    if (line.kind != kLineTableHeading) continue;
    const std::vector<double> widths = cellWidths(line, width);
    for (std::size_t c = 0; c < widths.size(); ++c) {
      const double text = metrics.horizontalAdvance(QString::fromStdString(line.cells[c]));
      if (text > 0) scale = std::min(scale, (widths[c] - kCellGap) / text);
    }
  }
  return std::max(kSmallestFit, scale);
}

// The printable part of the page in tenths of a millimetre.
QSize pageSize(const QPagedPaintDevice& device) {
  const QRectF page = device.pageLayout().paintRect(QPageLayout::Millimeter);
  return {static_cast<int>(page.width() * 10), static_cast<int>(page.height() * 10)};
}

// Draws the text left-aligned and vertically centred in the cell, set
// smaller or cut short where it would run into the next cell.
void drawCell(QPainter& painter, const QRectF& cell, const QString& text, const QFont& font,
              Qt::Alignment align = Qt::AlignLeft) {
  if (text.isEmpty() || cell.width() <= 0) return;
  QFont fitted = font;
  const double width = QFontMetricsF(font, painter.device()).horizontalAdvance(text);
  if (width > cell.width()) {
    const double factor = std::max(kSmallestFit, cell.width() / width);
    fitted.setPixelSize(std::max(1, static_cast<int>(font.pixelSize() * factor)));
  }
  const QFontMetricsF metrics(fitted, painter.device());
  painter.setFont(fitted);
  painter.drawText(cell, static_cast<int>(align | Qt::AlignVCenter | Qt::TextSingleLine),
                   metrics.elidedText(text, Qt::ElideRight, cell.width()));
}

void drawRule(QPainter& painter, double left, double right, double y) {
  painter.drawLine(QPointF(left, y), QPointF(right, y));
}

}  // namespace

struct ReportPainter::Page {
  double left;  // the margins' inner edges
  double right;
  double top;  // the first line's top
  double lineHeight;
  int linesPerPage;
  const ReportPages& pages;
  double headingScale;

  QRectF line(int index) const { return {left, top + index * lineHeight, right - left, lineHeight}; }
};

ReportPainter::ReportPainter(const ReportDocument& document, QDateTime printed) : document_(document) {
  const std::time_t seconds = printed.toSecsSinceEpoch();
  std::tm local{};
  localtime_r(&seconds, &local);
  printed_ = QString::fromStdString(PrintTimeText(local));
}

int ReportPainter::linesPerPage(const QPagedPaintDevice& device) const {
  return LinesPerPage(pageSize(device).height(), document_.margins);
}

int ReportPainter::pageCount(const QPagedPaintDevice& device) const {
  return ReportPages(document_.lines, linesPerPage(device)).count();
}

bool ReportPainter::paint(QPagedPaintDevice& device) const {
  const ReportPages reportPages(document_.lines, linesPerPage(device));
  const int count = reportPages.count();
  std::vector<int> pages;
  const QPageRanges ranges = device.pageRanges();
  for (int number = 1; number <= count; ++number)
    if (ranges.isEmpty() || ranges.contains(number)) pages.push_back(number);
  if (pages.empty()) return true;
  QPainter painter;
  if (!painter.begin(&device)) return false;
  // One logical unit is a tenth of a millimetre.
  const double scale = device.logicalDpiX() / 254.0;
  painter.scale(scale, scale);
  const QSize size = pageSize(device);
  const ReportMargins& margins = document_.margins;
  const double width = size.width() - 2.0 * margins.side;
  const Page page{static_cast<double>(margins.side),
                  static_cast<double>(size.width() - margins.side),
                  static_cast<double>(margins.top + PageBlockOffset(size.height(), margins)),
                  static_cast<double>(margins.lineHeight),
                  LinesPerPage(size.height(), margins),
                  reportPages,
                  tableHeadingScale(document_.lines, width, &device)};
  for (int number : pages) {
    if (number != pages.front()) device.newPage();
    paintPage(painter, page, number, count);
  }
  return painter.end();
}

void ReportPainter::paintPage(QPainter& painter, const Page& page, int number, int count) const {
  painter.setPen(QPen(Qt::black, 2));
  const QFont header = reportFont(kHeaderHeight, QFont::Normal);
  const QFont normal = reportFont(kNormalHeight, QFont::Normal);
  const double half = (page.right - page.left) / 2;

  // Header: the file at the left, the title at the right, a rule below.
  const QRectF top = page.line(0);
  drawCell(painter, top.adjusted(0, 0, -half, 0), QString::fromStdString(document_.source), header);
  drawCell(painter, top.adjusted(half, 0, 0, 0), QString::fromStdString(document_.title), header, Qt::AlignRight);
  drawRule(painter, page.left, page.right, top.bottom());

  // Radio block: two lines of four columns, a rule below.
  const auto radioLine = [&](const std::array<std::string, 4>& cells, const QRectF& line) {
    const double quarter = line.width() / 4;
    for (std::size_t c = 0; c < cells.size(); ++c)
      drawCell(painter, QRectF(line.left() + c * quarter, line.top(), quarter, line.height()),
               QString::fromStdString(cells[c]), normal);
  };
  radioLine(document_.radioTop, page.line(1));
  radioLine(document_.radioBottom, page.line(2));
  drawRule(painter, page.left, page.right, page.line(2).bottom());

  // The page's report lines, after a gap of one line.
  const auto [begin, end] = page.pages.lineRange(number);
  for (std::size_t i = begin; i < end; ++i) {
    const ReportLine& line = document_.lines[i];
    const QRectF place = page.line(4 + static_cast<int>(i - begin));
    const QFont font = lineFont(line.kind, page.headingScale);
    double x = place.left();
    const std::vector<double> widths = cellWidths(line, place.width());
    for (std::size_t c = 0; c < widths.size(); ++c) {
      drawCell(painter, QRectF(x, place.top(), widths[c] - kCellGap, place.height()),
               QString::fromStdString(line.cells[c]), font);
      x += widths[c];
    }
  }

  // Footer: a rule, below it the page number at the left and the time at the right.
  const QRectF bottom = page.line(4 + page.linesPerPage);
  drawRule(painter, page.left, page.right, bottom.top());
  drawCell(painter, bottom.adjusted(0, 0, -half, 0), footerText(number, count), normal);
  drawCell(painter, bottom.adjusted(half, 0, 0, 0), printed_, normal, Qt::AlignRight);
}

}  // namespace vex::gui
