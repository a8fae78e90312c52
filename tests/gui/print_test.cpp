// Printing: the selection dialog's answers, the bar's Print button and a PDF
// of a full report whose text is read back through pdftotext when present.
#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTreeWidget>

#include "adapters/settings.h"
#include "config/app_settings.h"
#include "core/container.h"
#include "core/report_sections.h"
#include "gui_test_support.h"
#include "print/print_commands.h"
#include "print/print_selection_dialog.h"
#include "workspace/main_frame.h"

namespace vex::gui {
namespace {

// The shipped language files, so the dialog's items and the report carry real texts.
class ShippedLanguages : public test::DataDir {
 public:
  ShippedLanguages() {
    for (const char* name : {"VEX_E.lng", "VEX_S.lng"}) {
      const QString target = QString::fromStdString(path()) + "/" + name;
      QFile::remove(target);
      QFile::copy(QString::fromLatin1(VEX_DATA_DIR) + "/" + name, target);
    }
    settings::current().selectLanguage(0);
  }
};

class ScriptedPrintPrompts : public PrintPrompts {
 public:
  bool chooseSections(ReportSectionTable& table, const std::function<void()>&) override {
    table.fill([](int id) { return settings::current().labelText(id); });
    for (ReportSection& entry : table.entries()) entry.selected = true;
    return true;
  }
  bool confirmPrint(QPrinter&) override {
    ++printDialogs;
    return false;
  }
  void setUpPage(QPrinter&) override {}
  void preview(QPrinter&, const std::function<void(QPrinter*)>&) override {}
  std::optional<QString> choosePdfPath(const QString&) override { return pdfPath; }
  void showMessage(int messageId) override { messages.push_back(messageId); }

  int printDialogs = 0;
  QString pdfPath;
  std::vector<int> messages;
};

class PrintTest : public ::testing::Test {
 protected:
  QTreeWidgetItem* itemNamed(CDlgPrintSelection& dialog, const QString& text) {
    const auto found = dialog.tree()->findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
    return found.isEmpty() ? nullptr : found.front();
  }

  // The PDF's text, or nothing when pdftotext is not installed.
  static std::optional<QString> pdfText(const QString& pdf) {
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (tool.isEmpty()) return std::nullopt;
    QProcess run;
    run.start(tool, {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    run.waitForFinished(30000);
    return QString::fromUtf8(run.readAllStandardOutput());
  }

  ShippedLanguages data;
  CMainFrame frame;
  ScriptedPrintPrompts* prompts = new ScriptedPrintPrompts;
  PrintCommands* commands = installPrintCommands(frame, settings::current(), std::unique_ptr<PrintPrompts>(prompts));
};

TEST_F(PrintTest, EmptySelectionAsksThreeTimesThenCancelsAndTickedItemsSelectTheirSections) {
  ReportSectionTable table;
  std::vector<int> shown;
  {
    CDlgPrintSelection dialog(table);
    dialog.setMessageHandler([&shown](int id) { shown.push_back(id); });
    EXPECT_EQ(itemNamed(dialog, QStringLiteral("Passwords")), nullptr);
    dialog.show();
    for (int press = 0; press < 3; ++press) {
      dialog.accept();
      EXPECT_TRUE(dialog.isVisible()) << press;
    }
    EXPECT_EQ(shown, (std::vector<int>{1229, 1229, 1229}));
    dialog.accept();
    EXPECT_EQ(shown.back(), 1228);
    EXPECT_TRUE(dialog.isHidden());
  }
  // The count starts over: the next dialog asks again.
  CDlgPrintSelection next(table);
  next.setMessageHandler([&shown](int id) { shown.push_back(id); });
  next.show();
  next.accept();
  EXPECT_EQ(shown.back(), 1229);
  EXPECT_TRUE(next.isVisible());

  QTreeWidgetItem* channels = itemNamed(next, QStringLiteral("Channel"));
  ASSERT_NE(channels, nullptr);
  channels->setCheckState(0, Qt::Checked);
  next.accept();
  EXPECT_EQ(next.result(), QDialog::Accepted);
  for (std::size_t i = 0; i < table.size(); ++i) EXPECT_EQ(table[i].selected, i == 7) << i;
}

TEST_F(PrintTest, TheBarsPrintButtonPrintsItsViewsSectionAndOthersTheRadioInformation) {
  const ReportDocument scan = commands->singleViewReport(3801);
  EXPECT_EQ(scan.title, "Scan List");
  EXPECT_EQ(scan.lines.front().cells[1], "Scan List");
  const ReportDocument list = commands->singleViewReport(3770);
  EXPECT_EQ(list.lines.front().cells[1], "Radio Information");

  emit frame.printViewRequested(3801);
  EXPECT_EQ(prompts->printDialogs, 1);  // cancelled there, so nothing is printed
  EXPECT_TRUE(prompts->messages.empty());
}

TEST_F(PrintTest, ExportsAFullReportOfSeventeenChannelsAsPdfInBothLanguages) {
  RadioDataContainer::instance().channels().appendNew();
  ASSERT_EQ(RadioDataContainer::instance().channels().size(), 17u);
  QTemporaryDir out;
  frame.setDocumentPath(out.filePath(QStringLiteral("seventeen.dat")));
  prompts->pdfPath = out.filePath(QStringLiteral("report.pdf"));
  ASSERT_TRUE(commands->exportPdf());
  EXPECT_TRUE(prompts->messages.empty());

  const std::optional<QString> text = pdfText(prompts->pdfPath);
  if (!text) GTEST_SKIP() << "pdftotext is not installed";
  EXPECT_TRUE(text->contains(QStringLiteral("seventeen.dat")));
  EXPECT_TRUE(text->contains(QStringLiteral("Radio Information")));
  EXPECT_TRUE(text->contains(QStringLiteral("Five-Point Frequencies")));
  const int pages = static_cast<int>(text->count(QChar('\f')));
  ASSERT_GT(pages, 1);
  EXPECT_TRUE(text->contains(QStringLiteral("Page 1 of %1").arg(pages)));
  EXPECT_TRUE(text->contains(QStringLiteral("Page %1 of %1").arg(pages)));
  EXPECT_TRUE(text->contains(QRegularExpression(QStringLiteral("\\n\\s*17\\s+12\\.5 kHz"))));

  settings::current().selectLanguage(1);
  prompts->pdfPath = out.filePath(QStringLiteral("report-zh.pdf"));
  ASSERT_TRUE(commands->exportPdf());
  const std::optional<QString> chinese = pdfText(prompts->pdfPath);
  ASSERT_TRUE(chinese);
  EXPECT_TRUE(chinese->contains(QStringLiteral("信道号")));
  EXPECT_TRUE(chinese->contains(QRegularExpression(QStringLiteral("第\\s*1\\s*页，\\s*共\\s*%1\\s*页").arg(pages))));
  EXPECT_FALSE(chinese->contains(QStringLiteral("Page 1 of")));
  EXPECT_TRUE(chinese->contains(QString::fromStdString(settings::current().labelText(1109))));
  settings::current().selectLanguage(0);
}

TEST_F(PrintTest, APdfThatCannotBeWrittenIsReported) {
  prompts->pdfPath = QStringLiteral("/nonexistent-dir/report.pdf");
  EXPECT_FALSE(commands->exportPdf());
  EXPECT_EQ(prompts->messages, (std::vector<int>{1350}));
}

}  // namespace
}  // namespace vex::gui
