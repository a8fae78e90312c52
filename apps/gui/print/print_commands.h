#pragma once
// The printing commands of the main window: Print, Print Preview, Print
// Setup, File > Export as PDF, and the Print button of a child frame's bar,
// which prints the section of that frame's view alone.
#include <functional>
#include <memory>
#include <optional>

#include <QObject>
#include <QString>

#include "workflow/report/report_document.h"

class QPrinter;

namespace vex {
class AppSettings;
}

namespace vex::gui {

class CMainFrame;

// What the print commands ask the user. The program shows the real dialogs;
// tests answer themselves.
class PrintPrompts {
 public:
  virtual ~PrintPrompts() = default;
  // The print-selection dialog over the table (whose selection it sets);
  // true for OK. `setup` is what its Print Setup button runs.
  virtual bool chooseSections(ReportSectionTable& table, const std::function<void()>& setup) = 0;
  // The print dialog: true to print.
  virtual bool confirmPrint(QPrinter& printer) = 0;
  // The page setup dialog.
  virtual void setUpPage(QPrinter& printer) = 0;
  // The preview window; it paints through `paint`.
  virtual void preview(QPrinter& printer, const std::function<void(QPrinter*)>& paint) = 0;
  // The PDF file to write, nothing on Cancel.
  virtual std::optional<QString> choosePdfPath(const QString& proposed) = 0;
  // A message box with message text `messageId`.
  virtual void showMessage(int messageId) = 0;
};

class PrintCommands : public QObject {
  Q_OBJECT
 public:
  // Registers the commands with the frame; null `prompts` means the real dialogs.
  PrintCommands(CMainFrame& frame, AppSettings& settings, std::unique_ptr<PrintPrompts> prompts = nullptr);
  ~PrintCommands() override;

  void print();
  void printPreview();
  void printSetup();
  // The section of the view with template `templateId` (radio information
  // for a view no section prints), after the print dialog.
  void printView(int templateId);
  // The selected sections into a PDF file; true when one was written.
  bool exportPdf();

  // The report of the data now (open views store their edits first).
  ReportDocument fullReport();
  ReportDocument singleViewReport(int templateId);
  // Writes the document as a PDF file on the printer's page size; false
  // when the file cannot be written.
  bool writePdf(const ReportDocument& document, const QString& path);

  QPrinter& printer() { return *printer_; }

 private:
  ReportSource source();
  std::string documentPath() const;
  // Asks for the sections; false when the dialog ends without a selection.
  bool chooseSections();
  void paintOrSay(const ReportDocument& document, QPrinter& printer);

  CMainFrame& frame_;
  AppSettings& settings_;
  std::unique_ptr<PrintPrompts> prompts_;
  std::unique_ptr<QPrinter> printer_;
};

// Creates the print commands as a child of the frame.
PrintCommands* installPrintCommands(CMainFrame& frame, AppSettings& settings,
                                    std::unique_ptr<PrintPrompts> prompts = nullptr);

}  // namespace vex::gui
