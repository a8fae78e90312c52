#pragma once
// Paints a report on a printer, a PDF file or the print preview: pages laid
// out in tenths of a millimetre from the printer's page size, each with its
// header, radio block, report lines and footer.
#include <QDateTime>

#include "workflow/report/report_document.h"

class QPagedPaintDevice;
class QPainter;

namespace vex::gui {

class ReportPainter {
 public:
  ReportPainter(const ReportDocument& document, QDateTime printed);

  // Report lines per page and pages on the device's page size.
  int linesPerPage(const QPagedPaintDevice& device) const;
  int pageCount(const QPagedPaintDevice& device) const;

  // Paints the pages of the device's page ranges (all when it has none);
  // false when the device cannot be painted on (a file that cannot be
  // written). An empty report paints no page.
  bool paint(QPagedPaintDevice& device) const;

 private:
  struct Page;
  void paintPage(QPainter& painter, const Page& page, int number, int count) const;

  const ReportDocument& document_;
  QString printed_;
};

}  // namespace vex::gui
