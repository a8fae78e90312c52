#include "commands/prompts.h"

#include <iostream>

#include <QFileDialog>
#include <QMessageBox>

#include "adapters/texts.h"
#include "base/text_ids.h"
#include "dialogs/csv_lines_dialog.h"
#include "dialogs/file_dialog.h"
#include "dialogs/language_dialog.h"

namespace vex::gui {
namespace {

constexpr int kCaptionText = text::kCaptionMainTitle;

QString caption() {
  const std::string text = texts::label(kCaptionText);
  return text.empty() ? QStringLiteral("vexprog") : QString::fromStdString(text);
}

QString messageText(int id) { return QString::fromStdString(texts::message(id)); }

}  // namespace

void DialogPrompts::showMessage(int messageId) { QMessageBox::warning(parent_, caption(), messageText(messageId)); }

bool DialogPrompts::askOkCancel(int messageId) {
  QMessageBox box(QMessageBox::Warning, caption(), messageText(messageId), QMessageBox::Ok | QMessageBox::Cancel,
                  parent_);
  return box.exec() == QMessageBox::Ok;
}

bool DialogPrompts::askYesNo(int messageId) {
  return QMessageBox::question(parent_, caption(), messageText(messageId), QMessageBox::Yes | QMessageBox::No) ==
         QMessageBox::Yes;
}

std::optional<std::string> DialogPrompts::chooseOpenPath() {
  CDlgFile dialog(CDlgFile::Mode::Open, {}, parent_);
  if (dialog.exec() != QDialog::Accepted || dialog.chosenPath().isEmpty()) return std::nullopt;
  return dialog.chosenPath().toStdString();
}

std::optional<SaveAsChoice> DialogPrompts::chooseSaveAs(const CodeplugHeader& header, const std::string& proposedPath) {
  CDlgFile dialog(CDlgFile::Mode::SaveAs, QString::fromStdString(proposedPath), parent_);
  dialog.setHeaderCopy(header);
  if (dialog.exec() != QDialog::Accepted || dialog.chosenPath().isEmpty()) return std::nullopt;
  return SaveAsChoice{dialog.chosenPath().toStdString(), dialog.comment().toStdString()};
}

std::optional<ModelChoice> DialogPrompts::chooseModel(const AppSettings& settings) {
  CDlgModelInfo dialog(settings, parent_);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.choice();
}

std::optional<int> DialogPrompts::chooseLanguage(const std::vector<std::string>& languages, int current) {
  CDlgLanguage dialog(languages, current, parent_);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.chosenIndex();
}

std::optional<std::string> DialogPrompts::choosePort(const std::string& current, const PortProbe& probe) {
  CDlgComPort dialog(current, probe, parent_);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.chosenPort();
}

std::optional<std::string> DialogPrompts::chooseCsvPath(ExchangeMode mode) {
  return choosePath(mode, QStringLiteral("CSV (*.csv);;* (*)"), QStringLiteral("channels.csv"));
}

std::optional<std::string> DialogPrompts::chooseTextPath(ExchangeMode mode) {
  return choosePath(mode, QStringLiteral("YAML (*.yaml *.yml);;* (*)"), QStringLiteral("codeplug.yaml"));
}

std::optional<std::string> DialogPrompts::choosePath(ExchangeMode mode, const QString& filter,
                                                     const QString& proposedName) {
  const QString path = mode == ExchangeMode::Import
                           ? QFileDialog::getOpenFileName(parent_, caption(), {}, filter)
                           : QFileDialog::getSaveFileName(parent_, caption(), proposedName, filter);
  if (path.isEmpty()) return std::nullopt;
  return path.toStdString();
}

std::optional<CsvLineChoice> DialogPrompts::chooseCsvLines(const std::string& problems, const CsvLineChoice& current) {
  CDlgCsvLines dialog(problems, current, parent_);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.choice();
}

void DialogPrompts::showText(const std::string& text) {
  QMessageBox::warning(parent_, caption(), QString::fromStdString(text));
}

void ConsolePrompts::showText(const std::string& text) { std::cerr << text << '\n'; }

std::optional<CsvLineChoice> ConsolePrompts::chooseCsvLines(const std::string& problems, const CsvLineChoice&) {
  std::cerr << problems << '\n';
  return std::nullopt;
}

void ConsolePrompts::showMessage(int messageId) { std::cerr << texts::message(messageId) << '\n'; }

bool ConsolePrompts::askOkCancel(int messageId) {
  std::cerr << texts::message(messageId) << " (OK)\n";
  return true;
}

bool ConsolePrompts::askYesNo(int messageId) {
  std::cerr << texts::message(messageId) << " (Yes)\n";
  return true;
}

}  // namespace vex::gui
