#include "print/print_commands.h"

#include <QDateTime>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QSaveFile>

#include "adapters/texts.h"
#include "config/app_settings.h"
#include "core/container.h"
#include "print/print_selection_dialog.h"
#include "print/report_painter.h"
#include "views/messages.h"
#include "workspace/main_frame.h"

namespace vex::gui {
namespace {

constexpr int kPdfResolution = 1200;

QString caption() { return QString::fromStdString(texts::message(text::kMsgPrintCaption)); }

class DialogPrintPrompts : public PrintPrompts {
 public:
  explicit DialogPrintPrompts(QWidget* parent) : parent_(parent) {}

  bool chooseSections(ReportSectionTable& table, const std::function<void()>& setup) override {
    CDlgPrintSelection dialog(table, parent_);
    dialog.setPrintSetupHandler(setup);
    return dialog.exec() == QDialog::Accepted;
  }
  bool confirmPrint(QPrinter& printer) override {
    QPrintDialog dialog(&printer, parent_);
    return dialog.exec() == QDialog::Accepted;
  }
  void setUpPage(QPrinter& printer) override {
    QPageSetupDialog dialog(&printer, parent_);
    dialog.exec();
  }
  void preview(QPrinter& printer, const std::function<void(QPrinter*)>& paint) override {
    QPrintPreviewDialog dialog(&printer, parent_);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog, paint);
    dialog.exec();
  }
  std::optional<QString> choosePdfPath(const QString& proposed) override {
    QString title = QString::fromStdString(texts::label(kCmdExportPdf));
    title.remove('&').remove(QStringLiteral("..."));
    const QString path = QFileDialog::getSaveFileName(parent_, title, proposed, QStringLiteral("PDF (*.pdf)"));
    if (path.isEmpty()) return std::nullopt;
    return path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive) ? path : path + QStringLiteral(".pdf");
  }
  void showMessage(int messageId) override {
    QMessageBox::warning(parent_, caption(), QString::fromStdString(texts::message(messageId)));
  }

 private:
  QWidget* parent_;
};

}  // namespace

PrintCommands::PrintCommands(CMainFrame& frame, AppSettings& settings, std::unique_ptr<PrintPrompts> prompts)
    : QObject(&frame),
      frame_(frame),
      settings_(settings),
      prompts_(prompts ? std::move(prompts) : std::make_unique<DialogPrintPrompts>(&frame)),
      printer_(std::make_unique<QPrinter>(QPrinter::HighResolution)) {
  frame.setCommandHandler(kCmdPrint, [this] { print(); });
  frame.setCommandHandler(kCmdPrintPreview, [this] { printPreview(); });
  frame.setCommandHandler(kCmdPrintSetup, [this] { printSetup(); });
  frame.setCommandHandler(kCmdExportPdf, [this] { exportPdf(); });
  connect(&frame, &CMainFrame::printViewRequested, this, &PrintCommands::printView);
}

PrintCommands::~PrintCommands() = default;

ReportSource PrintCommands::source() { return ReportSourceOf(RadioDataContainer::instance(), settings_); }

std::string PrintCommands::documentPath() const { return frame_.documentPath().toStdString(); }

ReportDocument PrintCommands::fullReport() {
  frame_.storeAllViews();
  return FullReport(RadioDataContainer::instance().reportSections(), source(), documentPath());
}

ReportDocument PrintCommands::singleViewReport(int templateId) {
  frame_.storeAllViews();
  return SingleViewReport(templateId, source(), documentPath());
}

bool PrintCommands::chooseSections() {
  return prompts_->chooseSections(RadioDataContainer::instance().reportSections(), [this] { printSetup(); });
}

void PrintCommands::paintOrSay(const ReportDocument& document, QPrinter& printer) {
  if (!ReportPainter(document, QDateTime::currentDateTime()).paint(printer))
    prompts_->showMessage(text::kMsgReportNotPrinted);
}

void PrintCommands::print() {
  if (!chooseSections()) return;
  const ReportDocument document = fullReport();
  if (prompts_->confirmPrint(*printer_)) paintOrSay(document, *printer_);
}

void PrintCommands::printPreview() {
  if (!chooseSections()) return;
  const ReportDocument document = fullReport();
  prompts_->preview(*printer_, [&document](QPrinter* printer) {
    ReportPainter(document, QDateTime::currentDateTime()).paint(*printer);
  });
}

void PrintCommands::printSetup() { prompts_->setUpPage(*printer_); }

void PrintCommands::printView(int templateId) {
  RadioDataContainer::instance().reportSections().fill([this](int id) { return settings_.labelText(id); });
  const ReportDocument document = singleViewReport(templateId);
  if (prompts_->confirmPrint(*printer_)) paintOrSay(document, *printer_);
}

bool PrintCommands::exportPdf() {
  if (!chooseSections()) return false;
  const QFileInfo file(frame_.documentPath());
  const QString proposed = file.fileName().isEmpty()
                               ? QDir::home().filePath(QStringLiteral("report.pdf"))
                               : file.dir().filePath(file.completeBaseName() + QStringLiteral(".pdf"));
  const std::optional<QString> path = prompts_->choosePdfPath(proposed);
  if (!path) return false;
  if (writePdf(fullReport(), *path)) return true;
  prompts_->showMessage(text::kMsgPdfNotWritten);
  return false;
}

// The file appears whole or not at all: it is written aside and renamed.
bool PrintCommands::writePdf(const ReportDocument& document, const QString& path) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return false;
  {
    QPdfWriter pdf(&file);
    pdf.setResolution(kPdfResolution);
    pdf.setPageLayout(printer_->pageLayout());
    pdf.setTitle(QFileInfo(path).completeBaseName());
    pdf.setCreator(QStringLiteral("vexprog"));
    if (!ReportPainter(document, QDateTime::currentDateTime()).paint(pdf)) return false;
  }
  return file.commit();
}

PrintCommands* installPrintCommands(CMainFrame& frame, AppSettings& settings, std::unique_ptr<PrintPrompts> prompts) {
  return new PrintCommands(frame, settings, std::move(prompts));
}

}  // namespace vex::gui
